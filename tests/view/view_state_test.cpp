// Construction, window sizes, scrolling, zoom and grid commands and the commands' states.
#include <gtest/gtest.h>

#include "model/lights/pov_camera.h"
#include "model/solids/pov_cubic.h"
#include "resources/command_ids.h"
#include "tests/view/view_fixture.h"

namespace {

using Modeller = COrvantaOptions::ModellerPage;

TEST_F(ViewTest, CameraViewTakesTheOpenGlSettingsAndNoGrid) {
    Modeller& m = doc->Settings->Modeller;
    m.OpenGL = 1;
    m.Wireframe = 1;
    m.DeepTest = 0;
    m.Lights = 1;
    m.GridOn = 1;
    m.GridValue = 1.0;
    m.ZoomValue = 100;
    TestView& v = AddView(kCameraView);
    EXPECT_EQ(v->ViewKind, kCameraView);
    EXPECT_EQ(v->UseOpenGL, 1);
    EXPECT_EQ(v->Wireframe, 1);
    EXPECT_EQ(v->DepthTest, 0);
    EXPECT_EQ(v->Lights, 1);
    EXPECT_EQ(v->Grid, 0.0);
    EXPECT_EQ(doc->ZoomTop, 0);  // the camera view stores nothing
}

TEST_F(ViewTest, OrthographicViewTakesSettingsAndStoresThemInTheDocument) {
    Modeller& m = doc->Settings->Modeller;
    m.OpenGL = 1;
    m.GridOn = 1;
    m.GridValue = 0.5;
    m.ZoomValue = 20;
    TestView& v = AddView(kFrontView);
    EXPECT_EQ(v->UseOpenGL, 0);
    EXPECT_EQ(v->Zoom, 20.0);
    EXPECT_EQ(v->Grid, 0.5);
    EXPECT_EQ(doc->ZoomFront, 20);
    EXPECT_EQ(doc->GridFront, 0.5);
    EXPECT_EQ(v->ScrollLimit, 2000);
    EXPECT_EQ(v->Active, 1);
    EXPECT_EQ(ViewCount, 1);

    // without the grid setting the grid is off whatever its value
    m.GridOn = 0;
    TestView& top = AddView(kTopView);
    EXPECT_EQ(top->Grid, 0.0);
    EXPECT_EQ(ViewCount, 2);
}

TEST_F(ViewTest, SecondViewOfAKindPicksUpTheStoredZoomAndGrid) {
    TestView& first = AddView(kTopView);
    first->OnCommand(ID_VIEW_ZOOM_100);
    first->OnCommand(ID_VIEW_GRID_5_0);
    EXPECT_EQ(doc->ZoomTop, 100);
    EXPECT_EQ(doc->GridTop, 5.0);

    TestView& second = AddView(kTopView);
    EXPECT_EQ(second->Zoom, 100.0);
    EXPECT_EQ(second->Grid, 5.0);
    // the other kinds keep their own
    TestView& side = AddView(kSideView);
    EXPECT_EQ(side->Zoom, 10.0);
    EXPECT_EQ(side->Grid, 0.0);
}

TEST_F(ViewTest, SideViewTakesAnyStoredGridTheOthersOnlyAPositiveOne) {
    doc->Settings->Modeller.GridOn = 1;
    doc->Settings->Modeller.GridValue = 1.0;
    doc->GridRight = -0.5;
    doc->GridTop = -0.5;
    doc->GridFront = 0.0005;
    TestView& side = AddView(kSideView);
    TestView& top = AddView(kTopView);
    TestView& front = AddView(kFrontView);
    EXPECT_EQ(side->Grid, -0.5);
    EXPECT_EQ(top->Grid, 1.0);
    EXPECT_EQ(doc->GridTop, 1.0);
    EXPECT_EQ(front->Grid, 1.0);
    EXPECT_EQ(doc->GridFront, 1.0);
}

TEST_F(ViewTest, ZoomBelowOneFromSettingsOrDocumentIsNotTaken) {
    doc->Settings->Modeller.ZoomValue = 0;
    doc->ZoomTop = -5;
    TestView& v = AddView(kTopView);
    EXPECT_EQ(v->Zoom, 10.0);
    EXPECT_EQ(doc->ZoomTop, 10);
}

TEST_F(ViewTest, CreationAndResizingSetTheScrollRanges) {
    NextViewKind = kFrontView;
    ScrollBarValues bars;
    COrvantaView view(*doc, bars);
    view.OnCreate(420, 320, 400, 300);
    EXPECT_EQ(bars.Minimum(ScrollBar::Horizontal), -2000);
    EXPECT_EQ(bars.Maximum(ScrollBar::Horizontal), 1958);  // 2000 - 420 / 10
    EXPECT_EQ(bars.Maximum(ScrollBar::Vertical), 1968);
    EXPECT_EQ(bars.Position(ScrollBar::Horizontal), 21);
    EXPECT_EQ(bars.Position(ScrollBar::Vertical), 16);

    view.OnSize(800, 600, 820, 620);
    EXPECT_EQ(bars.Maximum(ScrollBar::Horizontal), 1920);
    EXPECT_EQ(bars.Maximum(ScrollBar::Vertical), 1940);
    EXPECT_EQ(bars.Position(ScrollBar::Horizontal), 21);  // positions are kept
    EXPECT_EQ(view.GetWindowHeight(), 620);
    EXPECT_EQ(view.ClientWidth(), 800);
}

TEST_F(ViewTest, CameraViewPinsItsScrollBarsAndZoomsToTheWindow) {
    TestView& v = AddView(kCameraView, 400, 300);
    EXPECT_EQ(v.bars.Minimum(ScrollBar::Horizontal), -200);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Horizontal), -200);
    EXPECT_EQ(v.bars.Position(ScrollBar::Vertical), -150);
    EXPECT_FALSE(v.bars.IsEnabled(ScrollBar::Horizontal));
    EXPECT_FALSE(v.bars.IsEnabled(ScrollBar::Vertical));
    EXPECT_EQ(v->Zoom, 300.0);  // min(300, 400 / 1.33)
    v->OnSize(266, 300, 286, 320);
    EXPECT_DOUBLE_EQ(v->Zoom, 266 / 1.33);
    // the camera view's origin is not negated
    EXPECT_EQ(v->GetVertOrigin(), -150.0);
}

