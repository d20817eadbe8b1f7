// Reading foreign and hand-written POV-Ray text: what the reader takes is taken with its true
// size and place, and everything it does not take is reported with its line; the limits of
// nesting and text length hold for hostile input.
#include <gtest/gtest.h>

#include <ostream>
#include <streambuf>

#include "model/groups/pov_csg.h"
#include "model/shapes/pov_ttf.h"
#include "model/surfaces/pov_pigment.h"
#include "tests/reader/reader_support.h"

namespace {

class HonestReadingTest : public ModelTest {};

// counts what is written to it and keeps nothing
class CountingBuffer : public std::streambuf {
  public:
    std::streamsize count = 0;

  protected:
    int_type overflow(int_type c) override {
        ++count;
        return c;
    }
    std::streamsize xsputn(const char*, std::streamsize n) override {
        count += n;
        return n;
    }
};

struct Box {
    double minX, minY, minZ, maxX, maxY, maxZ;
};

void ExpectBox(const CPovObject* o, const Box& b) {
    ASSERT_NE(o, nullptr);
    EXPECT_NEAR(o->MinX, b.minX, 1e-9) << o->Name;
    EXPECT_NEAR(o->MinY, b.minY, 1e-9) << o->Name;
    EXPECT_NEAR(o->MinZ, b.minZ, 1e-9) << o->Name;
    EXPECT_NEAR(o->MaxX, b.maxX, 1e-9) << o->Name;
    EXPECT_NEAR(o->MaxY, b.maxY, 1e-9) << o->Name;
    EXPECT_NEAR(o->MaxZ, b.maxZ, 1e-9) << o->Name;
}

std::string Written(COrvantaDoc& doc) {
    SceneText text;
    WriteSceneFile(doc, text);
    return text.Take();
}

TEST_F(HonestReadingTest, PrimitivesInPovRaysOwnFormsKeepTheirSizeAndPlaceThroughSaving) {
    const char* scene =
        "#declare S = sphere{<0,1,0>,1}\n"
        "#declare B = box{<-1,0,-1>,<1,0.5,1> translate 2.5*x}\n"
        "#declare C = cone { <0,0,0>, 1, <0,2,0>, 0 }\n"
        "#declare Y = cylinder { -y, y, 0.5 rotate 90*z }\n"
        "#declare T = torus { 2, 0.5 translate <0, -1, 0>*3 }\n"
        "#declare P = plane { -z, 4 }\n"
        "#declare U = union { object { S translate -x } object { B } scale 2 }\n";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, scene);
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    ExpectBox(Find(doc.Objects, "C"), {-1, 0, -1, 1, 2, 1});
    ExpectBox(Find(doc.Objects, "Y"), {-1, -0.5, -0.5, 1, 0.5, 0.5});
    ExpectBox(Find(doc.Objects, "T"), {-2.5, -3.5, -2.5, 2.5, -2.5, 2.5});
    // the plane's centre lies 4 along its normal
    EXPECT_EQ(Find(doc.Objects, "P")->Translation(), Vector(0, 0, -4));
    CPovObject* u = Find(doc.Objects, "U");
    ASSERT_NE(u, nullptr);
    ExpectBox(u->FirstChild, {-4, 0, -2, 0, 4, 2});
    ExpectBox(u->FirstChild->NextSibling, {3, 0, -2, 7, 1, 2});

    // saved and read again, the scene is the same
    const std::string first = Written(doc);
    COrvantaDoc again;
    const SceneReadResult second = Read(again, first);
    EXPECT_TRUE(second.problems.empty()) << ProblemText(second.problems);
    EXPECT_EQ(Written(again), first);
    EXPECT_EQ(Comparable(again), Comparable(doc));
}

