#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "model/cp1252.h"
#include "model/text_format.h"

namespace {

using orv::Format;

TEST(TextFormat, MatchesPrintfForTheSceneFormats) {
    struct Case {
        const char* format;
        double value;
    };
    const Case cases[] = {
        {"%.4f", 1.0},      {"%.4f", -0.5},    {"%.4f", 0.00005}, {"%.4f", -0.00004},
        {"%.3f", 0.498039}, {"%.1f", 4.0},     {"%.2f", 12.345},  {"%.4f", 123456.78125},
        {"%.3f", 1.0005},   {"%.4f", 2.50005}, {"%.1f", 0.05},    {"%.4f", -0.0},
        {"%f", 3.14159265}, {"%.0f", 2.5},     {"%8.2f", -1.234}, {"%-8.1f|", 1.25},
    };
    for (const Case& c : cases) {
        char expected[128];
        std::snprintf(expected, sizeof expected, c.format, c.value);
        EXPECT_EQ(Format(c.format, c.value), expected) << c.format << " " << c.value;
    }
}

TEST(TextFormat, FixedPointMatchesPrintfForRandomNumbers) {
    // numbers of every size, with flags and widths, and many that lie on or next to a
    // rounding boundary of their precision (x.xxxx5 is rarely exact in binary)
    std::mt19937_64 random(20261208);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    std::uniform_int_distribution<int> decimals(0, 11), power(-12, 16), kind(0, 3);
    const char* const flags[] = {"", "+", " ", "-12", "012", "+9"};
    for (int i = 0; i < 200000; ++i) {
        const int d = decimals(random);
        double v = unit(random) * std::pow(10.0, power(random));
        if (kind(random) == 0) {
            // halfway between two values of the precision, as written in decimal
            v = (std::round(v * std::pow(10.0, d)) + 0.5) / std::pow(10.0, d);
        } else if (kind(random) == 1) {
            v = std::nextafter(v, kind(random) < 2 ? 0.0 : 1e300);
        }
        const std::string format = std::string("%") + flags[i % 6] + "." + std::to_string(d) + "f";
        char expected[512];
        std::snprintf(expected, sizeof expected, format.c_str(), v);
        ASSERT_EQ(Format(format, v), expected) << format << " " << v;
    }
}

TEST(TextFormat, IntegersStringsAndCharacters) {
    EXPECT_EQ(Format("%s%.3ld", "Quader_", 7L), "Quader_007");
    EXPECT_EQ(Format("%s%.3ld", "Kugel_", 1234L), "Kugel_1234");
    EXPECT_EQ(Format("%d", -42), "-42");
    EXPECT_EQ(Format("%c%c%c", 'g', 'i', 'f'), "gif");
    EXPECT_EQ(Format("%d: %s", 12, "Syntax error"), "12: Syntax error");
    EXPECT_EQ(Format("100%% %s", std::string("sure")), "100% sure");
    EXPECT_EQ(Format("%05d|%-4d|", 42, 7), "00042|7   |");
    // missing arguments print nothing rather than reading garbage
    EXPECT_EQ(Format("a%sb%d", "x"), "axb");
}

TEST(TextFormat, GermanLocaleChangesNothing) {
    const char* german = std::setlocale(LC_ALL, "de_DE.UTF-8");
    if (!german)
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    char viaPrintf[32];
    std::snprintf(viaPrintf, sizeof viaPrintf, "%.4f", 1.0);
    EXPECT_STREQ(viaPrintf, "1,0000");  // the locale is really in effect
    EXPECT_EQ(Format("  scale <%.4f,%.4f,%.4f>\r\n", 1.0, 0.5, -2.25),
              "  scale <1.0000,0.5000,-2.2500>\r\n");
    EXPECT_DOUBLE_EQ(orv::ParseDouble("1.5"), 1.5);
    EXPECT_DOUBLE_EQ(orv::ParseDouble("-.25"), -0.25);
    std::setlocale(LC_ALL, "C");
}

TEST(TextFormat, ParsesSignedNumbers) {
    EXPECT_DOUBLE_EQ(orv::ParseDouble("+1.5"), 1.5);
    EXPECT_DOUBLE_EQ(orv::ParseDouble("1e-3"), 0.001);
    EXPECT_DOUBLE_EQ(orv::ParseDouble("12."), 12.0);
    EXPECT_DOUBLE_EQ(orv::ParseDouble("junk"), 0.0);
}

TEST(Cp1252, RoundTripsEveryByteThroughUtf8) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(orv::Utf8ToCp1252(orv::Cp1252ToUtf8(all)), all);
    EXPECT_EQ(orv::Cp1252ToUtf8("J\xF6rg M\xFCller-Stra\xDF"
                                "e \x80"),
              "Jörg Müller-Straße €");
    EXPECT_EQ(orv::Utf8ToCp1252("GELÖSCHT ✓"), "GEL\xD6SCHT ?");
}

}  // namespace
