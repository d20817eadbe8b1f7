// The twelve-point rings that the round outlines are made of.
#pragma once

#include <vector>

#include "model/vector.h"

// sin and cos of 30-degree steps as the outlines have always used them (0.866, never the
// exact square root), so that written and drawn outlines are reproducible
extern const double kRingSin[12];
extern const double kRingCos[12];

// Appends a ring of radius at height y: twelve points at 30-degree steps, starting at
// (0, y, radius) and turning towards +x. half and wide are the ring's 0.5 and 0.866 multiples
// of the radius, given by the caller where the tables hold rounded values of their own.
void AppendRing(std::vector<Point3>& out, double y, double radius, double half, double wide);
// The same with half = 0.5 radius and wide = 0.866 radius.
void AppendRing(std::vector<Point3>& out, double y, double radius);
