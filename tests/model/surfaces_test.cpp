// Pigments and textures: their scene text, names, copies and the predefined texture table.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/name_counters.h"
#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "model/surfaces/predefined_textures.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/field_name_recorder.h"
#include "tests/support/model_test.h"

namespace {

const std::string kSteps =
    "  scale <1.0000,1.0000,1.0000>\r\n"
    "  rotate <0.0000,0.0000,0.0000>\r\n"
    "  translate <0.0000,0.0000,0.0000>\r\n";

std::string Write(CPovObject& object) {
    SceneText out;
    EXPECT_EQ(object.WriteScene(out), 1);
    return out.Take();
}

// The pigment body of a stand-alone pigment: what stands between its opening line and the
// step lines.
std::string Body(CPovPigment& pigment) {
    const std::string text = Write(pigment);
    const size_t open = text.find("\tpigment {\r\n");
    const size_t steps = text.find("  scale <");
    if (open == std::string::npos || steps == std::string::npos)
        return "<no body>";
    const size_t start = open + std::string("\tpigment {\r\n").size();
    return text.substr(start, steps - start);
}

// The normal block of a texture, from its opening to its closing line.
std::string NormalBlock(CPovTexture& texture) {
    const std::string text = Write(texture);
    const size_t open = text.find("\tnormal {\r\n");
    if (open == std::string::npos)
        return "<no normal>";
    // the block's own closing line, not a nested one ending in the same characters
    const size_t close = text.find("\n\t}\r\n", open);
    return text.substr(open, close + 5 - open);
}

class SurfacesTest : public ModelTest {};

TEST_F(SurfacesTest, DefaultTextureWritesEightLines) {
    CPovTexture texture;
    EXPECT_EQ(texture.Name, "Textur_0");
    EXPECT_EQ(g_NameCounters.Texture, 1);
    EXPECT_EQ(Write(texture),
              "#declare Textur_0 = texture {\r\n"
              "\tpigment {\r\n"
              "\t\tcolor rgb < 1.000 1.000 1.000 > filter 0.0\r\n"
              "\t}\r\n" +
                  kSteps + "}\r\n\r\n");
    EXPECT_EQ(CPovTexture().Name, "Textur_1");
}

TEST_F(SurfacesTest, DefaultPigmentWritesDeclarationTabAndWhite) {
    CPovPigment pigment;
    EXPECT_EQ(pigment.Name, "Pigment_0");
    EXPECT_EQ(Write(pigment),
              "#declare Pigment_0 = \tpigment {\r\n"
              "\t\tcolor rgb < 1.000 1.000 1.000 > filter 0.0\r\n" +
                  kSteps + "}\r\n\r\n");
    EXPECT_EQ(g_NameCounters.Pigment, 1);
    EXPECT_EQ(g_NameCounters.Texture, 0);  // each kind counts on its own
}

TEST_F(SurfacesTest, KindsAndDefaultsOfTheModel) {
    CPovTexture texture;
    CPovPigment pigment;
    EXPECT_EQ(texture.GetType(), 4);
    EXPECT_EQ(pigment.GetType(), 24);
    EXPECT_STREQ(texture.GetHelpKeyword(), "Texture");
    EXPECT_STREQ(pigment.GetHelpKeyword(), "Pigment");
    EXPECT_FALSE(texture.HasGeometry());
    EXPECT_FALSE(pigment.CanBeCsgElement());
    EXPECT_EQ(pigment.Colors[0], 0xFFFFFFu);
    EXPECT_EQ(pigment.Colors[1], 0x7F7F7Fu);
    for (int i = 2; i < kMaxPigmentColors; ++i)
        EXPECT_EQ(pigment.Colors[i], 0u) << i;
    EXPECT_EQ(pigment.PatternName, "gradient x");
    EXPECT_EQ(texture.NormalName, "keine Deformation");
    for (const std::string& halo : texture.HaloNames)
        EXPECT_EQ(halo, "(kein Eintrag)");
    EXPECT_EQ(texture.AmbientColor, 0x373737u);

    // never selected, never given an outline
    FakeSceneHost host;
    texture.SetDocument(&host);
    FakeViewPort view;
    texture.Select(view);
    EXPECT_FALSE(texture.IsSelected());
    EXPECT_EQ(host.CurrentObject, nullptr);
    texture.UpdateGeometry();
    EXPECT_TRUE(texture.Outline.empty());
}

TEST_F(SurfacesTest, TwoAndThreeColourPatternsConvertBytesToFractions) {
    CPovPigment pigment;
    pigment.PigmentKind = kPigmentChecker;
    pigment.Filters[1] = 0.5;
    EXPECT_EQ(Body(pigment),
              "\t\tchecker\r\n"
              "\t\tcolor rgb < 1.000 1.000 1.000 > filter 0.0\r\n"
              "\t\tcolor rgb < 0.498 0.498 0.498 > filter 0.5\r\n");
    pigment.PigmentKind = kPigmentBrick;
    EXPECT_EQ(Body(pigment).substr(0, 9), "\t\tbrick\r\n");
    pigment.PigmentKind = kPigmentHexagon;
    pigment.Colors[2] = 0x0000FF;  // red only
    EXPECT_EQ(Body(pigment),
              "\t\thexagon\r\n"
              "\t\tcolor rgb < 1.000 1.000 1.000 > filter 0.0\r\n"
              "\t\tcolor rgb < 0.498 0.498 0.498 > filter 0.5\r\n"
              "\t\tcolor rgb < 1.000 0.000 0.000 > filter 0.0\r\n");
    pigment.PigmentKind = 9;  // unknown kind: no body at all
    EXPECT_EQ(Body(pigment), "");
}

TEST_F(SurfacesTest, ColourMapWritesItsEntriesAndMandelItsValue) {
    CPovPigment pigment;
    pigment.PigmentKind = kPigmentColorMap;
    pigment.ColorCount = 0;
    EXPECT_EQ(Body(pigment), "\t\tgradient x\r\n\t\tcolor_map {\r\n\t\t}\r\n");

    pigment.ColorCount = 2;
    pigment.PatternName = "mandel";
    pigment.PatternValue = 25;
    EXPECT_EQ(Body(pigment),
              "\t\tmandel 25.000\r\n"
              "\t\tcolor_map {\r\n"
              "\t\t\t[ 0.1 color rgb < 1.000 1.000 1.000 > filter 0.0]\r\n"
              "\t\t\t[ 0.6 color rgb < 0.498 0.498 0.498 > filter 0.0]\r\n"
              "\t\t}\r\n");

    // a count beyond the table is never followed
    pigment.ColorCount = 15;
    const std::string many = Body(pigment);
    size_t lines = 0;
    for (size_t at = many.find("\t\t\t["); at != std::string::npos;
         at = many.find("\t\t\t[", at + 1))
        ++lines;
    EXPECT_EQ(lines, 10u);
    pigment.ColorCount = -3;
    EXPECT_EQ(Body(pigment), "\t\tmandel 25.000\r\n\t\tcolor_map {\r\n\t\t}\r\n");
}

TEST_F(SurfacesTest, ImageMapTakesItsTypeFromTheFileName) {
    CPovPigment pigment;
    pigment.PigmentKind = kPigmentImageMap;
    pigment.ImageFile = "maps/Earth.TGA";
    pigment.MapType = 1;
    EXPECT_EQ(Body(pigment),
              "\t\timage_map { \r\n"
              "\t\t\ttga \"maps/Earth.TGA\"\r\n"
              "\t\t\t\r\n"
              "\t\t\tmap_type 1\r\n"
              "\t\t}\r\n");
    pigment.Once = 1;
    EXPECT_NE(Body(pigment).find("\t\t\tonce\r\n"), std::string::npos);

    // an empty name is repaired, and the repair is kept
    pigment.ImageFile.clear();
    EXPECT_NE(Body(pigment).find("\t\t\tgif \"unkown.gif\"\r\n"), std::string::npos);
    EXPECT_EQ(pigment.ImageFile, "unkown.gif");

    // a name too short to hold a type
    pigment.ImageFile = "ab";
    EXPECT_NE(Body(pigment).find("\t\t\tgif \"ab\"\r\n"), std::string::npos);
    EXPECT_EQ(pigment.ImageFile, "ab");
}

TEST_F(SurfacesTest, PigmentMapSkipsUnusedEntries) {
    CPovPigment pigment;
    pigment.PigmentKind = kPigmentPigmentMap;
    pigment.MapPigments[1] = "Pigment_7";
    EXPECT_EQ(Body(pigment),
              "\t\tgradient x\r\n"
              "\t\tpigment_map {\r\n"
              "\t\t\t[ 0.6 Pigment_7 ]\r\n"
              "\t\t}\r\n");
}

TEST_F(SurfacesTest, TurbulenceGroupFollowsTheBody) {
    CPovPigment pigment;
    pigment.TurbulenceOn = 1;
    pigment.Turbulence = {0.1, 0.2, 0.3};
    EXPECT_EQ(Body(pigment),
              "\t\tcolor rgb < 1.000 1.000 1.000 > filter 0.0\r\n"
              "\t\tturbulence < 0.100 0.200 0.300 >\r\n"
              "\t\toctaves 6.0 \r\n"
              "\t\tomega 0.500 \r\n"
              "\t\tlambda 2.000 \r\n");
}

TEST_F(SurfacesTest, NormalPatternsWriteTheirNumbers) {
    CPovTexture texture;
    texture.HasNormal = 1;
    texture.NormalName = "bumps";
    texture.NormalValues[0] = 0.00005;
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tbumps\r\n\t}\r\n");
    texture.NormalValues[0] = 0.5;
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tbumps 0.500\r\n\t}\r\n");
    texture.NormalName = "wrinkles";
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\twrinkles 0.500\r\n\t}\r\n");
    texture.NormalValues[0] = -0.5;  // the size of the amount counts, not its sign
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\twrinkles -0.500\r\n\t}\r\n");
    texture.NormalValues = {0.0, 0.0, 0.0};
    texture.NormalName = "spiral1";
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tspiral1 0.000\r\n\t}\r\n");
    texture.NormalValues = {1.0, 2.0, 3.0};
    texture.NormalName = "mandel";
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tmandel 1.000 2.000\r\n\t}\r\n");
    texture.NormalName = "quilted";
    EXPECT_EQ(NormalBlock(texture),
              "\tnormal {\r\n\t\tquilted 1.000\r\n\t\tcontrol0 2.000\r\n\t\tcontrol1 "
              "3.000\r\n\t}\r\n");
    texture.NormalName = "granite";
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tgranite\r\n\t}\r\n");
    texture.NormalName = "Bumps";  // not in the table: the bare name
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t\tBumps\r\n\t}\r\n");

    texture.NormalKind = kNormalSlopeMap;
    EXPECT_EQ(NormalBlock(texture), "\tnormal {\r\n\t}\r\n");
    texture.HasNormal = 0;
    EXPECT_EQ(NormalBlock(texture), "<no normal>");
}

