#include <gtest/gtest.h>

#include "model/matrix.h"

namespace {

void ExpectNear(const Vector& v, double x, double y, double z) {
    EXPECT_NEAR(v.X, x, 1e-12);
    EXPECT_NEAR(v.Y, y, 1e-12);
    EXPECT_NEAR(v.Z, z, 1e-12);
}

TEST(Matrix, RotationsTurnTheAxesTheWayPovRayDoes) {
    CMatrix3D rx;
    rx.Rotate(Vector(90, 0, 0));
    ExpectNear(Vector(0, 1, 0).Transform(rx), 0, 0, 1);

    CMatrix3D rz;
    rz.Rotate(Vector(0, 0, 90));
    ExpectNear(Vector(1, 0, 0).Transform(rz), 0, 1, 0);

    // x first, then y, then z: (90, 90, 0) takes y to z, then z to x
    CMatrix3D rxy;
    rxy.Rotate(Vector(90, 90, 0));
    ExpectNear(Vector(0, 1, 0).Transform(rxy), 1, 0, 0);
}

TEST(Matrix, StepsApplyInScaleRotateTranslateOrder) {
    CMatrix3D m;
    m.Scale(Vector(2, 2, 2));
    m.Rotate(Vector(0, 0, 90));
    m.Translate(Vector(1, 0, 0));
    ExpectNear(Vector(1, 0, 0).Transform(m), 1, 2, 0);
}

TEST(Matrix, MultiplyAppliesTheArgumentAfterward) {
    CMatrix3D a;
    a.Translate(Vector(1, 0, 0));
    CMatrix3D b;
    b.Scale(Vector(3, 3, 3));
    a.Multiply(b);  // translate, then scale
    ExpectNear(Vector(0, 0, 0).Transform(a), 3, 0, 0);
    // multiplying a matrix by itself works although both operands are the same values
    CMatrix3D c;
    c.Translate(Vector(1, 2, 3));
    c.Multiply(c);
    ExpectNear(Vector(0, 0, 0).Transform(c), 2, 4, 6);
}

TEST(Matrix, TransformNeverDividesByW) {
    CMatrix3D m;
    m.m[3][0] = 5;
    m.m[3][3] = 7;
    ExpectNear(Vector(1, 2, 3).Transform(m), 1, 2, 3);
}

TEST(Vector, CopiesCarryTagsAndDistanceIsEuclidean) {
    Vector a(1, 2, 3);
    a.Tag1 = 7;
    a.Tag3 = -1;
    Vector b = a;
    EXPECT_EQ(b.Tag1, 7);
    EXPECT_EQ(b.Tag3, -1);
    EXPECT_DOUBLE_EQ(Vector::Distance(Vector(0, 0, 0), Vector(3, 4, 12)), 13.0);
    EXPECT_DOUBLE_EQ(Vector::Dot(Vector(1, 2, 3), Vector(4, 5, 6)), 32.0);
}

}  // namespace
