// The behaviour every scene object shares, exercised through the box, the simplest kind.
#include <gtest/gtest.h>

#include "model/name_counters.h"
#include "model/pov_object.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/model_test.h"

namespace {

// A minimal group kind for tests of the tree rules; the real groups live in their own files.
class TestGroup : public CPovObject {
  public:
    TestGroup() { InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)}); }
    const char* GetClassName() const override { return "TestGroup"; }
    CPovObject* NewOfKind() const override { return new TestGroup(); }
    int GetType() const override { return kKindUserObject; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Object"; }
    void SetNameCounter(long) override {}
    long GetNameCounter() const override { return 0; }
    int WriteScene(SceneText&) override { return 1; }
    void UpdateGeometry() override {
        ResetGeometry();
        ComputeModelMatrix();
        for (CPovObject* c = FirstChild; c; c = c->NextSibling)
            c->UpdateGeometry();
    }
};

class ObjectBaseTest : public ModelTest {
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
    CPovCubic* AddBox() {
        auto* box = new CPovCubic();
        LinkAtHead(host.Objects, box);
        box->SetDocument(&host);
        return box;
    }
};

TEST_F(ObjectBaseTest, DefaultNamesCountUpAndSkipNamesInUse) {
    EXPECT_EQ(AddBox()->Name, "Quader_000");
    EXPECT_EQ(AddBox()->Name, "Quader_001");
    EXPECT_EQ(AddBox()->Name, "Quader_002");
    EXPECT_EQ(g_NameCounters.Cubic, 3);

    // a scene read from a file already holds Quader_005
    host.Objects->Name = "Quader_005";
    g_NameCounters.Cubic = 5;
    EXPECT_EQ(AddBox()->Name, "Quader_006");
    EXPECT_EQ(g_NameCounters.Cubic, 7);
}

TEST_F(ObjectBaseTest, DeletedObjectsDoNotBlockTheirNameAndShowTheMark) {
    CPovCubic* first = AddBox();
    ASSERT_EQ(first->Name, "Quader_000");
    first->SetPresent(false);
    EXPECT_EQ(first->GetName(), "Quader_000 !! GEL\xD6SCHT !!");
    g_NameCounters.Cubic = 0;
    EXPECT_EQ(AddBox()->Name, "Quader_000");
}

TEST_F(ObjectBaseTest, LoadingSkipsTheUniquenessScan) {
    AddBox();
    g_NameCounters.Cubic = 0;
    LoadingScene = true;
    EXPECT_EQ(AddBox()->Name, "Quader_000");
}

TEST_F(ObjectBaseTest, OutlineAndBoundingBoxFollowTheSteps) {
    CPovCubic* box = AddBox();
    box->ScaleStep() = Vector(2, 4, 6);
    box->RotationStep() = Vector(0, 90, 0);
    box->Translation() = Vector(10, 0, -5);
    box->UpdateGeometry();
    ASSERT_EQ(box->Outline.size(), 8u);
    // scaled to 2 x 4 x 6, turned 90 degrees about y (x and z swap), moved
    EXPECT_NEAR(box->MinX, 7.0, 1e-9);
    EXPECT_NEAR(box->MaxX, 13.0, 1e-9);
    EXPECT_NEAR(box->MinY, -2.0, 1e-9);
    EXPECT_NEAR(box->MaxY, 2.0, 1e-9);
    EXPECT_NEAR(box->MinZ, -6.0, 1e-9);
    EXPECT_NEAR(box->MaxZ, -4.0, 1e-9);
}

