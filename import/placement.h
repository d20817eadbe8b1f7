// From a POV-Ray transformation to the modeller's steps (scale, rotate, translate), and the
// transformations that put the modeller's unit shapes where POV-Ray's primitive forms are.
#pragma once

#include "import/pov_transform.h"
#include "model/matrix.h"
#include "model/vector.h"

namespace pov {

struct Steps {
    Vector translate;
    Vector scale{1, 1, 1};
    Vector rotate;
};

enum class Fit {
    Exact,        // the steps, as the writer prints them, give the transformation
    Approximate,  // they give it within a percent of the object's size
    None          // the transformation shears or is degenerate
};

// The steps of m. extent: the size of the unit shape the transformation acts on (its points
// lie within extent of the origin), to judge the rounding of the written numbers.
Fit FitSteps(const Affine& m, Steps& out, double extent = 1.0);
// the transformation the steps stand for (scale, then rotate, then translate)
Affine StepsTransform(const Steps& steps);

// the transformation of a model matrix (points as column vectors)
Affine FromModelMatrix(const CMatrix& m);

}  // namespace pov
