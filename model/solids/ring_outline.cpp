#include "model/solids/ring_outline.h"

const double kRingSin[12] = {0, 0.5, 0.866, 1, 0.866, 0.5, 0, -0.5, -0.866, -1, -0.866, -0.5};
const double kRingCos[12] = {1, 0.866, 0.5, 0, -0.5, -0.866, -1, -0.866, -0.5, 0, 0.5, 0.866};

void AppendRing(std::vector<Point3>& out, double y, double radius, double half, double wide) {
    // which multiple of the radius each step's x and z take: 0, half, wide or the radius
    static const int kX[12] = {0, 1, 2, 3, 2, 1, 0, -1, -2, -3, -2, -1};
    static const int kZ[12] = {3, 2, 1, 0, -1, -2, -3, -2, -1, 0, 1, 2};
    const double size[4] = {0.0, half, wide, radius};
    auto value = [&](int code) { return code < 0 ? -size[-code] : size[code]; };
    for (int i = 0; i < 12; ++i)
        out.emplace_back(value(kX[i]), y, value(kZ[i]));
}

void AppendRing(std::vector<Point3>& out, double y, double radius) {
    AppendRing(out, y, radius, 0.5 * radius, 0.866 * radius);
}