TEST_F(HonestReadingTest, EverythingNotTakenIsReportedWithItsLineAndWhatHappened) {
    const char* scene =
        "#version 3.7;\n"
        "#include \"colors.inc\"\n"
        "#declare R = 2.5;\n"
        "cone { <0,0,0>, 1, <0,2,0>, 0.5 open }\n"
        "plane { y, -1 pigment { checker color White color Black scale 2 } }\n"
        "sphere { 0, 1 finish { specular 0.5 } rotate <0,0,45> scale <1,3,1> }\n"
        "#if (R > 1)\n"
        "torus { 2, 0.5 }\n"
        "#end\n"
        "#declare S = sphere { 0, 1e400 }\n"
        "object { S translate x }\n"
        "object { S }\n"
        "union { object { Nowhere } } @\n"
        "#include \"mine.inc\"\n";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, scene);
    EXPECT_EQ(ProblemText(r.problems),
              "3: Not read: the value declared as R (the modeller keeps no declared values)\n"
              "4: Approximated: the radius 0.5 of the cone's cap (the cone ends in a point)\n"
              "4: Not read: \"open\" in a cone\n"
              "5: Not read: \"scale\" in a pigment\n"
              "6: Not read: \"specular\" in a finish\n"
              "6: Approximated: the transformation of Kugel_000 shears (it scales along other "
              "axes after a rotation); the nearest scale, rotate and translate are kept\n"
              "7: Not read: the directive \"#if\" (directives are not carried out; the rest of its "
              "line is passed over and what follows is read as it stands)\n"
              "10: Number out of range: 1e400 (read as 0)\n"
              "12: Not read: a further object { S } (the scene holds each object once)\n"
              "13: Not read: object { Nowhere } in a union: the scene has no object Nowhere at "
              "its top level (an object is in one group only)\n"
              "13: Not read: the character \"@\"\n");
    // what was read is in the scene: the first instance moves S, an include is kept
    EXPECT_EQ(Count(doc.Objects), 6);
    EXPECT_EQ(Find(doc.Objects, "S")->Translation(), Vector(1, 0, 0));
    EXPECT_EQ(doc.UserIncludes(), std::vector<std::string>{"mine.inc"});
}

TEST_F(HonestReadingTest, ASyntaxErrorNamesWhatWasFoundAndDropsOnlyItsStatement) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare A = box { <0,0,0>, <1,1,1> }\n"
                                   "#declare B = sphere { <0,0,0>, 1 texture { T1 } = }\n"
                                   "#declare C = box { <0,0,0>, <1,1,1>\n"
                                   "#declare D = box { <0,0,0>, <1,1,1> }\n"
                                   "#declare E = sphere { <0,0,0>,");
    ASSERT_EQ(r.problems.size(), 3u) << ProblemText(r.problems);
    EXPECT_EQ(r.problems[0].line, 2);
    EXPECT_EQ(r.problems[0].message.rfind("Syntax error: found \"=\", expected ", 0), 0u);
    EXPECT_NE(r.problems[0].message.find(
                  "; the statement begun on line 2 is not read, reading goes on after it"),
              std::string::npos);
    // a statement that lost its closing brace ends where the next declaration begins
    EXPECT_EQ(r.problems[1].line, 4);
    EXPECT_EQ(r.problems[1].message.rfind("Syntax error: found \"#declare\"", 0), 0u);
    EXPECT_EQ(r.problems[2].message.rfind("Syntax error: found the end of the file", 0), 0u);
    EXPECT_NE(r.problems[2].message.find("the file ends inside the statement begun on line 5"),
              std::string::npos);
    EXPECT_NE(Find(doc.Objects, "A"), nullptr);
    EXPECT_EQ(Find(doc.Objects, "B"), nullptr);
    EXPECT_EQ(Find(doc.Objects, "C"), nullptr);
    EXPECT_NE(Find(doc.Objects, "D"), nullptr);
    EXPECT_EQ(Count(doc.Objects), 2);
}

