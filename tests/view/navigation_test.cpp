// The orthographic views' navigation and conveniences: zoom about a point, the zoom commands
// keeping the centre, zoom to fit, the wheel, snapping, Escape and Delete, the world axes, the
// camera view's picture rectangle, and the boundaries of the zoom dialog and scroll ranges.
#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "model/groups/pov_csg.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "platform/fake/recording_device_context.h"
#include "resources/command_ids.h"
#include "tests/view/view_fixture.h"
#include "view/view_navigation.h"

namespace {

using view_nav::AspectRect;
using view_nav::FitBox;
using view_nav::Rect;
using view_nav::WorldBox;

// world values (h, v) at a client point of an orthographic view
std::pair<double, double> WorldAt(COrvantaView& v, int x, int y) {
    const PixelPoint p = v.FlippedPoint(x, y);
    return {v.GetHorzOrigin() + p.x / v.Zoom, v.GetVertOrigin() + p.y / v.Zoom};
}

TEST(ViewNavigation, FittedBoxesLieInsideTheViewAtTheLargestUsefulZoom) {
    std::mt19937 random(18);
    std::uniform_real_distribution<double> position(-500, 500);
    std::uniform_real_distribution<double> extent(0.01, 300);
    std::uniform_int_distribution<int> size(60, 1600);
    for (int i = 0; i < 2000; ++i) {
        const double h = position(random), v = position(random);
        const WorldBox box{h, h + extent(random), v, v + extent(random)};
        const int width = size(random), height = size(random);
        const view_nav::Fit fit = FitBox(box, width, height);
        ASSERT_GE(fit.zoom, 1.0);
        ASSERT_LE(fit.zoom, 100.0);
        ASSERT_EQ(fit.zoom, std::floor(fit.zoom));
        ASSERT_EQ(fit.originH, std::round(fit.originH));
        const bool fitsAtAll =
            (box.maxH - box.minH) <= width - 2.0 && (box.maxV - box.minV) <= height - 2.0;
        if (!fitsAtAll)
            continue;
        EXPECT_GE(box.minH, fit.originH) << i;
        EXPECT_GE(box.minV, fit.originV) << i;
        EXPECT_LE(box.maxH, fit.originH + width / fit.zoom) << i;
        EXPECT_LE(box.maxV, fit.originV + height / fit.zoom) << i;
    }
}

TEST(ViewNavigation, AspectRectangleKeepsTheRatioCentredInside) {
    std::mt19937 random(4);
    std::uniform_int_distribution<int> size(1, 2000);
    for (int i = 0; i < 2000; ++i) {
        const int cw = size(random), ch = size(random), pw = size(random), ph = size(random);
        const Rect r = AspectRect(cw, ch, pw, ph);
        ASSERT_GE(r.x, 0);
        ASSERT_GE(r.y, 0);
        ASSERT_LE(r.x + r.width, cw);
        ASSERT_LE(r.y + r.height, ch);
        // one side fills the area, the bars are equal to a pixel
        ASSERT_TRUE(r.width == cw || r.height == ch);
        ASSERT_LE(std::abs((cw - r.width) - 2 * r.x), 1);
        ASSERT_LE(std::abs((ch - r.height) - 2 * r.y), 1);
        // the ratio to within the rounding of one pixel
        EXPECT_NEAR(r.width * static_cast<double>(ph), r.height * static_cast<double>(pw),
                    std::max(pw, ph) * 1.0)
            << cw << "x" << ch << " " << pw << ":" << ph;
    }
    EXPECT_EQ(AspectRect(800, 300, 4, 3), (Rect{200, 0, 400, 300}));
    EXPECT_EQ(AspectRect(400, 900, 4, 3), (Rect{0, 300, 400, 300}));
    EXPECT_EQ(AspectRect(0, 300, 4, 3), (Rect{0, 0, 0, 300}));
}

TEST(ViewNavigation, SnapAndWheelSteps) {
    EXPECT_DOUBLE_EQ(view_nav::SnapToGrid(1.26, 0.5), 1.5);
    EXPECT_DOUBLE_EQ(view_nav::SnapToGrid(-1.26, 0.5), -1.5);
    EXPECT_DOUBLE_EQ(view_nav::SnapToGrid(0.04, 0.1), 0.0);
    EXPECT_DOUBLE_EQ(view_nav::SnapToGrid(12.4, 5), 10.0);
    EXPECT_DOUBLE_EQ(view_nav::SnapToGrid(1.234, 0), 1.234);
    // every notch moves, and the range holds at both ends
    double zoom = 1;
    for (int i = 0; i < 40; ++i) {
        const double next = view_nav::WheelZoom(zoom, 1);
        EXPECT_TRUE(next > zoom || next == 100.0);
        zoom = next;
    }
    EXPECT_EQ(zoom, 100.0);
    EXPECT_EQ(view_nav::WheelZoom(zoom, -60), 1.0);
    EXPECT_EQ(view_nav::WheelZoom(10, 1), 13.0);
    EXPECT_EQ(view_nav::WheelZoom(10, -1), 8.0);
}

TEST_F(ViewTest, ZoomAboutAPointKeepsItsWorldPositionToTheScrollStep) {
    std::mt19937 random(7);
    std::uniform_int_distribution<int> pixelX(0, 400), pixelY(0, 300), zoom(1, 100);
    std::uniform_int_distribution<int> scroll(-300, 300);
    for (int kind : {kTopView, kFrontView, kSideView}) {
        TestView& v = AddView(kind, 400, 300);
        for (int i = 0; i < 300; ++i) {
            ScrollTo(v, scroll(random), scroll(random));
            const int x = pixelX(random), y = pixelY(random);
            const auto before = WorldAt(*v, x, y);
            v->ZoomAbout(zoom(random), x, y);
            const auto after = WorldAt(*v, x, y);
            ASSERT_LE(std::abs(after.first - before.first), 0.5 + 1e-9);
            ASSERT_LE(std::abs(after.second - before.second), 0.5 + 1e-9);
        }
    }
    // the zoom is stored for the kind, as the zoom commands store it
    TestView& front = AddView(kFrontView);
    front->ZoomAbout(37, 10, 10);
    EXPECT_EQ(doc->ZoomFront, 37);
}

TEST_F(ViewTest, ZoomCommandsAndTheDialogKeepTheCentre) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);  // the origin in the middle
    for (int id : {ID_VIEW_ZOOM_100, ID_VIEW_ZOOM_1, ID_VIEW_ZOOM_10}) {
        const auto before = WorldAt(*v, 200, 150);
        v->OnCommand(id);
        const auto after = WorldAt(*v, 200, 150);
        EXPECT_LE(std::abs(after.first - before.first), 0.5) << id;
        EXPECT_LE(std::abs(after.second - before.second), 0.5) << id;
    }
    v.window.userZoom = 50;
    v->OnCommand(ID_VIEW_ZOOM_USER);
    EXPECT_EQ(v->Zoom, 50.0);
    EXPECT_LE(std::abs(WorldAt(*v, 200, 150).first), 0.5);
}

