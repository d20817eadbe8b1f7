#include "import/pov_value.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>

namespace pov {

long long WholeNumber(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    // -2^63 and the largest double below 2^63
    return static_cast<long long>(std::clamp(v, -9223372036854775808.0, 9223372036854774784.0));
}

int WholeInt(double v) {
    return static_cast<int>(std::clamp<long long>(WholeNumber(v), INT_MIN, INT_MAX));
}

Value Value::Float(double f) {
    Value r;
    r.kind = Kind::Float;
    r.dim = 1;
    r.v[0] = f;
    return r;
}

Value Value::Vector(std::initializer_list<double> c) {
    Value r;
    r.kind = Kind::Vector;
    int i = 0;
    for (double d : c) {
        if (i < 5) {
            r.v[i++] = d;
        }
    }
    r.dim = static_cast<uint8_t>(i);
    return r;
}

Value Value::VectorN(const double* c, int n) {
    Value r;
    r.kind = Kind::Vector;
    r.dim = static_cast<uint8_t>(n < 5 ? n : 5);
    for (int i = 0; i < r.dim; ++i) {
        r.v[i] = c[i];
    }
    return r;
}

Value Value::Color(double r, double g, double b, double f, double t) {
    Value c;
    c.kind = Kind::Color;
    c.dim = 5;
    c.v = {r, g, b, f, t};
    return c;
}

Value Value::String(std::string s) {
    Value r;
    r.kind = Kind::String;
    r.text = std::move(s);
    return r;
}

Value Value::FromBlock(std::shared_ptr<const pov::Block> b) {
    Value r;
    r.kind = Kind::Block;
    r.block = std::move(b);
    return r;
}

std::array<double, 5> Value::Promoted(int n) const {
    std::array<double, 5> out{};
    if (kind == Kind::Float) {
        for (int i = 0; i < n && i < 5; ++i) {
            out[i] = v[0];
        }
    } else {
        for (int i = 0; i < n && i < dim; ++i) {
            out[i] = v[i];
        }
    }
    return out;
}

void AppendNumber(std::string& out, double v) {
    if (!std::isfinite(v)) {
        // POV-Ray has no literal for these; the largest double keeps the text readable
        v = std::isnan(v) ? 0.0 : (v > 0 ? 1e300 : -1e300);
    }
    if (v == 0.0) {
        v = 0.0;  // no "-0"
    }
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, res.ptr);
}

void AppendQuoted(std::string& out, const std::string& text) {
    out += '"';
    for (char c : text) {
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                out += c;
                break;
        }
    }
    out += '"';
}

void AppendValue(std::string& out, const Value& value) {
    switch (value.kind) {
        case Value::Kind::Float:
            AppendNumber(out, value.v[0]);
            break;
        case Value::Kind::Vector:
        case Value::Kind::Color: {
            if (value.kind == Value::Kind::Color) {
                out += "color rgbft ";
            }
            out += '<';
            for (int i = 0; i < value.dim; ++i) {
                if (i > 0) {
                    out += ',';
                }
                AppendNumber(out, value.v[i]);
            }
            out += '>';
            break;
        }
        case Value::Kind::Matrix: {
            out += '<';
            for (size_t i = 0; value.matrix && i < value.matrix->size(); ++i) {
                if (i > 0) {
                    out += ',';
                }
                AppendNumber(out, (*value.matrix)[i]);
            }
            out += '>';
            break;
        }
        case Value::Kind::String:
            AppendQuoted(out, value.text);
            break;
        case Value::Kind::None:
        case Value::Kind::Array:
        case Value::Kind::Block:
            break;
    }
}

}  // namespace pov
