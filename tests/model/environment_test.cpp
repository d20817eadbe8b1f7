// Background, sky sphere, fog and halo: their scene text, names, copies and their part in
// selection.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/name_counters.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/field_name_recorder.h"
#include "tests/support/model_test.h"

namespace {

const std::string kHaloSteps =
    "  scale <1.0000,1.0000,1.0000>\r\n"
    "  rotate <0.0000,0.0000,0.0000>\r\n"
    "  translate <0.0000,0.0000,0.0000>\r\n"
    "}\r\n\r\n";

std::string Write(CPovObject& object) {
    SceneText out;
    EXPECT_EQ(object.WriteScene(out), 1);
    return out.Take();
}

class EnvironmentTest : public ModelTest {
  protected:
    FakeSceneHost host;
    void SetUp() override {
        ModelTest::SetUp();
        CurrentDocument = &host;
    }
    void TearDown() override {
        while (host.Objects) {
            CPovObject* next = host.Objects->NextSibling;
            delete host.Objects;
            host.Objects = next;
        }
        ModelTest::TearDown();
    }
    template <typename T>
    T* Add() {
        auto* object = new T();
        LinkAtHead(host.Objects, object);
        object->SetDocument(&host);
        return object;
    }
};

TEST_F(EnvironmentTest, BackgroundIsOneLine) {
    CPovBackground* background = Add<CPovBackground>();
    EXPECT_EQ(background->Name, "Hindergrund");
    EXPECT_EQ(background->GetType(), 8);
    EXPECT_STREQ(background->GetHelpKeyword(), "Background");
    EXPECT_EQ(background->Steps.size(), 1u);
    EXPECT_EQ(Write(*background), "background {  color rgb <0.0000,0.0000,0.0000> }\r\n\r\n");
    background->BackgroundColor = 0x0000FF;
    EXPECT_EQ(Write(*background), "background {  color rgb <1.0000,0.0000,0.0000> }\r\n\r\n");
    background->BackgroundColor = 0x7F0000;  // blue in the high byte
    EXPECT_EQ(Write(*background), "background {  color rgb <0.0000,0.0000,0.4980> }\r\n\r\n");

    std::unique_ptr<CPovObject> copy(background->Clone());
    auto* b = dynamic_cast<CPovBackground*>(copy.get());
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->BackgroundColor, 0x7F0000u);
    EXPECT_EQ(b->Steps.size(), 1u);
}

TEST_F(EnvironmentTest, SkySpherePredefinedOrPigments) {
    CPovSkySphere* sky = Add<CPovSkySphere>();
    EXPECT_EQ(sky->Name, "Himmel");
    EXPECT_EQ(sky->GetType(), 13);
    EXPECT_STREQ(sky->GetHelpKeyword(), "Sky Sphere");
    EXPECT_EQ(Write(*sky), "sky_sphere { \tS_Cloud1\r\n}\r\n\r\n");

    sky->SkyPigment = "S_Cloud3";
    sky->SkyPigment2 = "Pigment_1";  // not written with a predefined sky
    EXPECT_EQ(Write(*sky), "sky_sphere { \tS_Cloud3\r\n}\r\n\r\n");

    sky->SkyPigment = "Pigment_0";
    EXPECT_EQ(Write(*sky),
              "sky_sphere { \tpigment { Pigment_0 }\r\n\tpigment { Pigment_1 }\r\n}\r\n\r\n");
    sky->SkyPigment2.clear();
    EXPECT_EQ(Write(*sky), "sky_sphere { \tpigment { Pigment_0 }\r\n}\r\n\r\n");
    sky->SkyPigment = "s_cloud1";  // the sky names are compared exactly
    EXPECT_EQ(Write(*sky), "sky_sphere { \tpigment { s_cloud1 }\r\n}\r\n\r\n");

    sky->SkyPigment2 = "Pigment_9";
    std::unique_ptr<CPovObject> copy(sky->Clone());
    auto* s = dynamic_cast<CPovSkySphere*>(copy.get());
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->Name, "Himmel");
    EXPECT_EQ(s->SkyPigment, "s_cloud1");
    EXPECT_EQ(s->SkyPigment2, "Pigment_9");
}

