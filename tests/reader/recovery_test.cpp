// Reads that meet errors: what stays, what is reported and where, and the file commands that
// open scenes, load objects and write the logs.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "document/atomic_file.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "tests/reader/reader_support.h"

namespace {

class RecoveryTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvanta_reader_" + std::to_string(::getpid()) + "_" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::filesystem::remove_all(folder_);
        ModelTest::TearDown();
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    std::string Save(const std::string& name, const std::string& text) const {
        WriteFileAtomically(Path(name), text);
        return Path(name);
    }
    static std::string Contents(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path folder_;
};

const char kThreeBoxes[] =
    "#declare A = box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n}\r\n"
    "#declare B = box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n}\r\n"
    "#declare C = box {\r\n  <-0.5,-0.5,-0.5,>\r\n  <0.5,0.5,0.5>\r\n}\r\n"  // line 10
    "#declare D = box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n}\r\n";

TEST_F(RecoveryTest, ASyntaxErrorInTheThirdDeclarationKeepsTheFirstTwoAndReportsTheLine) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, kThreeBoxes);
    ASSERT_EQ(r.problems.size(), 1u) << ProblemText(r.problems);
    EXPECT_EQ(r.problems[0].line, 10);
    // what was found and expected, and what happens next
    EXPECT_EQ(r.problems[0].message,
              "Syntax error: found \">\", expected a number, a vector, an axis (x, y or z) or "
              "one of 4 others; the statement begun on line 9 is not read, reading goes on "
              "after it");
    ASSERT_NE(Find(doc.Objects, "A"), nullptr);
    ASSERT_NE(Find(doc.Objects, "B"), nullptr);
    // the broken declaration is not kept half read; reading goes on after it
    EXPECT_EQ(Find(doc.Objects, "C"), nullptr);
    EXPECT_NE(Find(doc.Objects, "D"), nullptr);
    EXPECT_EQ(Count(doc.Objects), 3);
}

TEST_F(RecoveryTest, AGroupThatBreaksHandsItsMembersBackToTheScene) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare A = box { <0,0,0> <1,1,1> }\r\n"
                                   "#declare B = box { <0,0,0> <1,1,1> }\r\n"
                                   "#declare U = union { object { A } object { B } = }\r\n"
                                   "#declare V = union { object { A } object { A } }\r\n");
    ASSERT_EQ(r.problems.size(), 2u) << ProblemText(r.problems);
    EXPECT_EQ(r.problems[0].message.rfind("Syntax error: found \"=\"", 0), 0u);
    // the second reference finds A in V already
    EXPECT_EQ(r.problems[1].line, 4);
    EXPECT_EQ(Find(doc.Objects, "U"), nullptr);
    CPovObject* v = Find(doc.Objects, "V");
    ASSERT_NE(v, nullptr);
    ASSERT_EQ(v->ChildCount(), 1);
    EXPECT_EQ(v->FirstChild->Name, "A");
    EXPECT_NE(Find(doc.Objects, "B"), nullptr);
    EXPECT_EQ(Find(doc.Objects, "B")->Parent, nullptr);
}

TEST_F(RecoveryTest, ABrokenCameraLeavesTheScenesCameraAsItWas) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "camera { location <0,0,-4> look_at <0,0,0> }\r\n"
                                   "camera { location <0,0,-9> look_at }\r\n");
    EXPECT_EQ(r.problems.size(), 1u);
    ASSERT_EQ(Count(doc.Objects), 1);
    EXPECT_EQ(doc.Camera, doc.Objects);
    EXPECT_EQ(doc.Camera->Translation().Z, -4.0);
}

TEST_F(RecoveryTest, AFileThatEndsInsideADeclarationReportsItsLastLine) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "#declare A = box { <0,0,0> <1,1,1> }\r\n"
                                   "#declare B = sphere {\r\n  <0,0,0>, 1\r\n  scale <2,2,2>\r\n");
    ASSERT_EQ(r.problems.size(), 1u);
    EXPECT_EQ(r.problems[0].line, 4);
    EXPECT_EQ(Count(doc.Objects), 1);
}

TEST_F(RecoveryTest, NestingBeyondTheParserStackEndsTheReadWithWhatWasBuilt) {
    std::string text =
        "#declare A = box { <0,0,0> <1,1,1> }\r\n#declare B = box { <0,0,0> <1,1,1> ";
    for (int i = 0; i < 200; ++i)
        text += "texture { ";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, text);
    ASSERT_FALSE(r.problems.empty());
    EXPECT_EQ(r.problems.back().message,
              "Parser stack overflow: the text nests too deeply; reading stops here and the "
              "rest of the file is not read");
    EXPECT_EQ(Count(doc.Objects), 1);
}

TEST_F(RecoveryTest, GarbageNeverEndsTheProcess) {
    std::string text;
    for (int i = 0; i < 4096; ++i)
        text += static_cast<char>((i * 7919) % 256);
    text += "\r\n#declare Z = box { <0,0,0> <1,1,1> }\r\n";
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc, text);
    EXPECT_FALSE(r.problems.empty());
    EXPECT_FALSE(r.output.empty());
    EXPECT_NE(Find(doc.Objects, "Z"), nullptr);
}

