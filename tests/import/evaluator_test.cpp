// The scene-language front end: expression and directive semantics against POV-Ray's own
// output, the evaluated statements, the text written back, and the limits on runaway input.
#include <gtest/gtest.h>

#include <charconv>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <random>

#include "import/pov_evaluator.h"
#include "import/pov_lexer.h"
#include "import/pov_text_writer.h"
#include "tests/support/cli_runner.h"

namespace {

pov::EvaluatorOptions Options() {
    pov::EvaluatorOptions o;
    const std::string installed = pov::InstalledIncludeFolder();
    if (!installed.empty()) {
        o.includeFolders.push_back(installed);
    }
    return o;
}

pov::EvaluatedScene Evaluate(const std::string& text, pov::EvaluatorOptions o = Options()) {
    return pov::EvaluateText(text, "test.pov", std::filesystem::temp_directory_path().string(), o);
}

std::string Problems(const pov::EvaluatedScene& s) {
    std::string out;
    for (const pov::Problem& p : s.problems) {
        out += std::to_string(p.loc.line) + ": " + p.message + "\n";
    }
    return out;
}

// all statements written back as scene text, with the declarations they need
std::string WriteBack(const pov::EvaluatedScene& s) {
    pov::TextWriter writer(s);
    std::string out;
    for (const std::string& inc : s.installedIncludes) {
        out += "#include \"" + inc + "\"\r\n";
    }
    for (const pov::Statement& st : s.statements) {
        if (st.kind != pov::Statement::Kind::Block) {
            continue;
        }
        std::string declarations, text;
        writer.Write(*st.block, declarations, text);
        out += declarations + text;
    }
    return out;
}

// The expected text is what POV-Ray 3.7 printed for the same scene (its #debug stream).
TEST(Evaluator, ExpressionsAndDirectivesGiveWhatPovRayGives) {
    const std::string folder = std::string(ORVANTA_TEST_DATA_DIR) + "/import/";
    pov::EvaluatedScene s = pov::EvaluateFile(folder + "semantics.pov", Options());
    EXPECT_EQ(Problems(s), "");
    EXPECT_EQ(s.debugText, ReadFile(folder + "semantics.expected"));
    ASSERT_EQ(s.statements.size(), 2u);
    EXPECT_EQ(s.statements[0].kind, pov::Statement::Kind::Version);
    EXPECT_DOUBLE_EQ(s.statements[0].version, 3.7);
}

TEST(Evaluator, StatementsCarryTheirEvaluatedValues) {
    pov::EvaluatedScene s = Evaluate(R"(
#declare Count = 4;
#declare Hole = box { -0.5, <0.5, 2, 0.5> }
#for (I, 0, Count - 1)
  sphere { <I * 2, 0, 0>, 0.5 + I / 10 pigment { rgb <1, I / Count, 0> } }
#end
difference {
  cylinder { 0, y, 1 }
  object { Hole translate -x }
  /* a comment /* nested */ still a comment */
}
)");
    EXPECT_EQ(Problems(s), "");
    ASSERT_EQ(s.statements.size(), 5u);
    for (int i = 0; i < 4; ++i) {
        const pov::Block& b = *s.statements[static_cast<size_t>(i)].block;
        ASSERT_EQ(b.keyword, "sphere");
        ASSERT_GE(b.items.size(), 4u);
        EXPECT_EQ(b.items[0].value.kind, pov::Value::Kind::Vector);
        EXPECT_DOUBLE_EQ(b.items[0].value.v[0], i * 2.0);
        EXPECT_DOUBLE_EQ(b.items[2].value.v[0], 0.5 + i / 10.0);
        EXPECT_EQ(b.loc.line, 5u);
        const pov::Block& pigment = *b.items[3].value.block;
        EXPECT_EQ(pigment.keyword, "pigment");
        EXPECT_EQ(pigment.items[0].value.kind, pov::Value::Kind::Color);
        EXPECT_DOUBLE_EQ(pigment.items[0].value.v[1], i / 4.0);
    }
    const pov::Block& diff = *s.statements[4].block;
    EXPECT_EQ(diff.keyword, "difference");
    ASSERT_EQ(diff.items.size(), 2u);
    const pov::Block& object = *diff.items[1].value.block;
    ASSERT_EQ(object.items[0].kind, pov::Item::Kind::Reference);
    EXPECT_EQ(object.items[0].value.text, "Hole");
    EXPECT_EQ(object.items[0].value.block->keyword, "box");
    EXPECT_EQ(s.declarations.at(object.items[0].value.block.get()).name, "Hole");
}

TEST(Evaluator, NumbersReadAsTheNearestDouble) {
    // digits of every length around the short form's limit, points anywhere, exponents
    std::mt19937_64 random(19);
    for (int i = 0; i < 20000; ++i) {
        std::string text;
        const int digits = 1 + static_cast<int>(random() % 19);
        const int point = static_cast<int>(random() % (digits + 2)) - 1;
        for (int d = 0; d < digits; ++d) {
            text += d == point ? "." : "";
            text += static_cast<char>('0' + random() % 10);
        }
        text += point == digits ? "." : "";
        if (random() % 8 == 0) {
            text += "e-" + std::to_string(random() % 30);
        }
        pov::Lexer lexer(text);
        const pov::Token t = lexer.Next();
        const std::string full = text[0] == '.' ? "0" + text : text;
        double expected = 0.0;
        std::from_chars(full.data(), full.data() + full.size(), expected);
        ASSERT_EQ(t.kind, pov::Token::Kind::Number) << text;
        ASSERT_EQ(t.number, expected) << text;
    }
}

TEST(Evaluator, InstalledIncludeFilesResolve) {
    if (pov::InstalledIncludeFolder().empty()) {
        GTEST_SKIP() << "POV-Ray's include files are not installed";
    }
    pov::EvaluatedScene s = Evaluate(R"(
#version 3.7;
#include "colors.inc"
#include "textures.inc"
#include "stones.inc"
sphere { 0, 1 pigment { Red } finish { Shiny } }
box { 0, 1 texture { T_Stone1 } texture { Jade } }
)");
    EXPECT_EQ(Problems(s), "");
    ASSERT_EQ(s.installedIncludes.size(), 3u);
    EXPECT_EQ(s.installedIncludes[0], "colors.inc");
    const std::string text = WriteBack(s);
    // a colour is put in as its value; textures and finishes keep their names, since the
    // include files that declare them are read again with the written scene
    EXPECT_NE(text.find("pigment { color rgbft <1,0,0,0,0> }"), std::string::npos) << text;
    EXPECT_NE(text.find("finish { Shiny }"), std::string::npos) << text;
    EXPECT_NE(text.find("texture { T_Stone1 }"), std::string::npos) << text;
    EXPECT_EQ(text.find("#declare"), std::string::npos) << text;
}

// Writing the evaluated statements back and evaluating that text again changes nothing: the
// written text keeps every value and declares what it refers to.
TEST(Evaluator, WrittenTextEvaluatesToTheSameText) {
    const char* scenes[] = {
        R"(
#declare Tex = texture { pigment { checker rgb 1, rgb <0.2, 0.3, 1> scale 0.25 } finish { phong 0.5 } }
#declare Ring = torus { 1, 0.25 texture { Tex } }
#declare Layered = texture { Tex } texture { pigment { rgbt <1, 0, 0, 0.5> } }
#macro Row(N) union { #for (I, 1, N) object { Ring translate I * x } #end } #end
object { Row(3) rotate <10, 20, 30> }
#declare Tex = texture { pigment { rgb 0.5 } }
sphere { <0, 1, 0>, 1 texture { Tex } }
box { -1, 1 texture { Layered } }
isosurface { function { x * x + y * y + z * z - 1 } contained_by { box { -2, 2 } } }
text { ttf "timrom.ttf" "Quote \"\\\" here" 0.1, 0 }
polygon { 5, <0,0>, <1,0>, <1,1>, <0,1>, <0,0> matrix <1,0,0, 0.5,1,0, 0,0,1, 0,0,0> }
light_source { <10, 10, -10> color red 1 green 0.5 spotlight point_at 0 }
)",
        R"(
#declare P = pigment { gradient y color_map { [0 rgb 0] [0.5, 1 rgb 1 rgb <1,0,0>] } }
#declare Prism = prism { linear_spline 0, 1, 4, <0,0>, <1,0>, <0,1>, <0,0> pigment { P } }
object { Prism scale 2 } object { Prism translate 5 * z }
#declare F = function(a) { a * 2 }
plane { y, F(1.5) pigment { P } }
)"};
    for (const char* scene : scenes) {
        pov::EvaluatedScene first = Evaluate(scene);
        EXPECT_EQ(Problems(first), "") << scene;
        const std::string once = WriteBack(first);
        pov::EvaluatedScene second = Evaluate(once);
        EXPECT_EQ(Problems(second), "") << once;
        EXPECT_EQ(WriteBack(second), once);
    }
}