TEST_F(SurfacesTest, BumpMapRepairsAnEmptyFileName) {
    CPovTexture texture;
    texture.HasNormal = 1;
    texture.NormalKind = kNormalBumpMap;
    EXPECT_EQ(NormalBlock(texture),
              "\tnormal {\r\n"
              "\t\tbump_map { \r\n"
              "\t\t\tgif \"unkown.gif\"\r\n"
              "\r\n"
              "\t\t\tbump_size 1.0\r\n"
              "\t\t}\r\n"
              "\t}\r\n");
    EXPECT_EQ(texture.BumpFile, "unkown.gif");
    texture.BumpFile = "Bump.PNG";
    EXPECT_NE(NormalBlock(texture).find("\t\t\tpng \"Bump.PNG\"\r\n"), std::string::npos);
    texture.BumpFile = "b";
    EXPECT_NE(NormalBlock(texture).find("\t\t\tgif \"b\"\r\n"), std::string::npos);
}

TEST_F(SurfacesTest, FinishBlockOnlyWhenSomethingDiffersFromTheDefaults) {
    CPovTexture texture;
    texture.Diffuse = 0.600005;  // within the tolerance
    texture.Crand = -0.000005;
    EXPECT_EQ(Write(texture).find("finish"), std::string::npos);

    texture.Diffuse = 0.7;
    const std::string text = Write(texture);
    EXPECT_NE(text.find("\t}\r\n\tfinish {\r\n\t\tdiffuse 0.700\r\n\t}\r\n  scale"),
              std::string::npos);

    CPovTexture phong;
    phong.HasPhong = 1;
    EXPECT_NE(Write(phong).find("\tfinish {\r\n\t\tphong 0.00\r\n\t\tphong_size 1.0\r\n\t}\r\n"),
              std::string::npos);

    // every line, in its order
    CPovTexture all;
    all.HasAmbient = 1;
    all.HasPhong = 1;
    all.Phong = 0.75;
    all.PhongSize = 40;
    all.HasRefraction = 1;
    all.Ior = 1.33;
    all.Metallic = 1;
    all.Diffuse = 0.3;
    all.Brilliance = 2;
    all.Crand = 0.1;
    all.Reflection = 0.25;
    EXPECT_NE(Write(all).find("\tfinish {\r\n"
                              "\t\tambient color rgb < 0.216 0.216 0.216 >\r\n"
                              "\t\tphong 0.75\r\n\t\tphong_size 40.0\r\n"
                              "\t\trefraction 1\r\n\t\tior 1.330\r\n"
                              "\t\tmetallic\r\n"
                              "\t\tdiffuse 0.300\r\n"
                              "\t\tbrilliance 2.000\r\n"
                              "\t\tcrand 0.100\r\n"
                              "\t\treflection 0.250\r\n"
                              "\t}\r\n"),
              std::string::npos);
}

