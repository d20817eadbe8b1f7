#include "model/text_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace orv {

namespace {

struct Conversion {
    bool left = false;
    bool zero = false;
    bool plus = false;
    bool space = false;
    int width = 0;
    int precision = -1;
};

void Pad(std::string& out, std::string_view body, const Conversion& field, bool numeric) {
    const int fill = field.width - static_cast<int>(body.size());
    if (fill <= 0) {
        out.append(body);
        return;
    }
    if (field.left) {
        out.append(body);
        out.append(static_cast<size_t>(fill), ' ');
    } else if (field.zero && numeric) {
        // zeros go after the sign
        size_t sign =
            (!body.empty() && (body[0] == '-' || body[0] == '+' || body[0] == ' ')) ? 1 : 0;
        out.append(body.substr(0, sign));
        out.append(static_cast<size_t>(fill), '0');
        out.append(body.substr(sign));
    } else {
        out.append(static_cast<size_t>(fill), ' ');
        out.append(body);
    }
}

std::string IntegerBody(bool negative, unsigned long long magnitude, const Conversion& field,
                        int base) {
    char digits[32];
    auto res = std::to_chars(digits, digits + sizeof digits, magnitude, base);
    std::string_view d(digits, static_cast<size_t>(res.ptr - digits));
    std::string body;
    if (negative)
        body += '-';
    else if (field.plus)
        body += '+';
    else if (field.space)
        body += ' ';
    if (field.precision >= 0 && static_cast<int>(d.size()) < field.precision)
        body.append(static_cast<size_t>(field.precision) - d.size(), '0');
    if (!(field.precision == 0 && magnitude == 0))
        body.append(d);
    return body;
}

// Fixed-point text of v with up to nine decimals by integer arithmetic, the common case of
// scene text; 0 when v is too large or lies too near a rounding boundary to be sure, and
// std::to_chars must decide. v * 10^decimals is then below 2^40, so the product is off by at
// most 2^-14 and cannot cross a halfway point that lies further away than that.
size_t QuickFixed(double v, int decimals, char* out) {
    static const double kScale[10] = {1e0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    if (decimals < 0 || decimals > 9)
        return 0;
    const double scaled = std::fabs(v) * kScale[decimals];
    if (!(scaled < 1e12))
        return 0;
    const double whole = std::floor(scaled);
    const double fraction = scaled - whole;
    if (std::fabs(fraction - 0.5) < 1e-3)
        return 0;
    const auto units = static_cast<unsigned long long>(whole) + (fraction > 0.5 ? 1 : 0);
    // the digits, with zeros in front so that one stands before the point
    char padded[32];
    size_t length = 0;
    char digits[24];
    const auto res = std::to_chars(digits, digits + sizeof digits, units);
    const size_t count = static_cast<size_t>(res.ptr - digits);
    for (size_t pad = count; pad < static_cast<size_t>(decimals) + 1; ++pad)
        padded[length++] = '0';
    for (size_t i = 0; i < count; ++i)
        padded[length++] = digits[i];
    const size_t wholeDigits = length - static_cast<size_t>(decimals);
    size_t n = 0;
    if (std::signbit(v))
        out[n++] = '-';
    for (size_t i = 0; i < wholeDigits; ++i)
        out[n++] = padded[i];
    if (decimals > 0) {
        out[n++] = '.';
        for (size_t i = wholeDigits; i < length; ++i)
            out[n++] = padded[i];
    }
    return n;
}

// The text of a floating-point conversion in buf (sized for any double): the returned view
// points into buf or at a constant.
std::string_view DoubleBody(double v, const Conversion& field, char conv, char (&buf)[401]) {
    if (std::isnan(v))
        return std::signbit(v) ? "-nan" : "nan";
    if (std::isinf(v))
        return v < 0 ? "-inf" : (field.plus ? "+inf" : "inf");
    const int precision = field.precision < 0 ? 6 : field.precision;
    // one place for a sign in front
    char* const text = buf + 1;
    size_t length = 0;
    if (conv == 'f' || conv == 'F')
        length = QuickFixed(v, precision, text);
    if (length == 0) {
        std::chars_format format = std::chars_format::fixed;
        if (conv == 'e' || conv == 'E')
            format = std::chars_format::scientific;
        if (conv == 'g' || conv == 'G')
            format = std::chars_format::general;
        auto res = std::to_chars(text, text + 400, v, format, precision);
        if (res.ec != std::errc())
            return "0";
        length = static_cast<size_t>(res.ptr - text);
    }
    if (!std::signbit(v) && (field.plus || field.space)) {
        buf[0] = field.plus ? '+' : ' ';
        return std::string_view(buf, length + 1);
    }
    return std::string_view(text, length);
}

}  // namespace

void AppendFixed(std::string& out, double v, int decimals) {
    Conversion field;
    field.precision = decimals;
    char buf[401];
    out += DoubleBody(v, field, 'f', buf);
}

void AppendFormatV(std::string& out, std::string_view fmt, const FmtArg* args, size_t count) {
    size_t next = 0;
    for (size_t p = 0; p < fmt.size(); ++p) {
        if (fmt[p] != '%') {
            // the text up to the next conversion in one piece
            const size_t end = std::min(fmt.find('%', p), fmt.size());
            out.append(fmt.substr(p, end - p));
            p = end - 1;
            continue;
        }
        if (++p >= fmt.size())
            break;
        if (fmt[p] == '%') {
            out += '%';
            continue;
        }
        Conversion field;
        for (; p < fmt.size(); ++p) {
            const char f = fmt[p];
            if (f == '-')
                field.left = true;
            else if (f == '0')
                field.zero = true;
            else if (f == '+')
                field.plus = true;
            else if (f == ' ')
                field.space = true;
            else if (f != '#')
                break;
        }
        while (p < fmt.size() && fmt[p] >= '0' && fmt[p] <= '9')
            field.width = field.width * 10 + (fmt[p++] - '0');
        if (p < fmt.size() && fmt[p] == '.') {
            ++p;
            field.precision = 0;
            while (p < fmt.size() && fmt[p] >= '0' && fmt[p] <= '9')
                field.precision = field.precision * 10 + (fmt[p++] - '0');
        }
        while (p < fmt.size() && (fmt[p] == 'l' || fmt[p] == 'h' || fmt[p] == 'z'))
            ++p;
        if (p >= fmt.size())
            break;
        const char conv = fmt[p];
        if (next >= count)
            continue;
        const FmtArg& a = args[next++];

        auto asDouble = [&a]() -> double {
            switch (a.kind) {
                case FmtArg::Kind::Double:
                    return a.d;
                case FmtArg::Kind::Uint:
                    return static_cast<double>(a.u);
                case FmtArg::Kind::Int:
                case FmtArg::Kind::Char:
                    return static_cast<double>(a.i);
                default:
                    return 0.0;
            }
        };
        auto asInt = [&a]() -> long long {
            switch (a.kind) {
                case FmtArg::Kind::Double:
                    return static_cast<long long>(a.d);
                case FmtArg::Kind::Uint:
                    return static_cast<long long>(a.u);
                case FmtArg::Kind::Int:
                case FmtArg::Kind::Char:
                    return a.i;
                default:
                    return 0;
            }
        };

        switch (conv) {
            case 'd':
            case 'i': {
                const long long v = asInt();
                const unsigned long long mag = v < 0 ? 0ULL - static_cast<unsigned long long>(v)
                                                     : static_cast<unsigned long long>(v);
                Pad(out, IntegerBody(v < 0, mag, field, 10), field, field.precision < 0);
                break;
            }
            case 'u':
            case 'x':
            case 'X': {
                const unsigned long long v =
                    a.kind == FmtArg::Kind::Uint ? a.u : static_cast<unsigned long long>(asInt());
                std::string body = IntegerBody(false, v, field, conv == 'u' ? 10 : 16);
                if (conv == 'X')
                    for (char& ch : body)
                        if (ch >= 'a' && ch <= 'f')
                            ch = static_cast<char>(ch - 'a' + 'A');
                Pad(out, body, field, field.precision < 0);
                break;
            }
            case 'f':
            case 'F':
            case 'e':
            case 'E':
            case 'g':
            case 'G': {
                char buf[401];
                Pad(out, DoubleBody(asDouble(), field, conv, buf), field, true);
                break;
            }
            case 'c': {
                const char ch = static_cast<char>(asInt());
                Pad(out, std::string_view(&ch, 1), field, false);
                break;
            }
            case 's': {
                std::string_view s = a.kind == FmtArg::Kind::Str ? a.s : std::string_view();
                if (field.precision >= 0 && static_cast<size_t>(field.precision) < s.size())
                    s = s.substr(0, static_cast<size_t>(field.precision));
                Pad(out, s, field, false);
                break;
            }
            default:
                break;
        }
    }
}

double ParseDouble(std::string_view text) {
    size_t p = 0;
    while (p < text.size() && (text[p] == ' ' || text[p] == '\t'))
        ++p;
    text.remove_prefix(p);
    if (!text.empty() && text[0] == '+')
        text.remove_prefix(1);
    double v = 0.0;
    auto res = std::from_chars(text.data(), text.data() + text.size(), v);
    if (res.ec != std::errc())
        return 0.0;
    return v;
}

}  // namespace orv
