// Float, vector, colour and string expressions with POV-Ray's rules: arithmetic binds as
// usual, relational, logical and conditional operators only inside parentheses, floats are
// promoted to vectors and colours, and colours take the keyword forms (red 1 filter 0.5).
#include <cmath>
#include <cstring>

#include "import/evaluator_internal.h"
#include "import/pov_function_eval.h"
#include "import/pov_spline.h"

namespace pov {

namespace {

bool IsColorComponentWord(std::string_view w) {
    return w == "red" || w == "green" || w == "blue" || w == "filter" || w == "transmit";
}

double SrgbToLinear(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

std::string Describe(const Token& t) {
    switch (t.kind) {
        case Token::Kind::End:
            return "the end of the file";
        case Token::Kind::Word:
            return "'" + std::string(t.text) + "'";
        case Token::Kind::Number:
            return "the number " + std::string(t.text);
        case Token::Kind::String:
            return "a string";
        case Token::Kind::Directive:
            return "#" + std::string(t.text);
        case Token::Kind::Punct: {
            switch (t.punct) {
                case Token::kLessEqual:
                    return "'<='";
                case Token::kGreaterEqual:
                    return "'>='";
                case Token::kNotEqual:
                    return "'!='";
                default:
                    return std::string("'") + t.punct + "'";
            }
        }
        case Token::Kind::Bad:
            return "an invalid character";
    }
    return "?";
}

}  // namespace

void Evaluator::Expect(char c, const char* what) {
    const Token& p = Peek();
    if (p.Is(c)) {
        Next();
        return;
    }
    Problem(Loc(p), std::string(what) + " expected, found " + Describe(p));
}

bool Evaluator::IsExpressionWord(std::string_view w) const {
    static constexpr std::string_view kWords[] = {"abs",
                                                  "acos",
                                                  "acosh",
                                                  "asc",
                                                  "asin",
                                                  "asinh",
                                                  "atan",
                                                  "atan2",
                                                  "atanh",
                                                  "bitwise_and",
                                                  "bitwise_or",
                                                  "bitwise_xor",
                                                  "ceil",
                                                  "chr",
                                                  "clock",
                                                  "clock_delta",
                                                  "clock_on",
                                                  "color",
                                                  "colour",
                                                  "concat",
                                                  "cos",
                                                  "cosh",
                                                  "datetime",
                                                  "defined",
                                                  "degrees",
                                                  "dimension_size",
                                                  "dimensions",
                                                  "div",
                                                  "exp",
                                                  "false",
                                                  "file_exists",
                                                  "final_clock",
                                                  "final_frame",
                                                  "floor",
                                                  "frame_number",
                                                  "image_height",
                                                  "image_width",
                                                  "initial_clock",
                                                  "initial_frame",
                                                  "inside",
                                                  "int",
                                                  "ln",
                                                  "log",
                                                  "max",
                                                  "max_extent",
                                                  "min",
                                                  "min_extent",
                                                  "mod",
                                                  "no",
                                                  "now",
                                                  "off",
                                                  "on",
                                                  "pi",
                                                  "pow",
                                                  "radians",
                                                  "rand",
                                                  "rgb",
                                                  "rgbf",
                                                  "rgbft",
                                                  "rgbt",
                                                  "seed",
                                                  "select",
                                                  "sin",
                                                  "sinh",
                                                  "sqr",
                                                  "sqrt",
                                                  "srgb",
                                                  "srgbf",
                                                  "srgbft",
                                                  "srgbt",
                                                  "str",
                                                  "strcmp",
                                                  "strlen",
                                                  "strlwr",
                                                  "strupr",
                                                  "substr",
                                                  "t",
                                                  "tan",
                                                  "tanh",
                                                  "trace",
                                                  "true",
                                                  "u",
                                                  "v",
                                                  "val",
                                                  "vaxis_rotate",
                                                  "vcross",
                                                  "vdot",
                                                  "version",
                                                  "vlength",
                                                  "vnormalize",
                                                  "vrotate",
                                                  "vstr",
                                                  "vturbulence",
                                                  "x",
                                                  "y",
                                                  "yes",
                                                  "z",
                                                  "red",
                                                  "green",
                                                  "blue",
                                                  "input_file_name"};
    for (const std::string_view k : kWords) {
        if (w == k) {
            return true;
        }
    }
    return false;
}

Value Evaluator::ParseExpression(bool full) {
    Token t = Next();
    return ParseExpressionFrom(t, full);
}

Value Evaluator::ParseExpressionFrom(const Token& first, bool full) {
    if (++blockDepth_ > options_.limits.blockDepth) {
        --blockDepth_;
        Stop(Loc(first), "expressions nested too deeply: reading stopped");
    }
    Value v = full ? ParseTernary(&first) : ParseAdditive(&first);
    --blockDepth_;
    return v;
}

Value Evaluator::ParseTernary(const Token* first) {
    Value c = ParseLogical(first);
    if (!Peek().Is('?')) {
        return c;
    }
    Next();
    Value a = ParseTernary(nullptr);
    Expect(':', "':' in the conditional expression");
    Value b = ParseTernary(nullptr);
    return Truth(c) ? a : b;
}

Value Evaluator::ParseLogical(const Token* first) {
    Value l = ParseRelational(first);
    while (Peek().Is('&') || Peek().Is('|')) {
        const char op = Next().punct;
        Value r = ParseRelational(nullptr);
        const bool res = op == '&' ? (Truth(l) && Truth(r)) : (Truth(l) || Truth(r));
        l = Value::Float(res ? 1.0 : 0.0);
    }
    return l;
}

Value Evaluator::ParseRelational(const Token* first) {
    Value l = ParseAdditive(first);
    for (;;) {
        const Token& p = Peek();
        if (p.kind != Token::Kind::Punct) {
            return l;
        }
        const char op = p.punct;
        if (op != '<' && op != '>' && op != '=' && op != Token::kLessEqual &&
            op != Token::kGreaterEqual && op != Token::kNotEqual) {
            return l;
        }
        const SourceLoc loc = Loc(p);
        Next();
        Value r = ParseAdditive(nullptr);
        auto compare = [op](double a, double b) {
            switch (op) {
                case '<':
                    return a < b;
                case '>':
                    return a > b;
                case '=':
                    return std::fabs(a - b) < 1e-10;
                case Token::kLessEqual:
                    return a <= b;
                case Token::kGreaterEqual:
                    return a >= b;
                default:
                    return std::fabs(a - b) >= 1e-10;
            }
        };
        if (l.kind == Value::Kind::String || r.kind == Value::Kind::String) {
            if (l.kind != r.kind) {
                Problem(loc, "a string can only be compared with a string");
                l = Value::Float(0.0);
                continue;
            }
            const int c = std::strcmp(l.text.c_str(), r.text.c_str());
            l = Value::Float(compare(c, 0) ? 1.0 : 0.0);
        } else if (l.kind == Value::Kind::Float && r.kind == Value::Kind::Float) {
            l = Value::Float(compare(l.v[0], r.v[0]) ? 1.0 : 0.0);
        } else {
            // vectors compare component by component
            Value a = Binary('+', l, Value::Float(0.0), loc);
            Value b = Binary('+', r, Value::Float(0.0), loc);
            const int dim = std::max(a.dim, b.dim);
            const auto pa = a.Promoted(dim), pb = b.Promoted(dim);
            Value res = a.dim >= b.dim ? a : b;
            for (int i = 0; i < dim; ++i) {
                res.v[i] = compare(pa[i], pb[i]) ? 1.0 : 0.0;
            }
            l = res;
        }
    }
}

Value Evaluator::ParseAdditive(const Token* first) {
    Value l = ParseTerm(first);
    while (Peek().Is('+') || Peek().Is('-')) {
        const Token op = Next();
        Value r = ParseTerm(nullptr);
        l = Binary(op.punct, l, r, Loc(op));
    }
    return l;
}

Value Evaluator::ParseTerm(const Token* first) {
    Value l = ParseUnary(first);
    while (Peek().Is('*') || Peek().Is('/')) {
        const Token op = Next();
        Value r = ParseUnary(nullptr);
        l = Binary(op.punct, l, r, Loc(op));
    }
    return l;
}

Value Evaluator::ParseUnary(const Token* first) {
    Token t = first ? *first : Next();
    // a macro's body stands where its name was
    for (;;) {
        if (t.kind != Token::Kind::Word) {
            break;
        }
        Symbol* s = Lookup(t.text);
        if (!s || !s->macro) {
            break;
        }
        const auto macro = s->macro;
        InvokeMacro(t, macro);
        t = Next();
    }
    if (t.Is('-') || t.Is('+') || t.Is('!')) {
        Value v = ParseUnary(nullptr);
        if (t.Is('+')) {
            return v;
        }
        if (t.Is('!')) {
            return Value::Float(Truth(v) ? 0.0 : 1.0);
        }
        if (!v.IsNumeric()) {
            Problem(Loc(t), "'-' needs a number, vector or colour");
            return v;
        }
        for (double& c : v.v) {
            c = -c;
        }
        return v;
    }
    return ParsePostfix(ParsePrimary(t));
}

Value Evaluator::ParsePostfix(Value v) {
    while (Peek().Is('.')) {
        const Token dot = Next();
        const Token c = Next();
        if (c.kind != Token::Kind::Word) {
            Problem(Loc(dot), "component name expected after '.'");
            return Value::Float(0.0);
        }
        const std::string_view n = c.text;
        int index = -1;
        if (n == "x" || n == "u" || n == "red") {
            index = 0;
        } else if (n == "y" || n == "v" || n == "green") {
            index = 1;
        } else if (n == "z" || n == "blue") {
            index = 2;
        } else if (n == "t" || n == "filter") {
            index = 3;
        } else if (n == "transmit") {
            index = 4;
        }
        if (n == "gray" || n == "grey") {
            v = Value::Float(0.297 * v.v[0] + 0.589 * v.v[1] + 0.114 * v.v[2]);
            continue;
        }
        if (index < 0 || !v.IsNumeric() || (v.kind != Value::Kind::Float && index >= v.dim)) {
            Problem(Loc(c), "no component ." + std::string(n) + " in this value");
            return Value::Float(0.0);
        }
        v = Value::Float(v.kind == Value::Kind::Float ? v.v[0] : v.v[index]);
    }
    return v;
}

double Evaluator::ComponentValue(const Value& v, const Token& open) {
    if (v.kind != Value::Kind::Float) {
        Problem(Loc(open), "a vector's components must be numbers");
    }
    return v.v[0];
}

Value Evaluator::ParseVectorLiteral(const Token& open) {
    // most vectors are numbers alone: read without the token stream's look-ahead
    if (!hasPeek_ && !frames_.empty()) {
        std::array<double, 5> components;
        int count = 0;
        size_t tokens = 0;
        Lexer& lexer = Top().lexer;
        const LexPosition start = lexer.Position();
        if (lexer.ReadPlainVector(components, count, tokens)) {
            if (tokensRead_ + tokens <= options_.limits.tokens) {
                tokensRead_ += tokens;
                return Value::VectorN(components.data(), count);
            }
            // the token limit stops the reading where the full reading stops it
            lexer.Seek(start);
        }
    }
    // a vector's components without an allocation; a longer list (a matrix) goes to the heap
    std::array<double, 5> first{};
    std::vector<double> all;
    size_t count = 0;
    for (;;) {
        double component = 0.0;
        if (Peek().kind == Token::Kind::Number) {
            // most components are a number alone
            const Token number = Next();
            if (Peek().Is(',') || Peek().Is('>')) {
                component = number.number;
            } else {
                component = ComponentValue(ParseAdditive(&number), open);
            }
        } else {
            component = ComponentValue(ParseAdditive(nullptr), open);
        }
        if (count < first.size()) {
            first[count] = component;
        } else {
            if (all.empty()) {
                all.assign(first.begin(), first.end());
            }
            all.push_back(component);
        }
        ++count;
        const Token& p = Peek();
        if (p.Is(',')) {
            Next();
            continue;
        }
        if (p.Is('>')) {
            Next();
            break;
        }
        // "< -1 0 0 >": POV-Ray takes components without commas where they cannot be misread
        if (p.kind == Token::Kind::Number || p.kind == Token::Kind::Word || p.Is('(') ||
            p.Is('<')) {
            continue;
        }
        Problem(Loc(p), "',' or '>' expected in the vector, found " + Describe(p));
        break;
    }
    if (count >= 2 && count <= first.size()) {
        return Value::VectorN(first.data(), static_cast<int>(count));
    }
    if (count > first.size()) {
        // a matrix's twelve numbers or the coefficients of a polynomial shape
        Value m;
        m.kind = Value::Kind::Matrix;
        m.matrix = std::make_shared<const std::vector<double>>(std::move(all));
        return m;
    }
    Problem(Loc(open), "a vector has at least 2 components");
    return Value::Float(first[0]);
}

Value Evaluator::ParseArrayElement(const Token& t, Value& arrayValue, Value** slot) {
    Array& a = *arrayValue.array;
    size_t index = 0;
    bool ok = true;
    size_t d = 0;
    while (Peek().Is('[')) {
        Next();
        const double f = ParseFloat();
        Expect(']', "']' after the array index");
        const long long i = WholeNumber(f);
        if (d >= a.sizes.size() || i < 0 || i >= a.sizes[d]) {
            if (ok) {
                Problem(Loc(t), "array index out of range: " + std::string(t.text));
            }
            ok = false;
        } else {
            index = index * static_cast<size_t>(a.sizes[d]) + static_cast<size_t>(i);
        }
        ++d;
    }
    if (ok && d != a.sizes.size()) {
        Problem(Loc(t), "array " + std::string(t.text) + " needs " +
                            std::to_string(a.sizes.size()) + " indices");
        ok = false;
    }
    if (!ok || index >= a.elements.size()) {
        if (slot) {
            *slot = nullptr;
        }
        return Value::Float(0.0);
    }
    if (slot) {
        *slot = &a.elements[index];
    }
    return a.elements[index];
}

Value Evaluator::ParseIdentifierValue(const Token& t, Symbol& symbol) {
    Value v = *symbol.value;
    if (v.kind == Value::Kind::Array && Peek().Is('[')) {
        v = ParseArrayElement(t, v, nullptr);
        if (v.kind == Value::Kind::None) {
            Problem(Loc(t), "array element of " + std::string(t.text) + " used before it was set");
            return Value::Float(0.0);
        }
        return v;
    }
    if (v.kind == Value::Kind::None) {
        Problem(Loc(t), std::string(t.text) + " has no value");
        return Value::Float(0.0);
    }
    if (v.kind == Value::Kind::Block && v.block && Peek().Is('(')) {
        std::vector<Value> args = ParseArguments(t, 0, 64);
        if (v.block->keyword.rfind("function", 0) == 0) {
            std::vector<double> numbers;
            for (const Value& a : args) {
                numbers.push_back(a.v[0]);
            }
            double result = 0.0;
            std::string why;
            if (!EvaluateFunction(*v.block, numbers, result, why)) {
                Problem(Loc(t), "function " + std::string(t.text) + " was not evaluated (" + why +
                                    "): taken as 0");
            }
            return Value::Float(result);
        }
        Value result;
        if (v.block->keyword == "spline" && !args.empty() &&
            EvaluateSpline(*v.block, args[0].v[0], result)) {
            return result;
        }
        Problem(Loc(t), std::string(t.text) + "(...) was not evaluated: taken as 0");
        return Value::Float(0.0);
    }
    return v;
}

Value Evaluator::ParsePrimary(const Token& t) {
    switch (t.kind) {
        case Token::Kind::Number:
            return Value::Float(t.number);
        case Token::Kind::String:
            return Value::String(Unescape(t.text));
        case Token::Kind::Punct:
            if (t.Is('<')) {
                return ParseVectorLiteral(t);
            }
            if (t.Is('(')) {
                if (++blockDepth_ > options_.limits.blockDepth) {
                    Stop(Loc(t), "parentheses nested too deeply: reading stopped");
                }
                Value v = ParseExpression(true);
                --blockDepth_;
                Expect(')', "')'");
                return v;
            }
            break;
        case Token::Kind::Word: {
            if (Symbol* s = Lookup(t.text); s && s->value) {
                Value v = ParseIdentifierValue(t, *s);
                if (v.kind == Value::Kind::Color) {
                    ApplyColorModifiers(v);
                }
                return v;
            }
            const std::string_view w = t.text;
            if (w == "color" || w == "colour") {
                if (Peek().kind == Token::Kind::Word && IsColorComponentWord(Peek().text)) {
                    return ParseColorKeywords(Value::Color(0, 0, 0));
                }
                Value v = ParseAdditive(nullptr);
                if (v.kind != Value::Kind::Color) {
                    const auto p = v.Promoted(5);
                    v = Value::Color(p[0], p[1], p[2], v.kind == Value::Kind::Float ? p[3] : 0.0,
                                     v.kind == Value::Kind::Float ? p[4] : 0.0);
                    if (v.kind == Value::Kind::Vector && v.dim <= 3) {
                        v.v[3] = v.v[4] = 0.0;
                    }
                }
                ApplyColorModifiers(v);
                return v;
            }
            if (w.substr(0, 3) == "rgb" || w.substr(0, 4) == "srgb") {
                return ParseColorPrefix(w, Loc(t));
            }
            if (IsColorComponentWord(w)) {
                // a colour in keyword form starts from black: "red 1 green 0.5"
                Value c = Value::Color(0, 0, 0);
                const int index = w == "red"      ? 0
                                  : w == "green"  ? 1
                                  : w == "blue"   ? 2
                                  : w == "filter" ? 3
                                                  : 4;
                c.v[index] = ParseAdditive(nullptr).v[0];
                ApplyColorModifiers(c);
                return c;
            }
            Value out;
            if (CallBuiltin(t, out)) {
                return out;
            }
            Problem(Loc(t), "undeclared identifier " + std::string(w) + " taken as 0");
            return Value::Float(0.0);
        }
        default:
            break;
    }
    Problem(Loc(t), "a value was expected, found " + Describe(t));
    return Value::Float(0.0);
}

Value Evaluator::ParseColorKeywords(Value color) {
    ApplyColorModifiers(color);
    return color;
}

void Evaluator::ApplyColorModifiers(Value& color) {
    while (Peek().kind == Token::Kind::Word && IsColorComponentWord(Peek().text)) {
        const Token k = Next();
        const double amount = ParseAdditive(nullptr).v[0];
        const std::string_view w = k.text;
        const int index = w == "red"      ? 0
                          : w == "green"  ? 1
                          : w == "blue"   ? 2
                          : w == "filter" ? 3
                                          : 4;
        color.v[index] = amount;
    }
}

Value Evaluator::ParseColorPrefix(std::string_view word, SourceLoc loc) {
    const bool srgb = word[0] == 's';
    const std::string_view kind = word.substr(srgb ? 4 : 3);
    // the colour keyword takes the factor right after it: "rgb <1,0,0> + x" adds to a colour
    Value x = ParseUnary(nullptr);
    if (!x.IsNumeric()) {
        Problem(loc, std::string(word) + " needs a number or vector");
        return Value::Color(0, 0, 0);
    }
    Value c;
    if (kind.empty()) {
        const auto p = x.kind == Value::Kind::Color ? x.v : x.Promoted(3);
        c = Value::Color(p[0], p[1], p[2]);
    } else if (kind == "f") {
        const auto p = x.Promoted(4);
        c = Value::Color(p[0], p[1], p[2], p[3], 0.0);
    } else if (kind == "t") {
        const auto p = x.Promoted(4);
        c = Value::Color(p[0], p[1], p[2], 0.0, p[3]);
    } else if (kind == "ft") {
        const auto p = x.Promoted(5);
        c = Value::Color(p[0], p[1], p[2], p[3], p[4]);
    } else {
        Problem(loc, "unknown colour keyword " + std::string(word));
        return Value::Color(0, 0, 0);
    }
    if (srgb) {
        for (int i = 0; i < 3; ++i) {
            c.v[i] =
                std::pow(SrgbToLinear(c.v[i]), 1.0 / (assumedGamma_ > 0 ? assumedGamma_ : 1.0));
        }
    }
    ApplyColorModifiers(c);
    return c;
}

Value Evaluator::Binary(char op, const Value& a, const Value& b, SourceLoc loc) {
    if (!a.IsNumeric() || !b.IsNumeric()) {
        Problem(loc, std::string("'") + op + "' needs numbers, vectors or colours");
        return a.IsNumeric() ? a : b.IsNumeric() ? b : Value::Float(0.0);
    }
    auto apply = [&](double x, double y) {
        switch (op) {
            case '+':
                return x + y;
            case '-':
                return x - y;
            case '*':
                return x * y;
            default:
                if (y == 0.0) {
                    Problem(loc, "division by zero");
                    return 0.0;
                }
                return x / y;
        }
    };
    if (a.kind == Value::Kind::Float && b.kind == Value::Kind::Float) {
        return Value::Float(apply(a.v[0], b.v[0]));
    }
    Value r;
    if (a.kind == Value::Kind::Color || b.kind == Value::Kind::Color) {
        r.kind = Value::Kind::Color;
        r.dim = 5;
    } else {
        r.kind = Value::Kind::Vector;
        r.dim = std::max(a.kind == Value::Kind::Float ? 0 : a.dim,
                         b.kind == Value::Kind::Float ? 0 : b.dim);
    }
    const auto pa = a.Promoted(r.dim), pb = b.Promoted(r.dim);
    for (int i = 0; i < r.dim; ++i) {
        r.v[i] = apply(pa[i], pb[i]);
    }
    return r;
}

double Evaluator::ParseFloat() {
    const Token first = Next();
    Value v = ParseExpressionFrom(first);
    if (v.kind != Value::Kind::Float) {
        Problem(Loc(first), "a number was expected");
    }
    return v.v[0];
}

std::string Evaluator::ParseString() {
    const Token first = Next();
    Value v = ParseExpressionFrom(first);
    if (v.kind != Value::Kind::String) {
        Problem(Loc(first), "a string was expected");
        return {};
    }
    return v.text;
}

std::array<double, 5> Evaluator::ParseVector(int n) {
    return ParseExpression().Promoted(n);
}

}  // namespace pov
