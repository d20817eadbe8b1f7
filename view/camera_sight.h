// What the camera view's perspective sees of a shape: whether its bounding sphere reaches into
// the picture, and how many pixels it covers there, which decides the detail it is drawn with.
#pragma once

#include <array>

#include "model/solid_preview.h"

// The detail for a shape that covers about this many pixels across: full from 40 pixels on
// (a normal scene's objects look as they always have), fewer facets from 6, and below that
// the bounding box.
SolidDetail DetailForSize(double pixels);

class CameraSight {
  public:
    // gluPerspective(fovY, aspect, near, far) and gluLookAt(eye, centre, up) into a picture of
    // width x height pixels
    CameraSight(const std::array<double, 3>& eye, const std::array<double, 3>& centre, double fovY,
                double aspect, double nearPlane, double farPlane, int width, int height,
                const std::array<double, 3>& up = {0, 1, 0});

    // false when the sphere lies wholly outside the view volume
    bool Sees(const std::array<double, 3>& centre, double radius) const;
    // the sphere's diameter on the screen in pixels; very large when it reaches the eye
    double PixelSize(const std::array<double, 3>& centre, double radius) const;

    // The bounding sphere of a preview item in world coordinates: radius holds the shape
    // whatever its transformation; size is its radius as it looks (the shape's largest
    // stretch), for PixelSize.
    struct Sphere {
        std::array<double, 3> centre;
        double radius;
        double size;
    };
    static Sphere ItemSphere(const SolidPreview& preview, const SolidItem& item);

  private:
    bool valid_ = false;
    // rows of the clip matrix (projection times view)
    std::array<std::array<double, 4>, 4> rows_{};
    double nearPlane_;
    double pixelsPerUnitX_;  // at depth 1
    double pixelsPerUnitY_;
};