TEST_F(SurfacesTest, HaloReferencesFollowTheFinishInSlotOrder) {
    CPovTexture texture;
    texture.HasPigment = 0;
    texture.Reflection = 0.5;
    texture.HaloNames[0] = "Halo_0";
    texture.HaloNames[3] = "Halo_4";
    texture.HaloNames[4] = "";  // an empty slot is no reference either
    EXPECT_EQ(Write(texture),
              "#declare Textur_0 = texture {\r\n"
              "\tfinish {\r\n\t\treflection 0.500\r\n\t}\r\n"
              "  halo { Halo_0 }\r\n"
              "  halo { Halo_4 }\r\n" +
                  kSteps + "}\r\n\r\n");
}

TEST_F(SurfacesTest, TablesCannotBeWrittenPast) {
    CPovPigment pigment;
    pigment.ColorCount = 0;
    for (int i = 0; i < kMaxPigmentColors; ++i)
        EXPECT_TRUE(pigment.AddMapColor(i / 10.0, static_cast<PovColor>(i), 0.1, 0.5)) << i;
    EXPECT_FALSE(pigment.AddColor(0x123456));
    EXPECT_FALSE(pigment.AddMapColor(0.5, 0x123456));
    EXPECT_EQ(pigment.ColorCount, 10);
    EXPECT_EQ(pigment.Colors[9], 9u);
    EXPECT_DOUBLE_EQ(pigment.Positions[9], 0.9);
    EXPECT_DOUBLE_EQ(pigment.Transmits[9], 0.5);
    pigment.ColorCount = 42;  // set from outside: refused too
    EXPECT_FALSE(pigment.AddColor(0));
    EXPECT_EQ(pigment.UsedColorCount(), 10);

    EXPECT_FALSE(pigment.AddMapPigment("", 0.5));
    EXPECT_TRUE(pigment.AddMapPigment("A", 0.2));
    EXPECT_TRUE(pigment.AddMapPigment("B", 0.4));
    EXPECT_TRUE(pigment.AddMapPigment("C", 0.8));
    EXPECT_FALSE(pigment.AddMapPigment("D", 1.0));
    EXPECT_EQ(pigment.MapPigments[2], "C");
    EXPECT_DOUBLE_EQ(pigment.Positions[2], 0.8);

    CPovTexture texture;
    for (int i = 0; i < kMaxTextureHalos; ++i)
        EXPECT_TRUE(texture.AddHaloName("Halo_" + std::to_string(i)));
    EXPECT_FALSE(texture.AddHaloName("Halo_6"));
    EXPECT_EQ(texture.HaloCount, 6);
    EXPECT_EQ(texture.HaloNames[5], "Halo_5");

    // pattern and normal names hold at most 19 characters
    pigment.PatternName = "gradient x turbulence 0.5";
    EXPECT_EQ(pigment.PatternName.Str(), "gradient x turbulen");
    texture.NormalName = std::string(40, 'n');
    EXPECT_EQ(texture.NormalName.size(), 19u);
}

