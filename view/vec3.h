// Small vector arithmetic on three doubles, for the camera's sight and the cameras kept as
// text.
#pragma once

#include <array>
#include <cmath>
#include <optional>

namespace vec3 {

using Vec3 = std::array<double, 3>;

inline double Dot(const Vec3& a, const Vec3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Length(const Vec3& v) {
    return std::sqrt(Dot(v, v));
}

inline Vec3 Cross(const Vec3& a, const Vec3& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline Vec3 Sub(const Vec3& a, const Vec3& b) {
    return {a[0] - b[0], a[1] - b[1], a[2] - b[2]};
}

inline Vec3 Scale(const Vec3& v, double s) {
    return {v[0] * s, v[1] * s, v[2] * s};
}

// v at length 1; nothing for a zero or endless vector
inline std::optional<Vec3> Unit(const Vec3& v) {
    const double length = Length(v);
    if (!(length > 0.0) || !std::isfinite(length))
        return std::nullopt;
    return Scale(v, 1.0 / length);
}

}  // namespace vec3
