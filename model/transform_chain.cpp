#include "model/transform_chain.h"

#include <algorithm>
#include <cmath>

namespace {

bool IsZero(const Vector& v) {
    return v.X == 0.0 && v.Y == 0.0 && v.Z == 0.0;
}

bool IsOne(const Vector& v) {
    return v.X == 1.0 && v.Y == 1.0 && v.Z == 1.0;
}

CMatrix3D StepsMatrix(const Placement& p) {
    CMatrix3D m;
    m.Scale(p.scale);
    m.Rotate(p.rotate);
    m.Translate(p.translate);
    return m;
}

// Rounding noise of the arithmetic (2.0000000000000004, 1e-17 for 0) taken off: a component
// within a trillionth of the vector's size of a multiple of a millionth becomes that multiple.
// Values that a user wrote with more digits keep them.
Vector Clean(const Vector& v) {
    const double size = std::max({1.0, std::abs(v.X), std::abs(v.Y), std::abs(v.Z)});
    auto clean = [size](double x) {
        const double r = std::round(x * 1e6) / 1e6;
        // adding zero turns -0 into 0, which would be written as "-0.0000"
        return (std::abs(x - r) <= 1e-12 * size ? r : x) + 0.0;
    };
    Vector out = v;
    out.X = clean(v.X);
    out.Y = clean(v.Y);
    out.Z = clean(v.Z);
    return out;
}

constexpr double kDegrees = 57.29577951308232;

Vector Column(const CMatrix3D& m, int c) {
    return Vector(m.m[0][c], m.m[1][c], m.m[2][c]);
}

Vector Cross(const Vector& a, const Vector& b) {
    return Vector(a.Y * b.Z - a.Z * b.Y, a.Z * b.X - a.X * b.Z, a.X * b.Y - a.Y * b.X);
}

Vector Scaled(const Vector& v, double f) {
    return Vector(v.X * f, v.Y * f, v.Z * f);
}

Vector Minus(const Vector& a, const Vector& b) {
    return Vector(a.X - b.X, a.Y - b.Y, a.Z - b.Z);
}

double Length(const Vector& v) {
    return std::sqrt(Vector::Dot(v, v));
}

// a unit vector at right angles to u (a unit vector)
Vector AnyNormal(const Vector& u) {
    const Vector axis = std::abs(u.X) < 0.9 ? Vector(1, 0, 0) : Vector(0, 1, 0);
    const Vector n = Cross(u, axis);
    return Scaled(n, 1.0 / Length(n));
}

}  // namespace

void TransformChain::MakeMatrix() {
    if (!exact_)
        return;
    matrix_ = StepsMatrix(placement_);
    exact_ = false;
}

void TransformChain::Scale(const Vector& f) {
    if (exact_ && (IsZero(placement_.rotate) || (f.X == f.Y && f.Y == f.Z))) {
        // scaling after a rotation commutes with it when it is the same along every axis
        placement_.scale =
            Vector(placement_.scale.X * f.X, placement_.scale.Y * f.Y, placement_.scale.Z * f.Z);
        placement_.translate = Vector(placement_.translate.X * f.X, placement_.translate.Y * f.Y,
                                      placement_.translate.Z * f.Z);
        return;
    }
    MakeMatrix();
    matrix_.Scale(f);
}

void TransformChain::Rotate(const Vector& degrees) {
    if (IsZero(degrees))
        return;
    if (exact_ && IsZero(placement_.rotate)) {
        // the writer's order (scale, rotate, translate) has nothing to move yet; turning it
        // would give 0 (never -0) too
        if (IsZero(placement_.translate)) {
            placement_.translate = Vector(0, 0, 0);
        } else {
            CMatrix3D r;
            r.Rotate(degrees);
            placement_.translate.Transform(r);
        }
        placement_.rotate = Vector(degrees.X, degrees.Y, degrees.Z);
        return;
    }
    MakeMatrix();
    matrix_.Rotate(degrees);
}

void TransformChain::Translate(const Vector& offset) {
    if (exact_) {
        placement_.translate =
            Vector(placement_.translate.X + offset.X, placement_.translate.Y + offset.Y,
                   placement_.translate.Z + offset.Z);
        return;
    }
    matrix_.Translate(offset);
}