TEST_F(SurfacesTest, ClonesAreNamedAfterTheirSourceAndCopyEveryField) {
    CPovPigment source;
    source.Name = "Pigment_2";
    source.PigmentKind = kPigmentPigmentMap;
    source.MapPigments = {"A", "", "C"};
    source.ImageFile = "earth.gif";
    source.ScaleStep() = Vector(2, 3, 4);
    g_NameCounters.Pigment = 5;
    std::unique_ptr<CPovObject> copy(source.Clone());
    auto* pigment = dynamic_cast<CPovPigment*>(copy.get());
    ASSERT_NE(pigment, nullptr);
    EXPECT_EQ(pigment->Name, "Pigment_26");
    EXPECT_EQ(g_NameCounters.Pigment, 7);
    EXPECT_EQ(pigment->PigmentKind, kPigmentPigmentMap);
    EXPECT_EQ(pigment->MapPigments[2], "C");
    EXPECT_EQ(pigment->ImageFile, "earth.gif");
    EXPECT_EQ(pigment->ScaleStep(), Vector(2, 3, 4));

    CPovTexture texture;
    texture.Name = "Textur_3";
    texture.HasNormal = 1;
    texture.NormalName = "dents";
    texture.BumpFile = "b.tga";
    texture.HaloNames[2] = "Halo_1";
    texture.HaloCount = 3;
    texture.Diffuse = 0.9;
    texture.Colors[5] = 0x102030;
    texture.SetPresent(false);  // a copy of a deleted texture carries no deletion mark
    g_NameCounters.Texture = 7;
    std::unique_ptr<CPovObject> copy2(texture.Clone());
    auto* t = dynamic_cast<CPovTexture*>(copy2.get());
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->Name, "Textur_38");
    EXPECT_EQ(g_NameCounters.Texture, 9);
    EXPECT_TRUE(t->IsPresent());
    EXPECT_EQ(t->NormalName, "dents");
    EXPECT_EQ(t->BumpFile, "b.tga");
    EXPECT_EQ(t->HaloNames[2], "Halo_1");
    EXPECT_EQ(t->HaloCount, 3);
    EXPECT_DOUBLE_EQ(t->Diffuse, 0.9);
    EXPECT_EQ(t->Colors[5], 0x102030u);
}

