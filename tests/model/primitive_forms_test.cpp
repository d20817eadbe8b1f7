// Transformation chains split into steps, and POV-Ray's primitive forms as steps: the steps
// must put the modeller's shape exactly where POV-Ray's text puts the primitive.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>

#include "model/primitive_forms.h"
#include "model/transform_chain.h"

namespace {

CMatrix3D StepsMatrix(const Placement& p) {
    CMatrix3D m;
    m.Scale(p.scale);
    m.Rotate(p.rotate);
    m.Translate(p.translate);
    return m;
}

Vector Moved(const Placement& p, const Vector& point) {
    Vector v(point.X, point.Y, point.Z);
    return v.Transform(StepsMatrix(p));
}

void ExpectAt(const Vector& v, const Vector& expected, const char* what) {
    EXPECT_NEAR(v.X, expected.X, 1e-9) << what;
    EXPECT_NEAR(v.Y, expected.Y, 1e-9) << what;
    EXPECT_NEAR(v.Z, expected.Z, 1e-9) << what;
}

Placement Steps(const PrimitiveForm& form) {
    Placement p;
    EXPECT_TRUE(form.chain.ToPlacement(p));
    return p;
}

double Distance(const Vector& a, const Vector& b) {
    return Vector::Distance(a, b);
}

TEST(TransformChain, TheModellersOwnStepsComeBackWithTheirVeryNumbers) {
    TransformChain chain;
    chain.Scale(Vector(0.3, 2.5, 1.25));
    chain.Rotate(Vector(30, -45, 120.5));
    chain.Translate(Vector(-1.75, 0.1, 3));
    Placement p;
    ASSERT_TRUE(chain.ToPlacement(p));
    EXPECT_EQ(p.scale, Vector(0.3, 2.5, 1.25));
    EXPECT_EQ(p.rotate, Vector(30, -45, 120.5));
    EXPECT_EQ(p.translate, Vector(-1.75, 0.1, 3));

    // a translation before the rotation turns with it; two translations add up
    TransformChain moved;
    moved.Translate(Vector(1, 0, 0));
    moved.Rotate(Vector(0, 0, 90));
    moved.Translate(Vector(0, 0, 2));
    ASSERT_TRUE(moved.ToPlacement(p));
    EXPECT_EQ(p.translate, Vector(0, 1, 2));
    EXPECT_EQ(p.rotate, Vector(0, 0, 90));
}

TEST(TransformChain, AnySequenceOfStepsSplitsIntoStepsThatMoveEveryPointAlike) {
    std::mt19937 random(17);
    std::uniform_real_distribution<double> any(-3, 3), angle(-180, 180), factor(0.2, 3);
    std::uniform_int_distribution<int> kind(0, 3);
    int sheared = 0;
    for (int round = 0; round < 400; ++round) {
        TransformChain chain;
        const int steps = 1 + round % 6;
        for (int s = 0; s < steps; ++s) {
            switch (kind(random)) {
                case 0: {
                    const double f = factor(random);
                    chain.Scale(round % 2 ? Vector(f, f, f)
                                          : Vector(f, factor(random), -factor(random)));
                    break;
                }
                case 1:
                    chain.Rotate(Vector(angle(random), angle(random), angle(random)));
                    break;
                case 2:
                    chain.Translate(Vector(any(random), any(random), any(random)));
                    break;
                default:
                    chain.Rotate(Vector(0, 90 * (round % 3), 0));
                    break;
            }
        }
        Placement p;
        if (!chain.ToPlacement(p)) {
            ++sheared;
            continue;
        }
        for (const Vector& point : {Vector(0, 0, 0), Vector(1, 0, 0), Vector(0, 1, 0),
                                    Vector(0, 0, 1), Vector(-2, 0.5, 3)})
            ExpectAt(Moved(p, point), chain.Apply(point), "point");
    }
    // non-uniform scales after rotations shear; the test must still see plenty of each kind
    EXPECT_GT(sheared, 20);
    EXPECT_LT(sheared, 300);
}

TEST(TransformChain, AShearIsReportedWithTheNearestSteps) {
    TransformChain chain;
    chain.Rotate(Vector(0, 0, 45));
    chain.Scale(Vector(2, 1, 1));
    Placement p;
    EXPECT_FALSE(chain.ToPlacement(p));
    // a mirror image is no shear: the x scale turns negative
    TransformChain mirror;
    mirror.Rotate(Vector(0, 30, 0));
    mirror.Matrix(std::array<double, 12>{-1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0}.data());
    ASSERT_TRUE(mirror.ToPlacement(p));
    ExpectAt(Moved(p, Vector(1, 2, 3)), mirror.Apply(Vector(1, 2, 3)), "mirror");
}

TEST(PrimitiveForms, TheWritersOwnHeadsAreTheIdentity) {
    const Placement identity;
    for (const PrimitiveForm& form : {SphereForm(Vector(0, 0, 0), 1.0),
                                      BoxForm(Vector(-0.5, -0.5, -0.5), Vector(0.5, 0.5, 0.5)),
                                      ConeForm(Vector(0, 0, 0), 1.0, Vector(0, 1, 0), 0.0),
                                      CylinderForm(Vector(0, -0.5, 0), Vector(0, 0.5, 0), 1.0),
                                      PlaneForm(Vector(0, 1, 0), 0.0), TorusForm(1.0, 0.25)}) {
        const Placement p = Steps(form);
        EXPECT_EQ(p.scale, identity.scale);
        EXPECT_EQ(p.rotate, identity.rotate);
        EXPECT_EQ(p.translate, identity.translate);
        EXPECT_TRUE(form.loss.empty());
    }
    EXPECT_EQ(TorusForm(1.0, 0.25).minorRadius, 0.25);
}

TEST(PrimitiveForms, StepsPutTheModellersShapeWherePovRayPutsThePrimitive) {
    std::mt19937 random(3);
    std::uniform_real_distribution<double> any(-5, 5), size(0.1, 4);
    for (int round = 0; round < 200; ++round) {
        const Vector a(any(random), any(random), any(random));
        // axis-parallel axes as well as arbitrary ones
        Vector b(any(random), any(random), any(random));
        if (round % 4 == 0)
            b = Vector(a.X, a.Y + size(random), a.Z);
        if (round % 4 == 1)
            b = Vector(a.X - size(random), a.Y, a.Z);
        const double r = size(random);

        const Placement sphere = Steps(SphereForm(a, r));
        ExpectAt(Moved(sphere, Vector(0, 0, 0)), a, "sphere centre");
        EXPECT_NEAR(Distance(Moved(sphere, Vector(0.6, 0, 0.8)), a), r, 1e-9);

        const Placement box = Steps(BoxForm(a, b));
        ExpectAt(Moved(box, Vector(-0.5, -0.5, -0.5)),
                 Vector(std::min(a.X, b.X), std::min(a.Y, b.Y), std::min(a.Z, b.Z)), "box");
        ExpectAt(Moved(box, Vector(0.5, 0.5, 0.5)),
                 Vector(std::max(a.X, b.X), std::max(a.Y, b.Y), std::max(a.Z, b.Z)), "box");

        const Placement cylinder = Steps(CylinderForm(a, b, r));
        ExpectAt(Moved(cylinder, Vector(0, -0.5, 0)), a, "cylinder base");
        ExpectAt(Moved(cylinder, Vector(0, 0.5, 0)), b, "cylinder cap");
        const Vector rim = Moved(cylinder, Vector(0, -0.5, 1));
        EXPECT_NEAR(Distance(rim, a), r, 1e-9);
        EXPECT_NEAR(Distance(rim, b), std::hypot(r, Distance(a, b)), 1e-9);

        const Placement cone = Steps(ConeForm(a, r, b, 0.0));
        ExpectAt(Moved(cone, Vector(0, 0, 0)), a, "cone base");
        ExpectAt(Moved(cone, Vector(0, 1, 0)), b, "cone point");
        EXPECT_NEAR(Distance(Moved(cone, Vector(1, 0, 0)), a), r, 1e-9);
        // the point may come first
        const Placement reversed = Steps(ConeForm(b, 0.0, a, r));
        ExpectAt(Moved(reversed, Vector(0, 1, 0)), b, "reversed cone point");

        const double d = any(random);
        const Placement plane = Steps(PlaneForm(b, d));
        const Vector origin = Moved(plane, Vector(0, 0, 0));
        EXPECT_NEAR(Vector::Dot(b, origin), d * std::sqrt(Vector::Dot(b, b)), 1e-9);
        for (const Vector& inPlane : {Vector(1, 0, 0), Vector(0, 0, 1)}) {
            const Vector q = Moved(plane, inPlane);
            EXPECT_NEAR(Vector::Dot(b, Vector(q.X - origin.X, q.Y - origin.Y, q.Z - origin.Z)), 0.0,
                        1e-9);
        }
    }
}

TEST(PrimitiveForms, WhatTheShapesCannotHoldIsNamed) {
    const PrimitiveForm truncated = ConeForm(Vector(0, 0, 0), 1.0, Vector(0, 2, 0), 0.5);
    EXPECT_NE(truncated.loss.find("0.5"), std::string::npos);
    EXPECT_FALSE(PlaneForm(Vector(0, 0, 0), 1.0).loss.empty());
    const PrimitiveForm torus = TorusForm(2.0, 0.5);
    EXPECT_EQ(torus.minorRadius, 0.25);
    EXPECT_EQ(Steps(torus).scale, Vector(2, 2, 2));
}

}  // namespace
