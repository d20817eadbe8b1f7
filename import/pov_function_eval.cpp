#include "import/pov_function_eval.h"

#include <cmath>
#include <string_view>

namespace pov {

namespace {

constexpr double kPi = 3.1415926535897932384626;

struct Failure {
    std::string why;
};

class FunctionEvaluator {
  public:
    FunctionEvaluator(const Block& fn, const std::vector<double>& args, int depth)
        : items_(fn.items), depth_(depth) {
        // the parameters: "function(a, b)" or x, y, z (u and v stand for x and y)
        std::vector<std::string> names;
        const std::string& k = fn.keyword;
        const size_t open = k.find('(');
        if (open == std::string::npos) {
            names = {"x", "y", "z"};
        } else {
            std::string current;
            for (size_t i = open + 1; i < k.size(); ++i) {
                const char c = k[i];
                if (c == ',' || c == ')') {
                    if (!current.empty()) {
                        names.push_back(current);
                    }
                    current.clear();
                } else if (c != ' ') {
                    current += c;
                }
            }
        }
        for (size_t i = 0; i < names.size(); ++i) {
            vars_.push_back({names[i], i < args.size() ? args[i] : 0.0});
            if (names[i] == "x" || names[i] == "y") {
                vars_.push_back({names[i] == "x" ? "u" : "v", vars_.back().value});
            }
        }
        if (depth_ > 200) {
            throw Failure{"functions call each other too deeply"};
        }
    }

    double Run() {
        const double v = Or();
        if (pos_ != items_.size()) {
            throw Failure{"the function's text is not understood"};
        }
        return v;
    }

  private:
    struct Var {
        std::string name;
        double value;
    };

    bool AtSymbol(std::string_view s) const {
        return pos_ < items_.size() && items_[pos_].kind == Item::Kind::Symbol &&
               items_[pos_].value.text == s;
    }
    void ExpectSymbol(std::string_view s) {
        if (!AtSymbol(s)) {
            throw Failure{"'" + std::string(s) + "' expected in the function"};
        }
        ++pos_;
    }

