// The drawing pass: grid lines, objects in list order, lights left out of the camera view and
// the camera view's own projection.
#include <gtest/gtest.h>

#include <cmath>

#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/solids/pov_cubic.h"
#include "platform/fake/recording_device_context.h"
#include "tests/view/view_fixture.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

// the drawing pass without the world axes, which have their own test
void DrawWithoutAxes(COrvantaView& view, RecordingDeviceContext& dc) {
    view.OnDraw(dc);
    std::erase_if(dc.primitives, [](const auto& p) { return p.pen == Pen::Axis; });
}

std::vector<int> HorizontalGridLines(const RecordingDeviceContext& dc) {
    std::vector<int> ys;
    for (const auto& p : dc.primitives)
        if (p.kind == Kind::Line && p.pen == Pen::Grid && p.points[0].y == p.points[1].y)
            ys.push_back(p.points[0].y);
    return ys;
}

std::vector<int> VerticalGridLines(const RecordingDeviceContext& dc) {
    std::vector<int> xs;
    for (const auto& p : dc.primitives)
        if (p.kind == Kind::Line && p.pen == Pen::Grid && p.points[0].x == p.points[1].x)
            xs.push_back(p.points[0].x);
    return xs;
}

TEST_F(ViewTest, GridIsDrawnOnlyWithLinesAtLeastFivePixelsApart) {
    TestView& v = AddView(kFrontView, 400, 300);
    v->SetGrid(0.1);
    RecordingDeviceContext coarse;
    DrawWithoutAxes(*v, coarse);  // 0.1 at zoom 10: one pixel apart
    EXPECT_EQ(coarse.primitives.size(), 0u);

    v->SetZoom(100);
    RecordingDeviceContext fine;
    DrawWithoutAxes(*v, fine);  // ten pixels apart
    EXPECT_GT(fine.Count(Kind::Line), 60u);
    EXPECT_EQ(fine.CurrentPen(), Pen::Text);  // the pen is given back

    v->SetZoom(10);
    v->SetGrid(0.5);  // exactly five pixels: drawn
    RecordingDeviceContext half;
    DrawWithoutAxes(*v, half);
    EXPECT_GT(half.Count(Kind::Line), 0u);
    v->SetGrid(0.05);  // grid code 0: never
    RecordingDeviceContext none;
    DrawWithoutAxes(*v, none);
    EXPECT_EQ(none.Count(Kind::Line), 0u);
}

TEST_F(ViewTest, GridLinesSitOnMultiplesOfTheSpacing) {
    TestView& v = AddView(kFrontView, 400, 300);
    v->SetGrid(10.0);
    ScrollTo(v, 25, -15);  // left edge x = 25, bottom edge y = -15
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    // y = -10, 0, 10 and the first line above the top edge
    EXPECT_EQ(HorizontalGridLines(dc), (std::vector<int>{250, 150, 50, -50}));
    // x = 20 (left of the edge), 30, ... 60 and the first one at or past the right edge
    EXPECT_EQ(VerticalGridLines(dc), (std::vector<int>{-50, 50, 150, 250, 350, 450}));
    for (const auto& p : dc.primitives) {
        if (p.points[0].x == p.points[1].x) {
            EXPECT_EQ(p.points[0].y, 0);
            EXPECT_EQ(p.points[1].y, 320);
        } else {
            EXPECT_EQ(p.points[0].x, 0);
            EXPECT_EQ(p.points[1].x, 400);
        }
    }
}

TEST_F(ViewTest, FineGridUsesTenthsForItsRemainder) {
    TestView& v = AddView(kTopView, 400, 300);
    v->SetZoom(100);
    v->SetGrid(0.4);
    ScrollTo(v, 0, -3);
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    // -3 is no multiple of 0.4: the first line is at -2.8, 20 pixels above the bottom
    const std::vector<int> ys = HorizontalGridLines(dc);
    ASSERT_GE(ys.size(), 2u);
    EXPECT_NEAR(ys[0], 280, 1);
    EXPECT_NEAR(ys[1] - ys[0], -40, 1);
    EXPECT_LE(ys.back(), 0);
}

TEST_F(ViewTest, DamagedGridValuesDrawNothingOrFinish) {
    TestView& v = AddView(kSideView, 400, 300);
    for (double grid : {-1.0, 1e300, std::nan("")}) {
        v->SetGrid(grid);
        RecordingDeviceContext dc;
        DrawWithoutAxes(*v, dc);
        EXPECT_LE(dc.Count(Kind::Line), 4u) << grid;
    }
}

TEST_F(ViewTest, ObjectsAreDrawnInListOrderWithTheViewsOrigin) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* first = new CPovCubic();
    auto* second = new CPovCubic();
    second->SetPosition(Vector(5, 0, 0));
    doc->InsertObject(first);
    doc->InsertObject(second);  // the list is newest first
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    ASSERT_EQ(dc.Count(Kind::Polyline), 12u);
    // the newest box, at x = 5, comes first: its left edge at (5 - 0.5 + 20) * 10
    EXPECT_EQ(dc.primitives[0].points[0].x, 245);
    EXPECT_EQ(dc.primitives[6].points[0].x, 195);
    EXPECT_EQ(dc.primitives[0].points[0].y, 155);  // 300 - (-0.5 + 15) * 10
}

