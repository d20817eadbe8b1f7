#include "import/pov_transform.h"

#include <algorithm>
#include <cmath>

namespace pov {

namespace {

constexpr double kPi = 3.1415926535897932384626;

}  // namespace

Affine Affine::Scale(const Vec3& s) {
    Affine a;
    for (int i = 0; i < 3; ++i) {
        a.m[i][i] = s[i];
    }
    return a;
}

Affine Affine::Rotate(const Vec3& degrees) {
    Affine r;
    for (int axis = 0; axis < 3; ++axis) {
        const double ang = degrees[axis] * kPi / 180.0;
        const double c = std::cos(ang), s = std::sin(ang);
        Affine step;
        const int i = (axis + 1) % 3, j = (axis + 2) % 3;
        step.m[i][i] = c;
        step.m[i][j] = -s;
        step.m[j][i] = s;
        step.m[j][j] = c;
        r = r.Then(step);
    }
    return r;
}

Affine Affine::Translate(const Vec3& t) {
    Affine a;
    for (int i = 0; i < 3; ++i) {
        a.m[i][3] = t[i];
    }
    return a;
}

Affine Affine::FromPovMatrix(const double v[12]) {
    // POV-Ray's matrix maps (x, y, z) to x*row0 + y*row1 + z*row2 + row3
    Affine a;
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            a.m[i][k] = v[k * 3 + i];
        }
        a.m[i][3] = v[9 + i];
    }
    return a;
}

Affine Affine::Then(const Affine& b) const {
    Affine r;
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 4; ++k) {
            double s = k == 3 ? b.m[i][3] : 0.0;
            for (int j = 0; j < 3; ++j) {
                s += b.m[i][j] * m[j][k];
            }
            r.m[i][k] = s;
        }
    }
    return r;
}

double Affine::Determinant() const {
    return m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) -
           m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
           m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
}

bool Affine::Inverse(Affine& out) const {
    const double det = Determinant();
    if (!std::isfinite(det) || std::fabs(det) < 1e-300) {
        return false;
    }
    const double inv = 1.0 / det;
    Affine r;
    r.m[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) * inv;
    r.m[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) * inv;
    r.m[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) * inv;
    r.m[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) * inv;
    r.m[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) * inv;
    r.m[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) * inv;
    r.m[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) * inv;
    r.m[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) * inv;
    r.m[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) * inv;
    for (int i = 0; i < 3; ++i) {
        r.m[i][3] = -(r.m[i][0] * m[0][3] + r.m[i][1] * m[1][3] + r.m[i][2] * m[2][3]);
    }
    out = r;
    return true;
}

bool Affine::IsIdentity(double tolerance) const {
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 4; ++k) {
            if (std::fabs(m[i][k] - (i == k ? 1.0 : 0.0)) > tolerance) {
                return false;
            }
        }
    }
    return true;
}

Vec3 EulerFromRotation(const double r[3][3]) {
    // r = Rz(c) * Ry(b) * Rx(a); r[2][0] = -sin(b)
    const double sb = std::clamp(-r[2][0], -1.0, 1.0);
    const double b = std::asin(sb);
    double a, c;
    if (std::fabs(sb) < 1.0 - 1e-12) {
        a = std::atan2(r[2][1], r[2][2]);
        c = std::atan2(r[1][0], r[0][0]);
    } else {
        // gimbal lock: only a - c (or a + c) is fixed; put it all into a
        c = 0.0;
        a = std::atan2(sb > 0 ? r[0][1] : -r[0][1], r[1][1]);
    }
    Vec3 deg = {a * 180.0 / kPi, b * 180.0 / kPi, c * 180.0 / kPi};
    for (double& d : deg) {
        if (std::fabs(d) < 1e-12) {
            d = 0.0;
        }
    }
    return deg;
}

bool DecomposeScaleRotateTranslate(const Affine& a, Vec3& scale, Vec3& rotate, Vec3& translate,
                                   double tolerance) {
    Vec3 col[3];
    double len[3];
    for (int k = 0; k < 3; ++k) {
        col[k] = {a.m[0][k], a.m[1][k], a.m[2][k]};
        len[k] = std::sqrt(col[k][0] * col[k][0] + col[k][1] * col[k][1] + col[k][2] * col[k][2]);
        if (!(len[k] > 0.0) || !std::isfinite(len[k])) {
            return false;
        }
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = i + 1; j < 3; ++j) {
            const double dot =
                col[i][0] * col[j][0] + col[i][1] * col[j][1] + col[i][2] * col[j][2];
            if (std::fabs(dot) > tolerance * len[i] * len[j]) {
                return false;
            }
        }
    }
    double sign = a.Determinant() < 0 ? -1.0 : 1.0;
    // a mirror goes into the x scale
    scale = {len[0] * sign, len[1], len[2]};
    double r[3][3];
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            r[i][k] = col[k][i] / scale[k];
        }
    }
    rotate = EulerFromRotation(r);
    // the angles must rebuild the rotation (they do unless the matrix was not orthogonal)
    const Affine check = Affine::Rotate(rotate);
    for (int i = 0; i < 3; ++i) {
        for (int k = 0; k < 3; ++k) {
            if (std::fabs(check.m[i][k] - r[i][k]) > 1e-6) {
                return false;
            }
        }
    }
    translate = {a.m[0][3], a.m[1][3], a.m[2][3]};
    return true;
}

}  // namespace pov
