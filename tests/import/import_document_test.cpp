// What an import does to the document: one undo takes all of it back and redo brings the same
// scene again; the batch tool prints what was kept as text and says so in its exit status.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <regex>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "import/scene_importer.h"
#include "model/group_depth.h"
#include "model/name_counters.h"
#include "model/pov_object.h"
#include "model/scene_text.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

class ImportDocument : public ModelTest {
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

std::string Written(COrvantaDoc& doc) {
    SceneText text;
    WriteSceneFile(doc, text);
    return text.Take();
}

size_t Count(const CPovObject* list) {
    size_t n = 0;
    for (; list; list = list->NextSibling) {
        ++n;
    }
    return n;
}

TEST_F(ImportDocument, OneUndoTakesTheWholeImportBackAndRedoBringsItAgain) {
    const std::string scene = dir + "/whole.pov";
    std::ofstream(scene) << R"(#version 3.7;
#include "colors.inc"
global_settings { assumed_gamma 1.0 }
camera { location <0, 2, -6> look_at 0 }
background { color rgb <0.1, 0.2, 0.3> }
light_source { <5, 10, -10> color White }
#declare Shiny = texture { pigment { color Red } finish { phong 0.8 } }
#for (I, 0, 3)
  sphere { <I, 0, 0>, 0.4 texture { Shiny } }
#end
difference { box { -1, 1 } sphere { 0, 1.3 } pigment { checker Blue, Yellow } }
isosurface { function { x * x + y * y + z * z - 1 } }
)";
    COrvantaDoc doc;
    const std::string before = Written(doc);
    ImportPovScene(scene, doc);
    const std::string imported = Written(doc);
    ASSERT_GE(Count(doc.Objects), 8u) << imported;
    ASSERT_NE(doc.Camera, nullptr);
    ASSERT_NE(doc.Textures, nullptr);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(doc.History().UndoCount(), 1u);
    EXPECT_EQ(doc.History().UndoLabel(), "Importieren whole.pov");

    ASSERT_TRUE(doc.History().Undo());
    EXPECT_EQ(Written(doc), before);
    EXPECT_EQ(doc.Objects, nullptr);
    EXPECT_EQ(doc.Textures, nullptr);
    EXPECT_EQ(doc.Pigments, nullptr);
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.Background, nullptr);
    EXPECT_FALSE(doc.History().CanUndo());

    ASSERT_TRUE(doc.History().Redo());
    EXPECT_EQ(Written(doc), imported);
    EXPECT_NE(doc.Camera, nullptr);
}