void TransformChain::Matrix(const double v[12]) {
    // POV-Ray multiplies row vectors: the transposed rows are our columns
    CMatrix m;
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            m.m[r][c] = v[c * 3 + r];
    m.m[0][3] = v[9];
    m.m[1][3] = v[10];
    m.m[2][3] = v[11];
    MakeMatrix();
    matrix_.Multiply(m);
}

void TransformChain::Then(const TransformChain& next) {
    if (next.exact_) {
        Scale(next.placement_.scale);
        Rotate(next.placement_.rotate);
        Translate(next.placement_.translate);
        return;
    }
    MakeMatrix();
    matrix_.Multiply(next.matrix_);
}

bool TransformChain::IsIdentity() const {
    if (exact_)
        return IsOne(placement_.scale) && IsZero(placement_.rotate) && IsZero(placement_.translate);
    return matrix_ == CMatrix();
}

CMatrix3D TransformChain::ToMatrix() const {
    return exact_ ? StepsMatrix(placement_) : matrix_;
}

Vector TransformChain::Apply(const Vector& p) const {
    Vector out(p.X, p.Y, p.Z);
    out.Transform(ToMatrix());
    return out;
}

bool TransformChain::ToPlacement(Placement& out) const {
    if (exact_) {
        out.scale = Clean(placement_.scale);
        out.rotate = Clean(placement_.rotate);
        out.translate = Clean(placement_.translate);
        return true;
    }
    return SplitMatrix(matrix_, out);
}

bool SplitMatrix(const CMatrix3D& m, Placement& out) {
    // the linear part is R * S: its columns are the rotated axes, each as long as its scale
    Vector axes[3] = {Column(m, 0), Column(m, 1), Column(m, 2)};
    double scale[3];
    for (int i = 0; i < 3; ++i)
        scale[i] = Length(axes[i]);
    const double largest = std::max({scale[0], scale[1], scale[2]});
    bool exact = true;
    // the axes as an orthonormal frame: straightened in order, missing ones made up
    Vector frame[3];
    for (int i = 0; i < 3; ++i) {
        Vector a = axes[i];
        for (int k = 0; k < i; ++k) {
            const double d = Vector::Dot(a, frame[k]);
            if (std::abs(d) > 1e-9 * std::max(1.0, largest))
                exact = false;
            a = Minus(a, Scaled(frame[k], d));
        }
        const double length = Length(a);
        if (length > 1e-12 * std::max(1.0, largest)) {
            frame[i] = Scaled(a, 1.0 / length);
        } else if (i == 0) {
            frame[0] = Vector(1, 0, 0);
        } else if (i == 1) {
            frame[1] = AnyNormal(frame[0]);
        } else {
            frame[2] = Cross(frame[0], frame[1]);
        }
    }
    // a mirror image: the frame turns right-handed and the x scale changes its sign
    if (Vector::Dot(Cross(frame[0], frame[1]), frame[2]) < 0) {
        frame[0] = Scaled(frame[0], -1.0);
        scale[0] = -scale[0];
    }
    // R = Rz(c) * Ry(b) * Rx(a): row 2 is (-sin b, cos b sin a, cos b cos a)
    const double r20 = frame[0].Z, r21 = frame[1].Z, r22 = frame[2].Z;
    const double r00 = frame[0].X, r10 = frame[0].Y, r01 = frame[1].X, r11 = frame[1].Y;
    // cos b from the first column rather than asin(-r20), which loses digits near +-90 degrees
    const double cosB = std::hypot(r00, r10);
    const double b = std::atan2(-r20, cosB);
    double a = 0.0, c = 0.0;
    if (cosB > 1e-12) {
        a = std::atan2(r21, r22);
        c = std::atan2(r10, r00);
    } else {
        // the x and z rotations turn about the same axis: all of it goes to z
        c = std::atan2(-r01, r11);
    }
    out.scale = Clean(Vector(scale[0], scale[1], scale[2]));
    out.rotate = Clean(Vector(a * kDegrees, b * kDegrees, c * kDegrees));
    out.translate = Clean(Vector(m.m[0][3], m.m[1][3], m.m[2][3]));
    return exact;
}