TEST_F(ViewTest, ViewCentreByKind) {
    TestView& top = AddView(kTopView, 400, 300);
    ScrollTo(top, -7, 3);
    // hw = (420 - 20) / 2 = 200 pixels = 20 units, hh = 15 units
    EXPECT_EQ(top->GetViewCentre().X, 13.0);
    EXPECT_EQ(top->GetViewCentre().Y, 0.0);
    EXPECT_EQ(top->GetViewCentre().Z, 18.0);
    TestView& side = AddView(kSideView, 400, 300);
    ScrollTo(side, 0, 0);
    EXPECT_EQ(side->GetViewCentre().Z, 20.0);
    EXPECT_EQ(side->GetViewCentre().Y, 15.0);
    EXPECT_EQ(side->GetViewCentre().X, 0.0);
    TestView& front = AddView(kFrontView, 400, 300);
    front->SetUserZoom(7);
    ScrollTo(front, 0, 0);
    // 200 / 7 = 28.57 and 150 / 7 = 21.43, integer parts
    EXPECT_EQ(front->GetViewCentre().X, 28.0);
    EXPECT_EQ(front->GetViewCentre().Y, 21.0);
    TestView& camera = AddView(kCameraView);
    EXPECT_EQ(camera->GetViewCentre().X, 0.0);
    EXPECT_EQ(camera->GetViewCentre().Z, 0.0);
}

