// A scene with one object of every kind, drawn by every view kind, picked and dragged: the
// views and the kinds have to agree on what they hand each other (no device context in the
// OpenGL render, projections only in the camera view, one step for the environment kinds).
#include <gtest/gtest.h>

#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_blob.h"
#include "model/groups/pov_csg.h"
#include "model/groups/pov_user_object.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_smooth_triangle.h"
#include "model/shapes/pov_triangle.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "platform/fake/recording_device_context.h"
#include "tests/support/gl_test.h"
#include "tests/view/view_fixture.h"
#include "view/headless_gl_surface.h"

namespace {

class EveryKindTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        auto* group = new CPovCSG();
        AppendChild(group, new CPovSphere());
        AppendChild(group, new CPovCubic());
        group->UpdateGeometry();
        auto* blob = new CPovBlob();
        AppendChild(blob, new CPovSphere());
        blob->UpdateGeometry();
        CPovObject* objects[] = {new CPovCubic(),
                                 new CPovSphere(),
                                 new CPovCone(),
                                 new CPovCylinder(),
                                 new CPovTorus(),
                                 new CPovPlane(),
                                 new CPovHeightField(),
                                 new CPovLight(),
                                 new CPovLightSourceSpot(),
                                 new CPovLightSourceCylinder(),
                                 new CPovLathe(),
                                 new CPovPolygon(),
                                 new CPovTriangle(),
                                 new CPovSmoothTriangle(),
                                 new CPovTTF(),
                                 new CPovUserObject(),
                                 new CPovFog(),
                                 group,
                                 blob};
        double x = -9;
        for (CPovObject* o : objects) {
            doc->InsertObject(o);
            o->SetPosition(Vector(x, 0.5 * x, 1));
            x += 1;
        }
        auto* background = new CPovBackground();
        doc->InsertObject(background);
        doc->Background = background;
        auto* sky = new CPovSkySphere();
        doc->InsertObject(sky);
        doc->SkySphere = sky;
        auto* camera = new CPovCamera();
        doc->InsertObject(camera);
        doc->Camera = camera;
        camera->SetPosition(Vector(1, 2, -30));
        doc->CameraChanged = 1;
    }
};

TEST_F(EveryKindTest, WireFrameViewsDrawPickAndDrag) {
    for (int kind : {kTopView, kFrontView, kSideView}) {
        SCOPED_TRACE(kind);
        TestView& v = AddView(kind, 400, 300);
        ScrollTo(v, -20, -15);
        v->SetGrid(1.0);
        RecordingDeviceContext dc;
        v->OnDraw(dc);
        EXPECT_GT(dc.Count(RecordingDeviceContext::Kind::Polyline), 50u);
        // sweep the view with clicks and short drags
        for (int x = 10; x < 400; x += 37) {
            for (int y = 10; y < 300; y += 29) {
                v->OnLButtonDown(x, y);
                v->OnMouseMove(x + 3, y - 2);
                v->OnLButtonUp(x + 3, y - 2);
                v->OnRButtonDown(x, y);
                v->OnSelectNextCsgLevel();
                v->OnSelectTopCsgLevel();
            }
        }
        doc->OnToolResize();
        v->OnLButtonDown(200, 150);
        v->OnMouseMove(210, 140);
        v->OnLButtonUp(210, 140);
        doc->OnToolMove();
        RecordingDeviceContext after;
        v->OnDraw(after);
    }
}

TEST_F(EveryKindTest, CameraViewWithoutOpenGlProjectsEverything) {
    doc->Settings->Modeller.OpenGL = 0;
    TestView& v = AddView(kCameraView, 400, 300);
    RecordingDeviceContext dc;
    v->OnDraw(dc);
    EXPECT_GT(dc.primitives.size(), 20u);
}

TEST_F(EveryKindTest, CameraViewRendersFilledAndAsWireFrame) {
    GlTestCanvas canvas(160, 120);
    if (!canvas.Ok())
        GTEST_SKIP() << "no headless OpenGL: " << canvas.Error();
    doc->Settings->Modeller.OpenGL = 1;
    TestView& v = AddView(kCameraView, 160, 120);
    HeadlessGlSurface surface(canvas.Gl());
    for (int wireframe : {0, 1}) {
        v->Wireframe = wireframe;
        EXPECT_TRUE(v->RenderCamera(surface));
        EXPECT_EQ(v->LightCount, 3);
    }
}

}  // namespace
