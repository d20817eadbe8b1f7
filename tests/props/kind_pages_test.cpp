// The pages of single kinds: lathe and polygon points, text and its font, lights, camera,
// background, sky sphere, fog and height field.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "document/creation_commands.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/lights/pov_light_source_spot.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_height_field.h"
#include "props/shapes/font_install.h"
#include "props/shapes/point_editor.h"
#include "tests/props/props_fixture.h"
#include "tests/support/cli_runner.h"

namespace {

class KindPagesTest : public PropsTest {};

TEST_F(KindPagesTest, PolygonCountAndEditedPointsKeepTheOthersExact) {
    auto* polygon = static_cast<CPovPolygon*>(doc.OnCreate(CreateKind::Polygon));
    polygon->Points[1] = {0.12345, -0.5};
    polygon->Points[3] = {0.7777, 0.25};
    host.services.nested = [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Bearbeiten der Stützstellen");
        // the third point, typed; the area's point model is the page's own
        auto* points = static_cast<PointEditorModel*>(r.Field("points").customData);
        EXPECT_EQ(points->count, 3);
        r.ChooseIndex("point", 2);
        EXPECT_EQ(r.Field("x").text, "0.75");
        r.Type("x", "-0.5");
        r.Type("y", "1.5");  // out of range: the point stays
        // a drag beyond the area stops at its edge
        points->MoveTo(0, -4000, 200);
        return r.Ok() ? 1 : 2;
    };
    Edit(*polygon, [](SheetRunner& r) {
        r.ShowPage("Speziell");
        EXPECT_FALSE(r.Field("type").enabled);
        EXPECT_EQ(r.Field("type").text, "polygon");
        EXPECT_EQ(r.Field("count").value, 4);
        r.ChooseIndex("count", 3);
        EXPECT_TRUE(r.Press("edit"));
        return OkOrCancel(r);
    });
    EXPECT_EQ(polygon->PointCount, 3);
    EXPECT_EQ(polygon->Points[0].X, -1.0);
    EXPECT_EQ(polygon->Points[0].Y, 0.2);
    EXPECT_EQ(polygon->Points[1].X, 0.12345);  // not moved: exact
    EXPECT_EQ(polygon->Points[2].X, -0.5);
    EXPECT_EQ(polygon->Points[2].Y, 0.75);
    EXPECT_EQ(polygon->Points[3].X, 0.7777);  // beyond the count, kept
    const std::string scene = Scene();
    EXPECT_NE(scene.find("polygon {\r\n  3.0\r\n  <-1.0000,0.2000> , \r\n  <0.1235,-0.5000> , "
                         "\r\n  <-0.5000,0.7500>\r\n"),
              std::string::npos)
        << scene;
}

TEST_F(KindPagesTest, LatheRadiusAxisReadsZeroToTwo) {
    auto* lathe = static_cast<CPovLathe*>(doc.OnCreate(CreateKind::Lathe));
    host.services.nested = [](SheetRunner& r) {
        auto* points = static_cast<PointEditorModel*>(r.Field("points").customData);
        EXPECT_TRUE(points->lathe);
        EXPECT_EQ(points->x[2], 0);  // radius 1.0
        EXPECT_EQ(points->PointAt(10, 480, 30), 2);
        EXPECT_EQ(points->PointAt(500, -900, 30), -1);
        r.ChooseIndex("point", 1);
        r.Type("x", "2");
        return r.Ok() ? 1 : 2;
    };
    Edit(*lathe, [](SheetRunner& r) {
        r.ShowPage("Speziell");
        EXPECT_EQ(r.Field("type").text, "linear_spline");
        r.Choose("type", "cubic_spline");
        r.Press("edit");
        return OkOrCancel(r);
    });
    EXPECT_EQ(lathe->SplineType, "cubic_spline");
    EXPECT_EQ(lathe->Points[1].X, 2.0);
    EXPECT_EQ(lathe->PointCount, 5);
}

TEST_F(KindPagesTest, TextFontIsCopiedIntoTheScenesFolderWithoutReplacingOtherFiles) {
    const std::string dir = MakeTempFolder();
    const std::string source = dir + "/source.ttf";
    std::ofstream(source, std::ios::binary) << "TRUETYPE-A";
    const FontFace face{"Test Sans", "Bold", source};
    EXPECT_EQ(FontFileNameFor(face), "Test Sans Bold.ttf");
    EXPECT_EQ(FontFileNameFor({"A/B", "Regular", ""}), "A_B.ttf");

    const std::string scene = dir + "/scene";
    std::filesystem::create_directories(scene);
    EXPECT_EQ(InstallFont(face, scene), "Test Sans Bold.ttf");
    EXPECT_EQ(ReadFile(scene + "/Test Sans Bold.ttf"), "TRUETYPE-A");
    // the same file again: no question
    EXPECT_EQ(InstallFont(face, scene), "Test Sans Bold.ttf");
    EXPECT_TRUE(prompts.questions.empty());
    // a different file of that name is replaced only when the user agrees
    std::ofstream(scene + "/Test Sans Bold.ttf", std::ios::binary) << "OTHER";
    prompts.answer = false;
    EXPECT_EQ(InstallFont(face, scene), std::nullopt);
    EXPECT_EQ(ReadFile(scene + "/Test Sans Bold.ttf"), "OTHER");
    ASSERT_EQ(prompts.questions.size(), 1u);
    // a copy that fails is reported
    EXPECT_EQ(InstallFont(face, dir + "/no/such/folder"), std::nullopt);
    ASSERT_EQ(prompts.messages.size(), 1u);

    // the text page: the chosen face lands in the unsaved scene's current folder
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(scene);
    auto* text = static_cast<CPovTTF*>(doc.OnCreate(CreateKind::Text));
    host.services.fonts.push_back(FontFace{"Other", "Regular", source});
    Edit(*text, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Eigenschaften Text");
        r.ShowPage("Font && Text");
        r.Type("text", "Hallo");
        r.Press("choose");
        EXPECT_EQ(r.Field("font").text, "Other.ttf");
        r.Type("spacing", "101");
        EXPECT_FALSE(r.Ok());
        r.Type("spacing", "0.5");
        return OkOrCancel(r);
    });
    std::filesystem::current_path(cwd);
    EXPECT_EQ(text->Text, "Hallo");
    EXPECT_EQ(text->FontFile, "Other.ttf");
    EXPECT_EQ(text->Spacing, 0.5);
    EXPECT_EQ(ReadFile(scene + "/Other.ttf"), "TRUETYPE-A");
    RemoveTree(dir);
}

