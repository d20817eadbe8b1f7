// printf-style formatting that never depends on the process locale.
//
// Scene files must always read "1.0000", never "1,0000", whatever locale the desktop runs in,
// so every number in scene text goes through this formatter (std::to_chars underneath).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

// One argument of Format: a number, a character or a string.
struct FmtArg {
    enum class Kind { Int, Uint, Double, Char, Str };
    Kind kind;
    long long i = 0;
    unsigned long long u = 0;
    double d = 0.0;
    std::string_view s;

    FmtArg(int v) : kind(Kind::Int), i(v) {}
    FmtArg(long v) : kind(Kind::Int), i(v) {}
    FmtArg(long long v) : kind(Kind::Int), i(v) {}
    FmtArg(unsigned v) : kind(Kind::Uint), u(v) {}
    FmtArg(unsigned long v) : kind(Kind::Uint), u(v) {}
    FmtArg(unsigned long long v) : kind(Kind::Uint), u(v) {}
    FmtArg(double v) : kind(Kind::Double), d(v) {}
    FmtArg(float v) : kind(Kind::Double), d(v) {}
    FmtArg(char v) : kind(Kind::Char), i(static_cast<unsigned char>(v)) {}
    FmtArg(const char* v) : kind(Kind::Str), s(v ? v : "") {}
    FmtArg(std::string_view v) : kind(Kind::Str), s(v) {}
    FmtArg(const std::string& v) : kind(Kind::Str), s(v) {}
};

// Appends the formatted text to out. Understands the conversions the scene text uses:
// %s %c %d %i %ld %u %lu %x %f %e %g with flags "-0+ ", width and precision, and %%.
// A conversion without a matching argument prints nothing.
void AppendFormatV(std::string& out, std::string_view fmt, const FmtArg* args, size_t count);

template <typename... Args>
void AppendFormat(std::string& out, std::string_view fmt, const Args&... args) {
    const FmtArg list[] = {FmtArg(args)..., FmtArg(0)};
    AppendFormatV(out, fmt, list, sizeof...(Args));
}

template <typename... Args>
std::string Format(std::string_view fmt, const Args&... args) {
    std::string out;
    AppendFormat(out, fmt, args...);
    return out;
}

// Fixed-point text of v with the given number of decimals ("%.Nf"), locale-independent.
void AppendFixed(std::string& out, double v, int decimals);

// Parses a decimal number the way the scene reader needs it (point as separator, optional
// sign and exponent), independent of the locale. Returns 0.0 for text that is no number.
double ParseDouble(std::string_view text);

}  // namespace orv