// ---------------------------------------------------------------------------------------------
// file commands

TEST_F(RecoveryTest, OpeningResetsTheAuthorDataAndWritesTheLogs) {
    const std::string path = Save("scene.om", std::string(kThreeBoxes) + "\xe4\r\n");
    COrvantaDoc doc;
    doc.Author() = "old";
    doc.Comment() = "old";
    doc.ShowInfos() = true;
    SceneReadOptions options;
    options.logFolder = folder_.string();
    const SceneReadResult r = doc.OnOpenDocument(path, options);
    EXPECT_TRUE(r.ok);
    EXPECT_EQ(doc.Author(), "");
    EXPECT_EQ(doc.Comment(), "");
    EXPECT_FALSE(doc.ShowInfos());
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(CurrentDocument, &doc);
    EXPECT_FALSE(LoadingScene);
    EXPECT_EQ(Contents(Path("error.txt")), ErrorLogText(r.problems));
    EXPECT_EQ(r.problems.back().line, 17);
    EXPECT_EQ(r.problems.back().message,
              "Not read: the byte 228, which is no character of the scene language");
    EXPECT_EQ(Contents(Path("out.txt")), "\xe4");
}

TEST_F(RecoveryTest, OpeningAMissingFileFailsAndReadsNothing) {
    COrvantaDoc doc;
    const SceneReadResult r = doc.OnOpenDocument(Path("missing.om"));
    EXPECT_FALSE(r.ok);
    EXPECT_FALSE(r.error.empty());
    EXPECT_FALSE(LoadingScene);
}

TEST_F(RecoveryTest, LoadingPlacesOnlyTheNewestObjectAndKeepsTheSettingsMarkersOverwrite) {
    const std::string path = Save("objects.om",
                                  "//$author:$ New\r\n"
                                  "#declare A = box { <0,0,0> <1,1,1> translate <5,5,5> }\r\n"
                                  "#declare B = box { <0,0,0> <1,1,1> translate <7,7,7> }\r\n");
    COrvantaDoc doc;
    doc.Author() = "Old";
    doc.Comment() = "kept";
    auto* existing = new CPovCubic();
    doc.InsertObject(existing);
    FakeViewPort view(kFrontView);
    view.centre = Vector(1, 2, 0);
    doc.AddView(&view);
    const SceneReadResult r = doc.LoadObjectsFromFile(path);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.problems.empty());
    EXPECT_EQ(doc.Author(), "New");
    EXPECT_EQ(doc.Comment(), "kept");
    ASSERT_EQ(Count(doc.Objects), 3);
    EXPECT_EQ(doc.Objects->Name, "B");
    EXPECT_EQ(doc.Objects->Translation().X, 1.0);
    EXPECT_TRUE(doc.Objects->IsSelected());
    // the box from <0,0,0> to <1,1,1>, moved by 5
    EXPECT_EQ(Find(doc.Objects, "A")->Translation().X, 5.5);
    EXPECT_EQ(Nth(doc.Objects, 2), existing);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(LoadingScene);
}

TEST_F(RecoveryTest, AFileOfMarkersOnlyLeavesTheDocumentEmpty) {
    const std::string path =
        Save("markers.om",
             "//$author:$ A\r\n//$company:$ C\r\n//$comment:$x\r\n"
             "//$zoom front:$ 7.0000\r\n//$usepov3$ do not delete this line\r\n");
    COrvantaDoc doc;
    const SceneReadResult r = doc.OnOpenDocument(path);
    EXPECT_TRUE(r.ok);
    EXPECT_TRUE(r.problems.empty());
    EXPECT_EQ(doc.Objects, nullptr);
    EXPECT_EQ(doc.Company(), "C");
    EXPECT_EQ(doc.ZoomFront, 7);
    EXPECT_EQ(doc.Pov3(), 1);
}

TEST_F(RecoveryTest, TextForPovRay37WithoutItsEndIsReportedAtTheEnd) {
    COrvantaDoc doc;
    const SceneReadResult r = Read(doc,
                                   "//$usepov37$ do not delete this line\r\n"
                                   "#declare Kugel_000 = sphere {\r\n  <0,0,0>, 1\r\n"
                                   "  //$pov37 begin$\r\n  pigment { color rgb 1 }\r\n");
    EXPECT_EQ(doc.Pov3(), kPovLevel37);
    // the open block is named at its line; the statement it cut short is reported too
    ASSERT_FALSE(r.problems.empty());
    const auto named = std::find_if(r.problems.begin(), r.problems.end(), [](const auto& p) {
        return p.message.find("pov37 end") != std::string::npos;
    });
    ASSERT_NE(named, r.problems.end());
    EXPECT_EQ(named->line, 4);
}

}  // namespace