TEST_F(ImportDocument, ReportAndBatchToolSayWhatWasKeptAsText) {
    const std::string scene = dir + "/mixed.pov";
    std::ofstream(scene) << R"(#version 3.7;
global_settings { assumed_gamma 1.0 }
camera { location <0, 3, -8> look_at <0, 0.5, 0> }
light_source { <5, 10, -10> color rgb 1 }
background { color rgb <0.2, 0.3, 0.4> }
)"
                         << "#for (I, 0, 2)\n  sphere { <I, 0, 0>, 0.4 }\n#end\n"
                            "isosurface { function { x * x + y * y + z * z - 1 } }\n"
                            "cone { 0, 1, y, 0.5 }\n";
    CliRun run = RunCli("import '" + scene + "' '" + dir + "/mixed.om'");
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("mixed.pov:7: sphere: bearbeitbares Objekt (3 mal)"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("mixed.pov:9: isosurface: als POV-Ray-Text übernommen"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("mixed.pov:10: cone: als POV-Ray-Text übernommen (the radius 0.5 "
                           "of the cone's cap"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("3 von 5 Formen als bearbeitbare Objekte"), std::string::npos)
        << run.out;
    EXPECT_TRUE(fs::exists(dir + "/mixed.om"));
    // a scene of editable objects only: exit 0
    const std::string plain = dir + "/plain.pov";
    std::ofstream(plain) << "sphere { 0, 1 }\nbox { 0, 1 }\n";
    EXPECT_EQ(RunCli("import '" + plain + "' '" + dir + "/plain.om'").status, 0);
}

TEST_F(ImportDocument, GroupsDeeperThanTheModellerHoldsStayPovRayText) {
    // 40 unions, each holding the next and a sphere
    std::string text;
    for (int i = 0; i < 40; ++i)
        text += "union { sphere { <" + std::to_string(i) + ", 0, 0>, 0.4 }\n";
    text += std::string(40, '}') + "\n";
    const std::string scene = dir + "/deep.pov";
    std::ofstream(scene) << text;
    COrvantaDoc doc;
    ImportPovScene(scene, doc);
    ASSERT_EQ(Count(doc.Objects), 1u);
    EXPECT_EQ(GroupHeight(*doc.Objects), kMaxGroupDepth);
    // the deepest group kept holds its sphere and the rest of the nest as text
    const std::string written = Written(doc);
    EXPECT_NE(written.find("<39"), std::string::npos);
}

// A random number as a scene writes it, and the same number in parentheses, which the
// evaluator reads as an expression.
struct TwoForms {
    std::string plain, expression;
};

TwoForms RandomNumber(std::mt19937& random) {
    static const char* const kForms[] = {"1",  "0",   "12.5",   "0.001", ".5",
                                         "3.", "2e3", "1.5E-2", "7e+1",  "123456.789"};
    std::string n = kForms[random() % std::size(kForms)];
    if (random() % 3 == 0) {
        n = std::to_string(random() % 1000) + "." + std::to_string(random() % 1000);
    }
    const char* sign = random() % 4 == 0 ? "-" : random() % 8 == 0 ? "+" : "";
    return {sign + n, std::string("(") + sign + n + ")"};
}

// a vector of n components with spaces, tabs, line ends and now and then a comment around
// them
TwoForms RandomVector(std::mt19937& random, int n) {
    static const char* const kGaps[] = {"",   " ",     "  ",         "\t",
                                        "\n", "\r\n ", " // note\n", " /* c */ "};
    TwoForms v{"<", "<"};
    for (int i = 0; i < n; ++i) {
        const TwoForms c = RandomNumber(random);
        const std::string before = kGaps[random() % std::size(kGaps)];
        const std::string after = kGaps[random() % std::size(kGaps)];
        const char* end = i + 1 < n ? "," : ">";
        v.plain += before + c.plain + after + end;
        v.expression += before + c.expression + after + end;
    }
    return v;
}

TEST_F(ImportDocument, VectorsOfPlainNumbersReadAsTheirComponentsAsExpressions) {
    // Random scenes with vectors in every written form, of two to five components, in
    // statements, in sums and in declarations: read as they are, and with every component in
    // parentheses, they give the same report (lines included) and the same scene.
    std::mt19937 random(23);
    for (int round = 0; round < 40; ++round) {
        std::string plain = "#version 3.7;\n", expression = plain;
        auto add = [&](const std::string& a, const std::string& b) {
            plain += a;
            expression += b;
        };
        const int count = 20 + static_cast<int>(random() % 40);
        for (int i = 0; i < count; ++i) {
            const TwoForms a = RandomVector(random, 3), b = RandomVector(random, 3);
            const TwoForms r = RandomNumber(random);
            switch (random() % 5) {
                case 0:
                    add("sphere { " + a.plain + ", " + r.plain + " }\n",
                        "sphere { " + a.expression + ", " + r.plain + " }\n");
                    break;
                case 1:
                    add("box { " + a.plain + "," + b.plain + " }\n",
                        "box { " + a.expression + "," + b.expression + " }\n");
                    break;
                case 2:
                    add("cylinder { " + a.plain + ", " + b.plain + ", 0.5 }\n",
                        "cylinder { " + a.expression + ", " + b.expression + ", 0.5 }\n");
                    break;
                case 3: {
                    const TwoForms uv = RandomVector(random, 2), c5 = RandomVector(random, 5);
                    add("light_source { " + a.plain + " color rgbft " + c5.plain + " }\n" +
                            "camera { location " + a.plain + " + " + b.plain + " look_at " +
                            b.plain + " }\n#declare UV = " + uv.plain + ";\n",
                        "light_source { " + a.expression + " color rgbft " + c5.expression +
                            " }\n" + "camera { location " + a.expression + " + " + b.expression +
                            " look_at " + b.expression + " }\n#declare UV = " + uv.expression +
                            ";\n");
                    break;
                }
                default:
                    add("torus { 2, 0.5 translate " + a.plain + " }\n",
                        "torus { 2, 0.5 translate " + a.expression + " }\n");
                    break;
            }
        }
        const std::string name = "scene" + std::to_string(round) + ".pov";
        // each import names its objects from the first number on
        COrvantaDoc plainDoc, expressionDoc;
        ResetModelGlobals();
        const ImportReport r1 = ImportPovSceneText(plain, name, dir, plainDoc);
        ResetModelGlobals();
        const ImportReport r2 = ImportPovSceneText(expression, name, dir, expressionDoc);
        ASSERT_EQ(r1.Text(), r2.Text()) << plain << "\n----\n" << expression;
        ASSERT_EQ(Written(plainDoc), Written(expressionDoc)) << plain << "\n----\n" << expression;
    }
}

TEST_F(ImportDocument, NumbersFarOutOfRangeAsCountsIndicesAndWidthsAreRefused) {
    // numbers far beyond any count, index or width: each is refused with a problem or kept as
    // text, and the rest of the scene comes in (with the sanitizers, a conversion out of range
    // stops the test)
    const std::string scene = R"(#declare A = array[2] {1, 2}
#declare B = A[1e30];
#declare C = A[-1e30];
#declare D = dimension_size(A, 1e300);
#declare E = array[1e300];
#declare F = array[3][1e18];
#declare S = str(1, 1e300, -1e300);
#declare T = vstr(1e300, <1, 2, 3>, ",", -1e40, 1e40);
#declare U = chr(1e300);
#declare V = substr("abc", 1e300, 1e300);
#declare W = rand(1e300);
#declare X = seed(-1e300);
lathe { 1e48, <0, 0>, <1, 1> }
polygon { -1e48, <0, 0>, <1, 0>, <1, 1> }
sphere { 0, 1 }
)";
    COrvantaDoc doc;
    const ImportReport report = ImportPovSceneText(scene, "far.pov", dir, doc);
    const std::string text = report.Text();
    EXPECT_NE(text.find("array index out of range"), std::string::npos) << text;
    EXPECT_NE(text.find("array size out of range"), std::string::npos) << text;
    EXPECT_NE(text.find("substr: the part is outside the string"), std::string::npos) << text;
    EXPECT_NE(text.find("lathe: als POV-Ray-Text übernommen (a lathe of more than 20 points)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("polygon: als POV-Ray-Text übernommen (a polygon's count)"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("far.pov:15: sphere: bearbeitbares Objekt"), std::string::npos) << text;
}

// a tree's geometry: bounds and outline of every object in it
void Geometry(const CPovObject& o, std::vector<double>& out) {
    out.insert(out.end(), {o.MinX, o.MinY, o.MinZ, o.MaxX, o.MaxY, o.MaxZ});
    out.push_back(static_cast<double>(o.Outline.size()));
    for (const Point3& p : o.Outline) {
        out.insert(out.end(), {p.X, p.Y, p.Z});
    }
    for (const CPovObject* c = o.FirstChild; c; c = c->NextSibling) {
        Geometry(*c, out);
    }
}

TEST_F(ImportDocument, EveryObjectOfALargeSceneHasTheGeometryOfItsValues) {
    // large enough for a second thread to build shapes while the mapping goes on; groups, and
    // groups with a member kept as text, among them
    const std::string scene = dir + "/large.pov";
    std::ofstream(scene) << R"(#for (I, 0, 2999)
  sphere { <I, 0, 0>, 0.5 }
  box { <0, I, 0>, <1, I + 2, 1> rotate <0, I, 0> }
  union { cylinder { 0, y, 0.2 } torus { 1, 0.1 } translate <0, 0, I> }
  #if (mod(I, 100) = 0)
    union { sphere { 0, 1 } isosurface { function { x } } translate <I, I, 0> }
  #end
#end
)";
    COrvantaDoc doc;
    const ImportReport report = ImportPovScene(scene, doc);
    EXPECT_EQ(report.editableShapes, 4u * 3000 + 30);
    size_t trees = 0;
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling, ++trees) {
        std::vector<double> imported, rebuilt;
        Geometry(*o, imported);
        ASSERT_FALSE(o->Outline.empty() && o->FirstChild == nullptr) << o->Name;
        o->UpdateGeometry();
        Geometry(*o, rebuilt);
        ASSERT_EQ(imported, rebuilt) << o->Name;
    }
    EXPECT_EQ(trees, 3u * 3000 + 30);
}

}  // namespace

