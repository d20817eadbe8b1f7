// A point, direction or transformation step of the scene model.
#pragma once

#include <cmath>

struct Vector {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;
    // auxiliary integers carried with the vector (zero unless a kind gives them a meaning)
    int Tag1 = 0;
    int Tag2 = 0;
    int Tag3 = 0;

    Vector() = default;
    Vector(double x, double y, double z) : X(x), Y(y), Z(z) {}
    explicit Vector(const double v[3]) : X(v[0]), Y(v[1]), Z(v[2]) {}

    static double Dot(const Vector& a, const Vector& b) {
        return a.X * b.X + a.Y * b.Y + a.Z * b.Z;
    }
    static double Distance(const Vector& a, const Vector& b) {
        const Vector d(a.X - b.X, a.Y - b.Y, a.Z - b.Z);
        return std::sqrt(Dot(d, d));
    }

    // Replaces (X, Y, Z) by M * (X, Y, Z, 1); w is dropped, nothing divides by it.
    template <typename M>
    Vector& Transform(const M& m) {
        const double x = X, y = Y, z = Z;
        X = m.m[0][0] * x + m.m[0][1] * y + m.m[0][2] * z + m.m[0][3];
        Y = m.m[1][0] * x + m.m[1][1] * y + m.m[1][2] * z + m.m[1][3];
        Z = m.m[2][0] * x + m.m[2][1] * y + m.m[2][2] * z + m.m[2][3];
        return *this;
    }

    bool operator==(const Vector& o) const = default;
};

// An outline point: world coordinates only (outlines are large; they carry no tags).
struct Point3 {
    double X = 0.0;
    double Y = 0.0;
    double Z = 0.0;

    Point3() = default;
    Point3(double x, double y, double z) : X(x), Y(y), Z(z) {}

    template <typename M>
    Point3& Transform(const M& m) {
        const double x = X, y = Y, z = Z;
        X = m.m[0][0] * x + m.m[0][1] * y + m.m[0][2] * z + m.m[0][3];
        Y = m.m[1][0] * x + m.m[1][1] * y + m.m[1][2] * z + m.m[1][3];
        Z = m.m[2][0] * x + m.m[2][1] * y + m.m[2][2] * z + m.m[2][3];
        return *this;
    }
};