TEST_F(ViewTest, ZoomDialogBoundariesAndScrollRangesOfUnevenWidths) {
    TestView& v = AddView(kFrontView, 405, 303);
    EXPECT_TRUE(v->SetUserZoom(1));
    EXPECT_EQ(v->Zoom, 1.0);
    EXPECT_TRUE(v->SetUserZoom(100));
    EXPECT_EQ(v->Zoom, 100.0);
    EXPECT_FALSE(v->SetUserZoom(0));
    EXPECT_FALSE(v->SetUserZoom(101));
    EXPECT_EQ(v->Zoom, 100.0);
    EXPECT_EQ(doc->ZoomFront, 100);

    // 405 / 10 = 40.5: the fixed zoom divides as integers, the dialog's zoom exactly
    v->OnCommand(ID_VIEW_ZOOM_10);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Horizontal), 2000 - 40);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Vertical), 2000 - 30);
    v->SetUserZoom(10);
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Horizontal), 1959);  // integer part of 1959.5
    EXPECT_EQ(v.bars.Maximum(ScrollBar::Vertical), 1969);    // of 1969.7
    EXPECT_EQ(v.bars.Minimum(ScrollBar::Horizontal), -2000);
}

TEST_F(ViewTest, ZoomToFitShowsEveryPresentObject) {
    auto addBox = [&](double x, double y, double z, double size) {
        auto* box = new CPovCubic();
        box->ScaleStep() = Vector(size, size, size);
        box->SetPosition(Vector(x, y, z));
        doc->InsertObject(box);
        return box;
    };
    addBox(30, 5, -12, 1);
    addBox(-4, -20, 40, 2);
    CPovObject* gone = addBox(900, 900, 900, 1);
    gone->SetPresent(false);
    for (int kind : {kTopView, kFrontView, kSideView}) {
        TestView& v = AddView(kind, 400, 300);
        EXPECT_TRUE(v->GetCommandState(ID_VIEW_ZOOM_FIT).enabled);
        v->OnCommand(ID_VIEW_ZOOM_FIT);
        EXPECT_GT(v->Zoom, 1.0) << kind;  // the deleted box far away does not count
        for (CPovObject* o = doc->Objects; o; o = o->NextSibling) {
            if (!o->IsPresent())
                continue;
            const PixelRect r = o->GetScreenRect(*v);
            EXPECT_GE(r.left, 0) << kind;
            EXPECT_GE(r.top, 0) << kind;
            EXPECT_LE(r.right, 400) << kind;
            EXPECT_LE(r.bottom, 300) << kind;
        }
    }
    TestView& camera = AddView(kCameraView);
    EXPECT_FALSE(camera->GetCommandState(ID_VIEW_ZOOM_FIT).enabled);
}