TEST_F(EnvironmentTest, DefaultFogIsDeclaredAndUsed) {
    CPovFog* fog = Add<CPovFog>();
    EXPECT_EQ(fog->Name, "Nebel_000");
    EXPECT_EQ(fog->GetType(), 14);
    EXPECT_EQ(Write(*fog),
              "#declare Nebel_000 = fog { \r\n"
              "  fog_type Uniform_Fog\r\n"
              "  distance 30.0000\r\n"
              "  color rgb < 1.000 1.000 1.000 > filter 0.0\r\n"
              "  fog_offset 20.0000\r\n"
              "  fog_alt 25.0000\r\n"
              "  up <0.0000,1.0000,0.0000>\r\n"
              "  scale <1.0000,1.0000,1.0000>\r\n"
              "}\r\n\r\n"
              "fog { \r\n"
              "  Nebel_000\r\n"
              "}\r\n\r\n");
    // default names are unique among the scene's objects
    EXPECT_EQ(Add<CPovFog>()->Name, "Nebel_001");
}

TEST_F(EnvironmentTest, FogTypesPovRayKnowsAreKept) {
    CPovFog* fog = Add<CPovFog>();
    fog->FogType = "Ground_Fog";
    EXPECT_NE(Write(*fog).find("\r\n  fog_type Ground_Fog\r\n"), std::string::npos);
    EXPECT_EQ(fog->FogType, "Ground_Fog");
    fog->FogType = "Constant_Fog";
    EXPECT_NE(Write(*fog).find("\r\n  fog_type Constant_Fog\r\n"), std::string::npos);
    fog->FogType = "Dense_Fog";
    EXPECT_NE(Write(*fog).find("\r\n  fog_type Uniform_Fog\r\n"), std::string::npos);
    EXPECT_EQ(fog->FogType, "Uniform_Fog");
    fog->FogType = "ground_fog";  // compared exactly
    Write(*fog);
    EXPECT_EQ(fog->FogType, "Uniform_Fog");
}

TEST_F(EnvironmentTest, FogTurbulenceWritesOmegaBeforeLambda) {
    CPovFog* fog = Add<CPovFog>();
    fog->FogTurbulenceOn = 1;
    fog->FogColor = 0x00FF00;
    fog->FogFilter = 0.25;
    EXPECT_NE(Write(*fog).find("  color rgb < 0.000 1.000 0.000 > filter 0.2\r\n"
                               "  fog_offset 20.0000\r\n"
                               "  fog_alt 25.0000\r\n"
                               "  turbulence < 0.500 0.500 0.500 >\r\n"
                               "  octaves 6.0 \r\n"
                               "  omega 0.500 \r\n"
                               "  lambda 2.000 \r\n"
                               "  up <"),
              std::string::npos);

    fog->Distance = 12.5;
    fog->FogTransmit = 0.3;
    std::unique_ptr<CPovObject> copy(fog->Clone());
    auto* f = dynamic_cast<CPovFog*>(copy.get());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->Name, "Nebel_001");  // a copied fog keeps its own default name
    EXPECT_DOUBLE_EQ(f->Distance, 12.5);
    EXPECT_DOUBLE_EQ(f->FogTransmit, 0.3);
    EXPECT_EQ(f->FogTurbulenceOn, 1);
    EXPECT_EQ(f->Translation(), Vector(0, 1, 0));  // the up vector
}