TEST_F(ObjectBaseTest, ScreenRectangleCullingAndHits) {
    CPovCubic* box = AddBox();
    box->ScaleStep() = Vector(2, 2, 2);
    box->UpdateGeometry();
    FakeViewPort front(kFrontView, 10);
    front.horzOrigin = -10;
    front.vertOrigin = -10;
    front.windowHeight = 220;  // usable height 200
    const PixelRect r = box->GetScreenRect(front);
    EXPECT_EQ(r, (PixelRect{90, 90, 110, 110}));
    EXPECT_TRUE(box->HitTest(front, {100, 100}));
    EXPECT_FALSE(box->HitTest(front, {90, 100}));       // the edge is not inside
    EXPECT_FALSE(box->HitTestHandle(front, {91, 91}));  // only selected objects have handles
    box->Selected = 1;
    EXPECT_TRUE(box->HitTestHandle(front, {91, 91}));
    EXPECT_FALSE(box->HitTestHandle(front, {100, 91}));

    // culling: a box across the whole visible rectangle, or crossing it, is drawn
    EXPECT_FALSE(box->IsOutsideView(front, -0.5, -0.5, 0.5, 0.5, 10));
    EXPECT_FALSE(box->IsOutsideView(front, -0.5, -100, 0.5, 100, 10));
    EXPECT_TRUE(box->IsOutsideView(front, 1.0, -1, 5, 1, 10));  // touching is outside
    EXPECT_FALSE(box->IsOutsideView(FakeViewPort(kCameraView), 100, 100, 200, 200, 10));

    box->SetPresent(false);
    EXPECT_FALSE(box->HitTest(front, {100, 100}));
}

TEST_F(ObjectBaseTest, SelectionSetsTheCurrentObjectAndHidingClearsIt) {
    CPovCubic* box = AddBox();
    FakeViewPort view;
    box->Select(view);
    EXPECT_TRUE(box->IsSelected());
    EXPECT_EQ(host.CurrentObject, box);
    box->SetPresent(false);
    EXPECT_EQ(host.CurrentObject, nullptr);
    EXPECT_FALSE(box->IsSelected());
    box->Select(view);  // a deleted object cannot be selected
    EXPECT_FALSE(box->IsSelected());
}

TEST_F(ObjectBaseTest, MovingFollowsTheViewAxes) {
    CPovCubic* box = AddBox();
    FakeViewPort top(kTopView), front(kFrontView), side(kSideView);
    box->MoveBy(1, 1, front);  // not selected: nothing happens
    EXPECT_EQ(box->Translation(), Vector(0, 0, 0));
    box->Selected = 1;
    box->MoveBy(1, 2, top);
    EXPECT_EQ(box->Translation(), Vector(1, 0, 2));
    box->MoveBy(1, 2, side);
    EXPECT_EQ(box->Translation(), Vector(1, 2, 3));
    box->MoveBy(1, 2, front);
    EXPECT_EQ(box->Translation(), Vector(2, 4, 3));
    EXPECT_NEAR(box->MaxX, 2.5, 1e-12);
    EXPECT_EQ(host.modifications, 3);
}

TEST_F(ObjectBaseTest, ResizingKeepsTheRotatedAxes) {
    CPovCubic* box = AddBox();
    FakeViewPort front(kFrontView);
    box->ResizeBy(1, 1, front);  // not selected: nothing
    EXPECT_EQ(box->ScaleStep(), Vector(1, 1, 1));
    box->Selected = 1;
    box->ResizeBy(1.5, 0, front);
    EXPECT_EQ(box->ScaleStep(), Vector(2.5, 1, 1));
    // turned 90 degrees about z, the screen's x is the box's y
    box->RotationStep() = Vector(0, 0, 90);
    box->ScaleStep() = Vector(1, 1, 1);
    box->ResizeBy(1.0, 0, front);
    EXPECT_NEAR(box->ScaleStep().X, 1.0, 1e-12);
    EXPECT_NEAR(box->ScaleStep().Y, 2.0, 1e-12);
    EXPECT_NEAR(box->ScaleStep().Z, 1.0, 1e-12);
}

TEST_F(ObjectBaseTest, AChildDraggedInARotatedScaledGroupFollowsTheMouse) {
    auto* group = new TestGroup();
    LinkAtHead(host.Objects, group);
    group->SetDocument(&host);
    group->RotationStep() = Vector(0, 0, 90);
    group->ScaleStep() = Vector(2, 2, 2);
    group->Translation() = Vector(5, 0, 0);
    auto* child = new CPovCubic();
    AppendChild(group, child);
    child->SetDocument(&host);
    group->UpdateGeometry();
    const double before = (child->MinX + child->MaxX) / 2;
    const double beforeY = (child->MinY + child->MaxY) / 2;

    FakeViewPort front(kFrontView);
    child->MoveBy(3, 0, front);  // a child moves whether selected or not
    EXPECT_NEAR((child->MinX + child->MaxX) / 2 - before, 3.0, 1e-9);
    EXPECT_NEAR((child->MinY + child->MaxY) / 2 - beforeY, 0.0, 1e-9);
    // in its own frame it moved by 1.5 along -y (the group turns y onto -x and doubles)
    EXPECT_NEAR(child->Translation().Y, -1.5, 1e-9);

    // resizing a child resizes the group only when the group is selected
    child->ResizeBy(1, 1, front);
    EXPECT_EQ(group->ScaleStep(), Vector(2, 2, 2));
    group->Selected = 1;
    child->ResizeBy(1, 0, front);
    EXPECT_NEAR(group->ScaleStep().Y, 3.0, 1e-9);  // screen x is the group's y
}

