#include "view/camera_sight.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "view/vec3.h"

namespace {

using namespace vec3;

bool Normalise(Vec3& v) {
    const std::optional<Vec3> unit = Unit(v);
    if (unit)
        v = *unit;
    return unit.has_value();
}

double Apply(const std::array<double, 4>& row, const Vec3& p) {
    return row[0] * p[0] + row[1] * p[1] + row[2] * p[2] + row[3];
}

}  // namespace

SolidDetail DetailForSize(double pixels) {
    if (!(pixels < 40.0))
        return SolidDetail::Full;
    if (pixels >= 6.0)
        return SolidDetail::Reduced;
    return SolidDetail::Box;
}

CameraSight::CameraSight(const Vec3& eye, const Vec3& centre, double fovY, double aspect,
                         double nearPlane, double farPlane, int width, int height, const Vec3& up)
    : nearPlane_(nearPlane) {
    const double f = 1.0 / std::tan(fovY * std::acos(-1.0) / 360.0);
    pixelsPerUnitX_ = f / aspect * width / 2.0;
    pixelsPerUnitY_ = f * height / 2.0;

    Vec3 forward{centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
    Vec3 side{};
    if (Normalise(forward)) {
        side = Cross(forward, up);
        if (!Normalise(side))
            side = {};
    }
    if (side == Vec3{}) {
        // looking along the up vector (or nowhere): gluLookAt has no sound frame then, so
        // nothing is left out and everything is drawn in full
        valid_ = false;
        return;
    }
    const Vec3 screenUp = Cross(side, forward);
    const std::array<double, 4> viewX{side[0], side[1], side[2], -Dot(side, eye)};
    const std::array<double, 4> viewY{screenUp[0], screenUp[1], screenUp[2], -Dot(screenUp, eye)};
    const std::array<double, 4> viewZ{-forward[0], -forward[1], -forward[2], Dot(forward, eye)};
    const double a = (farPlane + nearPlane) / (nearPlane - farPlane);
    const double b = 2.0 * farPlane * nearPlane / (nearPlane - farPlane);
    for (int k = 0; k < 4; ++k) {
        rows_[0][k] = f / aspect * viewX[k];
        rows_[1][k] = f * viewY[k];
        rows_[2][k] = a * viewZ[k] + (k == 3 ? b : 0.0);
        rows_[3][k] = -viewZ[k];
    }
    valid_ = true;
}

bool CameraSight::Sees(const Vec3& centre, double radius) const {
    if (!valid_)
        return true;
    const std::array<double, 4>& w = rows_[3];
    for (int axis = 0; axis < 3; ++axis) {
        for (const double sign : {1.0, -1.0}) {
            std::array<double, 4> plane{};
            for (int k = 0; k < 4; ++k)
                plane[k] = w[k] + sign * rows_[axis][k];
            const double length =
                std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
            if (!(length > 0.0))
                continue;
            if (Apply(plane, centre) < -radius * length)
                return false;
        }
    }
    return true;
}

double CameraSight::PixelSize(const Vec3& centre, double radius) const {
    const double depth = valid_ ? Apply(rows_[3], centre) : 0.0;
    if (!valid_ || depth - radius <= nearPlane_)
        return std::numeric_limits<double>::infinity();
    return 2.0 * radius / depth * std::max(pixelsPerUnitX_, pixelsPerUnitY_);
}

CameraSight::Sphere CameraSight::ItemSphere(const SolidPreview& preview, const SolidItem& item) {
    const SolidBox box = ShapeBox(preview, item);
    const double x = (box.low[0] + box.high[0]) / 2.0, y = (box.low[1] + box.high[1]) / 2.0,
                 z = (box.low[2] + box.high[2]) / 2.0;
    const double dx = box.high[0] - x, dy = box.high[1] - y, dz = box.high[2] - z;
    double local = std::sqrt(dx * dx + dy * dy + dz * dz);
    if (item.shape == SolidShape::Sphere)
        local = 1.0;
    else if (item.shape == SolidShape::Torus)
        local = 1.0 + std::abs(item.param);
    const std::array<float, 16>& m = item.transform;
    Sphere s;
    s.centre = {m[0] * x + m[4] * y + m[8] * z + m[12], m[1] * x + m[5] * y + m[9] * z + m[13],
                m[2] * x + m[6] * y + m[10] * z + m[14]};
    // The largest column is the stretch of a rotated and scaled shape; nested groups may
    // shear, and the sum of all squares bounds any stretch.
    double largest = 0.0, squares = 0.0;
    for (int column = 0; column < 3; ++column) {
        const double c0 = m[column * 4], c1 = m[column * 4 + 1], c2 = m[column * 4 + 2];
        const double square = c0 * c0 + c1 * c1 + c2 * c2;
        largest = std::max(largest, square);
        squares += square;
    }
    s.radius = local * std::sqrt(squares);
    s.size = local * std::sqrt(largest);
    return s;
}
