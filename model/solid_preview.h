// The solid preview of the camera view as plain data: each visible shape with its
// transformation into the world and its colour, and the light sources in scene order.
//
// The objects describe themselves into a SolidPreview (DescribeSolid, DescribeLight) and
// SolidPainter draws it with OpenGL. A preview holds copies and shared, unchanging meshes only,
// nothing that points into the scene, so the camera view can draw it on another thread while
// the user goes on editing.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// A transformation in OpenGL's coordinates (x mirrored against POV-Ray's), column-major.
struct SolidTransform {
    std::array<double, 16> m{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

    // this * o: o is applied first
    SolidTransform operator*(const SolidTransform& o) const;
    static SolidTransform Translation(double x, double y, double z);
    static SolidTransform Scaling(double x, double y, double z);
    // degrees about the axis (x, y, z), as glRotate
    static SolidTransform Rotation(double degrees, double x, double y, double z);
    // the point M * (x, y, z, 1)
    std::array<double, 3> Apply(double x, double y, double z) const;
    // the largest length a unit vector can take under the 3 x 3 part
    double LargestScale() const;
};

// A shape described by its own numbers rather than a unit shape: vertices with normals,
// grouped into OpenGL primitives. Built once and shared by every preview that shows it.
struct SolidMesh {
    enum class Mode : uint8_t { Triangles, Quads, Polygon };
    struct Part {
        Mode mode;
        uint32_t first;  // vertex index
        uint32_t count;  // vertices
    };
    // x, y, z, nx, ny, nz per vertex, already in OpenGL's mirrored x
    std::vector<float> vertices;
    std::vector<Part> parts;
    // extent of the vertices, for the bounding box of a tiny preview
    std::array<float, 3> low{0, 0, 0};
    std::array<float, 3> high{0, 0, 0};

    size_t VertexCount() const { return vertices.size() / 6; }
    void Add(Mode mode, const float* vertexData, uint32_t count);
};

enum class SolidShape : uint8_t {
    Sphere,    // radius 1 about the origin
    Box,       // the cube -0.5 ... 0.5
    Cone,      // apex at y = 1, base circle of radius 1 at y = 0
    Cylinder,  // radius 1 from y = -0.5 to 0.5
    Torus,     // major radius 1 about the y axis; param: minor radius
    Plane,     // y = 0, 4000 units square
    Polygon,   // numbers: x, y of each corner in the z = 0 plane
    Triangle,  // numbers: x, y, z of corner, then of normal, for each of the three corners
    Lathe,     // numbers: radius, height of each profile point
    Mesh,      // mesh: index into SolidPreview::meshes
};

// How finely a shape is drawn; the camera view chooses by the size it has on the screen.
enum class SolidDetail : uint8_t {
    Full,     // the preview as it has always looked
    Reduced,  // fewer facets
    Box,      // the shape's bounding box
};

struct SolidItem {
    std::array<float, 16> transform;  // shape to world, OpenGL's coordinates
    std::array<float, 3> colour;      // diffuse; ambient is 0.7 of it
    SolidShape shape;
    float param = 0.0f;
    uint32_t first = 0;  // numbers or mesh index
    uint32_t count = 0;  // numbers

    bool operator==(const SolidItem&) const = default;
};

// One OpenGL light as a light source sets it up.
struct SolidLight {
    std::array<float, 4> position{0, 0, 0, 1};
    std::array<float, 4> diffuse{1, 1, 1, 1};
    std::array<float, 4> specular{1, 1, 1, 1};
    bool twoSided = false;      // GL_LIGHT_MODEL_TWO_SIDE
    bool spotExponent = false;  // GL_SPOT_EXPONENT 1
    bool spot = false;          // direction and cut-off below
    std::array<float, 3> direction{0, 0, -1};
    float cutoff = 180.0f;

    bool operator==(const SolidLight&) const = default;
};

struct SolidPreview {
    std::vector<SolidItem> items;
    std::vector<SolidLight> lights;
    std::vector<float> numbers;
    std::vector<std::shared_ptr<const SolidMesh>> meshes;

    void Add(SolidShape shape, const SolidTransform& transform, const std::array<float, 3>& colour,
             float param = 0.0f);
    // a shape with numbers of its own
    void AddNumbers(SolidShape shape, const SolidTransform& transform,
                    const std::array<float, 3>& colour, const float* numbers, uint32_t count);
    void AddMesh(const SolidTransform& transform, const std::array<float, 3>& colour,
                 std::shared_ptr<const SolidMesh> mesh);
    const float* Numbers(const SolidItem& item) const { return numbers.data() + item.first; }

    // the same shapes and lights (meshes compare by identity: a mesh is never changed)
    bool operator==(const SolidPreview&) const = default;
};

// The box in shape coordinates that holds the item's shape.
struct SolidBox {
    std::array<float, 3> low;
    std::array<float, 3> high;
};
SolidBox ShapeBox(const SolidPreview& preview, const SolidItem& item);