TEST_F(ObjectBaseTest, PresenceIsInheritedAndDestructionUnlinksChildren) {
    auto* group = new TestGroup();
    LinkAtHead(host.Objects, group);
    auto* a = new CPovCubic();
    auto* b = new CPovCubic();
    AppendChild(group, a);
    AppendChild(group, b);
    EXPECT_EQ(group->ChildCount(), 2);
    group->SetPresent(false);
    EXPECT_FALSE(a->IsPresent());
    group->SetPresent(true);
    delete a;
    EXPECT_EQ(group->FirstChild, b);
    EXPECT_EQ(b->PrevSibling, nullptr);
    EXPECT_EQ(group->ChildCount(), 1);
}

TEST_F(ObjectBaseTest, WireFrameDrawingCullsAndUsesTheSelectionPen) {
    CPovCubic* box = AddBox();
    FakeViewPort front(kFrontView, 10);
    front.horzOrigin = -10;
    front.vertOrigin = -10;
    front.windowHeight = 220;
    RecordingDeviceContext dc;
    box->Draw(front, &dc, -10, -10, 200, 200, 10);
    ASSERT_EQ(dc.Count(RecordingDeviceContext::Kind::Polyline), 6u);
    EXPECT_EQ(dc.primitives[0].pen, Pen::Text);
    EXPECT_EQ(dc.primitives[0].points.size(), 5u);
    EXPECT_EQ(dc.primitives[0].points.front(), dc.primitives[0].points.back());
    EXPECT_EQ(dc.CurrentPen(), Pen::Text);  // restored

    dc.primitives.clear();
    box->Selected = 1;
    box->Draw(front, &dc, -10, -10, 200, 200, 10);
    EXPECT_EQ(dc.primitives[0].pen, Pen::Selection);
    EXPECT_EQ(dc.Count(RecordingDeviceContext::Kind::FocusRect), 1u);
    EXPECT_EQ(dc.Count(RecordingDeviceContext::Kind::InvertRect), 4u);

    dc.primitives.clear();
    box->Draw(front, &dc, 100, 100, 200, 200, 10);  // far away: culled
    EXPECT_TRUE(dc.primitives.empty());
}

TEST_F(ObjectBaseTest, CameraViewProjectionSkipsObjectsBehindTheCamera) {
    CPovCubic* box = AddBox();
    FakeViewPort camera(kCameraView, 100);
    // camera at z = -10 looking along +z
    box->ProjectForCamera(Vector(0, 0, 10), Vector(), Vector(), Vector());
    ASSERT_EQ(box->Projected.size(), 8u);
    EXPECT_EQ(box->ProjectionStale, 0);
    const CMatrix3D before = box->ModelMatrix;
    EXPECT_EQ(box->ModelMatrix, before);  // the projection leaves the model matrix alone
    RecordingDeviceContext dc;
    box->Draw(camera, &dc, 0, 0, 200, 200, 100);
    EXPECT_EQ(dc.Count(RecordingDeviceContext::Kind::Polyline), 6u);
    EXPECT_EQ(dc.Count(RecordingDeviceContext::Kind::FocusRect), 0u);

    box->MarkProjectionStale(true);
    box->ProjectForCamera(Vector(0, 0, 0.2), Vector(), Vector(), Vector());
    dc.primitives.clear();
    box->Draw(camera, &dc, 0, 0, 200, 200, 100);
    EXPECT_TRUE(dc.primitives.empty());
}

