// The mapping of each kind to the modeller's objects, judged by POV-Ray: the imported and
// saved scene must render as the original does; and a randomised check of many transforms.
// They render with POV-Ray, so the default test run leaves them out (label import_renders).
#include <gtest/gtest.h>

#include <fstream>
#include <random>

#include "document/orvanta_doc.h"
#include "import/scene_importer.h"
#include "model/pov_object.h"
#include "model/text_format.h"
#include "tests/import_renders/render_compare.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"

namespace {

const char* const kHeader = R"(#version 3.7;
global_settings { assumed_gamma 1.0 }
camera { location <0, 3, -8> look_at <0, 0.5, 0> }
light_source { <5, 10, -10> color rgb 1 }
background { color rgb <0.2, 0.3, 0.4> }
)";

class ImportMapping : public ModelTest {
  protected:
    std::string dir;
    void SetUp() override {
        ModelTest::SetUp();
        if (!HavePovRay()) {
            GTEST_SKIP() << "povray is not installed: render comparisons skipped";
        }
        dir = MakeTempFolder();
        // a grey ramp for height fields
        std::ofstream hf(dir + "/hf.ppm", std::ios::binary);
        hf << "P6\n16 16\n255\n";
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                const char v = static_cast<char>((x + y) * 8);
                hf.put(v).put(v).put(v);
            }
        }
    }
    void TearDown() override {
        if (!dir.empty() && !HasFailure()) {
            RemoveTree(dir);
        }
        ModelTest::TearDown();
    }

    // Imports the scene, saves it and renders both; returns the share of differing pixels.
    double ImportAndCompare(const std::string& name, const std::string& body,
                            ImportReport* reportOut = nullptr, COrvantaDoc* docOut = nullptr) {
        const std::string original = dir + "/" + name + ".pov";
        std::ofstream(original) << kHeader << body;
        COrvantaDoc local;
        COrvantaDoc& doc = docOut ? *docOut : local;
        ImportReport report = ImportPovScene(original, doc);
        const std::string saved = dir + "/" + name + "_imported.pov";
        EXPECT_TRUE(doc.OnSaveDocument(saved).ok);
        std::string log;
        EXPECT_TRUE(RenderPpm(original, original + ".ppm", 80, 60, &log)) << log;
        EXPECT_TRUE(RenderPpm(saved, saved + ".ppm", 80, 60, &log)) << log;
        if (reportOut) {
            *reportOut = report;
        }
        return DifferingShare(original + ".ppm", saved + ".ppm");
    }
};

// the kinds of the document's top-level objects
std::vector<int> Kinds(const COrvantaDoc& doc) {
    std::vector<int> kinds;
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        kinds.push_back(o->GetType());
    }
    return kinds;
}

TEST_F(ImportMapping, EachKindBecomesEditableAndRendersTheSame) {
    struct Case {
        const char* name;
        const char* text;
        int kind;
    };
    const Case cases[] = {
        {"sphere", "sphere { <0.5, 1, 0>, 1.5 pigment { rgb <1, 0.2, 0.1> } }", kKindSphere},
        {"box", "box { <-1, 0, -1>, <1, 0.5, 1> translate 2.5 * x pigment { rgb 1 } }", kKindCubic},
        {"cone", "cone { <0, 0, 0>, 1, <0, 2, 1>, 0 pigment { rgb <0, 1, 0> } }", kKindCone},
        {"cylinder", "cylinder { <-1, 0, 0>, <1, 1, 0>, 0.5 pigment { rgb <0, 0, 1> } }",
         kKindCylinder},
        {"torus", "torus { 1.2, 0.3 rotate 30 * x translate y pigment { rgb 1 } }", kKindTorus},
        {"plane", "plane { <0.2, 1, 0.1>, -0.5 pigment { checker rgb 1, rgb 0 scale 0.5 } }",
         kKindPlane},
        {"polygon", "polygon { 4, <0, 0>, <1, 0>, <1, 1>, <0, 1> rotate -60 * x scale 2 }",
         kKindPolygon},
        {"lathe", "lathe { linear_spline 4, <0, 0>, <1, 0.5>, <0.5, 1>, <0, 1.5> scale 1.5 }",
         kKindLathe},
        {"triangle", "triangle { <0, 0, 0>, <1, 2, 0>, <2, 0, 1> rotate 10 * y translate -x }",
         kKindTriangle},
        {"smooth_triangle",
         "smooth_triangle { <0, 0, 0>, <0, 0, -1>, <1, 2, 0>, <0, 1, -1>, <2, 0, 1>, <1, 0, -1> "
         "scale 1.5 }",
         kKindTriangle},
        {"text", "text { ttf \"timrom.ttf\" \"Ab\" 0.2, 0 scale 2 translate -x }", kKindPolygon},
        {"blob",
         "blob { threshold 0.6 sphere { <-0.5, 0, 0>, 1, 1 } sphere { <0.6, 0.5, 0>, 0.8, "
         "strength 1 } pigment { rgb 1 } }",
         kKindBlob},
        {"difference", "difference { box { -1, 1 } sphere { 0, 1.3 } rotate 20 * y }", kKindCSG},
        {"union",
         "#declare Part = union { sphere { 0, 0.5 } box { 0, 1 } pigment { rgb <1, 1, 0> } }\n"
         "object { Part translate -x } object { Part rotate 45 * y translate x }",
         kKindCSG},
        {"intersection", "intersection { sphere { 0, 1 } cylinder { -2 * y, 2 * y, 0.7 } }",
         kKindCSG},
        {"spotlight",
         "light_source { <0, 5, -2> color rgb <1, 0.8, 0.6> spotlight point_at 0 radius 15 "
         "falloff 25 }\nplane { y, 0 pigment { rgb 1 } }",
         kKindLightSpot},
        {"sky_sphere",
         "sky_sphere { pigment { gradient y color_map { [0 rgb <1, 1, 1>] [1 rgb <0, 0, 1>] } "
         "} }",
         kKindSkySphere},
        {"fog", "fog { distance 6 color rgb <0.5, 0.5, 0.6> }\nsphere { 0, 1 pigment { rgb 1 } }",
         kKindFog},
        {"height_field",
         "height_field { ppm \"hf.ppm\" smooth scale <3, 1, 3> translate -1.5 * x }",
         kKindHeightField},
    };
    for (const Case& c : cases) {
        COrvantaDoc doc;
        ImportReport report;
        const double differing = ImportAndCompare(c.name, c.text, &report, &doc);
        EXPECT_LT(differing, 0.01) << c.name << "\n" << report.Text();
        const std::vector<int> kinds = Kinds(doc);
        EXPECT_NE(std::find(kinds.begin(), kinds.end(), c.kind), kinds.end()) << c.name << "\n"
                                                                              << report.Text();
        // everything came in as editable objects
        EXPECT_EQ(report.Count(ImportReportEntry::Outcome::Raw), 1u)  // the global settings
            << c.name << "\n"
            << report.Text();
        EXPECT_EQ(report.editableShapes, report.shapes) << c.name << "\n" << report.Text();
    }
}

