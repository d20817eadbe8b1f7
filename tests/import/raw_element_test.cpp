// Raw elements in the modeller's own files: an imported scene saved, opened and saved again
// gives the same file, and the kept text is written back byte for byte.
#include <gtest/gtest.h>

#include <fstream>

#include "document/orvanta_doc.h"
#include "import/scene_importer.h"
#include "model/raw/pov_raw.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"

namespace {

class RawElement : public ModelTest {
  protected:
    std::string dir;
    void SetUp() override {
        ModelTest::SetUp();
        dir = MakeTempFolder();
    }
    void TearDown() override {
        RemoveTree(dir);
        ModelTest::TearDown();
    }
};

const char* const kScene = R"(#version 3.7;
global_settings { assumed_gamma 1.0 max_trace_level 8 }
camera { location <0, 2, -6> look_at 0 angle 40 }
#declare Glassy = texture { pigment { rgbt <1, 1, 1, 0.8> } finish { specular 0.6 roughness 0.01 } }
isosurface { function { x * x + y * y + z * z - 1 } contained_by { box { -1.2, 1.2 } }
             texture { Glassy } translate <2, 0, 0> }
difference {
  box { -1, 1 }
  superellipsoid { <0.3, 0.3> scale 1.1 }
  prism { linear_spline 0, 2, 4, <0, 0>, <1, 0>, <0, 1>, <0, 0> }
  rotate 30 * y
}
mesh { triangle { <0, 0, 0>, <1, 0, 0>, <0, 1, 0> } translate -2 * x }
sphere { 0, 0.5 interior { ior 1.5 } }
)";

TEST_F(RawElement, ImportSaveOpenSaveGivesTheSameFile) {
    const std::string original = dir + "/scene.pov";
    std::ofstream(original) << kScene;
    COrvantaDoc imported;
    const ImportReport report = ImportPovScene(original, imported);
    ASSERT_GT(report.Count(ImportReportEntry::Outcome::Raw), 4u) << report.Text();
    const std::string first = dir + "/first.om";
    ASSERT_TRUE(imported.OnSaveDocument(first).ok);

    COrvantaDoc reopened;
    const SceneReadResult read = reopened.OnOpenDocument(first);
    ASSERT_TRUE(read.ok) << read.error;
    for (const ReadProblem& p : read.problems) {
        ADD_FAILURE() << p.line << ": " << p.message;
    }
    const std::string second = dir + "/second.om";
    ASSERT_TRUE(reopened.OnSaveDocument(second).ok);
    EXPECT_EQ(ReadFile(first), ReadFile(second));

    // the kept text stands in the file as the importer wrote it, and the group kept its
    // members that stayed text
    const CPovRaw* isosurface = nullptr;
    const CPovObject* group = nullptr;
    for (const CPovObject* o = reopened.Objects; o; o = o->NextSibling) {
        if (o->GetType() == kKindRaw && static_cast<const CPovRaw*>(o)->Keyword == "isosurface") {
            isosurface = static_cast<const CPovRaw*>(o);
        }
        if (o->GetType() == kKindCSG) {
            group = o;
        }
    }
    ASSERT_NE(isosurface, nullptr);
    EXPECT_TRUE(isosurface->Movable);
    EXPECT_TRUE(isosurface->HasBounds);
    EXPECT_NE(isosurface->Text.find("function { x * x + y * y + z * z - 1 }"), std::string::npos);
    EXPECT_NE(ReadFile(first).find(isosurface->Text), std::string::npos);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->ChildCount(), 3);
    EXPECT_EQ(group->FirstChild->GetType(), kKindCubic);
    EXPECT_EQ(group->FirstChild->NextSibling->GetType(), kKindRaw);
}

TEST_F(RawElement, MovesAsAWholeAndOlderTextStaysReadable) {
    CPovRaw raw;
    raw.Keyword = "isosurface";
    raw.Text = "isosurface { function { x } }\r\n";
    raw.Movable = true;
    raw.HasBounds = true;
    raw.BoundsMin = Point3(-1, -1, -1);
    raw.BoundsMax = Point3(1, 1, 1);
    raw.UpdateGeometry();
    FakeSceneHost host;
    CurrentDocument = &host;
    raw.SetDocument(&host);
    FakeViewPort front(kFrontView);
    raw.Select(front);
    raw.MoveBy(2.0, 0.5, front);
    EXPECT_DOUBLE_EQ(raw.MinX, 1.0);
    EXPECT_DOUBLE_EQ(raw.MaxY, 1.5);
    SceneText out;
    raw.WriteScene(out);
    EXPECT_NE(
        out.Text().find("isosurface { function { x } }\r\n  translate <2.0000,0.5000,0.0000>"),
        std::string::npos)
        << out.Text();
    // text between changed markers is kept whole, not lost
    CPovRaw back;
    EXPECT_TRUE(back.ReadMarked(" object:$ Pov_000 isosurface 2 0.5 0",
                                "#declare Pov_000 = object {\r\n"
                                "isosurface { function { x } }\r\n"
                                "  translate <2,0.5,0>\r\n}\r\n"));
    EXPECT_EQ(back.Text, "isosurface { function { x } }\r\n");
    EXPECT_FALSE(back.ReadMarked(" object:$ Pov_000 isosurface 2 0.5 0", "edited by hand\r\n"));
}

}  // namespace
