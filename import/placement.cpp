#include "import/placement.h"

#include <cmath>

namespace pov {

namespace {

// the number as the scene writer prints it ("%.4f")
double Printed(double v) {
    return std::round(v * 1e4) / 1e4;
}

}  // namespace

Affine StepsTransform(const Steps& s) {
    return Affine::Scale({s.scale.X, s.scale.Y, s.scale.Z})
        .Then(Affine::Rotate({s.rotate.X, s.rotate.Y, s.rotate.Z}))
        .Then(Affine::Translate({s.translate.X, s.translate.Y, s.translate.Z}));
}

Fit FitSteps(const Affine& m, Steps& out, double extent) {
    Vec3 scale, rotate, translate;
    if (!DecomposeScaleRotateTranslate(m, scale, rotate, translate)) {
        return Fit::None;
    }
    out.scale = Vector(Printed(scale[0]), Printed(scale[1]), Printed(scale[2]));
    out.rotate = Vector(Printed(rotate[0]), Printed(rotate[1]), Printed(rotate[2]));
    out.translate = Vector(Printed(translate[0]), Printed(translate[1]), Printed(translate[2]));
    if (out.scale.X == 0.0 || out.scale.Y == 0.0 || out.scale.Z == 0.0) {
        return Fit::None;
    }
    // how far the written steps put the shape's corners from where POV-Ray puts them, against
    // the shape's size
    const Affine written = StepsTransform(out);
    double size = 0.0, error = 0.0;
    for (int c = 0; c < 8; ++c) {
        const Vec3 p = {(c & 1) ? extent : -extent, (c & 2) ? extent : -extent,
                        (c & 4) ? extent : -extent};
        const Vec3 a = m.Apply(p), b = written.Apply(p), d = m.ApplyLinear(p);
        size = std::fmax(size, std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]));
        error = std::fmax(error,
                          std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                                    (a[2] - b[2]) * (a[2] - b[2])));
    }
    if (error <= 1e-3 * size || error < 1e-6) {
        return Fit::Exact;
    }
    return error <= 1e-2 * size ? Fit::Approximate : Fit::None;
}

Affine RotateYTo(const Vec3& d) {
    const double len = std::sqrt(d[0] * d[0] + d[1] * d[1] + d[2] * d[2]);
    if (!(len > 0.0)) {
        return Affine();
    }
    const Vec3 y = {d[0] / len, d[1] / len, d[2] / len};
    // any x across y; z completes a right-handed frame (a proper rotation)
    Vec3 helper = std::fabs(y[0]) < 0.9 ? Vec3{1, 0, 0} : Vec3{0, 0, 1};
    Vec3 z = {helper[1] * y[2] - helper[2] * y[1], helper[2] * y[0] - helper[0] * y[2],
              helper[0] * y[1] - helper[1] * y[0]};
    const double zl = std::sqrt(z[0] * z[0] + z[1] * z[1] + z[2] * z[2]);
    for (double& c : z) {
        c /= zl;
    }
    const Vec3 x = {y[1] * z[2] - y[2] * z[1], y[2] * z[0] - y[0] * z[2],
                    y[0] * z[1] - y[1] * z[0]};
    Affine r;
    for (int i = 0; i < 3; ++i) {
        r.m[i][0] = x[i];
        r.m[i][1] = y[i];
        r.m[i][2] = z[i];
    }
    return r;
}

}  // namespace pov