// Shapes with random chains of scales (uneven and mirrored), rotations and translations, and
// a patterned texture that has to follow them.
TEST_F(ImportMapping, RandomTransformsRenderTheSame) {
    const char* cases = std::getenv("ORVANTA_IMPORT_RANDOM_CASES");
    const int count = cases ? std::atoi(cases) : 3;
    std::mt19937 random(20261208);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    auto number = [&](double scale) { return orv::Format("%.3f", unit(random) * scale); };
    const char* const shapes[] = {"sphere { 0, 0.6 }", "box { -0.5, <0.5, 0.3, 0.4> }",
                                  "cylinder { -0.5 * y, 0.5 * y, 0.4 }",
                                  "cone { 0, 0.5, 0.8 * y, 0 }", "torus { 0.5, 0.15 }"};
    size_t editable = 0, total = 0;
    for (int scene = 0; scene < count; ++scene) {
        std::string body;
        for (int i = 0; i < 6; ++i) {
            body += shapes[random() % 5];
            body.insert(body.size() - 1, " ");
            std::string mods;
            const int steps = 2 + static_cast<int>(random() % 4);
            // the texture stands somewhere in the chain: what follows it moves it too
            const int texturedAt = static_cast<int>(random() % static_cast<unsigned>(steps));
            bool textured = false;
            for (int s = 0; s < steps; ++s) {
                switch (s == texturedAt ? 2 : random() % 4) {
                    case 0:
                        mods += " scale <" + number(0.5) + " + 1.2, 1 + " + number(0.3) + ", " +
                                (random() % 4 == 0 ? "-1" : "1") + ">";
                        break;
                    case 1:
                        mods +=
                            " rotate <" + number(90) + ", " + number(90) + ", " + number(90) + ">";
                        break;
                    case 2:
                        if (!textured) {
                            mods +=
                                " pigment { checker rgb <1, 0.3, 0.2>, rgb <0.2, 0.3, 1> scale " +
                                number(0.1) + " + 0.3 rotate " + number(45) + " * y }";
                            textured = true;
                        }
                        break;
                    default:
                        mods +=
                            " translate <" + number(2) + ", " + number(1) + ", " + number(2) + ">";
                }
            }
            body.insert(body.size() - 1,
                        mods + " translate <" + number(2.5) + ", 0.5, " + number(1.5) + "> ");
            body += "\n";
        }
        ImportReport report;
        const double differing = ImportAndCompare("random" + std::to_string(scene), body, &report);
        EXPECT_LT(differing, 0.003) << body << report.Text();
        editable += report.editableShapes;
        total += report.shapes;
    }
    // shears (a non-uniform scale after a rotation) stay text; most shapes do not shear
    EXPECT_GT(editable * 2, total);
}

}  // namespace
