// A sequence of POV-Ray transformations (scale, rotate, translate, matrix) as one
// transformation, and the three steps every object keeps: scale, then rotate, then translate.
//
// The chain stays in the form of the three steps while each new transformation fits them
// exactly (a scale before any rotation, a uniform scale, a rotation before any other rotation,
// any translation), so that the modeller's own text, one scale, one rotate and one translate,
// comes back with the very numbers it was written with. Anything else makes it a matrix, which
// is split into steps again at the end.
#pragma once

#include "model/matrix.h"
#include "model/vector.h"

// Where an object stands: scaled, then rotated (degrees about x, then y, then z), then moved.
struct Placement {
    Vector scale{1, 1, 1};
    Vector rotate;
    Vector translate;
};

class TransformChain {
  public:
    TransformChain() = default;
    explicit TransformChain(const Placement& start) : placement_(start) {}

    // Each applies after what the chain holds, as the next line of a POV-Ray object does.
    void Scale(const Vector& factors);
    void Rotate(const Vector& degrees);
    void Translate(const Vector& offset);
    // POV-Ray's "matrix <...>": twelve values, the rows of the linear part in POV-Ray's
    // row-vector order, then the translation.
    void Matrix(const double values[12]);
    // Applies next after this chain.
    void Then(const TransformChain& next);

    bool IsIdentity() const;
    CMatrix3D ToMatrix() const;
    // The point p moved by the chain.
    Vector Apply(const Vector& p) const;
    // The chain as steps. False when it shears or squeezes at an angle, which scale, rotate
    // and translate steps cannot hold: out then gets the nearest steps (the rotation of the
    // straightened axes and their lengths).
    bool ToPlacement(Placement& out) const;

  private:
    void MakeMatrix();

    // the chain as steps while exact_, else matrix_
    bool exact_ = true;
    Placement placement_;
    CMatrix3D matrix_;
};

// Splits a transformation into scale, rotate and translate steps; false (with the nearest
// steps) when its linear part is not a rotation times a scale along the axes.
bool SplitMatrix(const CMatrix3D& m, Placement& out);