TEST_F(ViewTest, ScrollCodesMoveWithinTheRange) {
    TestView& v = AddView(kFrontView, 400, 300);
    const ScrollBar bar = ScrollBar::Vertical;
    v->OnScroll(bar, ScrollCode::Top);
    EXPECT_EQ(v.bars.Position(bar), -2000);
    v->OnScroll(bar, ScrollCode::LineUp);
    EXPECT_EQ(v.bars.Position(bar), -2000);
    v->OnScroll(bar, ScrollCode::LineDown);
    EXPECT_EQ(v.bars.Position(bar), -1999);
    v->OnScroll(bar, ScrollCode::PageDown);  // a page is 300 pixels = 30 units
    EXPECT_EQ(v.bars.Position(bar), -1969);
    v->OnScroll(bar, ScrollCode::PageUp);
    v->OnScroll(bar, ScrollCode::PageUp);
    EXPECT_EQ(v.bars.Position(bar), -2000);
    v->OnScroll(bar, ScrollCode::ThumbTrack, 123);
    EXPECT_EQ(v.bars.Position(bar), 123);
    v->OnScroll(bar, ScrollCode::EndScroll, 999);
    EXPECT_EQ(v.bars.Position(bar), 123);
    v->OnScroll(bar, ScrollCode::Bottom);
    EXPECT_EQ(v.bars.Position(bar), 1970);
    v->OnScroll(bar, ScrollCode::PageDown);
    EXPECT_EQ(v.bars.Position(bar), 1970);
    v->OnScroll(ScrollBar::Horizontal, ScrollCode::PageUp);  // a page is 400 pixels
    EXPECT_EQ(v.bars.Position(ScrollBar::Horizontal), 21 - 40);
    EXPECT_EQ(v.window.redraws, 11);
}

TEST_F(ViewTest, ZoomCommandsStoreTheZoomAndSetTheRanges) {
    TestView& v = AddView(kSideView, 400, 300);
    EXPECT_TRUE(v->OnCommand(ID_VIEW_ZOOM_100));
    EXPECT_EQ(v->Zoom, 100.0);
    EXPECT_EQ(doc->ZoomRight, 100);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Horizontal), 1996);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Vertical), 1997);
    EXPECT_EQ(v->GetCommandState(ID_VIEW_ZOOM_100), (CommandState{true, true}));
    EXPECT_EQ(v->GetCommandState(ID_VIEW_ZOOM_10), (CommandState{true, false}));

    // the user-defined zoom: cancelled, refused out of range, taken
    EXPECT_TRUE(v->OnCommand(ID_VIEW_ZOOM_USER));
    EXPECT_EQ(v.window.askedZoom, 100);
    EXPECT_EQ(v->Zoom, 100.0);
    v.window.userZoom = 101;
    v->OnCommand(ID_VIEW_ZOOM_USER);
    EXPECT_EQ(v->Zoom, 100.0);
    v.window.userZoom = 3;
    v->OnCommand(ID_VIEW_ZOOM_USER);
    EXPECT_EQ(v->Zoom, 3.0);
    EXPECT_EQ(doc->ZoomRight, 3);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Horizontal), 1866);  // 2000 - 400 / 3.0
    EXPECT_EQ(v->GetCommandState(ID_VIEW_ZOOM_1), (CommandState{true, false}));
}

TEST_F(ViewTest, GridCommandsAndTheirCheckMarks) {
    TestView& v = AddView(kFrontView);
    const struct {
        int command;
        double grid;
    } entries[] = {{ID_VIEW_GRID_0_1, 0.1}, {ID_VIEW_GRID_0_5, 0.5},   {ID_VIEW_GRID_1_0, 1.0},
                   {ID_VIEW_GRID_5_0, 5.0}, {ID_VIEW_GRID_10_0, 10.0}, {ID_VIEW_GRID_NONE, 0.0}};
    for (const auto& e : entries) {
        EXPECT_TRUE(v->OnCommand(e.command));
        EXPECT_EQ(v->Grid, e.grid);
        EXPECT_EQ(doc->GridFront, e.grid);
        for (const auto& other : entries)
            EXPECT_EQ(v->GetCommandState(other.command).checked, other.command == e.command)
                << e.command << " " << other.command;
    }
    // 0.3 is no entry's code: no check mark at all
    v->SetGrid(0.3);
    for (const auto& e : entries)
        EXPECT_FALSE(v->GetCommandState(e.command).checked);
}

