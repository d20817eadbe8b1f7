// The value of a declared spline at a parameter ("#declare S = spline { ... }", S(0.5)).
#pragma once

#include "import/pov_value.h"

namespace pov {

// linear_spline, quadratic_spline, cubic_spline and natural_spline; false when the spline
// has no points.
bool EvaluateSpline(const Block& spline, double t, Value& result);

}  // namespace pov