// The installed include files declare blocks that go again (with #local, or declared over);
// a texture made afterwards at the same address must not be written under such a name.
TEST_F(ImportDocument, EveryTextureNameTheImportWritesIsDeclaredInTheFile) {
    if (!fs::exists("/usr/share/povray-3.7/include/shapes2.inc")) {
        GTEST_SKIP() << "POV-Ray's include files are not installed";
    }
    const std::string scene = dir + "/includes.pov";
    std::ofstream out(scene);
    for (const char* inc : {"colors", "textures", "glass", "metals", "golds", "stones", "woods",
                            "shapes", "shapes2", "functions", "math", "transforms"}) {
        out << "#include \"" << inc << ".inc\"\n";
    }
    out << "#for (I, 0, 40)\n  sphere { <I, 0, 0>, 1 texture { pigment { checker color rgb 1.2 "
           "color rgb <0.2, 0, I / 100> } finish { phong 0.1 } } }\n#end\n";
    out.close();
    COrvantaDoc doc;
    ImportPovScene(scene, doc);
    const std::string text = Written(doc);
    size_t named = 0;
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        if (o->UseOwnTexture && !o->TextureName.empty()) {
            ++named;
            EXPECT_NE(text.find("#declare " + o->TextureName + " ="), std::string::npos)
                << o->GetName() << " wears " << o->TextureName;
        }
    }
    EXPECT_EQ(named, 41u);
}

