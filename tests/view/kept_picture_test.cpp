// What the desktop's wire-frame views keep and what they draw live: the recorded pass draws
// exactly what the direct pass draws, the selected object's tree is left out of the kept
// picture and drawn alone, a drag step asks only for that tree, and objects of a few pixels
// are drawn as a point or a small rectangle.
#include <gtest/gtest.h>

#include <random>

#include "model/lights/pov_camera.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "platform/fake/recording_device_context.h"
#include "tests/view/view_fixture.h"
#include "view/wire_recording.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

bool SamePrimitives(const RecordingDeviceContext& a, const RecordingDeviceContext& b) {
    if (a.primitives.size() != b.primitives.size())
        return false;
    for (size_t i = 0; i < a.primitives.size(); ++i) {
        const auto& p = a.primitives[i];
        const auto& q = b.primitives[i];
        if (p.kind != q.kind || p.pen != q.pen || p.points != q.points || p.radius != q.radius ||
            !(p.rect == q.rect))
            return false;
    }
    return true;
}

class KeptPictureTest : public ViewTest {
  protected:
    // objects of every size here and there, one of them selected, and a camera
    void FillScene(int n, unsigned seed) {
        std::mt19937 random(seed);
        std::uniform_real_distribution<double> place(-30, 30), size(0.02, 3);
        for (int i = 0; i < n; ++i) {
            CPovObject* o = nullptr;
            switch (i % 4) {
                case 0:
                    o = new CPovSphere();
                    break;
                case 1:
                    o = new CPovCubic();
                    break;
                case 2:
                    o = new CPovCone();
                    break;
                default:
                    o = new CPovTorus();
                    break;
            }
            const double s = size(random);
            o->ScaleStep() = Vector(s, s, s);
            o->SetPosition(Vector(place(random), place(random), place(random)));
            doc->InsertObject(o);
        }
        auto* camera = new CPovCamera();
        doc->InsertObject(camera);
        doc->Camera = camera;
    }
};

TEST_F(KeptPictureTest, ARecordedPassDrawsWhatTheDirectPassDraws) {
    FillScene(300, 5);
    for (int kind : {kTopView, kFrontView, kSideView}) {
        TestView& v = AddView(kind, 400, 300);
        v->SetGrid(1.0);
        v->Zoom = 6;
        doc->Objects->NextSibling->Select(*v);  // a frame and the selection pen as well
        RecordingDeviceContext direct, replayed;
        v->OnDraw(direct);
        WireRecording recording;
        v->DrawPicture(recording, nullptr);
        EXPECT_TRUE(recording.Replay(replayed));
        EXPECT_TRUE(SamePrimitives(direct, replayed)) << kind;
        EXPECT_GT(direct.primitives.size(), 300u);
        // a recording that is asked to stop stops
        RecordingDeviceContext stopped;
        EXPECT_FALSE(recording.Replay(stopped, [] { return true; }));
        EXPECT_TRUE(stopped.primitives.empty());
    }
}

TEST_F(KeptPictureTest, TheSelectedTreeIsLeftOutOfTheKeptPictureAndDrawnAlone) {
    FillScene(40, 9);
    TestView& v = AddView(kTopView, 400, 300);
    v->Zoom = 6;
    ScrollTo(v, -30, -25);
    EXPECT_EQ(v->LiveTree(), nullptr);
    // the camera's look-at point: its tree is the camera
    CPovObject* camera = doc->Camera;
    camera->SetPosition(Vector(0, 0, -5));
    camera->FirstChild->SetPosition(Vector(0, 0, 0));
    v->SelectedObject = camera->FirstChild;
    ASSERT_EQ(v->LiveTree(), camera);

    RecordingDeviceContext all, rest, tree;
    v->OnDraw(all);
    v->DrawPicture(rest, camera);
    v->DrawTree(tree, camera);
    EXPECT_EQ(rest.primitives.size() + tree.primitives.size(), all.primitives.size());
    EXPECT_EQ(tree.Count(Kind::Circle), 1u);  // the look-at point comes with its camera
    EXPECT_EQ(rest.Count(Kind::Circle), 0u);
}

// a window that tells the two requests apart
struct LiveWindow : CountingWindow {
    void RedrawLive() override { ++live; }
    int live = 0;
};

TEST_F(KeptPictureTest, ADragStepAsksOnlyForTheSelectedTree) {
    auto* box = new CPovCubic();
    box->ScaleStep() = Vector(4, 4, 4);
    doc->InsertObject(box);
    TestView& other = AddView(kTopView, 400, 300);
    LiveWindow window;
    ScrollBarValues bars;
    NextViewKind = kFrontView;
    COrvantaView view(*doc, bars, &window);
    view.OnCreate(420, 320, 400, 300);
    view.OnSize(400, 300, 420, 320);
    bars.SetPosition(ScrollBar::Horizontal, -20);  // x = 0 at pixel 200
    bars.SetPosition(ScrollBar::Vertical, 15);     // y = 0 at pixel 150

    view.OnLButtonDown(200, 150);
    ASSERT_EQ(view.SelectedObject, box);
    const int redraws = window.redraws, others = other.window.redraws;
    for (int i = 1; i <= 5; ++i)
        view.OnMouseMove(200 + 4 * i, 150);
    EXPECT_EQ(window.live, 5);
    EXPECT_EQ(window.redraws, redraws);
    EXPECT_EQ(other.window.redraws, others);
    EXPECT_NEAR(box->Translation().X, 2.0, 1e-9);
    view.OnLButtonUp(220, 150);
    EXPECT_GT(other.window.redraws, others);  // the other views hear of the change at the end
}

TEST_F(KeptPictureTest, ObjectsOfAFewPixelsAreAPointOrASmallRectangle) {
    auto* sphere = new CPovSphere();  // two units across
    doc->InsertObject(sphere);
    TestView& v = AddView(kFrontView, 400, 300);
    ScrollTo(v, -100, -100);
    auto draw = [&](double zoom) {
        v->Zoom = zoom;
        RecordingDeviceContext dc;
        v->OnDraw(dc);
        // only the sphere's strokes: the world axes run through it
        std::erase_if(dc.primitives, [](const auto& p) { return p.pen == Pen::Axis; });
        return dc;
    };
    const RecordingDeviceContext point = draw(0.4);  // 0.8 pixels
    ASSERT_EQ(point.primitives.size(), 1u);
    EXPECT_EQ(point.primitives[0].kind, Kind::Line);
    EXPECT_EQ(point.primitives[0].points[0], point.primitives[0].points[1]);

    const RecordingDeviceContext small = draw(1.5);  // 3 pixels
    ASSERT_EQ(small.primitives.size(), 1u);
    EXPECT_EQ(small.primitives[0].kind, Kind::Polyline);
    EXPECT_EQ(small.primitives[0].points.size(), 5u);

    EXPECT_EQ(draw(3).Count(Kind::Polyline), 11u);  // 6 pixels: rings and meridians

    sphere->Select(*v);  // a selected small object still shows its frame
    EXPECT_EQ(draw(0.4).Count(Kind::FocusRect), 1u);
}

}  // namespace