TEST_F(HonestReadingTest, TextTheScannerCannotUseIsReported) {
    COrvantaDoc doc;
    SceneReadResult r = Read(doc,
                             "//$user_inc begin$\n"
                             "#include \"a.inc\"\n"
                             "/* a /* nested */ comment */\n"
                             "#declare A = sphere { <0,0,0>, 1 }\n"
                             "#declare B = sphere { <0,0,0>, 2 scale 1e-400 }\n"
                             "/* not closed\n"
                             "#declare C = sphere { <0,0,0>, 1 }\n");
    // the list without its end marker ends at the first line that is no include line
    EXPECT_EQ(ProblemText(r.problems),
              "1: Include list not closed: no \"//$user_inc end$\" follows; the list ends where "
              "its include lines end, and reading goes on\n"
              "6: Comment not closed: the text after its \"/*\" to the end of the file is not "
              "read\n");
    EXPECT_EQ(doc.UserIncludes(), std::vector<std::string>{"a.inc"});
    EXPECT_NE(Find(doc.Objects, "A"), nullptr);
    // too small for a double is 0, which is no loss worth a report
    EXPECT_EQ(Find(doc.Objects, "B")->ScaleStep(), Vector(0, 0, 0));
    EXPECT_EQ(Find(doc.Objects, "C"), nullptr);

    COrvantaDoc end;
    r = Read(end, "#declare A = sphere { <0,0,0>, 1 }\n//$user_inc begin$\n#include \"b.inc\"\n");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 2);
    EXPECT_EQ(end.UserIncludes(), std::vector<std::string>{"b.inc"});
}

TEST_F(HonestReadingTest, OneLetterWordsReadAsPovRayReadsThemAndNamesStayReadable) {
    COrvantaDoc doc;
    const SceneReadResult r =
        Read(doc,
             "#declare A = box { <0,0,0>, <1,1,1> }\n"
             "#declare x = sphere { <0,0,0>, 1 }\n"
             "#declare P = pigment { gradient  x color_map { [0 color rgb <1,0,0>] "
             "[1 color rgb <0,0,1>] } }\n"
             "#declare U = union { object { x } object { A } }\n"
             "object { U }\n");
    ASSERT_TRUE(r.problems.empty()) << ProblemText(r.problems);
    CPovObject* u = Find(doc.Objects, "U");
    ASSERT_NE(u, nullptr);
    ASSERT_EQ(u->ChildCount(), 2);
    EXPECT_EQ(u->FirstChild->Name, "x");
    EXPECT_EQ(u->FirstChild->NextSibling->Name, "A");
    ASSERT_NE(doc.Pigments, nullptr);
    EXPECT_EQ(static_cast<CPovPigment*>(doc.Pigments)->PatternName.Str(), "gradient x");

    // one-letter names come back from the writer's text
    const std::string written = Written(doc);
    COrvantaDoc again;
    EXPECT_TRUE(Read(again, written).problems.empty());
    EXPECT_EQ(Written(again), written);
}

TEST_F(HonestReadingTest, DeepNestingAndLongTextStayWithinTheirLimits) {
    // 100,000 groups, each holding the one before: read, written, dumped and freed (in linear
    // time: a quadratic walk would not end within the test's time), none deeper than the limit,
    // every refused level reported
    constexpr int kLevels = 100000;
    std::string text = "#declare G0 = sphere { <0,0,0>, 1 }\n";
    for (int i = 1; i <= kLevels; ++i)
        text += orv::Format("#declare G%d = union { object { G%d } translate <0.001,0,0> }\n", i,
                            i - 1);
    text += "#declare T = text { ttf \"\" \"" + std::string(10'000'000, 'a') + "\" 1, 0 }\n";
    {
        COrvantaDoc doc;
        const SceneReadResult r = Read(doc, text);
        // a group of the limit's depth cannot go into another: every 25th reference
        ASSERT_EQ(r.problems.size(), static_cast<size_t>(kLevels / (kMaxGroupDepth + 1) + 1));
        EXPECT_EQ(r.problems.back().message,
                  "Text cut to 1000 characters: the 9999000 after them are not read");
        EXPECT_EQ(static_cast<CPovTTF*>(Find(doc.Objects, "T"))->Text.size(), 1000u);
        int deepest = 0;
        for (const CPovObject* o = doc.Objects; o; o = o->NextSibling) {
            int depth = 0;
            for (const CPovObject* c = o; c->FirstChild; c = c->FirstChild)
                ++depth;
            deepest = std::max(deepest, depth);
        }
        EXPECT_EQ(deepest, kMaxGroupDepth);

        EXPECT_GT(Written(doc).size(), text.size() / 2);
        CountingBuffer counted;
        std::ostream json(&counted);
        WriteDocumentJson(json, doc);
        // every object of every level, with an indentation no deeper than the limit
        EXPECT_GT(counted.count, 100'000 * 2'000);
        EXPECT_LT(counted.count, 100'000 * 5'000);
    }
}

}  // namespace