TEST_F(ViewTest, CameraViewDisablesZoomGridCreationAndEditing) {
    TestView& camera = AddView(kCameraView);
    TestView& top = AddView(kTopView);
    auto* box = new CPovCubic();
    doc->InsertObject(box);
    box->Select(*top);
    for (int id : {ID_VIEW_ZOOM_1, ID_VIEW_ZOOM_10, ID_VIEW_ZOOM_100, ID_VIEW_GRID_NONE,
                   ID_VIEW_GRID_0_1, ID_VIEW_GRID_0_5, ID_VIEW_GRID_10_0, ID_CREATE_SPHERE,
                   ID_CREATE_POLYGON, ID_LOAD_FROM_FILE, ID_GO_TO, ID_EDIT_COPY, ID_EDIT_CUT}) {
        EXPECT_FALSE(camera->GetCommandState(id).enabled) << id;
        EXPECT_TRUE(top->GetCommandState(id).enabled) << id;
    }
    EXPECT_TRUE(camera->GetCommandState(ID_VIEW_ZOOM_USER).enabled);
    EXPECT_FALSE(camera->OnCommand(ID_VIEW_ZOOM_100));
    EXPECT_EQ(camera->Zoom, 300.0);
}

TEST_F(ViewTest, PasteAndUndoRefuseASecondCamera) {
    TestView& v = AddView(kTopView);
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_PASTE).enabled);
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_UNDO).enabled);

    auto* camera = new CPovCamera();
    doc->InsertObject(camera);
    doc->Camera = camera;
    camera->Select(*v);
    doc->OnEditCopy();
    ASSERT_NE(ClipboardObject, nullptr);
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_PASTE).enabled);  // the scene has its camera

    doc->OnEditCut();
    EXPECT_TRUE(v->GetCommandState(ID_EDIT_PASTE).enabled);
    EXPECT_TRUE(v->GetCommandState(ID_EDIT_UNDO).enabled);  // undo brings the camera back
    EXPECT_TRUE(v->OnCommand(ID_EDIT_PASTE));
    CPovObject* pasted = doc->Camera;
    EXPECT_NE(pasted, nullptr);
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_PASTE).enabled);
    // undo goes back through the paste before it brings the cut camera back: never two
    EXPECT_TRUE(v->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(doc->Camera, nullptr);
    EXPECT_TRUE(v->OnCommand(ID_EDIT_UNDO));
    EXPECT_EQ(doc->Camera, camera);
    EXPECT_EQ(doc->Objects, camera);
}

TEST_F(ViewTest, ResizeToolIsSwitchedOffWithoutACurrentObject) {
    TestView& v = AddView(kFrontView);
    TestView& camera = AddView(kCameraView);
    EXPECT_EQ(v->GetCommandState(ID_TOOL_MOVE), (CommandState{true, true}));
    EXPECT_EQ(camera->GetCommandState(ID_TOOL_MOVE), (CommandState{true, false}));

    v->OnCommand(ID_TOOL_RESIZE);
    EXPECT_EQ(doc->ResizeMode, 1);
    EXPECT_EQ(v->GetCommandState(ID_TOOL_RESIZE), (CommandState{true, false}));
    EXPECT_EQ(doc->ResizeMode, 0);  // nothing to resize: back to moving

    auto* box = new CPovCubic();
    doc->InsertObject(box);
    box->Select(*v);
    v->OnCommand(ID_TOOL_RESIZE);
    EXPECT_EQ(v->GetCommandState(ID_TOOL_RESIZE), (CommandState{true, true}));
    EXPECT_EQ(camera->GetCommandState(ID_TOOL_RESIZE), (CommandState{true, false}));
    EXPECT_EQ(v->GetCommandState(ID_TOOL_MOVE), (CommandState{true, false}));
    EXPECT_EQ(doc->ResizeMode, 1);
    v->OnCommand(ID_TOOL_MOVE);
    EXPECT_EQ(doc->ResizeMode, 0);
}

