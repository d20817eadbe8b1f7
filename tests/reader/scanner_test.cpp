// The scanner on its own: keywords against names, the multi-word keywords, numbers, strings,
// markers against ordinary comments, the include list, line numbers and stray bytes.
#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "document/scene_reader.h"
#include "model/text_format.h"
#include "scene_parser.hpp"

namespace {

// kinds of the tokens of text
std::vector<int> Kinds(std::string_view text) {
    std::vector<int> kinds;
    for (const ScannedToken& t : ScanSceneTokens(text))
        kinds.push_back(t.kind);
    return kinds;
}

using Tokens = std::vector<ScannedToken>;

TEST(SceneScanner, KeywordsWinOverNamesOnlyWhenTheyMatchWhole) {
    const Tokens t = ScanSceneTokens("box boxes Box x _a1:b\\c~ spiral1 spiral12 control0");
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[0].kind, K_BOX);
    EXPECT_EQ(t[1].kind, T_NAME);
    EXPECT_EQ(t[1].text, "boxes");
    EXPECT_EQ(t[2].kind, T_NAME);
    // x, y and z are axes (and, where a name belongs, names); other single letters are names
    EXPECT_EQ(t[3].kind, T_AXIS);
    EXPECT_EQ(t[3].text, "x");
    EXPECT_EQ(Kinds("A b"), (std::vector<int>{T_NAME, T_NAME}));
    EXPECT_EQ(t[4].text, "_a1:b\\c~");
    EXPECT_EQ(t[5].kind, T_PATTERN);
    EXPECT_EQ(t[5].text, "spiral1");
    EXPECT_EQ(t[6].kind, T_NAME);
    EXPECT_EQ(t[7].kind, K_CONTROL0);
}

TEST(SceneScanner, MultiWordKeywordsReadWithAnyBlanksAsPovRayReadsThem) {
    Tokens t = ScanSceneTokens("gradient x gradient  x map_type\t5 refraction\r\n 1 ior gradient");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].kind, T_PATTERN);
    EXPECT_EQ(t[0].text, "gradient x");
    EXPECT_EQ(t[1].kind, T_PATTERN);
    EXPECT_EQ(t[1].text, "gradient x");
    EXPECT_EQ(t[2].kind, T_MAP_TYPE);
    EXPECT_EQ(t[2].number, 5.0);
    EXPECT_EQ(t[2].text, "map_type 5");
    EXPECT_EQ(t[3].kind, K_REFRACTION);
    EXPECT_EQ(t[4].kind, K_IOR);
    EXPECT_EQ(t[5].kind, T_NAME);
}

TEST(SceneScanner, NumbersWithAndWithoutPointsAndExponents) {
    const Tokens t = ScanSceneTokens("-.5 +1.5 3 3. -2 12.25 1e-3 2.5E+2 <1,-2,3>");
    std::vector<double> numbers;
    for (const ScannedToken& token : t)
        if (token.kind == T_NUMBER)
            numbers.push_back(token.number);
    EXPECT_EQ(numbers, (std::vector<double>{-0.5, 1.5, 3, 3, -2, 12.25, 0.001, 250}));
}

TEST(SceneScanner, NumbersConvertExactlyAsTheGeneralConversionDoes) {
    std::mt19937 rng(7);
    std::string text;
    std::vector<std::string> written;
    for (int i = 0; i < 20000; ++i) {
        const int decimals = static_cast<int>(rng() % 18);
        const double value = std::ldexp(static_cast<double>(rng()) - 2147483648.0,
                                        static_cast<int>(rng() % 60) - 40);
        written.push_back(orv::Format("%." + std::to_string(decimals) + "f", value));
        text += written.back() + " ";
    }
    text += "<" + written[0] + "," + written[1] + "," + written[2] + ">";
    const Tokens t = ScanSceneTokens(text);
    ASSERT_EQ(t.size(), written.size() + 1);
    for (size_t i = 0; i < written.size(); ++i)
        ASSERT_EQ(t[i].number, orv::ParseDouble(written[i])) << written[i];
    EXPECT_EQ(t.back().components[2], orv::ParseDouble(written[2]));
}

TEST(SceneScanner, AVectorOfNumbersIsOneTokenWithOrWithoutCommas) {
    const Tokens t = ScanSceneTokens("<1,-2,3> < 0.498 .5\r\n 1e2 > <1-2,3.5.5> <1,2,3,4,5,6>");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].kind, T_VECTOR);
    EXPECT_EQ(t[0].components, (std::vector<double>{1, -2, 3}));
    EXPECT_EQ(t[1].components, (std::vector<double>{0.498, 0.5, 100}));
    EXPECT_EQ(t[1].line, 1);
    EXPECT_EQ(t[2].components, (std::vector<double>{1, -2, 3.5, 0.5}));
    EXPECT_EQ(t[3].components.size(), 6u);
    // anything else inside the brackets: the brackets and numbers one by one
    EXPECT_EQ(Kinds("<1, /* two */ 2>"), (std::vector<int>{'<', T_NUMBER, ',', T_NUMBER, '>'}));
    EXPECT_EQ(Kinds("<x, 1>"), (std::vector<int>{'<', T_AXIS, ',', T_NUMBER, '>'}));
    EXPECT_EQ(Kinds("2.5*x -y+(1/2)"), (std::vector<int>{T_NUMBER, '*', T_AXIS, '-', T_AXIS, '+',
                                                         '(', T_NUMBER, '/', T_NUMBER, ')'}));
}

