#include "model/solid_painter.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>

#include "model/solids/gl_quadric.h"
#include "model/solids/ring_outline.h"

namespace {

const double kPi = std::acos(-1.0);

void DrawCube() {
    struct Face {
        float n[3];
        float v[4][3];
    };
    static const Face faces[6] = {
        {{0, 0, 1}, {{.5, .5, .5}, {-.5, .5, .5}, {-.5, -.5, .5}, {.5, -.5, .5}}},
        {{0, 0, -1}, {{.5, .5, -.5}, {.5, -.5, -.5}, {-.5, -.5, -.5}, {-.5, .5, -.5}}},
        {{-1, 0, 0}, {{-.5, .5, .5}, {-.5, .5, -.5}, {-.5, -.5, -.5}, {-.5, -.5, .5}}},
        {{1, 0, 0}, {{.5, .5, .5}, {.5, -.5, .5}, {.5, -.5, -.5}, {.5, .5, -.5}}},
        {{0, 1, 0}, {{-.5, .5, -.5}, {-.5, .5, .5}, {.5, .5, .5}, {.5, .5, -.5}}},
        {{0, -1, 0}, {{-.5, -.5, -.5}, {.5, -.5, -.5}, {.5, -.5, .5}, {-.5, -.5, .5}}},
    };
    for (const Face& f : faces) {
        glBegin(GL_POLYGON);
        glNormal3fv(f.n);
        for (const auto& v : f.v)
            glVertex3fv(v);
        glEnd();
    }
}

// The torus as a grid of k steps around the tube and j steps around the y axis, two triangles
// per cell; the full preview takes the outline's twelve-step tables.
void DrawTorus(double r, bool full) {
    const int steps = full ? 12 : 6;
    double sine[12], cosine[12];
    for (int i = 0; i < steps; ++i) {
        sine[i] = full ? kRingSin[i] : std::sin(2 * kPi * i / steps);
        cosine[i] = full ? kRingCos[i] : std::cos(2 * kPi * i / steps);
    }
    auto vertex = [&](int k, int j) {
        k %= steps;
        j %= steps;
        const double ring = 1.0 + r * sine[k];
        glNormal3d(sine[k] * sine[j], cosine[k], sine[k] * cosine[j]);
        glVertex3d(ring * sine[j], r * cosine[k], ring * cosine[j]);
    };
    for (int k = 0; k < steps; ++k) {
        for (int j = 0; j < steps; ++j) {
            // counter-clockwise seen from outside
            glBegin(GL_POLYGON);
            vertex(k, j);
            vertex(k + 1, j);
            vertex(k + 1, j + 1);
            glEnd();
            glBegin(GL_POLYGON);
            vertex(k, j);
            vertex(k + 1, j + 1);
            vertex(k, j + 1);
            glEnd();
        }
    }
}

void DrawPlane() {
    glBegin(GL_POLYGON);
    glNormal3f(0, 1, 0);
    glVertex3f(-2000, 0, -2000);
    glVertex3f(-2000, 0, 2000);
    glVertex3f(2000, 0, 2000);
    glVertex3f(2000, 0, -2000);
    glEnd();
}

// numbers: x, y of each corner; the polygon faces -z
void DrawPolygon(const float* n, uint32_t count) {
    if (count < 6)
        return;
    glBegin(GL_POLYGON);
    glNormal3d(0.0, 0.0, -1.0);
    for (uint32_t i = 0; i + 2 <= count; i += 2)
        glVertex3d(-n[i], n[i + 1], 0.0);
    glEnd();
}

// numbers: corner x, y, z and normal x, y, z of each of the three corners
void DrawTriangle(const float* n, uint32_t count) {
    if (count < 18)
        return;
    glBegin(GL_POLYGON);
    for (uint32_t c = 0; c < 18; c += 6) {
        glNormal3d(-n[c + 3], n[c + 4], n[c + 5]);
        glVertex3d(-n[c], n[c + 1], n[c + 2]);
    }
    glEnd();
}

// numbers: radius and height of each profile point; a band of segments about the y axis
// between each two of them (straight, whatever the spline), lit by the band's slope
void DrawLathe(const float* n, uint32_t count, bool full) {
    const int segments = full ? 12 : 6;
    const double step = 2 * kPi / segments;
    for (uint32_t i = 0; i + 4 <= count; i += 2) {
        const double ar = n[i], ay = n[i + 1], br = n[i + 2], by = n[i + 3];
        const double dr = br - ar, dy = by - ay;
        const double length = std::hypot(dr, dy);
        if (length <= 0.0)
            continue;
        // the band's normal in the profile plane, to the right of the profile's direction
        const double nr = dy / length, ny = -dr / length;
        glBegin(GL_TRIANGLES);
        for (int k = 0; k < segments; ++k) {
            const double t0 = k * step, t1 = (k + 1) * step;
            const double s0 = std::sin(t0), c0 = std::cos(t0), s1 = std::sin(t1), c1 = std::cos(t1);
            auto vertex = [&](double r, double y, double s, double c) {
                glNormal3d(-nr * s, ny, nr * c);
                glVertex3d(-r * s, y, r * c);
            };
            vertex(ar, ay, s0, c0);
            vertex(ar, ay, s1, c1);
            vertex(br, by, s1, c1);
            vertex(ar, ay, s0, c0);
            vertex(br, by, s1, c1);
            vertex(br, by, s0, c0);
        }
        glEnd();
    }
}

void DrawMesh(const SolidMesh& mesh) {
    glPushClientAttrib(GL_CLIENT_VERTEX_ARRAY_BIT);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glVertexPointer(3, GL_FLOAT, 6 * sizeof(float), mesh.vertices.data());
    glNormalPointer(GL_FLOAT, 6 * sizeof(float), mesh.vertices.data() + 3);
    for (const SolidMesh::Part& part : mesh.parts) {
        GLenum mode = GL_TRIANGLES;
        if (part.mode == SolidMesh::Mode::Quads)
            mode = GL_QUADS;
        else if (part.mode == SolidMesh::Mode::Polygon)
            mode = GL_POLYGON;
        glDrawArrays(mode, static_cast<GLint>(part.first), static_cast<GLsizei>(part.count));
    }
    glPopClientAttrib();
}

// Only shapes with a volume become boxes: a flat box has no usable normals.
bool HasVolume(const SolidBox& box) {
    for (int a = 0; a < 3; ++a)
        if (!(box.high[a] - box.low[a] > 1e-6f))
            return false;
    return true;
}

}  // namespace