TEST_F(ViewTest, WheelScrollsAndControlWheelZoomsAboutTheMouse) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, 0, 0);
    v->OnWheel(100, 100, 1, false, false);  // away from the user: the picture shows what is above
    EXPECT_EQ(v->GetVertOrigin(), 4.0);
    v->OnWheel(100, 100, -2, true, false);  // Shift: sideways, towards the user shows the right
    EXPECT_EQ(v->GetHorzOrigin(), 8.0);
    const auto before = WorldAt(*v, 300, 50);
    v->OnWheel(300, 50, 3, false, true);
    EXPECT_GT(v->Zoom, 10.0);
    const auto after = WorldAt(*v, 300, 50);
    EXPECT_LE(std::abs(after.first - before.first), 0.5);
    EXPECT_LE(std::abs(after.second - before.second), 0.5);
}

TEST_F(ViewTest, SnappedMoveDragPutsThePositionOnTheGrid) {
    TestView& v = AddView(kTopView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* box = new CPovCubic();
    box->SetPosition(Vector(0.3, 2, 0.2));
    doc->InsertObject(box);
    v->OnCommand(ID_VIEW_GRID_1_0);
    EXPECT_FALSE(v->GetCommandState(ID_VIEW_SNAP_TO_GRID).checked);
    v->OnCommand(ID_VIEW_SNAP_TO_GRID);
    EXPECT_TRUE(v->GetCommandState(ID_VIEW_SNAP_TO_GRID).checked);
    v->OnLButtonDown(203, 148);
    ASSERT_EQ(v->SelectedObject, box);
    // 13 pixels right, 7 up at zoom 10: 1.3 and 0.7 units, from (0.3, 0.2) to (1.6, 0.9)
    v->OnMouseMove(210, 145);
    v->OnMouseMove(216, 141);
    EXPECT_DOUBLE_EQ(box->Translation().X, 2.0);
    EXPECT_DOUBLE_EQ(box->Translation().Z, 1.0);
    EXPECT_DOUBLE_EQ(box->Translation().Y, 2.0);  // the axis the view does not show stays
    v->OnLButtonUp(216, 141);
    SnapToGrid = false;
}

TEST_F(ViewTest, ResizeDragNeverMakesAScaleZeroOrNegative) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* box = new CPovCubic();
    box->ScaleStep() = Vector(2, 1.6, 0.6);
    doc->InsertObject(box);
    v->OnLButtonDown(200, 150);
    ASSERT_EQ(v->SelectedObject, box);
    doc->OnToolResize();
    const Vector start = box->Translation();
    v->OnMouseMove(140, 190);  // 6 units left, 4 down: far beyond zero
    v->OnMouseMove(0, 300);
    EXPECT_GT(box->ScaleStep().X, 0.0);
    EXPECT_GT(box->ScaleStep().Y, 0.0);
    EXPECT_DOUBLE_EQ(box->ScaleStep().Z, 0.6);
    // stuck at the smallest size, the position no longer follows the mouse
    const Vector stuck = box->Translation();
    v->OnMouseMove(-100, 400);
    EXPECT_EQ(box->Translation().X, stuck.X);
    EXPECT_NE(stuck.X, start.X);
    // and it grows again
    v->OnMouseMove(300, 0);
    EXPECT_GT(box->ScaleStep().X, 2.0);
}

