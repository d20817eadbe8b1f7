#include "model/matrix.h"

#include <cmath>

namespace {
const double Pi = std::acos(-1.0);
}

double DegreesToRadians(double degrees) {
    return degrees * Pi * 0.005555555555555556;
}

void CMatrix::LoadIdentity() {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            m[r][c] = r == c ? 1.0 : 0.0;
}

bool CMatrix::operator==(const CMatrix& o) const {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m[r][c] != o.m[r][c])
                return false;
    return true;
}

CMatrix3D& CMatrix3D::Multiply(const CMatrix& b) {
    double r[4][4] = {};
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j) {
            double s = 0.0;
            for (int k = 0; k < 4; ++k)
                s += b.m[i][k] * m[k][j];
            r[i][j] = s;
        }
    for (int i = 0; i < 4; ++i)
        for (int j = 0; j < 4; ++j)
            m[i][j] = r[i][j];
    return *this;
}

CMatrix3D& CMatrix3D::Translate(const Vector& v) {
    CMatrix t;
    t.m[0][3] = v.X;
    t.m[1][3] = v.Y;
    t.m[2][3] = v.Z;
    return Multiply(t);
}

CMatrix3D& CMatrix3D::Scale(const Vector& v) {
    CMatrix s;
    s.m[0][0] = v.X;
    s.m[1][1] = v.Y;
    s.m[2][2] = v.Z;
    return Multiply(s);
}

CMatrix3D& CMatrix3D::Rotate(const Vector& v) {
    // A turn by no angle is left out: multiplying by the identity changes no number (at most
    // the sign of a zero, which nothing reads).
    if (v.X != 0.0) {
        CMatrix t;
        const double a = DegreesToRadians(v.X);
        const double co = std::cos(a), si = std::sin(a);
        t.m[1][1] = co;
        t.m[1][2] = -si;
        t.m[2][1] = si;
        t.m[2][2] = co;
        Multiply(t);
    }
    if (v.Y != 0.0) {
        CMatrix t;
        const double a = DegreesToRadians(v.Y);
        const double co = std::cos(a), si = std::sin(a);
        t.m[0][0] = co;
        t.m[0][2] = si;
        t.m[2][0] = -si;
        t.m[2][2] = co;
        Multiply(t);
    }
    if (v.Z != 0.0) {
        CMatrix t;
        const double a = DegreesToRadians(v.Z);
        const double co = std::cos(a), si = std::sin(a);
        t.m[0][0] = co;
        t.m[0][1] = -si;
        t.m[1][0] = si;
        t.m[1][1] = co;
        Multiply(t);
    }
    return *this;
}
