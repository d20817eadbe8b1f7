// POV-Ray's own forms of the primitives as the modeller's steps.
//
// The modeller keeps each primitive in one shape at the origin and places it with its scale,
// rotate and translate steps: a sphere of radius 1 at the origin, a box from -0.5 to 0.5, a
// cone whose base of radius 1 lies at y = 0 and whose point is at y = 1, a cylinder of radius 1
// from y = -0.5 to 0.5, the plane y = 0 and a torus of major radius 1. POV-Ray's text gives the
// size and place in the primitive's head instead ("sphere { <0,1,0>, 2 }"). Each function here
// gives the transformation that puts the modeller's shape where the head puts POV-Ray's; the
// object's own transformations then follow it (TransformChain::Then), and the result written
// by the modeller's writer renders the same shape.
#pragma once

#include <string>

#include "model/transform_chain.h"
#include "model/vector.h"

struct PrimitiveForm {
    TransformChain chain;
    // torus: the minor radius as the modeller keeps it (for a major radius of 1)
    double minorRadius = 0.0;
    // What the modeller's shape cannot hold, for a problem report ("the radius 0.5 of the
    // cone's cap"); empty when the form is exact.
    std::string loss;
};

PrimitiveForm SphereForm(const Vector& centre, double radius);
// any two opposite corners
PrimitiveForm BoxForm(const Vector& corner1, const Vector& corner2);
// The modeller's cone ends in a point: a cone with two radii that are not 0 keeps its base, its
// axis and its height and loses the radius of its cap.
PrimitiveForm ConeForm(const Vector& base, double baseRadius, const Vector& cap, double capRadius);
PrimitiveForm CylinderForm(const Vector& base, const Vector& cap, double radius);
// The plane at the distance along the normal from the origin: normal . p = distance * |normal|.
PrimitiveForm PlaneForm(const Vector& normal, double distance);
PrimitiveForm TorusForm(double majorRadius, double minorRadius);

// The rotation (degrees about x, then z) that turns the y axis into the direction d; zero for a
// zero d.
Vector RotationOfYAxisTo(const Vector& d);