SolidPainter::SolidPainter(bool keepLists) : keepLists_(keepLists) {}

SolidPainter::~SolidPainter() {
    for (auto& shape : lists_)
        for (auto& detail : shape)
            for (unsigned list : detail)
                if (list)
                    glDeleteLists(list, 1);
}

void SolidPainter::SetWireframe(bool wireframe) {
    wireframe_ = wireframe;
}

void SolidPainter::BeginItems() {
    const float specular[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMateriali(GL_FRONT_AND_BACK, GL_SHININESS, 128);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    colour_ = {-1, -1, -1};
}

void SolidPainter::SetColour(const std::array<float, 3>& colour) {
    if (colour == colour_)
        return;
    colour_ = colour;
    const float diffuse[4] = {colour[0], colour[1], colour[2], 1.0f};
    const float ambient[4] = {0.7f * colour[0], 0.7f * colour[1], 0.7f * colour[2], 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
}

void SolidPainter::DrawAll(const SolidPreview& preview) {
    for (const SolidItem& item : preview.items) {
        BeginItems();
        DrawItem(preview, item, SolidDetail::Full);
    }
}

void SolidPainter::DrawItem(const SolidPreview& preview, const SolidItem& item,
                            SolidDetail detail) {
    SetColour(item.colour);
    glPushMatrix();
    glMultMatrixf(item.transform.data());
    DrawShape(preview, item, detail);
    glPopMatrix();
}

void SolidPainter::DrawShape(const SolidPreview& preview, const SolidItem& item,
                             SolidDetail detail) {
    if (detail == SolidDetail::Box && item.shape != SolidShape::Box &&
        item.shape != SolidShape::Plane) {
        const SolidBox box = ShapeBox(preview, item);
        if (HasVolume(box)) {
            glTranslatef((box.low[0] + box.high[0]) / 2, (box.low[1] + box.high[1]) / 2,
                         (box.low[2] + box.high[2]) / 2);
            glScalef(box.high[0] - box.low[0], box.high[1] - box.low[1], box.high[2] - box.low[2]);
            DrawUnit(kBox, SolidDetail::Full);
            return;
        }
        detail = SolidDetail::Reduced;
    }
    const bool full = detail == SolidDetail::Full;
    switch (item.shape) {
        case SolidShape::Sphere:
            DrawUnit(kSphere, detail);
            break;
        case SolidShape::Box:
            DrawUnit(kBox, SolidDetail::Full);
            break;
        case SolidShape::Cone:
            DrawUnit(kCone, detail);
            break;
        case SolidShape::Cylinder:
            DrawUnit(kCylinder, detail);
            break;
        case SolidShape::Torus:
            DrawTorus(item.param, full);
            break;
        case SolidShape::Plane:
            DrawPlane();
            break;
        case SolidShape::Polygon:
            DrawPolygon(preview.Numbers(item), item.count);
            break;
        case SolidShape::Triangle:
            DrawTriangle(preview.Numbers(item), item.count);
            break;
        case SolidShape::Lathe:
            DrawLathe(preview.Numbers(item), item.count, full);
            break;
        case SolidShape::Mesh:
            DrawMesh(*preview.meshes[item.first]);
            break;
    }
}

void SolidPainter::DrawUnit(ListShape shape, SolidDetail detail) {
    const int d = detail == SolidDetail::Full ? 0 : 1;
    const int mode = wireframe_ ? 1 : 0;
    if (!keepLists_) {
        DrawUnitNow(shape, detail);
        return;
    }
    unsigned& list = lists_[shape][d][mode];
    if (!list) {
        list = glGenLists(1);
        if (!list) {
            DrawUnitNow(shape, detail);
            return;
        }
        glNewList(list, GL_COMPILE);
        DrawUnitNow(shape, detail);
        glEndList();
    }
    glCallList(list);
}

void SolidPainter::DrawUnitNow(ListShape shape, SolidDetail detail) const {
    if (shape == kBox) {
        DrawCube();
        return;
    }
    GlQuadric quadric;
    if (!quadric.Get())
        return;
    GLUquadric* q = quadric.Get();
    const bool full = detail == SolidDetail::Full;
    switch (shape) {
        case kSphere:
            if (full)
                gluSphere(q, 1.0, wireframe_ ? 12 : 20, wireframe_ ? 6 : 20);
            else
                gluSphere(q, 1.0, wireframe_ ? 8 : 10, wireframe_ ? 4 : 8);
            break;
        case kCone:
            // side: GLU's cylinder runs along z; turned so that it opens from the apex at y = 1
            // down to the base circle at y = 0
            glPushMatrix();
            glTranslatef(0, 1, 0);
            glRotatef(-90, -1, 0, 0);
            gluCylinder(q, 0.0, 1.0, 1.0, full ? 12 : 8, full && !wireframe_ ? 12 : (full ? 2 : 1));
            glPopMatrix();
            // base disk, facing down
            glPushMatrix();
            glRotatef(-90, -1, 0, 0);
            gluDisk(q, 0.0, 1.0, full ? 10 : 8, full ? 10 : 1);
            glPopMatrix();
            break;
        case kCylinder:
            // side: GLU's cylinder runs along z; turned to run from y = -0.5 up to 0.5
            glPushMatrix();
            glTranslatef(0, -0.5f, 0);
            glRotatef(90, -1, 0, 0);
            gluCylinder(q, 1.0, 1.0, 1.0, full ? 12 : 8, full && !wireframe_ ? 12 : (full ? 2 : 1));
            glPopMatrix();
            // top cap facing up
            glPushMatrix();
            glTranslatef(0, 0.5f, 0);
            glRotatef(90, -1, 0, 0);
            gluDisk(q, 0.0, 1.0, full ? 10 : 8, 1);
            glPopMatrix();
            // bottom cap facing down
            glPushMatrix();
            glTranslatef(0, -0.5f, 0);
            glRotatef(-90, -1, 0, 0);
            gluDisk(q, 0.0, 1.0, full ? 10 : 8, 1);
            glPopMatrix();
            break;
        default:
            break;
    }
}

void SolidPainter::ApplyLight(const SolidLight& light, unsigned glLight) {
    if (light.twoSided)
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
    glLightfv(glLight, GL_POSITION, light.position.data());
    glLightfv(glLight, GL_DIFFUSE, light.diffuse.data());
    glLightfv(glLight, GL_SPECULAR, light.specular.data());
    if (light.spot) {
        glLightfv(glLight, GL_SPOT_DIRECTION, light.direction.data());
        glLightf(glLight, GL_SPOT_CUTOFF, light.cutoff);
    }
    if (light.spotExponent)
        glLighti(glLight, GL_SPOT_EXPONENT, 1);
}
