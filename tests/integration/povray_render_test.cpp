// POV-Ray as the judge: a scene with every kind the modeller creates must parse and render.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "document/povray_command.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_user_object.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_smooth_triangle.h"
#include "model/shapes/pov_triangle.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_sphere.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "platform/fake/fake_view_port.h"
#include "platform/qt/qprocess_launcher.h"
#include "render/povray_output.h"
#include "render/targa_stream.h"
#include "tests/support/model_test.h"

namespace fs = std::filesystem;

namespace {

bool HavePovRay() {
    return std::system("command -v povray >/dev/null 2>&1") == 0;
}

// A small grey ramp as a binary PPM, a format POV-Ray reads for height fields and image maps.
void WritePpm(const fs::path& path) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n8 8\n255\n";
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) {
            const char v = static_cast<char>(x * 32);
            out.put(v).put(static_cast<char>(y * 32)).put(v);
        }
}

// POV-Ray's warnings and errors in its output
std::vector<PovRayMessage> ProblemsOf(const std::string& output) {
    PovRayOutput parsed;
    parsed.Feed(output);
    parsed.Finish();
    return parsed.Messages();
}

class PovRayRenderTest : public ModelTest {
  protected:
    fs::path dir;
    void SetUp() override {
        ModelTest::SetUp();
        if (!HavePovRay())
            GTEST_SKIP() << "povray is not installed: POV-Ray checks skipped";
        char name[] = "/tmp/orvanta-povray-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir = name;
        WritePpm(dir / "ramp.ppm");
    }
    void TearDown() override {
        if (!dir.empty() && !HasFailure())
            fs::remove_all(dir);
        ModelTest::TearDown();
    }

    // Saves the document and renders it at a small size; returns POV-Ray's result.
    ProcessResult Render(COrvantaDoc& doc, const std::string& name) {
        const fs::path scene = dir / name;
        const FileResult saved = doc.OnSaveDocument(scene.string());
        EXPECT_TRUE(saved.ok) << saved.error;
        COrvantaOptions::ExecutablesPage settings;
        CommandLine line = PovRayCommandLine(settings, scene.string());
        line.arguments.insert(line.arguments.end(),
                              {"-D", "+W64", "+H48", "Declare=ORVANTA_INVOKED=1"});
        QProcessLauncher launcher;
        return launcher.RunAndWait(line.program, line.arguments, dir.string());
    }
};

TEST_F(PovRayRenderTest, EveryCreatableKindParsesAndRenders) {
    COrvantaDoc doc;
    doc.Pov3() = kPovLevel37;
    FakeViewPort front(kFrontView);
    doc.AddView(&front);

    for (const CreateKindInfo& info : CreateKinds()) {
        front.centre = Vector(0, 0, 5);
        CPovObject* o = doc.OnCreate(info.kind);
        ASSERT_NE(o, nullptr) << info.name;
    }

    // give the created objects what a user would fill in their sheets
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        if (auto* hf = dynamic_cast<CPovHeightField*>(o)) {
            hf->ImageFile = "ramp.ppm";
            hf->Smooth = 1;
        } else if (auto* text = dynamic_cast<CPovTTF*>(o)) {
            ASSERT_TRUE(text->SetFontFile("timrom.ttf"));
            text->SetText("Hi");
        } else if (auto* blob = dynamic_cast<CPovBlob*>(o)) {
            AppendChild(blob, new CPovSphere());
            auto* cylinder = new CPovCylinder();
            cylinder->Translation() = Vector(1, 0, 0);
            AppendChild(blob, cylinder);
            blob->SetDocument(&doc);
            blob->UpdateGeometry();
        } else if (auto* parts = dynamic_cast<CPovUserObject*>(o)) {
            AppendChild(parts, new CPovCubic());
            auto* ball = new CPovSphere();
            ball->Translation() = Vector(0, 1, 0);
            AppendChild(parts, ball);
            parts->SetDocument(&doc);
            parts->UpdateGeometry();
        } else if (auto* csg = dynamic_cast<CPovCSG*>(o)) {
            AppendChild(csg, new CPovCubic());
            AppendChild(csg, new CPovSphere());
            csg->SetDocument(&doc);
            csg->UpdateGeometry();
        } else if (auto* sky = dynamic_cast<CPovSkySphere*>(o)) {
            sky->SkyPigment = "S_Cloud2";
        }
    }
    // a texture that uses a pigment map and an image map pigment
    auto* texture = static_cast<CPovTexture*>(doc.Textures);
    texture->PigmentKind = kPigmentPigmentMap;
    texture->PatternName = "gradient x";
    ASSERT_TRUE(texture->AddMapPigment(doc.Pigments->Name, 0.3));
    texture->HasNormal = 1;
    texture->NormalName = "bumps";
    texture->NormalValues[0] = 0.4;
    texture->HasPhong = 1;
    texture->Phong = 0.8;
    auto* image = new CPovPigment();
    image->PigmentKind = kPigmentImageMap;
    image->ImageFile = "ramp.ppm";
    doc.InsertPigment(image);
    static_cast<CPovPigment*>(doc.Pigments->NextSibling)->PigmentKind = kPigmentChecker;

    // polygons and triangles use the texture
    auto* triangle = new CPovTriangle();
    doc.InsertObject(triangle);
    triangle->SetTriangleCorner(0, Vector(0, 0, 0));
    triangle->SetTriangleCorner(1, Vector(1, 0, 0));
    triangle->SetTriangleCorner(2, Vector(0, 1, 0));
    auto* smooth = new CPovSmoothTriangle();
    doc.InsertObject(smooth);
    for (int i = 0; i < 3; ++i)
        smooth->SetTriangleNormal(i, Vector(0, 0, -1));
    smooth->SetTriangleCorner(0, Vector(0, 0, 1));
    smooth->SetTriangleCorner(1, Vector(1, 0, 1));
    smooth->SetTriangleCorner(2, Vector(0, 1, 1));
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        if (!o->CanBeCsgElement())
            continue;
        o->UseOwnTexture = 1;
        o->TextureName = texture->Name;
        o->UpdateGeometry();
    }

    const ProcessResult result = Render(doc, "everything.pov");
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(fs::exists(dir / "everything.tga"));
}