TEST_F(ViewTest, StandardObjectsBarToggles) {
    frame.standardBarExists = true;
    TestView& v = AddView(kFrontView);
    EXPECT_EQ(v->GetCommandState(ID_VIEW_STANDARD_OBJECTS), (CommandState{true, true}));
    v->OnCommand(ID_VIEW_STANDARD_OBJECTS);
    EXPECT_FALSE(frame.standardBarVisible);
    EXPECT_EQ(v->GetCommandState(ID_VIEW_STANDARD_OBJECTS), (CommandState{true, false}));
    // the bar comes back when the last view goes
    views.clear();
    EXPECT_EQ(ViewCount, 0);
    EXPECT_TRUE(frame.standardBarVisible);
}

TEST_F(ViewTest, ActivationAndDocumentUpdates) {
    TestView& a = AddView(kFrontView);
    TestView& b = AddView(kTopView);
    frame.toolBarRepaints = 2;
    a->OnActivate(false);
    EXPECT_EQ(frame.toolBarRepaints, 0);
    EXPECT_FALSE(a->IsActive());
    EXPECT_EQ(doc->GetActiveView(), b.view.get());
    doc->UpdateAllViews(a.view.get());
    EXPECT_EQ(a.window.redraws, 0);
    EXPECT_EQ(b.window.redraws, 1);
}

TEST_F(ViewTest, NewWindowCommandsChooseTheKindOfTheNextView) {
    EXPECT_TRUE(SetNextViewKindForCommand(ID_WINDOW_NEW_CAMERA));
    EXPECT_EQ(NextViewKind, kCameraView);
    // the plain new-window command after "Kamerasicht" opens another camera view
    EXPECT_TRUE(SetNextViewKindForCommand(ID_WINDOW_NEW));
    ScrollBarValues bars;
    COrvantaView view(*doc, bars);
    EXPECT_EQ(view.ViewKind, kCameraView);
    EXPECT_TRUE(SetNextViewKindForCommand(ID_WINDOW_NEW_SIDE));
    EXPECT_EQ(NextViewKind, kSideView);
    EXPECT_FALSE(SetNextViewKindForCommand(ID_EDIT_COPY));
    EXPECT_EQ(NextViewKind, kSideView);
    NextViewKind = 3;  // not a kind: a top view
    COrvantaView unknown(*doc, bars);
    EXPECT_EQ(unknown.ViewKind, kTopView);
}

TEST_F(ViewTest, BrowserCommandsOpenTheBrowserInTheirMode) {
    TestView& v = AddView(kFrontView);
    v->OnCommand(ID_OBJECT_BROWSER);
    v->OnCommand(ID_GO_TO);
    EXPECT_EQ(v.window.browserModes, (std::vector<bool>{false, true}));
}

TEST_F(ViewTest, PensAndBackgroundErasing) {
    struct ColouredWindow : CountingWindow {
        uint32_t SystemTextColor() const override { return 0x123456; }
    } window;
    NextViewKind = kCameraView;
    doc->Settings->Modeller.OpenGL = 1;
    ScrollBarValues bars;
    COrvantaView camera(*doc, bars, &window);
    EXPECT_FALSE(camera.OnEraseBackground());
    EXPECT_EQ(camera.PenColor(Pen::Text), 0x123456u);
    EXPECT_EQ(camera.PenColor(Pen::Selection), 0x0000FFu);
    EXPECT_EQ(camera.PenColor(Pen::Grid), 0xAFAFAFu);
    NextViewKind = kTopView;
    COrvantaView top(*doc, bars);
    EXPECT_TRUE(top.OnEraseBackground());
}

}  // namespace