TEST(Evaluator, RunawayInputStopsWithAProblem) {
    pov::EvaluatorOptions o = Options();
    o.limits.loopIterations = 10000;
    o.limits.nesting = 50;
    o.limits.blockDepth = 100;
    struct Case {
        std::string text;
        std::string message;
    };
    const std::string deep(5000, '(');
    const std::string deepBlocks = [] {
        std::string s;
        for (int i = 0; i < 5000; ++i) {
            s += "union { ";
        }
        return s;
    }();
    const Case cases[] = {
        {"#while (1) #end sphere { 0, 1 }", "loops ran more than 10000 times"},
        {"#declare I = 0; #while (I < 1) #declare J = 0; #end", "runaway loop"},
        {"#macro M() M() #end M()", "macros nested more than 50 deep"},
        {"#declare A = " + deep + "1;", "nested too deeply"},
        {deepBlocks, "nested more than 100 deep"},
    };
    for (const Case& c : cases) {
        const auto start = std::chrono::steady_clock::now();
        pov::EvaluatedScene s = Evaluate(c.text, o);
        EXPECT_TRUE(s.stopped) << c.text.substr(0, 60);
        EXPECT_NE(Problems(s).find(c.message), std::string::npos) << Problems(s);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    }
    // input that ends too early is reported, and what came before is kept
    pov::EvaluatedScene open = Evaluate("sphere { 0, 1 }\nbox { 0, 1 /* not closed", o);
    EXPECT_NE(Problems(open).find("not closed"), std::string::npos) << Problems(open);
    EXPECT_NE(Problems(open).find("'}' missing for box"), std::string::npos) << Problems(open);
    ASSERT_GE(open.statements.size(), 1u);
    EXPECT_EQ(open.statements[0].block->keyword, "sphere");
    // an include file that includes itself stops at POV-Ray's include depth
    const std::string folder = MakeTempFolder();
    std::ofstream(folder + "/self.inc") << "#include \"self.inc\"\nsphere { 0, 1 }\n";
    pov::EvaluatedScene self = pov::EvaluateText("#include \"self.inc\"", "s.pov", folder, o);
    EXPECT_NE(Problems(self).find("nested too deeply"), std::string::npos) << Problems(self);
    EXPECT_EQ(self.statements.size(), 10u);
    RemoveTree(folder);
}

}  // namespace
