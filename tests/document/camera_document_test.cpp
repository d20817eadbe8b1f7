// The document's camera and the owners of look-at points through cut, paste and undo.
#include <gtest/gtest.h>

#include <cmath>

#include "document/orvanta_doc.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light_source_spot.h"
#include "platform/fake/fake_view_port.h"
#include "tests/support/model_test.h"

namespace {

class CameraDocumentTest : public ModelTest {
  protected:
    FakeViewPort front{kFrontView};
    void SetUp() override {
        ModelTest::SetUp();
        front.centre = Vector(1, 2, 3);
    }
    CPovCamera* AddCamera(COrvantaDoc& doc) {
        auto* camera = new CPovCamera();
        doc.InsertObject(camera);
        doc.Camera = camera;
        return camera;
    }
};

TEST_F(CameraDocumentTest, CuttingTheCameraAndUndoBringsTheSameOneBack) {
    COrvantaDoc doc;
    doc.AddView(&front);
    CPovCamera* camera = AddCamera(doc);
    camera->Select(front);

    doc.OnEditCut();
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_FALSE(camera->IsPresent());
    EXPECT_FALSE(camera->FirstChild->IsPresent());
    ASSERT_NE(ClipboardObject, nullptr);
    EXPECT_EQ(ClipboardObject->GetType(), kKindCamera);
    EXPECT_EQ(ClipboardObject->ChildCount(), 1);

    doc.CameraChanged = 0;
    doc.OnEditUndo();
    EXPECT_EQ(doc.Camera, camera);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_TRUE(camera->IsPresent());
    EXPECT_TRUE(camera->FirstChild->IsPresent());
}

TEST_F(CameraDocumentTest, PastingACameraPlacesItAndItsLookAtPoint) {
    COrvantaDoc doc;
    doc.AddView(&front);
    CPovCamera* camera = AddCamera(doc);
    camera->Select(front);
    doc.OnEditCut();
    doc.CameraChanged = 0;

    doc.OnEditPaste();
    CPovObject* copy = doc.Objects;
    ASSERT_NE(copy, camera);
    EXPECT_EQ(copy->GetType(), kKindCamera);
    EXPECT_EQ(doc.Camera, copy);
    EXPECT_EQ(doc.CameraChanged, 1);
    EXPECT_EQ(doc.CurrentObject, copy);
    ASSERT_EQ(copy->ChildCount(), 1);
    EXPECT_EQ(copy->FirstChild->Parent, copy);
    EXPECT_EQ(copy->FirstChild->Document, &doc);
    // 10 units in front of the view centre, looking at it
    SceneText text;
    copy->WriteScene(text);
    EXPECT_EQ(text.Text(),
              "camera {\r\n"
              "  location <1.0000,2.0000,-7.0000>\r\n"
              "  look_at <1.0000,2.0000,3.0000>\r\n"
              "}\r\n\r\n");

    doc.OnEditUndo();  // takes the pasted camera out of the scene again
    EXPECT_EQ(doc.Objects, camera);
    EXPECT_EQ(doc.CurrentObject, nullptr);
    EXPECT_EQ(doc.Camera, nullptr);
    EXPECT_EQ(doc.CameraChanged, 0);
}

TEST_F(CameraDocumentTest, CopiesKeepOneLookAtPointEach) {
    COrvantaDoc doc;
    doc.AddView(&front);
    auto* spot = new CPovLightSourceSpot();
    doc.InsertObject(spot);
    spot->FirstChild->SetPosition(Vector(0, -1, 0));
    spot->Select(front);

    doc.OnEditCopy();
    doc.OnEditPaste();
    doc.OnEditPaste();
    ASSERT_NE(doc.Objects, spot);
    ASSERT_NE(doc.Objects->NextSibling, spot);
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        ASSERT_EQ(o->ChildCount(), 1);
        EXPECT_EQ(o->FirstChild->GetType(), kKindLookAt);
        EXPECT_EQ(o->FirstChild->Parent, o);
        EXPECT_EQ(o->FirstChild->Translation(), Vector(0, -1, 0));
    }
    // a pasted light moves to the view centre and aims at its copied look-at point
    CPovObject* pasted = doc.Objects;
    EXPECT_EQ(pasted->Translation().X, 1.0);
    EXPECT_EQ(pasted->Translation().Y, 2.0);
    EXPECT_NEAR(pasted->ScaleStep().Z, std::sqrt(1.0 + 9.0 + 9.0), 1e-6);
    EXPECT_EQ(ClipboardObject->ChildCount(), 1);
}

}  // namespace
