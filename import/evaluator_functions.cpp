// POV-Ray's built-in constants and functions: floats, vectors and strings.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>

#include "import/evaluator_internal.h"
#include "import/pov_bounds.h"
#include "model/text_format.h"

namespace pov {

namespace {

constexpr double kPi = 3.1415926535897932384626;

std::array<double, 3> Rotate(std::array<double, 3> p, const std::array<double, 3>& degrees) {
    for (int axis = 0; axis < 3; ++axis) {
        const double a = degrees[axis] * kPi / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        const int i = (axis + 1) % 3, j = (axis + 2) % 3;
        const double pi = p[i], pj = p[j];
        p[i] = pi * c - pj * s;
        p[j] = pi * s + pj * c;
    }
    return p;
}

// printf's "%*.*f", the way str() formats: negative width pads with zeros
std::string FormatFixed(double value, int width, int precision) {
    // a text of a few thousand characters at most, however wide the scene asks for
    width = std::clamp(width, -4096, 4096);
    precision = std::min(precision, 4096);
    std::string fmt = "%";
    if (width < 0) {
        fmt += "0";
        width = -width;
    }
    fmt += std::to_string(width) + "." + std::to_string(precision < 0 ? 6 : precision) + "f";
    return orv::Format(fmt, value);
}

}  // namespace

std::vector<Value> Evaluator::ParseArguments(const Token& t, size_t min, size_t max) {
    std::vector<Value> args;
    Expect('(', "'(' after the function name");
    if (!Peek().Is(')')) {
        for (;;) {
            args.push_back(ParseExpression());
            if (!Peek().Is(',')) {
                break;
            }
            Next();
        }
    }
    Expect(')', "')' after the function's arguments");
    if (args.size() < min || args.size() > max) {
        Problem(Loc(t), std::string(t.text) + ": wrong number of arguments");
        while (args.size() < min) {
            args.push_back(Value::Float(0.0));
        }
    }
    for (Value& a : args) {
        if (a.kind == Value::Kind::None) {
            a = Value::Float(0.0);
        }
    }
    return args;
}

Value Evaluator::ExtentOf(const Token& t, bool max) {
    std::vector<Value> args = ParseArguments(t, 1, 1);
    Box3 box;
    if (args[0].kind != Value::Kind::Block || !ComputeBounds(*args[0].block, box)) {
        Problem(Loc(t), std::string(t.text) + ": the extent of this object is not known");
        return Value::Vector({0, 0, 0});
    }
    const auto& c = max ? box.max : box.min;
    return Value::Vector({c[0], c[1], c[2]});
}

bool Evaluator::CallBuiltin(const Token& t, Value& out) {
    const std::string_view w = t.text;
    // constants and built-in variables
    struct Constant {
        const char* name;
        double value;
    };
    static const Constant kConstants[] = {
        {"pi", kPi},          {"true", 1},        {"yes", 1},           {"on", 1},
        {"false", 0},         {"no", 0},          {"off", 0},           {"clock", 0},
        {"clock_delta", 0},   {"clock_on", 0},    {"initial_clock", 0}, {"final_clock", 0},
        {"initial_frame", 1}, {"final_frame", 1}, {"frame_number", 0}};
    for (const Constant& c : kConstants) {
        if (w == c.name) {
            out = Value::Float(c.value);
            return true;
        }
    }
    if (w == "x" || w == "y" || w == "z") {
        out = Value::Vector({w == "x" ? 1.0 : 0.0, w == "y" ? 1.0 : 0.0, w == "z" ? 1.0 : 0.0});
        return true;
    }
    if (w == "t") {
        out = Value::Vector({0, 0, 0, 1});
        return true;
    }
    if (w == "u" || w == "v") {
        out = Value::Vector({w == "u" ? 1.0 : 0.0, w == "v" ? 1.0 : 0.0});
        return true;
    }
    if (w == "image_width" || w == "image_height") {
        out = Value::Float(w == "image_width" ? options_.imageWidth : options_.imageHeight);
        return true;
    }
    if (w == "version") {
        out = Value::Float(version_);
        return true;
    }
    if (w == "now") {
        using namespace std::chrono;
        const double days =
            duration<double>(system_clock::now().time_since_epoch()).count() / 86400.0;
        out = Value::Float(days - 10957.0);
        return true;
    }
    if (w == "input_file_name") {
        out = Value::String(out_.files.empty() ? std::string() : out_.files[0].name);
        return true;
    }

    // functions whose argument is an identifier, not a value
    if (w == "defined") {
        Expect('(', "'(' after defined");
        Token name = Next();
        Symbol* s = name.kind == Token::Kind::Word ? Lookup(name.text) : nullptr;
        bool defined = s && (s->macro || (s->value && s->value->kind != Value::Kind::None));
        if (Peek().Is('[') && s && s->value && s->value->kind == Value::Kind::Array) {
            Value* slot = nullptr;
            ParseArrayElement(name, *s->value, &slot);
            defined = slot && slot->kind != Value::Kind::None;
        }
        Expect(')', "')' after the identifier");
        out = Value::Float(defined ? 1.0 : 0.0);
        return true;
    }
    if (w == "dimensions" || w == "dimension_size") {
        Expect('(', "'('");
        Token name = Next();
        Symbol* s = name.kind == Token::Kind::Word ? Lookup(name.text) : nullptr;
        const Array* a =
            s && s->value && s->value->kind == Value::Kind::Array ? s->value->array.get() : nullptr;
        if (!a) {
            Problem(Loc(t), std::string(w) + " needs an array identifier");
        }
        double result = a ? static_cast<double>(a->sizes.size()) : 0.0;
        if (w == "dimension_size") {
            Expect(',', "','");
            const long long d = WholeNumber(ParseFloat());
            result =
                a && d >= 1 && d <= static_cast<long long>(a->sizes.size()) ? a->sizes[d - 1] : 0;
        }
        Expect(')', "')'");
        out = Value::Float(result);
        return true;
    }
    if (w == "min_extent" || w == "max_extent") {
        out = ExtentOf(t, w == "max_extent");
        return true;
    }

    // float functions of floats
    using F1 = double (*)(double);
    struct Func1 {
        const char* name;
        F1 f;
    };
    static const Func1 kFunc1[] = {
        {"abs", [](double a) { return std::fabs(a); }},
        {"acos", [](double a) { return std::acos(a); }},
        {"acosh", [](double a) { return std::acosh(a); }},
        {"asin", [](double a) { return std::asin(a); }},
        {"asinh", [](double a) { return std::asinh(a); }},
        {"atan", [](double a) { return std::atan(a); }},
        {"atanh", [](double a) { return std::atanh(a); }},
        {"ceil", [](double a) { return std::ceil(a); }},
        {"cos", [](double a) { return std::cos(a); }},
        {"cosh", [](double a) { return std::cosh(a); }},
        {"degrees", [](double a) { return a / kPi * 180.0; }},
        {"exp", [](double a) { return std::exp(a); }},
        {"floor", [](double a) { return std::floor(a); }},
        {"int", [](double a) { return std::trunc(a); }},
        {"ln", [](double a) { return std::log(a); }},
        {"log", [](double a) { return std::log10(a); }},
        {"radians", [](double a) { return a * kPi / 180.0; }},
        {"sin", [](double a) { return std::sin(a); }},
        {"sinh", [](double a) { return std::sinh(a); }},
        {"sqr", [](double a) { return a * a; }},
        {"sqrt", [](double a) { return std::sqrt(a); }},
        {"tan", [](double a) { return std::tan(a); }},
        {"tanh", [](double a) { return std::tanh(a); }},
    };
    for (const Func1& f : kFunc1) {
        if (w == f.name) {
            std::vector<Value> a = ParseArguments(t, 1, 1);
            out = Value::Float(f.f(a[0].v[0]));
            if (!std::isfinite(out.v[0])) {
                Problem(Loc(t), std::string(w) + ": the argument is outside the function's domain");
                out.v[0] = 0.0;
            }
            return true;
        }
    }
    if (w == "atan2" || w == "pow" || w == "mod" || w == "div") {
        std::vector<Value> a = ParseArguments(t, 2, 2);
        const double p = a[0].v[0], q = a[1].v[0];
        double r = 0.0;
        if (w == "atan2") {
            r = std::atan2(p, q);
        } else if (w == "pow") {
            r = std::pow(p, q);
        } else if (q == 0.0) {
            Problem(Loc(t), std::string(w) + ": division by zero");
        } else {
            r = w == "mod" ? std::fmod(p, q) : std::trunc(p / q);
        }
        out = Value::Float(std::isfinite(r) ? r : 0.0);
        return true;
    }
    if (w == "min" || w == "max") {
        std::vector<Value> a = ParseArguments(t, 1, 1000);
        double r = a[0].v[0];
        for (const Value& v : a) {
            r = w == "min" ? std::min(r, v.v[0]) : std::max(r, v.v[0]);
        }
        out = Value::Float(r);
        return true;
    }
    if (w == "bitwise_and" || w == "bitwise_or" || w == "bitwise_xor") {
        std::vector<Value> a = ParseArguments(t, 2, 1000);
        long long r = static_cast<long long>(a[0].v[0]);
        for (size_t i = 1; i < a.size(); ++i) {
            const long long b = static_cast<long long>(a[i].v[0]);
            r = w == "bitwise_and" ? (r & b) : w == "bitwise_or" ? (r | b) : (r ^ b);
        }
        out = Value::Float(static_cast<double>(r));
        return true;
    }
    if (w == "select") {
        std::vector<Value> a = ParseArguments(t, 3, 4);
        const double c = a[0].v[0];
        out = a.size() == 3 ? (c < 0 ? a[1] : a[2]) : (c < 0 ? a[1] : c == 0 ? a[2] : a[3]);
        return true;
    }
    if (w == "seed") {
        std::vector<Value> a = ParseArguments(t, 1, 1);
        randomStreams_.push_back(static_cast<uint32_t>(WholeNumber(a[0].v[0])));
        out = Value::Float(static_cast<double>(randomStreams_.size() - 1));
        return true;
    }
    if (w == "rand") {
        // POV-Ray's generator: a 32-bit linear congruential sequence scaled to [0, 1]
        std::vector<Value> a = ParseArguments(t, 1, 1);
        const long long i = WholeNumber(a[0].v[0]);
        if (i < 0 || i >= static_cast<long long>(randomStreams_.size())) {
            Problem(Loc(t), "rand of a stream that seed() did not make");
            out = Value::Float(0.0);
            return true;
        }
        uint32_t& s = randomStreams_[static_cast<size_t>(i)];
        s = s * 1812433253u + 12345u;
        out = Value::Float(static_cast<double>(s) / 4294967295.0);
        return true;
    }
    if (w == "vdot" || w == "vlength") {
        std::vector<Value> a = ParseArguments(t, w == "vdot" ? 2 : 1, w == "vdot" ? 2 : 1);
        const auto p = a[0].Promoted(3), q = a.size() > 1 ? a[1].Promoted(3) : p;
        const double d = p[0] * q[0] + p[1] * q[1] + p[2] * q[2];
        out = Value::Float(w == "vdot" ? d : std::sqrt(d));
        return true;
    }
    if (w == "strlen" || w == "asc" || w == "val" || w == "file_exists") {
        std::vector<Value> a = ParseArguments(t, 1, 1);
        const std::string& s = a[0].text;
        if (w == "strlen") {
            out = Value::Float(static_cast<double>(s.size()));
        } else if (w == "asc") {
            out = Value::Float(s.empty() ? 0.0 : static_cast<unsigned char>(s[0]));
        } else if (w == "val") {
            out = Value::Float(orv::ParseDouble(s));
        } else {
            std::string path;
            bool installed = false;
            out = Value::Float(ResolveInclude(s, path, installed) ? 1.0 : 0.0);
        }
        return true;
    }
    if (w == "strcmp") {
        std::vector<Value> a = ParseArguments(t, 2, 2);
        const int c = std::strcmp(a[0].text.c_str(), a[1].text.c_str());
        out = Value::Float(c < 0 ? -1.0 : c > 0 ? 1.0 : 0.0);
        return true;
    }

    // vector functions
    if (w == "vnormalize") {
        std::vector<Value> a = ParseArguments(t, 1, 1);
        const auto p = a[0].Promoted(3);
        const double l = std::sqrt(p[0] * p[0] + p[1] * p[1] + p[2] * p[2]);
        if (l == 0.0) {
            Problem(Loc(t), "vnormalize of a zero vector");
            out = Value::Vector({0, 0, 0});
        } else {
            out = Value::Vector({p[0] / l, p[1] / l, p[2] / l});
        }
        return true;
    }
    if (w == "vcross") {
        std::vector<Value> a = ParseArguments(t, 2, 2);
        const auto p = a[0].Promoted(3), q = a[1].Promoted(3);
        out = Value::Vector(
            {p[1] * q[2] - p[2] * q[1], p[2] * q[0] - p[0] * q[2], p[0] * q[1] - p[1] * q[0]});
        return true;
    }
    if (w == "vrotate") {
        std::vector<Value> a = ParseArguments(t, 2, 2);
        const auto p = a[0].Promoted(3), r = a[1].Promoted(3);
        const auto q = Rotate({p[0], p[1], p[2]}, {r[0], r[1], r[2]});
        out = Value::Vector({q[0], q[1], q[2]});
        return true;
    }
    if (w == "vaxis_rotate") {
        std::vector<Value> a = ParseArguments(t, 3, 3);
        const auto p = a[0].Promoted(3);
        auto k = a[1].Promoted(3);
        const double l = std::sqrt(k[0] * k[0] + k[1] * k[1] + k[2] * k[2]);
        if (l == 0.0) {
            out = Value::Vector({p[0], p[1], p[2]});
            return true;
        }
        for (double& c : k) {
            c /= l;
        }
        // Rodrigues' rotation
        const double ang = a[2].v[0] * kPi / 180.0, c = std::cos(ang), s = std::sin(ang);
        const double dot = k[0] * p[0] + k[1] * p[1] + k[2] * p[2];
        const std::array<double, 3> cross = {k[1] * p[2] - k[2] * p[1], k[2] * p[0] - k[0] * p[2],
                                             k[0] * p[1] - k[1] * p[0]};
        std::array<double, 3> r{};
        for (int i = 0; i < 3; ++i) {
            r[i] = p[i] * c + cross[i] * s + k[i] * dot * (1 - c);
        }
        out = Value::Vector({r[0], r[1], r[2]});
        return true;
    }
    if (w == "vturbulence" || w == "trace" || w == "inside") {
        std::vector<Value> a = ParseArguments(t, 1, 4);
        Problem(Loc(t), std::string(w) + " is not evaluated: taken as 0");
        out = w == "inside" ? Value::Float(0.0) : Value::Vector({0, 0, 0});
        return true;
    }

    // string functions
    if (w == "str") {
        std::vector<Value> a = ParseArguments(t, 3, 3);
        out = Value::String(FormatFixed(a[0].v[0], WholeInt(a[1].v[0]), WholeInt(a[2].v[0])));
        return true;
    }
    if (w == "vstr") {
        std::vector<Value> a = ParseArguments(t, 5, 5);
        const int n = std::clamp(WholeInt(a[0].v[0]), 1, 5);
        const auto p = a[1].Promoted(n);
        std::string s;
        for (int i = 0; i < n; ++i) {
            if (i > 0) {
                s += a[2].text;
            }
            s += FormatFixed(p[i], WholeInt(a[3].v[0]), WholeInt(a[4].v[0]));
        }
        out = Value::String(std::move(s));
        return true;
    }
    if (w == "concat") {
        std::vector<Value> a = ParseArguments(t, 1, 10000);
        std::string s;
        for (const Value& v : a) {
            if (v.kind != Value::Kind::String) {
                Problem(Loc(t), "concat takes strings");
            }
            s += v.text;
        }
        out = Value::String(std::move(s));
        return true;
    }
    if (w == "chr") {
        std::vector<Value> a = ParseArguments(t, 1, 1);
        const long long c = WholeNumber(a[0].v[0]);
        out = Value::String(std::string(1, c >= 0 && c < 256 ? static_cast<char>(c) : '?'));
        return true;
    }
    if (w == "substr") {
        std::vector<Value> a = ParseArguments(t, 3, 3);
        const std::string& s = a[0].text;
        const long long p = WholeNumber(a[1].v[0]), l = WholeNumber(a[2].v[0]);
        if (p < 1 || l < 0 || p - 1 > static_cast<long long>(s.size()) ||
            l > static_cast<long long>(s.size()) - (p - 1)) {
            Problem(Loc(t), "substr: the part is outside the string");
            out = Value::String({});
        } else {
            out = Value::String(s.substr(static_cast<size_t>(p - 1), static_cast<size_t>(l)));
        }
        return true;
    }
    if (w == "strupr" || w == "strlwr") {
        std::vector<Value> a = ParseArguments(t, 1, 1);
        std::string s = a[0].text;
        for (char& c : s) {
            if (w == "strupr" && c >= 'a' && c <= 'z') {
                c = static_cast<char>(c - 32);
            } else if (w == "strlwr" && c >= 'A' && c <= 'Z') {
                c = static_cast<char>(c + 32);
            }
        }
        out = Value::String(std::move(s));
        return true;
    }
    if (w == "datetime") {
        ParseArguments(t, 1, 2);
        out = Value::String("2000-01-01 00:00:00Z");
        return true;
    }
    return false;
}

}  // namespace pov