TEST(SceneScanner, StringsAreWholeTokensOfAnyText) {
    const Tokens t = ScanSceneTokens("ttf \"arial.ttf\" \"\" \"a, b. c\" \"x\"");
    ASSERT_EQ(t.size(), 5u);
    EXPECT_EQ(t[1].kind, T_STRING);
    EXPECT_EQ(t[1].text, "arial.ttf");
    EXPECT_EQ(t[2].text, "");
    EXPECT_EQ(t[3].text, "a, b. c");
    EXPECT_EQ(t[4].text, "x");
    // a quote without its partner on the line is an error for the parser
    EXPECT_EQ(Kinds("\"open\nbox"), (std::vector<int>{T_BAD_QUOTE, T_NAME, K_BOX}));
}

TEST(SceneScanner, MarkersWinOverOrdinaryComments) {
    const Tokens t = ScanSceneTokens(
        "// box\r\n"
        "//$zoom front:$ 12.0000\r\n"
        "//$usepov3$ do not delete this line\r\n"
        "//$unknown$ sphere\r\n"
        "//$declare$ Kugel_1 \r\n"
        "/* cone\r\n cone */ torus\r\n");
    std::vector<int> kinds;
    for (const ScannedToken& token : t)
        kinds.push_back(token.kind);
    EXPECT_EQ(kinds, (std::vector<int>{T_ZOOM_FRONT, T_NUMBER, T_USEPOV3, T_DECLARE_MARKER, T_NAME,
                                       K_TORUS}));
    EXPECT_EQ(t[0].line, 2);
    EXPECT_EQ(t[4].text, "Kugel_1");
    EXPECT_EQ(t[5].line, 7);
}

TEST(SceneScanner, MarkerTextsKeepEveryByteButTheLineEnd) {
    // "Jörg Müller-Straße" in Windows-1252
    const std::string author =
        "J\xf6rg M\xfcller-Stra\xdf"
        "e";
    const std::string longText(5000, 'a');
    const Tokens t = ScanSceneTokens("//$author:$ " + author + "\r\n//$company:$ " + longText +
                                     "\n//$comment:$ first \r\n//$author:$ ");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0].kind, T_AUTHOR_TEXT);
    EXPECT_EQ(t[0].text, author);
    EXPECT_EQ(t[1].kind, T_COMPANY_TEXT);
    EXPECT_EQ(t[1].text, longText);
    EXPECT_EQ(t[2].kind, T_COMMENT_TEXT);
    EXPECT_EQ(t[2].text, " first ");
    // a marker at the very end, without a line feed
    EXPECT_EQ(t[3].kind, T_AUTHOR_TEXT);
    EXPECT_EQ(t[3].text, "");
}

TEST(SceneScanner, ACommentLineFollowedByAnEmptyLineEndsWithABreak) {
    const Tokens t = ScanSceneTokens("//$comment:$a\r\n//$comment:$b\r\n\r\n//$zoom top:$ 1.0");
    ASSERT_GE(t.size(), 2u);
    EXPECT_EQ(t[0].kind, T_COMMENT_TEXT);
    EXPECT_EQ(t[1].kind, T_COMMENT_BREAK);
    EXPECT_EQ(t[1].text, "b");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[2].line, 4);
}

TEST(SceneScanner, IncludeLinesInsideAndOutsideTheUserList) {
    const Tokens t = ScanSceneTokens(
        "#include \"my.inc\"\r\n"
        "//$user_inc begin$\r\n"
        "#include \"my.inc\"\r\n"
        "// a comment\r\n"
        "#include \"sub dir/other file.inc\"\r\n"
        "//$user_inc end$ trailing\r\n"
        "box\r\n");
    std::vector<int> kinds;
    for (const ScannedToken& token : t)
        kinds.push_back(token.kind);
    EXPECT_EQ(kinds, (std::vector<int>{T_INCLUDE_LINE, T_STRING, T_INCLUDE, T_STRING, T_INCLUDE,
                                       T_STRING, K_BOX}));
    EXPECT_EQ(t[1].text, "my.inc");
    EXPECT_EQ(t[5].text, "sub dir/other file.inc");
    EXPECT_EQ(t[6].line, 7);
    // without its end marker the list ends where the include lines end
    EXPECT_EQ(Kinds("//$user_inc begin$\n#include \"a.inc\"\nbox\n"),
              (std::vector<int>{T_INCLUDE, T_STRING, K_BOX}));
}

TEST(SceneScanner, SkippedLinesAndTheGuardOfPredefinedObjects) {
    // the rest of a guard line is skipped
    EXPECT_EQ(Kinds("#ifdef (ORVANTA_INVOKED) box\r\nbox\r\n#end sphere\r\n\r\n"
                    "//$predefined_object$ do not delete this line\r\nunion"),
              (std::vector<int>{T_GUARD_BEGIN, K_BOX, T_GUARD_END, T_PREDEFINED, T_CSG_OP}));
    EXPECT_EQ(Kinds("#version 3.7;\r\nsphere"), (std::vector<int>{K_SPHERE}));
    EXPECT_EQ(Kinds("#declare #local"), (std::vector<int>{T_DECLARE, T_DECLARE}));
}

TEST(SceneScanner, StrayBytesGoToTheOutputLogAndScanningGoesOn) {
    std::string output;
    const std::string text = std::string("box \xe4\xf6 ; ! sphere ") + '\0' + " cone";
    const Tokens t = ScanSceneTokens(text, &output);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[1].kind, ';');
    EXPECT_EQ(t[3].kind, K_CONE);
    EXPECT_EQ(output, std::string("\xe4\xf6") + '\0');
}

TEST(SceneScanner, ALastLineWithoutLineFeedEndsNormally) {
    const Tokens t = ScanSceneTokens("object {\r\n  Kugel_000\r\n}");
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[3].kind, '}');
    EXPECT_EQ(t[3].line, 3);
    EXPECT_TRUE(ScanSceneTokens("").empty());
    EXPECT_TRUE(ScanSceneTokens("// only a comment").empty());
}

}  // namespace
