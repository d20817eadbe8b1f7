// 4x4 homogeneous transformations built from POV-Ray style steps.
//
// Points are column vectors; every operation multiplies the new transform on the left, so
// Scale, Rotate, Translate in that order give T * R * S, POV-Ray's order for the same lines.
#pragma once

#include "model/vector.h"

class CMatrix {
  public:
    double m[4][4];

    CMatrix() { LoadIdentity(); }
    void LoadIdentity();
    bool operator==(const CMatrix& o) const;
};

class CMatrix3D : public CMatrix {
  public:
    // this := b * this (b is applied after the current transform)
    CMatrix3D& Multiply(const CMatrix& b);
    CMatrix3D& Translate(const Vector& v);
    CMatrix3D& Scale(const Vector& v);
    // v holds angles in degrees about x, y and z, applied in that order
    CMatrix3D& Rotate(const Vector& v);
};

// Degrees to radians with the factor the scene model has always used.
double DegreesToRadians(double degrees);