TEST_F(EnvironmentTest, DefaultHalo) {
    CPovHalo halo;
    EXPECT_EQ(halo.Name, "Halo_0");
    EXPECT_EQ(halo.GetType(), 15);
    EXPECT_EQ(g_NameCounters.Halo, 1);
    EXPECT_EQ(Write(halo),
              "#declare Halo_0 = halo {\r\n"
              "  attenuating\r\n"
              "  constant\r\n"
              "  planar_mapping\r\n"
              "  max_value 1.0000\r\n"
              "  samples 10.0000\r\n" +
                  kHaloSteps);
}

TEST_F(EnvironmentTest, HaloOptionalGroupsInTheirOrder) {
    CPovHalo halo;
    halo.HaloType = "emitting";
    halo.JitterOn = 1;  // without anti-aliasing: no jitter
    halo.HaloTurbulenceOn = 1;
    halo.HaloColorCount = 2;
    EXPECT_EQ(Write(halo),
              "#declare Halo_0 = halo {\r\n"
              "  emitting\r\n"
              "  constant\r\n"
              "  planar_mapping\r\n"
              "  max_value 1.0000\r\n"
              "  samples 10.0000\r\n"
              "  turbulence <0.5000,0.5000,0.5000>\r\n"
              "  octaves 6.0\r\n"
              "  lambda 2.0\r\n"
              "  omega 0.5\r\n"
              "  color_map {\r\n"
              "  \t[ 0.0 color rgbft < 1.000 1.000 1.000 0.000 1.000 > ]\r\n"
              "  \t[ 0.0 color rgbft < 1.000 1.000 1.000 0.000 1.000 > ]\r\n"
              "  }\r\n" +
                  kHaloSteps);

    halo.HaloType = "dust";
    halo.DensityFunction = "poly";
    halo.AntiAliasOn = 1;
    halo.HaloTurbulenceOn = 0;
    halo.HaloColorCount = 0;
    EXPECT_EQ(Write(halo),
              "#declare Halo_0 = halo {\r\n"
              "  dust\r\n"
              "  poly\r\n"
              "  planar_mapping\r\n"
              "  dust_type ISOTROPIC_SCATTERING\r\n"
              "  eccentricity 1.0000\r\n"
              "  max_value 1.0000\r\n"
              "  exponent 1.0000\r\n"
              "  samples 10.0000\r\n"
              "  aa_level 0.3000\r\n"
              "  aa_threshold 3.0000\r\n"
              "  jitter 0.5000\r\n" +
                  kHaloSteps);
    halo.JitterOn = 0;
    EXPECT_EQ(Write(halo).find("jitter"), std::string::npos);
}

TEST_F(EnvironmentTest, HaloColourTableCannotBeWrittenPast) {
    CPovHalo halo;
    for (int i = 0; i < kMaxHaloColors; ++i)
        EXPECT_TRUE(halo.AddHaloColor(i / 10.0, 0x0000FF, 0.5, 0.25)) << i;
    EXPECT_FALSE(halo.AddHaloColor(0.9, 0x00FF00));
    EXPECT_EQ(halo.HaloColorCount, 6);
    EXPECT_NE(
        Write(halo).find("  \t[ 0.5 color rgbft < 1.000 0.000 0.000 0.500 0.250 > ]\r\n  }\r\n"),
        std::string::npos);

    halo.HaloColorCount = 40;  // set from outside: only the table is written
    const std::string text = Write(halo);
    size_t lines = 0;
    for (size_t at = text.find("rgbft"); at != std::string::npos; at = text.find("rgbft", at + 1))
        ++lines;
    EXPECT_EQ(lines, 6u);
    EXPECT_FALSE(halo.AddHaloColor(0.1, 0));
}

TEST_F(EnvironmentTest, HaloClonesAreRenamedLikeTextures) {
    CPovHalo halo;
    halo.Name = "Halo_1";
    halo.HaloType = "glowing";
    halo.HaloTurbulence = Vector(0.1, 0.2, 0.3);
    halo.HaloColors[4] = 0x123456;
    g_NameCounters.Halo = 4;
    std::unique_ptr<CPovObject> copy(halo.Clone());
    auto* h = dynamic_cast<CPovHalo*>(copy.get());
    ASSERT_NE(h, nullptr);
    EXPECT_EQ(h->Name, "Halo_15");  // the constructor used 4
    EXPECT_EQ(g_NameCounters.Halo, 6);
    EXPECT_EQ(h->HaloType, "glowing");
    EXPECT_EQ(h->HaloTurbulence, Vector(0.1, 0.2, 0.3));
    EXPECT_EQ(h->HaloColors[4], 0x123456u);
}