TEST_F(KindPagesTest, LightsCameraAndEnvironment) {
    auto* spot = static_cast<CPovLightSourceSpot*>(doc.OnCreate(CreateKind::SpotLight));
    host.services.colors.push_back(0x000080);
    Edit(*spot, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Caption(), "Eigenschaften Lichtquelle (Spot)");
        r.Type("pos.x", "2001");
        EXPECT_FALSE(r.Ok());
        r.Type("pos.x", "3");
        r.Press("color.pick");
        r.ShowPage("Speziell");
        r.Type("dir.y", "-2");
        r.Type("falloff", "30");
        return OkOrCancel(r);
    });
    EXPECT_EQ(spot->Translation().X, 3.0);
    EXPECT_EQ(spot->LightColor, 0x000080u);
    EXPECT_EQ(spot->FirstChild->Translation().Y, -2.0);
    EXPECT_EQ(spot->Falloff, 30.0);
    EXPECT_NE(Scene().find("color rgb <0.5020,0.0000,0.0000>\r\n  spotlight\r\n  point_at <"),
              std::string::npos);

    CPovObject* camera = doc.OnCreate(CreateKind::Camera);
    Edit(*camera, [](SheetRunner& r) {
        r.Type("pos.x", "0");
        r.Type("pos.y", "0");
        r.Type("pos.z", "4");
        r.Type("look.x", "0");
        r.Type("look.y", "0");
        r.Type("look.z", "0");
        return OkOrCancel(r);
    });
    // it re-aims at its look-at point
    EXPECT_NEAR(camera->RotationStep().X, 180.0, 1e-6);
    EXPECT_NEAR(camera->RotationStep().Z, 180.0, 1e-6);

    host.services.colors.push_back(0x00FF00);
    auto* background = static_cast<CPovBackground*>(doc.OnCreate(CreateKind::Background));
    Edit(*background, [](SheetRunner& r) {
        r.Press("color.pick");
        return OkOrCancel(r);
    });
    EXPECT_EQ(background->BackgroundColor, 0x00FF00u);

    doc.OnCreate(CreateKind::Pigment);  // Pigment_0
    auto* sky = static_cast<CPovSkySphere*>(doc.OnCreate(CreateKind::SkySphere));
    Edit(*sky, [](SheetRunner& r) {
        EXPECT_TRUE(r.Field("preview").visible);
        r.Choose("pigment", "Pigment_0");
        EXPECT_FALSE(r.Field("preview").visible);
        EXPECT_EQ(r.Field("pigment2").items,
                  (std::vector<std::string>{"(keine zweites Pigment)", "Pigment_0"}));
        return OkOrCancel(r);
    });
    EXPECT_EQ(sky->SkyPigment, "Pigment_0");
    EXPECT_EQ(sky->SkyPigment2, "");

    auto* fog = static_cast<CPovFog*>(doc.OnCreate(CreateKind::Fog));
    Edit(*fog, [](SheetRunner& r) {
        EXPECT_EQ(r.Sheet().Page(0).Field("hollow").label, "unvisible");
        r.Type("pos.y", "2");  // the up vector
        r.ShowPage("Speziell");
        r.Type("distance", "12,5");
        EXPECT_FALSE(r.Ok());
        r.Type("distance", "12.5");
        return OkOrCancel(r);
    });
    EXPECT_EQ(fog->Distance, 12.5);
    EXPECT_NE(Scene().find("  up <0.0000,2.0000,0.0000>"), std::string::npos);

    auto* hf = static_cast<CPovHeightField*>(doc.OnCreate(CreateKind::HeightField));
    host.services.files.push_back("/data/berge.png");
    Edit(*hf, [](SheetRunner& r) {
        r.Press("browse");
        r.ShowPage("Spezial");
        r.Check("smooth", true);
        r.Type("water", "0.25");
        return OkOrCancel(r);
    });
    EXPECT_NE(Scene().find(" png \"/data/berge.png\"\r\n  smooth\r\n  water_level 0.2500"),
              std::string::npos);
}

}  // namespace
