#include "model/primitive_forms.h"

#include <cmath>

#include "model/text_format.h"

namespace {

constexpr double kDegrees = 57.29577951308232;

Vector Minus(const Vector& a, const Vector& b) {
    return Vector(a.X - b.X, a.Y - b.Y, a.Z - b.Z);
}

Vector Middle(const Vector& a, const Vector& b) {
    return Vector((a.X + b.X) / 2, (a.Y + b.Y) / 2, (a.Z + b.Z) / 2);
}

double Length(const Vector& v) {
    return std::sqrt(Vector::Dot(v, v));
}

// the modeller's shape stretched along y to height, radius across, turned to the axis and moved
// to at
TransformChain AlongAxis(double radius, double height, const Vector& axis, const Vector& at) {
    TransformChain chain;
    chain.Scale(Vector(radius, height, radius));
    chain.Rotate(RotationOfYAxisTo(axis));
    chain.Translate(at);
    return chain;
}

}  // namespace

Vector RotationOfYAxisTo(const Vector& d) {
    const double length = Length(d);
    if (!(length > 0.0))
        return Vector(0, 0, 0);
    // x by a, then z by b, turn (0,1,0) into (-sin b cos a, cos b cos a, sin a)
    const double a = std::asin(std::fmax(-1.0, std::fmin(1.0, d.Z / length)));
    const double b = std::atan2(-d.X, d.Y);
    return Vector(a * kDegrees, 0.0, b * kDegrees);
}

PrimitiveForm SphereForm(const Vector& centre, double radius) {
    PrimitiveForm form;
    form.chain.Scale(Vector(radius, radius, radius));
    form.chain.Translate(centre);
    return form;
}

PrimitiveForm BoxForm(const Vector& corner1, const Vector& corner2) {
    PrimitiveForm form;
    const Vector size = Minus(corner2, corner1);
    form.chain.Scale(Vector(std::abs(size.X), std::abs(size.Y), std::abs(size.Z)));
    form.chain.Translate(Middle(corner1, corner2));
    return form;
}

PrimitiveForm ConeForm(const Vector& base, double baseRadius, const Vector& cap, double capRadius) {
    PrimitiveForm form;
    // the end with a radius is the base; the other end is the point
    const bool reversed = baseRadius == 0.0 && capRadius != 0.0;
    const Vector& foot = reversed ? cap : base;
    const Vector& point = reversed ? base : cap;
    const double radius = std::abs(reversed ? capRadius : baseRadius);
    if (!reversed && capRadius != 0.0)
        form.loss =
            orv::Format("the radius %g of the cone's cap (the cone ends in a point)", capRadius);
    const Vector axis = Minus(point, foot);
    form.chain = AlongAxis(radius, Length(axis), axis, foot);
    return form;
}

PrimitiveForm CylinderForm(const Vector& base, const Vector& cap, double radius) {
    PrimitiveForm form;
    const Vector axis = Minus(cap, base);
    form.chain = AlongAxis(std::abs(radius), Length(axis), axis, Middle(base, cap));
    return form;
}

PrimitiveForm PlaneForm(const Vector& normal, double distance) {
    PrimitiveForm form;
    const double length = Length(normal);
    if (!(length > 0.0)) {
        form.loss = "a normal of length 0 (the plane stays y = 0)";
        return form;
    }
    const double along = distance;
    form.chain.Rotate(RotationOfYAxisTo(normal));
    form.chain.Translate(
        Vector(normal.X / length * along, normal.Y / length * along, normal.Z / length * along));
    return form;
}

PrimitiveForm TorusForm(double majorRadius, double minorRadius) {
    PrimitiveForm form;
    const double major = std::abs(majorRadius);
    if (!(major > 0.0)) {
        form.loss = "a major radius of 0 (read as 1)";
        form.minorRadius = minorRadius;
        return form;
    }
    form.chain.Scale(Vector(major, major, major));
    form.minorRadius = minorRadius / major;
    return form;
}