TEST_F(ViewTest, CameraViewWithoutOpenGlProjectsForTheCameraAndSkipsLights) {
    doc->Settings->Modeller.OpenGL = 0;
    TestView& v = AddView(kCameraView, 400, 300);
    ASSERT_EQ(v->UseOpenGL, 0);
    auto* box = new CPovCubic();
    auto* light = new CPovLight();
    light->SetPosition(Vector(0, 0, 3));
    auto* camera = new CPovCamera();
    doc->InsertObject(box);
    doc->InsertObject(light);
    doc->InsertObject(camera);
    doc->Camera = camera;

    // without the camera-changed flag nothing is projected yet
    RecordingDeviceContext before;
    DrawWithoutAxes(*v, before);
    EXPECT_EQ(before.primitives.size(), 0u);
    EXPECT_TRUE(box->Projected.empty());

    doc->CameraChanged = 1;
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    EXPECT_EQ(box->ProjectionStale, 0);
    EXPECT_EQ(camera->ProjectionStale, 0);
    ASSERT_EQ(box->Projected.size(), 8u);
    // the camera at z = -4 sees the corner (-0.5, -0.5, -0.5) 3.5 units ahead
    EXPECT_NEAR(box->Projected[0].X, -0.5 / 3.5, 1e-9);
    EXPECT_NEAR(box->Projected[0].Z, 3.5, 1e-9);
    EXPECT_FALSE(light->Projected.empty());
    // the box's six faces; the light's three lines are left out, the camera draws nothing
    EXPECT_EQ(dc.Count(Kind::Polyline), 6u);
    EXPECT_EQ(dc.Count(Kind::Line), 0u);

    // moving the camera projects everything again
    camera->SetPosition(Vector(0, 0, -9));
    DrawWithoutAxes(*v, dc);
    EXPECT_NEAR(box->Projected[0].Z, 8.5, 1e-9);
}

TEST_F(ViewTest, CameraViewOfADeletedCameraStaysEmpty) {
    doc->Settings->Modeller.OpenGL = 0;
    TestView& v = AddView(kCameraView, 400, 300);
    doc->InsertObject(new CPovCubic());
    auto* camera = new CPovCamera();
    doc->InsertObject(camera);
    doc->Camera = camera;
    doc->CameraChanged = 1;
    camera->SetPresent(false);
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    EXPECT_EQ(dc.primitives.size(), 0u);
}

TEST_F(ViewTest, FarAwayAndDegenerateGeometryDrawsWithoutOverflow) {
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* far = new CPovCubic();
    far->ScaleStep() = Vector(1e12, 1e12, 1e12);  // overlaps the view, corners far outside
    far->UpdateGeometry();
    doc->InsertObject(far);
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    ASSERT_EQ(dc.Count(Kind::Polyline), 6u);
    for (const auto& p : dc.primitives)
        for (const PixelPoint& q : p.points) {
            EXPECT_LT(std::abs(q.x), 2'000'000'000);
            EXPECT_LT(std::abs(q.y), 2'000'000'000);
        }
    far->Select(*v);  // the selection frame around it stays inside int as well
    RecordingDeviceContext selected;
    DrawWithoutAxes(*v, selected);
    EXPECT_EQ(selected.Count(Kind::FocusRect), 1u);

    // in the camera view a corner exactly at the camera's depth is not projected to infinity
    doc->Settings->Modeller.OpenGL = 0;
    TestView& c = AddView(kCameraView, 400, 300);
    far->SetPresent(false);
    auto* box = new CPovCubic();
    box->SetPosition(Vector(0, 0, -3.5));  // the front face at z = -4, where the camera is
    auto* camera = new CPovCamera();
    doc->InsertObject(box);
    doc->InsertObject(camera);
    doc->Camera = camera;
    doc->CameraChanged = 1;
    RecordingDeviceContext projected;
    c->OnDraw(projected);
    EXPECT_EQ(projected.Count(Kind::Polyline), 0u);
}

TEST_F(ViewTest, SelectedObjectIsDrawnWithTheSelectionPenAndFrame) {
    TestView& v = AddView(kTopView, 400, 300);
    ScrollTo(v, -20, -15);
    auto* box = new CPovCubic();
    doc->InsertObject(box);
    box->Select(*v);
    RecordingDeviceContext dc;
    DrawWithoutAxes(*v, dc);
    EXPECT_EQ(dc.Count(Kind::FocusRect), 1u);
    EXPECT_EQ(dc.Count(Kind::InvertRect), 4u);
    EXPECT_EQ(dc.primitives[0].pen, Pen::Selection);
}

}  // namespace
