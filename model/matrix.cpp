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
    const double degrees[3] = {v.X, v.Y, v.Z};
    for (int axis = 0; axis < 3; ++axis) {
        // A turn by no angle is left out: multiplying by the identity changes no number (at
        // most the sign of a zero, which nothing reads).
        if (degrees[axis] == 0.0)
            continue;
        // the turn in the plane of the two other axes, in the order that keeps it right-handed
        const int i = (axis + 1) % 3, j = (axis + 2) % 3;
        const double a = DegreesToRadians(degrees[axis]);
        const double co = std::cos(a), si = std::sin(a);
        CMatrix t;
        t.m[i][i] = co;
        t.m[i][j] = -si;
        t.m[j][i] = si;
        t.m[j][j] = co;
        Multiply(t);
    }
    return *this;
}
