// Evaluates user-defined float functions ("#declare F = function(a, b) { a * b + sin(x) }")
// at parse time, the way a scene calls them in its expressions: F(1, 2).
#pragma once

#include <string>
#include <vector>

#include "import/pov_value.h"

namespace pov {

// The function's value for the given arguments; false (with the reason in why) when the
// function uses something that is not evaluated here (patterns, pigments, internal functions).
bool EvaluateFunction(const Block& function, const std::vector<double>& args, double& result,
                      std::string& why);

}  // namespace pov