    double Or() {
        double l = And();
        while (AtSymbol("|")) {
            ++pos_;
            const double r = And();
            l = (l != 0.0 || r != 0.0) ? 1.0 : 0.0;
        }
        return l;
    }
    double And() {
        double l = Rel();
        while (AtSymbol("&")) {
            ++pos_;
            const double r = Rel();
            l = (l != 0.0 && r != 0.0) ? 1.0 : 0.0;
        }
        return l;
    }
    double Rel() {
        double l = Sum();
        for (;;) {
            if (pos_ >= items_.size() || items_[pos_].kind != Item::Kind::Symbol) {
                return l;
            }
            const std::string op = items_[pos_].value.text;
            if (op != "<" && op != ">" && op != "=" && op != "<=" && op != ">=" && op != "!=") {
                return l;
            }
            ++pos_;
            const double r = Sum();
            bool res;
            if (op == "<") {
                res = l < r;
            } else if (op == ">") {
                res = l > r;
            } else if (op == "=") {
                res = l == r;
            } else if (op == "<=") {
                res = l <= r;
            } else if (op == ">=") {
                res = l >= r;
            } else {
                res = l != r;
            }
            l = res ? 1.0 : 0.0;
        }
    }
    double Sum() {
        double l = Product();
        while (AtSymbol("+") || AtSymbol("-")) {
            const bool plus = AtSymbol("+");
            ++pos_;
            const double r = Product();
            l = plus ? l + r : l - r;
        }
        return l;
    }
    double Product() {
        double l = Unary();
        while (AtSymbol("*") || AtSymbol("/")) {
            const bool times = AtSymbol("*");
            ++pos_;
            const double r = Unary();
            l = times ? l * r : l / r;
        }
        return l;
    }
    double Unary() {
        if (AtSymbol("-")) {
            ++pos_;
            return -Unary();
        }
        if (AtSymbol("+")) {
            ++pos_;
            return Unary();
        }
        if (AtSymbol("!")) {
            ++pos_;
            return Unary() == 0.0 ? 1.0 : 0.0;
        }
        return Primary();
    }
    std::vector<double> Arguments() {
        std::vector<double> args;
        ExpectSymbol("(");
        if (AtSymbol(")")) {
            ++pos_;
            return args;
        }
        for (;;) {
            args.push_back(Or());
            if (pos_ < items_.size() && items_[pos_].kind == Item::Kind::Comma) {
                ++pos_;
                continue;
            }
            ExpectSymbol(")");
            return args;
        }
    }
    double Primary() {
        if (pos_ >= items_.size()) {
            throw Failure{"the function ends too early"};
        }
        const Item& item = items_[pos_++];
        switch (item.kind) {
            case Item::Kind::Value:
                if (item.value.kind != Value::Kind::Float) {
                    throw Failure{"the function uses a value that is not a number"};
                }
                return item.value.v[0];
            case Item::Kind::Symbol:
                if (item.value.text == "(") {
                    const double v = Or();
                    ExpectSymbol(")");
                    return v;
                }
                break;
            case Item::Kind::Reference: {
                if (!item.value.block || item.value.block->keyword.rfind("function", 0) != 0) {
                    throw Failure{"the function uses " + item.value.text};
                }
                const std::vector<double> args = Arguments();
                FunctionEvaluator inner(*item.value.block, args, depth_ + 1);
                return inner.Run();
            }
            case Item::Kind::Keyword:
                return Word(item.value.text);
            default:
                break;
        }
        throw Failure{"the function's text is not understood"};
    }
    double Word(const std::string& w) {
        for (auto it = vars_.rbegin(); it != vars_.rend(); ++it) {
            if (it->name == w) {
                return it->value;
            }
        }
        if (w == "pi") {
            return kPi;
        }
        if (w == "true" || w == "yes" || w == "on") {
            return 1.0;
        }
        if (w == "false" || w == "no" || w == "off") {
            return 0.0;
        }
        if (w == "sum" || w == "prod") {
            return Sequence(w == "sum");
        }
        const std::vector<double> a = Arguments();
        auto need = [&](size_t n) {
            if (a.size() < n) {
                throw Failure{w + " needs more arguments"};
            }
        };
        static const struct {
            const char* name;
            double (*f)(double);
        } kOne[] = {{"abs", [](double v) { return std::fabs(v); }},
                    {"acos", [](double v) { return std::acos(v); }},
                    {"acosh", [](double v) { return std::acosh(v); }},
                    {"asin", [](double v) { return std::asin(v); }},
                    {"asinh", [](double v) { return std::asinh(v); }},
                    {"atan", [](double v) { return std::atan(v); }},
                    {"atanh", [](double v) { return std::atanh(v); }},
                    {"ceil", [](double v) { return std::ceil(v); }},
                    {"cos", [](double v) { return std::cos(v); }},
                    {"cosh", [](double v) { return std::cosh(v); }},
                    {"degrees", [](double v) { return v * 180.0 / kPi; }},
                    {"exp", [](double v) { return std::exp(v); }},
                    {"floor", [](double v) { return std::floor(v); }},
                    {"int", [](double v) { return std::trunc(v); }},
                    {"ln", [](double v) { return std::log(v); }},
                    {"log", [](double v) { return std::log10(v); }},
                    {"radians", [](double v) { return v * kPi / 180.0; }},
                    {"sin", [](double v) { return std::sin(v); }},
                    {"sinh", [](double v) { return std::sinh(v); }},
                    {"sqrt", [](double v) { return std::sqrt(v); }},
                    {"tan", [](double v) { return std::tan(v); }},
                    {"tanh", [](double v) { return std::tanh(v); }}};
        for (const auto& f : kOne) {
            if (w == f.name) {
                need(1);
                return f.f(a[0]);
            }
        }
        if (w == "atan2" || w == "pow" || w == "mod") {
            need(2);
            return w == "atan2" ? std::atan2(a[0], a[1])
                   : w == "pow" ? std::pow(a[0], a[1])
                                : std::fmod(a[0], a[1]);
        }
        if (w == "min" || w == "max") {
            need(1);
            double r = a[0];
            for (double v : a) {
                r = w == "min" ? std::min(r, v) : std::max(r, v);
            }
            return r;
        }
        if (w == "select") {
            need(3);
            if (a.size() == 3) {
                return a[0] < 0 ? a[1] : a[2];
            }
            return a[0] < 0 ? a[1] : a[0] == 0 ? a[2] : a[3];
        }
        throw Failure{"the function uses " + w + ", which is not evaluated here"};
    }
    // sum(i, from, to, expression) and prod(...)
    double Sequence(bool sum) {
        ExpectSymbol("(");
        if (pos_ >= items_.size() || items_[pos_].kind != Item::Kind::Keyword) {
            throw Failure{"sum and prod need a variable name"};
        }
        const std::string name = items_[pos_++].value.text;
        auto comma = [&] {
            if (pos_ >= items_.size() || items_[pos_].kind != Item::Kind::Comma) {
                throw Failure{"',' expected in sum or prod"};
            }
            ++pos_;
        };
        comma();
        const double from = Or();
        comma();
        const double to = Or();
        comma();
        const size_t body = pos_;
        double acc = sum ? 0.0 : 1.0;
        vars_.push_back({name, from});
        size_t end = body;
        int steps = 0;
        for (double i = from; i <= to; i += 1.0) {
            if (++steps > 1'000'000) {
                throw Failure{"sum or prod runs too long"};
            }
            vars_.back().value = i;
            pos_ = body;
            const double v = Or();
            end = pos_;
            acc = sum ? acc + v : acc * v;
        }
        if (end == body) {
            // no step ran: skip the expression's text
            vars_.back().value = from;
            Or();
            end = pos_;
        }
        vars_.pop_back();
        pos_ = end;
        ExpectSymbol(")");
        return acc;
    }

    const std::vector<Item>& items_;
    size_t pos_ = 0;
    std::vector<Var> vars_;
    int depth_;
};

}  // namespace

bool EvaluateFunction(const Block& function, const std::vector<double>& args, double& result,
                      std::string& why) {
    try {
        FunctionEvaluator e(function, args, 0);
        result = e.Run();
        if (!std::isfinite(result)) {
            why = "the function's value is not a finite number";
            result = 0.0;
            return false;
        }
        return true;
    } catch (const Failure& f) {
        why = f.why;
        result = 0.0;
        return false;
    }
}

}  // namespace pov