TEST_F(ObjectBaseTest, ProjectionKeepsTheModelMatrixAChildReads) {
    auto* group = new TestGroup();
    LinkAtHead(host.Objects, group);
    group->Translation() = Vector(3, 0, 0);
    auto* child = new CPovCubic();
    AppendChild(group, child);
    group->UpdateGeometry();
    const CMatrix3D groupMatrix = group->ModelMatrix;
    group->ProjectForCamera(Vector(0, 0, 10), Vector(0, 30, 0), Vector(), Vector());
    child->ProjectForCamera(Vector(0, 0, 10), Vector(0, 30, 0), Vector(), Vector());
    EXPECT_EQ(group->ModelMatrix, groupMatrix);
    child->UpdateGeometry();
    EXPECT_NEAR(child->MinX, 2.5, 1e-12);
}

TEST_F(ObjectBaseTest, TextureBlockAndSolidText) {
    CPovCubic* box = AddBox();
    SceneText plain;
    box->WriteScene(plain);
    EXPECT_EQ(plain.Text(),
              "#declare Quader_000 = box {\r\n"
              "  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n"
              "  scale <1.0000,1.0000,1.0000>\r\n"
              "  rotate <0.0000,0.0000,0.0000>\r\n"
              "  translate <0.0000,0.0000,0.0000>\r\n"
              "}\r\n\r\n"
              "object {\r\n  Quader_000\r\n}\r\n\r\n");

    box->UseOwnTexture = 1;
    box->TextureName = "Jade";
    box->QuickColorR = 0.5;
    box->Hollow = 1;
    box->TextureSteps[kStepScale] = Vector(2, 2, 2);
    SceneText textured;
    box->WriteScene(textured);
    EXPECT_EQ(textured.Text(),
              "#declare Quader_000 = box {\r\n"
              "  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n"
              "  scale <1.0000,1.0000,1.0000>\r\n"
              "  //$quickcolor:$ <0.5000 1.0000 1.0000> \r\n"
              "  texture\r\n  {\r\n    Jade\r\n"
              "    scale <2.0000,2.0000,2.0000>\r\n"
              "    rotate <0.0000,0.0000,0.0000>\r\n"
              "    translate <0.0000,0.0000,0.0000>\r\n"
              "  }\r\n"
              "  rotate <0.0000,0.0000,0.0000>\r\n"
              "  translate <0.0000,0.0000,0.0000>\r\n"
              "  hollow\r\n"
              "}\r\n\r\n"
              "object {\r\n  Quader_000\r\n}\r\n\r\n");

    box->WriteTextureSteps = 0;
    SceneText block;
    box->WriteTexture(block);
    EXPECT_EQ(block.Text(),
              "  //$quickcolor:$ <0.5000 1.0000 1.0000> \r\n"
              "  texture\r\n  {\r\n    Jade\r\n  }\r\n");
}

TEST_F(ObjectBaseTest, CloneCopiesStepsAndTextureButKeepsItsOwnName) {
    CPovCubic* box = AddBox();
    box->Translation() = Vector(1, 2, 3);
    box->Translation().Tag2 = 9;
    box->UseOwnTexture = 1;
    box->TextureName = "Water";
    box->Hollow = 1;
    box->SetPresent(false);
    CPovObject* copy = box->Clone();
    EXPECT_EQ(copy->Name, "Quader_001");
    EXPECT_EQ(copy->Translation(), box->Translation());
    EXPECT_EQ(copy->TextureName, "Water");
    EXPECT_EQ(copy->Hollow, 1);
    EXPECT_TRUE(copy->IsPresent());
    EXPECT_EQ(copy->Document, nullptr);
    delete copy;
}

TEST_F(ObjectBaseTest, EditPropertiesMarksTheDocumentOnlyOnOk) {
    CPovCubic* box = AddBox();
    EXPECT_EQ(box->EditProperties(), kDialogCancel);  // headless: every edit is cancelled
    EXPECT_EQ(host.modifications, 0);
    ScopedEditorHost editor;
    editor.edit = [](CPovObject& o) { o.ScaleStep() = Vector(3, 3, 3); };
    EXPECT_EQ(box->EditProperties(), kDialogOk);
    EXPECT_EQ(editor.captions.at(0), "Eigenschaften Quader");
    EXPECT_EQ(box->ScaleStep(), Vector(3, 3, 3));
    EXPECT_EQ(host.modifications, 1);
}

}  // namespace