TEST_F(ViewTest, EscapeLetsGoAndDeleteCutsTheCurrentObject) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* box = new CPovCubic();
    doc->InsertObject(box);
    v->OnLButtonDown(200, 150);
    v->OnLButtonUp(200, 150);
    ASSERT_EQ(doc->CurrentObject, box);
    EXPECT_TRUE(v->OnCommand(ID_EDIT_DESELECT));
    EXPECT_EQ(doc->CurrentObject, nullptr);
    EXPECT_EQ(v->SelectedObject, nullptr);
    EXPECT_FALSE(box->IsSelected());
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_DELETE).enabled);
    EXPECT_FALSE(v->GetCommandState(ID_EDIT_CUT).enabled);

    v->OnLButtonDown(200, 150);
    v->OnLButtonUp(200, 150);
    EXPECT_TRUE(v->OnCommand(ID_EDIT_DELETE));
    EXPECT_FALSE(box->IsPresent());
    ASSERT_NE(ClipboardObject, nullptr);
    EXPECT_EQ(ClipboardObject->GetType(), box->GetType());
    EXPECT_TRUE(v->OnCommand(ID_EDIT_UNDO));
    EXPECT_TRUE(box->IsPresent());
}

TEST_F(ViewTest, CsgLevelsClimbNestedGroups) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* outer = new CPovCSG();
    auto* middle = new CPovCSG();
    auto* inner = new CPovCSG();
    auto* box = new CPovCubic();
    AppendChild(inner, box);
    AppendChild(middle, inner);
    AppendChild(outer, middle);
    doc->InsertObject(outer);
    outer->UpdateGeometry();
    v->OnLButtonDown(200, 150);
    ASSERT_EQ(v->SelectedObject, box);
    v->OnSelectNextCsgLevel();
    EXPECT_EQ(v->SelectedObject, inner);
    v->OnSelectNextCsgLevel();
    EXPECT_EQ(v->SelectedObject, middle);
    EXPECT_TRUE(middle->IsSelected());
    v->OnSelectTopCsgLevel();
    EXPECT_EQ(v->SelectedObject, outer);
    EXPECT_EQ(doc->CurrentObject, outer);
    EXPECT_FALSE(v->GetCommandState(ID_SELECT_NEXT_CSG_LEVEL).enabled);

    // from the innermost member, the top level is the outermost group at once
    v->OnLButtonUp(200, 150);
    v->OnDeselect();
    v->OnLButtonDown(200, 150);
    ASSERT_EQ(v->SelectedObject, box);
    v->OnSelectTopCsgLevel();
    EXPECT_EQ(v->SelectedObject, outer);
}

TEST_F(ViewTest, AxesRunThroughTheOriginWithTheirLetters) {
    using Kind = RecordingDeviceContext::Kind;
    for (int kind : {kTopView, kFrontView, kSideView}) {
        TestView& v = AddView(kind, 400, 300);
        ScrollTo(v, -20, -10);  // the origin at pixel (200, 200)
        RecordingDeviceContext dc;
        v->OnDraw(dc);
        bool horizontal = false, vertical = false;
        int strokes = 0;
        for (const auto& p : dc.primitives) {
            if (p.kind != Kind::Line || p.pen != Pen::Axis)
                continue;
            if (p.points[0] == PixelPoint{0, 200} && p.points[1] == PixelPoint{400, 200})
                horizontal = true;
            else if (p.points[0] == PixelPoint{200, 0} && p.points[1].x == 200)
                vertical = true;
            else
                ++strokes;
        }
        EXPECT_TRUE(horizontal) << kind;
        EXPECT_TRUE(vertical) << kind;
        // x: two strokes, y: two, z: three
        EXPECT_EQ(strokes, kind == kFrontView ? 4 : 5) << kind;
        EXPECT_NE(v->PenColor(Pen::Axis), v->PenColor(Pen::Grid));

        // off the view, no axis is drawn
        ScrollTo(v, 100, 100);
        RecordingDeviceContext away;
        v->OnDraw(away);
        for (const auto& p : away.primitives)
            EXPECT_NE(p.pen, Pen::Axis);
    }
}

TEST_F(ViewTest, SceneFolderAndTitleOfAFileInTheRootFolder) {
    doc->SetPathName("/scene.om");
    EXPECT_EQ(doc->GetSceneFolder(), "/");
    EXPECT_EQ(doc->GetTitle(), "scene.om");
}

}  // namespace
