#include <gtest/gtest.h>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/lights/pov_light_source_spot.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_prompts.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/model_test.h"

namespace {

class CreationTest : public ModelTest {
  protected:
    COrvantaDoc doc;
    FakeViewPort front{kFrontView};
    void SetUp() override {
        ModelTest::SetUp();
        CurrentDocument = &doc;
        front.centre = Vector(3, 2, 0);
        doc.AddView(&front);
    }
};

TEST_F(CreationTest, EveryKindHasANameAndACommand) {
    for (const CreateKindInfo& info : CreateKinds()) {
        EXPECT_EQ(CreateKindByName(info.name), info.kind) << info.name;
        CPovObject* o = doc.OnCreate(info.kind);
        ASSERT_NE(o, nullptr) << info.name;
        EXPECT_EQ(o->Document, &doc) << info.name;
    }
    EXPECT_FALSE(CreateKindByName("teapot").has_value());
    EXPECT_EQ(CreateKinds().size(), 23u);
}

TEST_F(CreationTest, PlacedObjectsGoToTheViewCentreAndAreSelected) {
    CPovObject* first = doc.OnCreate(CreateKind::Sphere);
    CPovObject* second = doc.OnCreate(CreateKind::Sphere);
    EXPECT_EQ(first->Name, "Kugel_000");
    EXPECT_EQ(second->Name, "Kugel_001");
    EXPECT_EQ(second->Translation(), Vector(3, 2, 0));
    EXPECT_TRUE(second->IsSelected());
    EXPECT_FALSE(first->IsSelected());
    EXPECT_EQ(doc.CurrentObject, second);
    EXPECT_EQ(doc.Objects, second);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(CreationTest, ANameTakenByAReadObjectIsSkipped) {
    CPovObject* first = doc.OnCreate(CreateKind::Sphere);
    first->Name = "Kugel_001";  // as if read from a file
    g_NameCounters.Sphere = 0;
    EXPECT_EQ(doc.OnCreate(CreateKind::Sphere)->Name, "Kugel_000");
    EXPECT_EQ(doc.OnCreate(CreateKind::Sphere)->Name, "Kugel_002");
}

TEST_F(CreationTest, WithoutAnActiveViewObjectsStayAtTheirConstructorsPlace) {
    front.active = false;
    CPovObject* box = doc.OnCreate(CreateKind::Box);
    EXPECT_EQ(box->Translation(), Vector(0, 0, 0));
    EXPECT_FALSE(box->IsSelected());
    EXPECT_EQ(doc.Objects, box);
    EXPECT_TRUE(doc.IsModified());
}

void ExpectAt(const Vector& v, double x, double y, double z) {
    // the light keeps its z a hair away from its target's (the aiming needs a direction)
    EXPECT_NEAR(v.X, x, 1e-4);
    EXPECT_NEAR(v.Y, y, 1e-4);
    EXPECT_NEAR(v.Z, z, 1e-4);
}

TEST_F(CreationTest, SpotAndCylindricalLightsMoveOffTheirTarget) {
    CPovObject* spot = doc.OnCreate(CreateKind::SpotLight);
    ExpectAt(spot->Translation(), 1, 2, 0);
    ASSERT_NE(spot->FirstChild, nullptr);
    EXPECT_EQ(spot->FirstChild->Translation(), Vector(0, 0, 0));
    CPovObject* cylinder = doc.OnCreate(CreateKind::CylinderLight);
    ExpectAt(cylinder->Translation(), 1, 2, 0);
    EXPECT_EQ(spot->Name, "Spot_000");
    EXPECT_EQ(cylinder->Name, "Spot_001");  // the same prefix, the next free number
}

TEST_F(CreationTest, EditedKindsOpenTheirSheetAndStayOnCancel) {
    ScopedEditorHost editor;
    editor.result = kDialogCancel;
    CPovObject* lathe = doc.OnCreate(CreateKind::Lathe);
    CPovObject* text = doc.OnCreate(CreateKind::Text);
    CPovObject* texture = doc.OnCreate(CreateKind::Texture);
    ASSERT_EQ(editor.captions.size(), 3u);
    EXPECT_EQ(editor.captions[0], "Eigenschaften Rotationsk\xF6rper (Lathe)");
    EXPECT_EQ(editor.captions[1], "Eigenschaften Text");
    EXPECT_EQ(editor.captions[2],
              "Eigenschaften Oberfl\xE4"
              "che");
    EXPECT_EQ(lathe->Translation(), Vector(3, 2, 0));  // edit, then place
    EXPECT_EQ(text->Translation(), Vector(0, 0, 0));   // edit only
    EXPECT_EQ(doc.Textures, texture);
    EXPECT_EQ(texture->Name, "Textur_0");
    EXPECT_EQ(doc.OnCreate(CreateKind::Halo), doc.Halos);
    EXPECT_EQ(doc.OnCreate(CreateKind::Pigment), doc.Pigments);
}

TEST_F(CreationTest, OneBackgroundAndOneSkySphere) {
    EXPECT_TRUE(doc.CanCreate(CreateKind::Background));
    EXPECT_TRUE(doc.CanCreate(CreateKind::SkySphere));
    EXPECT_TRUE(doc.CanCreate(CreateKind::Camera));
    CPovObject* background = doc.OnCreate(CreateKind::Background);
    EXPECT_EQ(doc.Background, background);
    EXPECT_EQ(background->Name, "Hindergrund");
    EXPECT_FALSE(doc.CanCreate(CreateKind::Background));
    background->SetPresent(false);  // deleting keeps it remembered
    EXPECT_FALSE(doc.CanCreate(CreateKind::Background));
    doc.OnCreate(CreateKind::SkySphere);
    EXPECT_FALSE(doc.CanCreate(CreateKind::SkySphere));
}

TEST_F(CreationTest, TheCameraIsPlacedTenUnitsInFrontOfTheCentre) {
    CPovObject* camera = doc.OnCreate(CreateKind::Camera);
    EXPECT_EQ(doc.Camera, camera);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_EQ(camera->Translation(), Vector(3, 2, -10));
    EXPECT_EQ(camera->FirstChild->Translation(), Vector(3, 2, 0));
    EXPECT_FALSE(doc.CanCreate(CreateKind::Camera));
}

TEST_F(CreationTest, ADeletedCameraComesBackWhereItWasOnYes) {
    ScopedRecordingPrompts prompts;
    CPovObject* camera = doc.OnCreate(CreateKind::Camera);
    camera->SetPresent(false);
    EXPECT_TRUE(doc.CanCreate(CreateKind::Camera));
    front.centre = Vector(50, 0, 0);

    prompts.answer = true;
    EXPECT_EQ(doc.OnCreate(CreateKind::Camera), camera);
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0].rfind("Sie hatten schon eine Kamera erzeugt", 0), 0u);
    EXPECT_TRUE(camera->IsPresent());
    EXPECT_EQ(camera->Translation(), Vector(3, 2, -10));

    camera->SetPresent(false);
    prompts.answer = false;
    doc.OnCreate(CreateKind::Camera);
    EXPECT_EQ(camera->Translation(), Vector(50, 0, -10));
}

TEST_F(CreationTest, CuttingTheCameraAndCreatingAnotherGivesANewName) {
    CPovObject* camera = doc.OnCreate(CreateKind::Camera);
    EXPECT_EQ(camera->Name, "Kamera_0");
    doc.OnEditCut();  // the clipboard copy advances the camera counter too
    EXPECT_EQ(doc.Camera, nullptr);
    CPovObject* second = doc.OnCreate(CreateKind::Camera);
    EXPECT_NE(second, camera);
    EXPECT_EQ(second->Name, "Kamera_3");
}

}  // namespace
