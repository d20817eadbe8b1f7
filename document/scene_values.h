// Arithmetic of the values in scene text ("2.5*x", "<1,0,0>*2", "-y", "x+z"), as POV-Ray
// computes it: a number meets a vector as a vector of that number in every component, and
// vectors combine component by component. A value is a SceneToken: count 0 is a number, count
// 1 to 5 a vector of that many components.
#pragma once

#include <algorithm>

#include "document/scene_token.h"

namespace scene_values {

inline SceneToken Number(double value) {
    SceneToken t{};
    t.number = value;
    t.count = 0;
    return t;
}

// x, y or z: the unit vector of that axis
inline SceneToken Axis(char axis) {
    SceneToken t{};
    t.count = 3;
    t.components[axis == 'x' ? 0 : axis == 'y' ? 1 : 2] = 1.0;
    return t;
}

// the components of v; a number in each of count components
inline double Component(const SceneToken& v, int i) {
    if (v.count == 0)
        return v.number;
    return i < std::min(v.count, SceneToken::kMaxComponents) ? v.components[i] : 0.0;
}

enum class Op { Add, Subtract, Multiply, Divide };

inline double Apply(Op op, double a, double b, bool& dividedByZero) {
    switch (op) {
        case Op::Add:
            return a + b;
        case Op::Subtract:
            return a - b;
        case Op::Multiply:
            return a * b;
        case Op::Divide:
            if (b == 0.0) {
                dividedByZero = true;
                return 0.0;
            }
            return a / b;
    }
    return 0.0;
}

// a op b; a division by zero gives 0 there and sets dividedByZero
inline SceneToken Combine(const SceneToken& a, Op op, const SceneToken& b, bool& dividedByZero) {
    SceneToken r{};
    if (a.count == 0 && b.count == 0) {
        r.number = Apply(op, a.number, b.number, dividedByZero);
        r.count = 0;
        return r;
    }
    r.count = std::max(a.count, b.count);
    const int n = std::min(r.count, SceneToken::kMaxComponents);
    for (int i = 0; i < n; ++i)
        r.components[i] = Apply(op, Component(a, i), Component(b, i), dividedByZero);
    return r;
}

inline SceneToken Negate(const SceneToken& v) {
    SceneToken r{};
    r.count = v.count;
    r.number = -v.number;
    for (int i = 0; i < std::min(v.count, SceneToken::kMaxComponents); ++i)
        r.components[i] = -v.components[i];
    return r;
}

}  // namespace scene_values
