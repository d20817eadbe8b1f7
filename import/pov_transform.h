// Affine transformations as POV-Ray builds them from scale, rotate (degrees about x, then y,
// then z), translate and matrix statements. Points are column vectors: Then(b) applies b
// after this transformation.
#pragma once

#include <array>

namespace pov {

using Vec3 = std::array<double, 3>;

struct Affine {
    // rows of the 3x4 matrix: p' = m * (p, 1)
    double m[3][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}};

    static Affine Scale(const Vec3& s);
    static Affine Rotate(const Vec3& degrees);
    static Affine Translate(const Vec3& t);
    // POV-Ray's twelve matrix numbers, row by row as written
    static Affine FromPovMatrix(const double v[12]);

    // this transformation followed by b
    Affine Then(const Affine& b) const;
    // inline: the fit of steps applies transformations to many corners
    Vec3 Apply(const Vec3& p) const {
        Vec3 r{};
        for (int i = 0; i < 3; ++i) {
            r[i] = m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2] + m[i][3];
        }
        return r;
    }
    Vec3 ApplyLinear(const Vec3& d) const {
        Vec3 r{};
        for (int i = 0; i < 3; ++i) {
            r[i] = m[i][0] * d[0] + m[i][1] * d[1] + m[i][2] * d[2];
        }
        return r;
    }
    double Determinant() const;
    // false when the matrix is singular
    bool Inverse(Affine& out) const;
    bool IsIdentity(double tolerance = 1e-12) const;
};

// Splits a transformation into POV-Ray's steps scale s, rotate r (degrees, x then y then z),
// translate t, when it is exactly such a product (within tolerance, relative to the scale):
// the columns of its linear part are orthogonal. Mirrors become a negative scale.
bool DecomposeScaleRotateTranslate(const Affine& a, Vec3& scale, Vec3& rotate, Vec3& translate,
                                   double tolerance = 1e-9);

// Rotation angles (x, then y, then z, in degrees) of a proper rotation matrix.
Vec3 EulerFromRotation(const double r[3][3]);

}  // namespace pov
