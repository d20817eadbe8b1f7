// Whole scene files compared byte for byte with reviewed copies in tests/data/golden.
// ORVANTA_UPDATE_GOLDEN=1 rewrites the copies after a deliberate change (review the diff).
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "document/scene_writer.h"
#include "model/environment/pov_halo.h"
#include "model/groups/pov_csg.h"
#include "model/scene_text.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "model/surfaces/pov_texture.h"
#include "tests/support/model_test.h"

namespace {

namespace fs = std::filesystem;

// Compares text with the reviewed copy of name. Empty when they agree; otherwise the text
// written is put into the build folder (never next to the reviewed copies) and its path is
// returned.
std::string CompareGolden(const std::string& text, const std::string& name) {
    const fs::path path = fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / name;
    std::ifstream in(path, std::ios::binary);
    std::ostringstream expected;
    expected << in.rdbuf();
    if (in.good() && expected.str() == text)
        return {};
    const fs::path failures = fs::path(ORVANTA_TEST_BUILD_DIR) / "golden-failures";
    fs::create_directories(failures);
    const fs::path actual = failures / name;
    std::ofstream(actual, std::ios::binary) << text;
    return actual.string();
}

void ExpectGolden(const std::string& text, const std::string& name) {
    if (std::getenv("ORVANTA_UPDATE_GOLDEN")) {
        std::ofstream(fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / name, std::ios::binary) << text;
        return;
    }
    const std::string actual = CompareGolden(text, name);
    if (!actual.empty())
        FAIL() << name << " differs from tests/data/golden (ORVANTA_UPDATE_GOLDEN=1 rewrites "
               << "it); the text written is in " << actual;
}

class GoldenFileTest : public ModelTest {};

TEST_F(GoldenFileTest, OneOfEveryKindAtThePovRay3Level) {
    COrvantaDoc doc;
    doc.Pov3() = 1;
    doc.Author() = "Orvanta";
    doc.Company() = "Test";
    doc.Comment() = "Zeile eins\r\nZeile zwei";
    doc.UserIncludes() = {"mine.inc"};
    doc.ShowInfos() = true;
    for (const CreateKindInfo& info : CreateKinds())
        ASSERT_NE(doc.OnCreate(info.kind), nullptr);
    SceneText text;
    WriteSceneFile(doc, text);
    ExpectGolden(text.Text(), "every_kind.pov");
}

TEST(GoldenFile, AFailingComparisonLeavesTheTextWrittenInTheBuildFolder) {
    const std::string actual = CompareGolden("not the scene", "every_kind.pov");
    ASSERT_FALSE(actual.empty());
    EXPECT_EQ(actual.rfind(ORVANTA_TEST_BUILD_DIR, 0), 0u) << actual;
    std::ifstream in(actual, std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), "not the scene");
    EXPECT_FALSE(fs::exists(fs::path(ORVANTA_TEST_DATA_DIR) / "golden" / "every_kind.pov.actual"));
    fs::remove(actual);
}

// A scene at the POV-Ray 3.7 level with one halo of each type, their options spread over them,
// a texture that carries all four, an object that uses it, a group whose members inherit its
// quick colour, and a box with no texture at all.
void BuildHaloScene(COrvantaDoc& doc) {
    doc.Pov3() = kPovLevel37;
    const char* types[] = {"attenuating", "emitting", "glowing", "dust"};
    const char* densities[] = {"constant", "linear", "cubic", "poly"};
    const char* mappings[] = {"planar_mapping", "spherical_mapping", "cylindrical_mapping",
                              "box_mapping"};
    auto* texture = static_cast<CPovTexture*>(doc.OnCreate(CreateKind::Texture));
    for (int i = 0; i < 4; ++i) {
        auto* halo = static_cast<CPovHalo*>(doc.OnCreate(CreateKind::Halo));
        halo->HaloType = types[i];
        halo->DensityFunction = densities[i];
        halo->Mapping = mappings[i];
        halo->Exponent = 2.5;
        halo->MaxValue = 0.5 + i;
        halo->DustType = "HENYEY_GREENSTEIN_SCATTERING";
        halo->Eccentricity = 0.4;
        halo->AntiAliasOn = i % 2;
        halo->JitterOn = 1;
        halo->HaloTurbulenceOn = i >= 2;
        halo->ScaleStep() = Vector(1.5, 1.5, 1.5);
        halo->Translation() = Vector(0, 0.25 * i, 0);
        ASSERT_TRUE(halo->AddHaloColor(0.0, 0x0000FF, 0.0, 1.0));
        ASSERT_TRUE(halo->AddHaloColor(0.6, 0x00FFFF, 0.2, 0.5));
        ASSERT_TRUE(halo->AddHaloColor(1.0, 0xFFFFFF, 0.0, 0.0));
        ASSERT_TRUE(texture->AddHaloName(halo->Name));
    }
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    sphere->UseOwnTexture = 1;
    sphere->TextureName = texture->Name;
    sphere->QuickColorG = 0.5;
    sphere->WriteTextureSteps = 1;
    sphere->TextureSteps[kStepScale] = Vector(2, 2, 2);

    auto* group = static_cast<CPovCSG*>(doc.OnCreate(CreateKind::Csg));
    AppendChild(group, new CPovSphere());
    AppendChild(group, new CPovCubic());
    group->SetDocument(&doc);
    group->QuickColorR = 0.25;

    CPovObject* box = doc.OnCreate(CreateKind::Box);
    box->QuickColorB = 0.75;
}

TEST_F(GoldenFileTest, HalosAsMediaAtThePovRay37LevelAndBackThroughTheReader) {
    COrvantaDoc doc;
    BuildHaloScene(doc);
    ASSERT_FALSE(HasFailure());
    SceneText text;
    WriteSceneFile(doc, text);
    ExpectGolden(text.Text(), "halos_pov37.pov");

    // the reader takes the halos, the quick colours and the level back: written again, the
    // text is the same byte for byte
    ResetModelGlobals();
    COrvantaDoc read;
    read.Pov3() = kPovLevel2;
    const SceneReadResult result = ReadSceneText(read, text.Text(), true);
    EXPECT_TRUE(result.problems.empty()) << ErrorLogText(result.problems);
    EXPECT_EQ(read.Pov3(), kPovLevel37);
    SceneText again;
    WriteSceneFile(read, again);
    EXPECT_EQ(again.Text(), text.Text());

    // the lower levels keep their halo syntax: the same document at 3.0 writes no media
    read.Pov3() = kPovLevel30;
    SceneText pov3;
    WriteSceneFile(read, pov3);
    EXPECT_EQ(pov3.Text().find("media"), std::string::npos);
    EXPECT_EQ(pov3.Text().find("$halo$"), std::string::npos);
    EXPECT_NE(pov3.Text().find("  halo { Halo_0 }\r\n"), std::string::npos);
}

}  // namespace