namespace {

// the report's entries one per line, in their order, with every field
std::string Entries(const ImportReport& report) {
    std::string out;
    for (const ImportReportEntry& e : report.entries) {
        out += std::to_string(static_cast<int>(e.outcome)) + " " + e.file + ":" +
               std::to_string(e.line) + " " + e.what + " (" + e.detail + ")\n";
    }
    return out + std::to_string(report.shapes) + " " + std::to_string(report.editableShapes) +
           (report.stopped ? " stopped" : "");
}

}  // namespace

TEST_F(ImportDocument, MappingWhileEvaluatingGivesWhatMappingAfterwardsGives) {
    // Random scenes of plain statements (mapped while the evaluation goes on), statements that
    // refer to declarations or hold blocks (mapped at its end, with all after them), the
    // scene's own include file, file names taken by their path, problems, loops and an early
    // end: evaluated on a second thread while mapping, and first and then mapped on one
    // thread, they give the same report, in the same order, and the same scene.
    std::ofstream(dir + "/part.inc") << "sphere { <1, 2, 3>, 0.5 }\nbox { 0, 1 }\nwhat 3\n";
    std::ofstream(dir + "/ground.png") << "not a picture";
    const std::vector<std::string> plain = {
        "sphere { <1, 2, 3>, 0.5 }\n",
        "box { <0, 0, 0>, <1, 2, 3> translate <4, 5, 6> }\n",
        "cylinder { 0, <0, 2, 0>, 0.5 rotate 30 * x }\n",
        "light_source { <5, 10, -10> color rgb 1 }\n",
        "#version 3.7;\n",
        "#include \"part.inc\"\n",
        "height_field { png \"ground.png\" }\n",
        "#declare I = 0; #while (I < 3) sphere { <I, 0, 0>, 0.1 } #declare I = I + 1; #end\n",
        "sphere { <1, 2 }\n",
        "prism { 0, 1, 3, <0, 0>, <1, 0>, <0, 1> }\n"};
    const std::vector<std::string> held = {
        "#declare S = sphere { 0, 1 }\nobject { S translate x }\n",
        "sphere { 0, 1 pigment { color rgb <1, 0, 0> } }\n",
        "difference { box { -1, 1 } sphere { 0, 1.3 } }\n",
        "#default { finish { ambient 0.2 } }\n"};
    std::mt19937 random(31);
    for (int round = 0; round < 30; ++round) {
        std::string scene;
        const int count = 1 + static_cast<int>(random() % 60);
        for (int i = 0; i < count; ++i) {
            scene +=
                random() % 8 == 0 ? held[random() % held.size()] : plain[random() % plain.size()];
        }
        if (round % 5 == 4) {
            scene += "#error \"enough\"\nsphere { 0, 1 }\n";
        }
        const std::string name = "scene" + std::to_string(round) + ".pov";
        COrvantaDoc whileDoc, afterDoc;
        ResetModelGlobals();
        // every other scene from a file, with a status bar that sees every text
        std::vector<std::string> texts;
        const auto progress = [&](const std::string& text) { texts.push_back(text); };
        if (round % 2) {
            std::ofstream(dir + "/" + name, std::ios::binary) << scene;
        }
        const ImportReport r1 = round % 2 ? ImportPovScene(dir + "/" + name, whileDoc,
                                                           ImportFlow::MapWhileEvaluating, progress)
                                          : ImportPovSceneText(scene, name, dir, whileDoc, {},
                                                               ImportFlow::MapWhileEvaluating);
        const std::regex status("|Lese (" + name + "|part\\.inc), Zeile [0-9]+|" +
                                "Übernehme Anweisung [0-9]+ von [0-9]+");
        for (const std::string& text : texts) {
            EXPECT_TRUE(std::regex_match(text, status)) << text;
        }
        ResetModelGlobals();
        const ImportReport r2 =
            ImportPovSceneText(scene, name, dir, afterDoc, {}, ImportFlow::MapAfterEvaluating);
        ASSERT_EQ(Entries(r1), Entries(r2)) << scene;
        ASSERT_EQ(Written(whileDoc), Written(afterDoc)) << scene;
    }
    // a file that cannot be read gives the same problem both ways
    COrvantaDoc a, b;
    EXPECT_EQ(Entries(ImportPovScene(dir + "/missing.pov", a, ImportFlow::MapWhileEvaluating)),
              Entries(ImportPovScene(dir + "/missing.pov", b, ImportFlow::MapAfterEvaluating)));
}