TEST_F(SurfacesTest, PropertySheetsCarryTheirCaptions) {
    ScopedEditorHost editor;
    FakeSceneHost host;
    CPovTexture texture;
    CPovPigment pigment;
    texture.SetDocument(&host);
    pigment.SetDocument(&host);
    EXPECT_EQ(texture.EditProperties(), kDialogOk);
    editor.result = kDialogCancel;
    EXPECT_EQ(pigment.EditProperties(), kDialogCancel);
    ASSERT_EQ(editor.captions.size(), 2u);
    EXPECT_EQ(editor.captions[0],
              "Eigenschaften Oberfl\xE4"
              "che");
    EXPECT_EQ(editor.captions[1], "Eigenschaften Pigment");
    EXPECT_EQ(host.modifications, 1);
}

TEST_F(SurfacesTest, FieldsAreReportedByTheirNames) {
    CPovTexture texture;
    FieldNameRecorder sink;
    texture.VisitFields(sink);
    const std::vector<std::string> expected = {
        "HasPigment", "PigmentKind", "Colors",     "Positions",     "Filters",      "Transmits",
        "ColorCount", "MapType",     "Once",       "PatternName",   "TurbulenceOn", "Turbulence",
        "Omega",      "Lambda",      "Octaves",    "PatternValue",  "ImageFile",    "MapPigments",
        "HasNormal",  "NormalKind",  "NormalName", "NormalValues",  "HasAmbient",   "AmbientColor",
        "HasPhong",   "Phong",       "PhongSize",  "HasRefraction", "Ior",          "Metallic",
        "Diffuse",    "Brilliance",  "Crand",      "Reflection",    "HaloCount",    "HaloNames",
        "BumpFile"};
    EXPECT_EQ(sink.names, expected);
    EXPECT_EQ(sink.counts["Colors"], 10u);
    EXPECT_EQ(sink.counts["HaloNames"], 6u);
    EXPECT_EQ(sink.integers["AmbientColor"], 0x373737);
    EXPECT_EQ(sink.texts["PatternName"], "gradient x");
}

TEST_F(SurfacesTest, TextureIndexOfPredefinedAndAddOnNames) {
    EXPECT_EQ(FindTextureIndex("Jade"), 0);
    EXPECT_EQ(FindTextureIndex("Clouds"), 15);
    EXPECT_EQ(FindTextureIndex("Stone16"), 118);
    EXPECT_EQ(FindTextureIndex("jade"), 1000);  // exact comparison
    EXPECT_EQ(FindTextureIndex("Textur_0"), 1000);
    EXPECT_EQ(FindTextureIndex(""), 1000);

    const std::vector<std::string> addOns = {"Fancy", "fancy.jpg", "Jade",  "jade.jpg",
                                             "Other", "other.jpg", "Other", "second.jpg"};
    SetTextureAddOns(&addOns);
    EXPECT_EQ(FindTextureIndex("Fancy"), 2001);
    EXPECT_EQ(FindTextureIndex("Other"), 2005);      // the first of two pairs
    EXPECT_EQ(FindTextureIndex("Jade"), 0);          // the predefined table comes first
    EXPECT_EQ(FindTextureIndex("fancy.jpg"), 1000);  // preview files are no names
    SetTextureAddOns(nullptr);
    EXPECT_EQ(FindTextureIndex("Fancy"), 1000);
}

}  // namespace
