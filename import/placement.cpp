#include "import/placement.h"

#include <cmath>

namespace pov {

namespace {

// the number as the scene writer prints it ("%.4f")
double Printed(double v) {
    return std::round(v * 1e4) / 1e4;
}

// A transformation without rotation: positive scales on the diagonal of its linear part and
// exact zeros elsewhere.
bool IsPlainScale(const Affine& m) {
    return m.m[0][0] > 0.0 && m.m[1][1] > 0.0 && m.m[2][2] > 0.0 && m.m[0][1] == 0.0 &&
           m.m[0][2] == 0.0 && m.m[1][0] == 0.0 && m.m[1][2] == 0.0 && m.m[2][0] == 0.0 &&
           m.m[2][1] == 0.0;
}

// The steps of a plain scale and translation, without trigonometry: the same numbers, bit for
// bit, that the general decomposition finds for it, and false where it fails.
bool DecomposePlainScale(const Affine& m, Vec3& scale, Vec3& rotate, Vec3& translate) {
    for (int k = 0; k < 3; ++k) {
        scale[k] = std::sqrt(m.m[k][k] * m.m[k][k]);
        if (!(scale[k] > 0.0) || !std::isfinite(scale[k]) ||
            std::fabs(1.0 - m.m[k][k] / scale[k]) > 1e-6) {
            return false;
        }
        translate[k] = m.m[k][3];
    }
    rotate = {0.0, 0.0, 0.0};
    return true;
}

// The largest squared distance of the shape's corners from its centre, and of a corner from
// where the written steps put it. The largest squares first: the root of the largest is the
// largest root.
void CornerErrors(const Affine& m, const Affine& written, double extent, double& sizeSquared,
                  double& errorSquared) {
    for (int c = 0; c < 8; ++c) {
        const Vec3 p = {(c & 1) ? extent : -extent, (c & 2) ? extent : -extent,
                        (c & 4) ? extent : -extent};
        const Vec3 a = m.Apply(p), b = written.Apply(p), d = m.ApplyLinear(p);
        const double ds = d[0] * d[0] + d[1] * d[1] + d[2] * d[2];
        const double es = (a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) +
                          (a[2] - b[2]) * (a[2] - b[2]);
        if (ds > sizeSquared) {
            sizeSquared = ds;
        }
        if (es > errorSquared) {
            errorSquared = es;
        }
    }
}

// The same for two transformations without rotation: each axis moves a corner on its own,
// so the farthest corner takes the farther side on every axis, and its sums are the ones the
// corners give, bit for bit. False for a distance that is not a number, which the corners
// skip.
bool PlainCornerErrors(const Affine& m, const Affine& written, double extent, double& sizeSquared,
                       double& errorSquared) {
    double size[3], error[3];
    for (int k = 0; k < 3; ++k) {
        const double d = m.m[k][k] * extent;
        size[k] = d * d;
        error[k] = 0.0;
        for (const double p : {-extent, extent}) {
            const double e = (m.m[k][k] * p + m.m[k][3]) - (written.m[k][k] * p + written.m[k][3]);
            if (std::isnan(e)) {
                return false;
            }
            if (e * e > error[k]) {
                error[k] = e * e;
            }
        }
    }
    sizeSquared = size[0] + size[1] + size[2];
    errorSquared = error[0] + error[1] + error[2];
    return true;
}

}  // namespace

Affine StepsTransform(const Steps& s) {
    const Affine scale = Affine::Scale({s.scale.X, s.scale.Y, s.scale.Z});
    const Affine translate = Affine::Translate({s.translate.X, s.translate.Y, s.translate.Z});
    // no rotation is the identity exactly (cosines of one, sines of zero)
    if (s.rotate.X == 0.0 && s.rotate.Y == 0.0 && s.rotate.Z == 0.0) {
        return scale.Then(translate);
    }
    return scale.Then(Affine::Rotate({s.rotate.X, s.rotate.Y, s.rotate.Z})).Then(translate);
}

Fit FitSteps(const Affine& m, Steps& out, double extent) {
    Vec3 scale, rotate, translate;
    if (IsPlainScale(m) ? !DecomposePlainScale(m, scale, rotate, translate)
                        : !DecomposeScaleRotateTranslate(m, scale, rotate, translate)) {
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
    double sizeSquared = 0.0, errorSquared = 0.0;
    if (!IsPlainScale(m) || !IsPlainScale(written) ||
        !PlainCornerErrors(m, written, extent, sizeSquared, errorSquared)) {
        sizeSquared = errorSquared = 0.0;
        CornerErrors(m, written, extent, sizeSquared, errorSquared);
    }
    const double size = std::sqrt(sizeSquared), error = std::sqrt(errorSquared);
    if (error <= 1e-3 * size || error < 1e-6) {
        return Fit::Exact;
    }
    return error <= 1e-2 * size ? Fit::Approximate : Fit::None;
}

Affine FromModelMatrix(const CMatrix& m) {
    Affine a;
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 4; ++k) {
            a.m[i][k] = m.m[i][k];
        }
    }
    return a;
}

}  // namespace pov
