// Picking, dragging, properties, the CSG-level commands and the coordinate texts.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "model/groups/pov_csg.h"
#include "model/lights/pov_camera.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/scripted_editor_host.h"
#include "resources/command_ids.h"
#include "tests/view/view_fixture.h"

namespace {

// A box that records the displacements the view hands it.
class RecordingBox : public CPovCubic {
  public:
    void MoveBy(double dx, double dy, const IViewPort& view) override {
        calls.push_back({'M', dx, dy});
        CPovCubic::MoveBy(dx, dy, view);
    }
    void ResizeBy(double dx, double dy, const IViewPort& view) override {
        calls.push_back({'R', dx, dy});
        CPovCubic::ResizeBy(dx, dy, view);
    }
    struct Call {
        char kind;
        double dx, dy;
    };
    std::vector<Call> calls;
};

class MouseTest : public ViewTest {
  protected:
    // a front view 400 x 300 with the world origin at pixel (200, 150)
    TestView& CentredView(int kind = kFrontView) {
        TestView& v = AddView(kind, 400, 300);
        ScrollTo(v, -20, -15);
        return v;
    }
    template <typename T = CPovCubic>
    T* AddBox(double x, double y, double size = 2.0) {
        auto* box = new T();
        box->ScaleStep() = Vector(size, size, size);
        box->SetPosition(Vector(x, y, 0));
        doc->InsertObject(box);
        return box;
    }
};

TEST_F(MouseTest, FlippedPointAndCoordinateTextsByViewKind) {
    TestView& front = CentredView(kFrontView);
    EXPECT_EQ(front->FlippedPoint(10, 100), (PixelPoint{10, 200}));
    EXPECT_EQ(front->CoordinateText(250, 100), "x: 5.00  y: 5.00");
    TestView& top = CentredView(kTopView);
    EXPECT_EQ(top->CoordinateText(200, 170), "x: 0.00  z: -2.00");
    TestView& side = CentredView(kSideView);
    side->SetZoom(100);
    ScrollTo(side, -2, -1);
    EXPECT_EQ(side->CoordinateText(250, 50), "z: 0.50  y: 1.50");

    // a mouse move leaves the text for the status bar
    side->OnMouseMove(250, 50);
    EXPECT_EQ(frame.coordinateText, "z: 0.50  y: 1.50");
    TestView& camera = AddView(kCameraView);
    frame.coordinateText.clear();
    camera->OnMouseMove(10, 10);
    EXPECT_EQ(frame.coordinateText, "");
}

TEST_F(MouseTest, ClickOnEmptySpaceDeselectsEverything) {
    TestView& v = CentredView();
    CPovCubic* a = AddBox(0, 0);
    CPovCubic* b = AddBox(5, 0);
    a->Select(*v);
    b->Select(*v);
    v->OnLButtonDown(380, 20);
    EXPECT_EQ(v->SelectedObject, nullptr);
    EXPECT_FALSE(a->IsSelected());
    EXPECT_FALSE(b->IsSelected());
    EXPECT_EQ(doc->CurrentObject, nullptr);
    EXPECT_EQ(v->Dragging, 1);

    // the drag moves nothing but still redraws
    const int redraws = v.window.redraws;
    v->OnMouseMove(390, 20);
    EXPECT_EQ(v.window.redraws, redraws + 1);
    EXPECT_EQ(a->Translation().X, 0.0);
    EXPECT_EQ(b->Translation().X, 5.0);
}

TEST_F(MouseTest, FirstHitWinsUnlessALaterOneWasSelected) {
    TestView& v = CentredView();
    CPovCubic* older = AddBox(0, 0);
    CPovCubic* newer = AddBox(0.5, 0);  // first in the list
    v->OnLButtonDown(200, 150);
    EXPECT_EQ(v->SelectedObject, newer);
    EXPECT_TRUE(newer->IsSelected());
    EXPECT_EQ(doc->CurrentObject, newer);

    v->OnLButtonUp(200, 150);
    newer->Deselect(*v);
    older->Select(*v);
    v->OnLButtonDown(200, 150);
    EXPECT_EQ(v->SelectedObject, older);  // the selected one keeps the selection
    EXPECT_TRUE(older->IsSelected());
    EXPECT_FALSE(newer->IsSelected());
    EXPECT_EQ(doc->CurrentObject, older);
}

TEST_F(MouseTest, ClickAboveTheMiddlePicksTheObjectShownThere) {
    TestView& v = CentredView(kFrontView);
    CPovCubic* upper = AddBox(0, 8);
    CPovCubic* lower = AddBox(0, -8);
    v->OnLButtonDown(200, 70);  // world y = 8
    EXPECT_EQ(v->SelectedObject, upper);
    v->OnLButtonDown(200, 230);
    EXPECT_EQ(v->SelectedObject, lower);
}

TEST_F(MouseTest, RightButtonPicksWithoutDragging) {
    TestView& v = CentredView();
    CPovCubic* box = AddBox(0, 0);
    v->OnRButtonDown(200, 150);
    EXPECT_EQ(v->SelectedObject, box);
    EXPECT_TRUE(box->IsSelected());
    EXPECT_EQ(v->Dragging, 0);
    v->OnMouseMove(300, 150);
    EXPECT_EQ(box->Translation().X, 0.0);
}

TEST_F(MouseTest, ClickOnASelectedGroupPicksTheGroup) {
    TestView& v = CentredView(kFrontView);
    auto* group = new CPovCSG();
    auto* left = new CPovCubic();
    auto* right = new CPovCubic();
    left->SetPosition(Vector(-3, 0, 0));
    right->SetPosition(Vector(3, 0, 0));
    AppendChild(group, left);
    AppendChild(group, right);
    doc->InsertObject(group);
    group->UpdateGeometry();

    // an unselected group lets its members be picked on their own
    v->OnLButtonDown(230, 150);
    EXPECT_EQ(v->SelectedObject, right);
    EXPECT_FALSE(group->IsSelected());
    EXPECT_EQ(v->GetCommandState(ID_SELECT_TOP_CSG_LEVEL), (CommandState{true, false}));
    v->OnSelectTopCsgLevel();
    EXPECT_EQ(v->SelectedObject, group);
    EXPECT_EQ(doc->CurrentObject, group);
    v->OnLButtonUp(230, 150);

    // the selected group is picked as a whole, and dragging moves the group
    v->OnLButtonDown(170, 150);
    EXPECT_EQ(v->SelectedObject, group);
    EXPECT_TRUE(group->IsSelected());
    v->OnMouseMove(180, 150);
    EXPECT_DOUBLE_EQ(group->Translation().X, 1.0);
    EXPECT_DOUBLE_EQ(left->Translation().X, -3.0);
}

TEST_F(MouseTest, CameraLookAtIsPickableAndNextLevelSelectsTheCamera) {
    TestView& v = CentredView(kTopView);
    auto* camera = new CPovCamera();
    doc->InsertObject(camera);
    doc->Camera = camera;
    CPovObject* lookAt = camera->FirstChild;
    ASSERT_NE(lookAt, nullptr);
    camera->SetPosition(Vector(0, 0, -10));
    lookAt->SetPosition(Vector(5, 0, 0));

    // the look-at point at world (5, 0): pixel (250, 150) in the top view
    EXPECT_FALSE(v->GetCommandState(ID_SELECT_NEXT_CSG_LEVEL).enabled);
    v->OnLButtonDown(250, 150);
    EXPECT_EQ(v->SelectedObject, lookAt);
    EXPECT_TRUE(lookAt->IsSelected());
    EXPECT_EQ(v->GetCommandState(ID_SELECT_NEXT_CSG_LEVEL), (CommandState{true, false}));
    EXPECT_TRUE(v->GetCommandState(ID_SELECT_TOP_CSG_LEVEL).enabled);

    // dragging the look-at point moves it alone
    v->OnMouseMove(260, 150);
    EXPECT_DOUBLE_EQ(lookAt->Translation().X, 6.0);
    EXPECT_DOUBLE_EQ(camera->Translation().X, 0.0);
    v->OnLButtonUp(260, 150);

    EXPECT_TRUE(v->OnCommand(ID_SELECT_NEXT_CSG_LEVEL));
    EXPECT_EQ(v->SelectedObject, camera);
    EXPECT_TRUE(camera->IsSelected());
    EXPECT_FALSE(lookAt->IsSelected());
    EXPECT_EQ(doc->CurrentObject, camera);
    EXPECT_FALSE(v->GetCommandState(ID_SELECT_NEXT_CSG_LEVEL).enabled);
    EXPECT_FALSE(v->OnCommand(ID_SELECT_NEXT_CSG_LEVEL));
}

TEST_F(MouseTest, DragAtZoomTenMovesByScreenDistance) {
    TestView& v = CentredView(kFrontView);
    auto* box = AddBox<RecordingBox>(0, 0);
    v->OnLButtonDown(200, 150);
    ASSERT_EQ(v->SelectedObject, box);
    v->OnMouseMove(215, 150);
    ASSERT_EQ(box->calls.size(), 1u);
    EXPECT_EQ(box->calls[0].kind, 'M');
    EXPECT_DOUBLE_EQ(box->calls[0].dx, 1.5);
    EXPECT_DOUBLE_EQ(box->calls[0].dy, 0.0);
    EXPECT_DOUBLE_EQ(box->Translation().X, 1.5);
    // upwards on the screen is up in the world; steps are relative to the last one
    v->OnMouseMove(215, 140);
    EXPECT_DOUBLE_EQ(box->calls[1].dy, 1.0);
    EXPECT_DOUBLE_EQ(box->Translation().Y, 1.0);
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(MouseTest, ResizeDragResizesThenMovesByHalf) {
    TestView& v = CentredView(kFrontView);
    auto* box = AddBox<RecordingBox>(0, 0);
    v->OnLButtonDown(200, 150);
    doc->OnToolResize();
    v->OnMouseMove(215, 150);
    ASSERT_EQ(box->calls.size(), 2u);
    EXPECT_EQ(box->calls[0].kind, 'R');
    EXPECT_DOUBLE_EQ(box->calls[0].dx, 1.5);
    EXPECT_EQ(box->calls[1].kind, 'M');
    EXPECT_DOUBLE_EQ(box->calls[1].dx, 0.75);
    EXPECT_DOUBLE_EQ(box->ScaleStep().X, 3.5);
    EXPECT_DOUBLE_EQ(box->Translation().X, 0.75);
    // the left side stays where it was
    EXPECT_DOUBLE_EQ(box->MinX, -1.0);
}

TEST_F(MouseTest, MouseUpEndsTheDragAndUpdatesTheOtherViews) {
    TestView& v = CentredView(kFrontView);
    TestView& other = AddView(kTopView);
    AddBox(0, 0);
    v->OnLButtonDown(200, 150);
    frame.toolBarRepaints = 2;
    const int ownRedraws = v.window.redraws;
    v->OnLButtonUp(200, 150);
    EXPECT_EQ(v->Dragging, 0);
    EXPECT_EQ(other.window.redraws, 1);
    EXPECT_EQ(v.window.redraws, ownRedraws);
    EXPECT_EQ(frame.toolBarRepaints, 0);
    v->OnMouseMove(300, 150);
    EXPECT_EQ(doc->Objects->Translation().X, 0.0);
}

TEST_F(MouseTest, CameraViewTakesNoPartInPicking) {
    TestView& v = AddView(kCameraView, 400, 300);
    CPovCubic* box = AddBox(0, 0, 1000);
    v->OnLButtonDown(200, 150);
    v->OnRButtonDown(200, 150);
    EXPECT_EQ(v->SelectedObject, nullptr);
    EXPECT_FALSE(box->IsSelected());
    EXPECT_EQ(v->Dragging, 0);
}

TEST_F(MouseTest, DoubleClickAndPropertiesOpenTheSheet) {
    ScopedEditorHost editor;
    TestView& v = CentredView(kFrontView);
    TestView& other = AddView(kTopView);
    CPovCubic* box = AddBox(0, 0);
    v->OnLButtonDown(200, 150);
    v->OnLButtonUp(200, 150);
    const int ownRedraws = v.window.redraws;
    const int otherRedraws = other.window.redraws;

    v->OnLButtonDblClk(200, 150);
    ASSERT_EQ(editor.edited.size(), 1u);
    EXPECT_EQ(editor.edited[0], box);
    EXPECT_EQ(v.window.redraws, ownRedraws + 1);  // OK updates every view
    EXPECT_EQ(other.window.redraws, otherRedraws + 1);

    editor.result = kDialogCancel;
    v->OnLButtonDblClk(200, 150);
    EXPECT_EQ(other.window.redraws, otherRedraws + 1);  // Cancel updates nothing
    EXPECT_TRUE(v->OnCommand(ID_PROPERTIES));
    EXPECT_EQ(editor.edited.size(), 3u);
    EXPECT_EQ(other.window.redraws, otherRedraws + 2);  // whatever the result

    v->OnLButtonDown(390, 10);  // nothing picked
    EXPECT_FALSE(v->GetCommandState(ID_PROPERTIES).enabled);
    v->OnLButtonDblClk(390, 10);
    EXPECT_EQ(editor.edited.size(), 3u);
}

TEST_F(MouseTest, ReentrantMouseHandlersReturnAtOnce) {
    TestView& v = CentredView(kFrontView);
    auto* box = AddBox<RecordingBox>(0, 0);
    v->OnLButtonDown(200, 150);
    v->MouseBusy = 1;  // a handler is still running
    v->OnMouseMove(215, 150);
    v->OnLButtonDown(380, 20);
    EXPECT_TRUE(box->calls.empty());
    EXPECT_EQ(v->SelectedObject, box);
    v->MouseBusy = 0;
}

}  // namespace