TEST_F(EnvironmentTest, SelectionAndDrawing) {
    FakeViewPort view;
    CPovBackground* background = Add<CPovBackground>();
    CPovFog* fog = Add<CPovFog>();
    CPovSkySphere* sky = Add<CPovSkySphere>();
    CPovHalo halo;
    halo.SetDocument(&host);

    background->Select(view);
    halo.Select(view);
    EXPECT_FALSE(background->IsSelected());
    EXPECT_FALSE(halo.IsSelected());
    EXPECT_EQ(host.CurrentObject, nullptr);

    fog->Select(view);
    EXPECT_TRUE(fog->IsSelected());
    EXPECT_EQ(host.CurrentObject, fog);
    fog->Deselect(view);
    EXPECT_EQ(host.CurrentObject, nullptr);
    sky->Select(view);
    EXPECT_EQ(host.CurrentObject, sky);

    EXPECT_FALSE(background->HasGeometry());
    EXPECT_FALSE(halo.HasGeometry());
    EXPECT_TRUE(fog->HasGeometry());
    EXPECT_TRUE(sky->HasGeometry());
    for (CPovObject* o : {static_cast<CPovObject*>(background), static_cast<CPovObject*>(fog),
                          static_cast<CPovObject*>(sky), static_cast<CPovObject*>(&halo)}) {
        EXPECT_FALSE(o->CanBeCsgElement()) << o->GetClassName();
        EXPECT_TRUE(o->Outline.empty()) << o->GetClassName();
        RecordingDeviceContext dc;
        o->Draw(view, &dc, 0, 0, 400, 300, 10);
        EXPECT_TRUE(dc.primitives.empty()) << o->GetClassName();
    }
}

TEST_F(EnvironmentTest, PropertySheetsCarryTheirCaptions) {
    ScopedEditorHost editor;
    Add<CPovBackground>()->EditProperties();
    Add<CPovSkySphere>()->EditProperties();
    Add<CPovFog>()->EditProperties();
    CPovHalo halo;
    halo.SetDocument(&host);
    halo.EditProperties();
    EXPECT_EQ(editor.captions,
              (std::vector<std::string>{"Eigenschaften Hintergrund", "Eigenschaften Himmelskugel",
                                        "Eigenschaften Nebel", "Eigenschaften Halo"}));
    EXPECT_EQ(host.modifications, 4);
}

TEST_F(EnvironmentTest, FieldsAreReportedByTheirNames) {
    CPovHalo halo;
    FieldNameRecorder sink;
    halo.VisitFields(sink);
    EXPECT_EQ(sink.names.size(), 23u);
    EXPECT_EQ(sink.counts["HaloColors"], 6u);
    EXPECT_EQ(sink.texts["DustType"], "ISOTROPIC_SCATTERING");

    CPovFog fog;
    FieldNameRecorder fogSink;
    fog.VisitFields(fogSink);
    EXPECT_EQ(fogSink.names.size(), 12u);
    EXPECT_EQ(fogSink.integers["FogColor"], 0xFFFFFF);

    CPovSkySphere sky;
    FieldNameRecorder skySink;
    sky.VisitFields(skySink);
    EXPECT_EQ(skySink.texts["SkyPigment"], "S_Cloud1");
    CPovBackground background;
    FieldNameRecorder backgroundSink;
    background.VisitFields(backgroundSink);
    EXPECT_EQ(backgroundSink.integers["BackgroundColor"], 0);
}

}  // namespace
