// The scanner on its own: keywords against names, the multi-word keywords, numbers, strings,
// markers against ordinary comments, the include list, line numbers and stray bytes.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "document/scene_reader.h"
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
    // a one-letter name is a name (an object may be called so)
    EXPECT_EQ(t[3].kind, T_NAME);
    EXPECT_EQ(t[3].text, "x");
    EXPECT_EQ(t[4].text, "_a1:b\\c~");
    EXPECT_EQ(t[5].kind, T_PATTERN);
    EXPECT_EQ(t[5].text, "spiral1");
    EXPECT_EQ(t[6].kind, T_NAME);
    EXPECT_EQ(t[7].kind, K_CONTROL0);
}

TEST(SceneScanner, MultiWordKeywordsNeedExactlyOneBlank) {
    Tokens t = ScanSceneTokens("gradient x gradient  x map_type 5 refraction 1 ior");
    ASSERT_EQ(t.size(), 6u);
    EXPECT_EQ(t[0].kind, T_PATTERN);
    EXPECT_EQ(t[0].text, "gradient x");
    EXPECT_EQ(t[1].kind, T_NAME);
    EXPECT_EQ(t[1].text, "gradient");
    EXPECT_EQ(t[2].kind, T_NAME);
    EXPECT_EQ(t[3].kind, T_MAP_TYPE);
    EXPECT_EQ(t[3].number, 5.0);
    EXPECT_EQ(t[4].kind, K_REFRACTION);
    EXPECT_EQ(t[5].kind, K_IOR);
}

TEST(SceneScanner, NumbersWithAndWithoutPointsAndExponents) {
    const Tokens t = ScanSceneTokens("-.5 +1.5 3 3. -2 12.25 1e-3 2.5E+2 <1,-2,3>");
    std::vector<double> numbers;
    for (const ScannedToken& token : t)
        if (token.kind == T_NUMBER)
            numbers.push_back(token.number);
    EXPECT_EQ(numbers, (std::vector<double>{-0.5, 1.5, 3, 3, -2, 12.25, 0.001, 250, 1, -2, 3}));
    EXPECT_EQ(Kinds("<1,-2,3>"),
              (std::vector<int>{'<', T_NUMBER, ',', T_NUMBER, ',', T_NUMBER, '>'}));
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
}

TEST(SceneScanner, IncludeLinesCountOnlyInsideTheUserList) {
    const Tokens t = ScanSceneTokens(
        "#include \"my.inc\"\r\n"
        "//$user_inc begin$\r\n"
        "#include \"my.inc\"\r\n"
        "#include \"sub dir/other file.inc\"\r\n"
        "box\r\n"
        "//$user_inc end$ trailing\r\n"
        "box\r\n");
    std::vector<int> kinds;
    for (const ScannedToken& token : t)
        kinds.push_back(token.kind);
    EXPECT_EQ(kinds, (std::vector<int>{T_INCLUDE, T_STRING, T_INCLUDE, T_STRING, K_BOX}));
    EXPECT_EQ(t[1].text, "my.inc");
    EXPECT_EQ(t[3].text, "sub dir/other file.inc");
    EXPECT_EQ(t[4].line, 7);
}

TEST(SceneScanner, SkippedLinesAndTheGuardOfPredefinedObjects) {
    EXPECT_EQ(Kinds("#ifdef (ORVANTA_INVOKED)\r\nbox\r\n#end\r\n\r\n"
                    "//$predefined_object$ do not delete this line\r\nunion"),
              (std::vector<int>{K_BOX, T_PREDEFINED, T_CSG_OP}));
    EXPECT_EQ(Kinds("#version 3.7; sphere"), (std::vector<int>{K_SPHERE}));
    EXPECT_EQ(Kinds("#declare #local"), (std::vector<int>{T_DECLARE, T_DECLARE}));
}

TEST(SceneScanner, StrayBytesGoToTheOutputLogAndScanningGoesOn) {
    std::string output;
    const std::string text = std::string("box \xe4\xf6 ; ! sphere ") + '\0' + " cone";
    const Tokens t = ScanSceneTokens(text, &output);
    ASSERT_EQ(t.size(), 3u);
    EXPECT_EQ(t[2].kind, K_CONE);
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
