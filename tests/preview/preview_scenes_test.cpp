// The scenes behind the preview pictures.
#include <gtest/gtest.h>

#include "model/surfaces/pov_pigment.h"
#include "model/surfaces/pov_texture.h"
#include "preview/preview_scenes.h"
#include "tests/support/model_test.h"

namespace {

size_t Count(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

}  // namespace

class PreviewScenesTest : public ModelTest {};

TEST_F(PreviewScenesTest, StandardSubjects) {
    const std::string jade = PreviewScene(PreviewSubject::Texture("Jade"));
    EXPECT_NE(jade.find("#version 3.7;"), std::string::npos);
    EXPECT_NE(jade.find("#include \"stoneold.inc\""), std::string::npos);
    // a name no include file declares falls back to the unknown texture's look
    EXPECT_NE(jade.find("#ifdef (Jade) texture { Jade } #else"), std::string::npos);
    // a name that is no identifier never reaches POV-Ray
    const std::string odd = PreviewScene(PreviewSubject::Texture("x } sphere {"), {"mine.inc"});
    EXPECT_EQ(odd.find("x }"), std::string::npos);
    EXPECT_NE(odd.find("#include \"mine.inc\""), std::string::npos);
    EXPECT_NE(PreviewScene(PreviewSubject::Sky("S_Cloud3")).find("sky_sphere { S_Cloud3 }"),
              std::string::npos);
    EXPECT_NE(PreviewScene(PreviewSubject::Fog("Ground_Fog")).find("fog_type 2"),
              std::string::npos);
    EXPECT_TRUE(IsPovIdentifier("Grnt0a") && IsPovIdentifier("_x"));
    EXPECT_FALSE(IsPovIdentifier("0a") || IsPovIdentifier("") || IsPovIdentifier("a-b") ||
                 IsPovIdentifier("Gr\xfcn"));
}

TEST_F(PreviewScenesTest, LiveTextureBringsItsPigmentsAndLeavesOutHalos) {
    // pigment maps: the texture names P1 and P2; P1 names P3 and (in a cycle) the texture's
    // other pigment P2; P2 names P1 back
    CPovObject* pigments = nullptr;
    auto add = [&](const char* name) {
        auto* p = new CPovPigment();
        p->Name = name;
        LinkAtHead(pigments, p);
        return p;
    };
    CPovPigment* p1 = add("P1");
    CPovPigment* p2 = add("P2");
    CPovPigment* p3 = add("P3");
    add("Unused");
    p1->PigmentKind = kPigmentPigmentMap;
    p1->MapPigments = {"P3", "P2", ""};
    p2->PigmentKind = kPigmentPigmentMap;
    p2->MapPigments = {"P1", "", "Missing"};
    p3->PigmentKind = kPigmentImageMap;  // an empty image file: the preview must not repair it

    CPovTexture texture;
    texture.Name = "Mine";
    texture.PigmentKind = kPigmentPigmentMap;
    texture.MapPigments = {"P1", "P2", ""};
    texture.HaloNames[1] = "Halo_0";

    const TexturePreviewScene scene = LiveTextureScene(texture, pigments);
    const std::string& text = scene.text;
    const size_t d1 = text.find("#declare P1 ="), d2 = text.find("#declare P2 ="),
                 d3 = text.find("#declare P3 ="), mine = text.find("#declare Mine =");
    ASSERT_NE(d1, std::string::npos);
    ASSERT_NE(d2, std::string::npos);
    ASSERT_NE(d3, std::string::npos);
    ASSERT_NE(mine, std::string::npos);
    EXPECT_LT(d3, d1);  // each declared before its user
    EXPECT_LT(d1, mine);
    EXPECT_LT(d2, mine);
    EXPECT_EQ(Count(text, "#declare P"), 3u);
    EXPECT_EQ(text.find("Unused"), std::string::npos);
    EXPECT_EQ(text.find("halo"), std::string::npos);
    EXPECT_FALSE(scene.note.empty());
    EXPECT_NE(text.find("sphere { 0, 1 texture { Mine } }"), std::string::npos);
    EXPECT_EQ(p3->ImageFile, "");
    EXPECT_EQ(texture.HaloNames[1], "Halo_0");

    while (pigments) {
        CPovObject* next = pigments->NextSibling;
        delete pigments;
        pigments = next;
    }
}