TEST_F(PovRayRenderTest, TheExampleSceneRendersAtThe37LevelWithoutVersionWarnings) {
    COrvantaDoc doc;
    const SceneReadResult read = doc.OnOpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om");
    ASSERT_TRUE(read.ok) << read.error;
    doc.Pov3() = kPovLevel37;
    const ProcessResult result = Render(doc, "beispiel.pov");
    ASSERT_TRUE(result.started) << result.error;
    EXPECT_EQ(result.exitCode, 0) << result.output;
    EXPECT_EQ(result.output.find("assumed_gamma"), std::string::npos) << result.output;
    EXPECT_EQ(result.output.find("#version"), std::string::npos) << result.output;
    EXPECT_TRUE(ProblemsOf(result.output).empty()) << result.output;
}

TEST_F(PovRayRenderTest, AnEmittingHaloGlowsInsideAHollowSphereAtThe37Level) {
    COrvantaDoc doc;
    doc.Pov3() = kPovLevel37;
    doc.OnCreate(CreateKind::Camera);
    doc.OnCreate(CreateKind::Light);
    auto* halo = static_cast<CPovHalo*>(doc.OnCreate(CreateKind::Halo));
    halo->HaloType = "emitting";
    halo->DensityFunction = "linear";
    halo->Mapping = "spherical_mapping";
    ASSERT_TRUE(halo->AddHaloColor(0.0, 0x000000, 0.0, 1.0));
    ASSERT_TRUE(halo->AddHaloColor(1.0, 0x3080FF, 0.0, 0.0));
    // a clear container: the halo shows through its surface
    auto* texture = static_cast<CPovTexture*>(doc.OnCreate(CreateKind::Texture));
    texture->ColorCount = 1;
    texture->Colors[0] = 0xFFFFFF;
    texture->Filters[0] = 1.0;
    ASSERT_TRUE(texture->AddHaloName(halo->Name));
    CPovObject* sphere = doc.OnCreate(CreateKind::Sphere);
    sphere->UseOwnTexture = 1;
    sphere->TextureName = texture->Name;
    // in front of the camera, which looks at the origin from its default place
    const ProcessResult result = Render(doc, "halo.pov");
    ASSERT_TRUE(result.started) << result.error;
    ASSERT_EQ(result.exitCode, 0) << result.output;
    EXPECT_TRUE(ProblemsOf(result.output).empty()) << result.output;

    std::ifstream in(dir / "halo.tga", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TargaStream picture;
    ASSERT_TRUE(picture.Feed(bytes)) << picture.Error();
    ASSERT_TRUE(picture.Complete());
    const auto brightness = [&](int x, int y) {
        const std::uint32_t p = picture.Pixels()[static_cast<size_t>(y * picture.Width() + x)];
        return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    };
    const int w = picture.Width(), h = picture.Height();
    EXPECT_GT(brightness(w / 2, h / 2), brightness(1, 1) + 60);
}

}  // namespace
