// Light sources, the camera and the look-at point they aim at.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <string>
#include <utility>

#include "model/field_sink.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"
#include "model/lights/pov_look_at.h"
#include "model/name_counters.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "platform/fake/scripted_editor_host.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

constexpr double kDegree = 0.017453333333333335;

class LightsTest : public ModelTest {
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

// Where the camera view puts a world point: it undoes the camera's place and its rotate step
// about y, then x, then z.
Vector SeenByCamera(const CPovObject& camera, const Vector& point) {
    const Vector& t = camera.Translation();
    const Vector& r = camera.RotationStep();
    CMatrix3D m;
    m.Translate(Vector(-t.X, -t.Y, -t.Z));
    m.Rotate(Vector(0, -r.Y, 0));
    m.Rotate(Vector(-r.X, 0, 0));
    m.Rotate(Vector(0, 0, -r.Z));
    Vector p = point;
    return p.Transform(m);
}

Point3 Mean(const std::vector<Point3>& points, size_t first, size_t count) {
    Point3 m;
    for (size_t i = first; i < first + count; ++i) {
        m.X += points[i].X / count;
        m.Y += points[i].Y / count;
        m.Z += points[i].Z / count;
    }
    return m;
}

double Distance(const Point3& a, const Vector& b) {
    return std::sqrt((a.X - b.X) * (a.X - b.X) + (a.Y - b.Y) * (a.Y - b.Y) +
                     (a.Z - b.Z) * (a.Z - b.Z));
}

#define EXPECT_VEC_NEAR(v, x, y, z, tolerance) \
    do {                                       \
        EXPECT_NEAR((v).X, (x), (tolerance));  \
        EXPECT_NEAR((v).Y, (y), (tolerance));  \
        EXPECT_NEAR((v).Z, (z), (tolerance));  \
    } while (0)

const Vector kTargets[] = {{1, 1, 1},    {-1, 1, 1}, {1, -1, -1},   {-1, -1, -1},
                           {3, 0, -0.5}, {0, 2, 5},  {-2, 0.5, -3}, {0.2, -4, 0.1}};

// ---------------------------------------------------------------------------------------------
// names and children

TEST_F(LightsTest, NamesAndLookAtChildren) {
    EXPECT_EQ(Add<CPovLight>()->Name, "Lichtquelle_000");
    auto* spot = Add<CPovLightSourceSpot>();
    auto* cylinder = Add<CPovLightSourceCylinder>();
    // the same prefix with separate counters: the cylinder skips the spot's name
    EXPECT_EQ(spot->Name, "Spot_000");
    EXPECT_EQ(cylinder->Name, "Spot_001");
    EXPECT_EQ(g_NameCounters.LightSpot, 1);
    EXPECT_EQ(g_NameCounters.LightCylinder, 2);

    auto* camera = Add<CPovCamera>();
    EXPECT_EQ(camera->Name, "Kamera_0");
    EXPECT_EQ(Add<CPovCamera>()->Name, "Kamera_1");
    g_NameCounters.Camera = 0;  // cameras are not checked against names in use
    EXPECT_EQ(Add<CPovCamera>()->Name, "Kamera_0");

    for (CPovObject* owner : {static_cast<CPovObject*>(spot), static_cast<CPovObject*>(cylinder),
                              static_cast<CPovObject*>(camera)}) {
        ASSERT_EQ(owner->ChildCount(), 1);
        CPovObject* lookAt = owner->FirstChild;
        EXPECT_EQ(lookAt->GetType(), kKindLookAt);
        EXPECT_EQ(lookAt->Parent, owner);
        EXPECT_EQ(lookAt->Name, "Richtungspunkt");
        EXPECT_EQ(lookAt->Steps.size(), 1u);
        EXPECT_FALSE(owner->CanBeCsgElement());
    }
}

TEST_F(LightsTest, PropertySheetsHaveTheirCaptions) {
    ScopedEditorHost editor;
    Add<CPovLight>()->EditProperties();
    Add<CPovLightSourceSpot>()->EditProperties();
    Add<CPovLightSourceCylinder>()->EditProperties();
    CPovCamera* camera = Add<CPovCamera>();
    camera->EditProperties();
    EXPECT_EQ(camera->FirstChild->EditProperties(), kDialogCancel);  // the point has no sheet
    EXPECT_EQ(editor.captions,
              (std::vector<std::string>{
                  "Eigenschaften Lichtquelle", "Eigenschaften Lichtquelle (Spot)",
                  "Eigenschaften Lichtquelle (zylindrisch)", "Eigenschaften Kamera"}));
    EXPECT_EQ(host.modifications, 4);
}

// ---------------------------------------------------------------------------------------------
// aiming

TEST_F(LightsTest, CameraAimsAtItsLookAtPoint) {
    auto* camera = Add<CPovCamera>();
    EXPECT_VEC_NEAR(camera->RotationStep(), 0, 0, 0, 1e-12);
    camera->SetPosition(Vector(0, 0, 4));
    EXPECT_VEC_NEAR(camera->RotationStep(), 180, 0, 180, 1e-12);

    // In every direction the camera view sees the look-at point straight ahead, nearly: the
    // angles carry four decimals, which acos near 1 widens to almost a degree.
    camera->SetPosition(Vector(0, 0, 0));
    for (const Vector& target : kTargets) {
        camera->FirstChild->SetPosition(target);
        const Vector seen = SeenByCamera(*camera, target);
        SCOPED_TRACE(testing::Message() << target.X << " " << target.Y << " " << target.Z);
        EXPECT_GT(seen.Z, 0.0);
        EXPECT_NEAR(seen.X / seen.Z, 0.0, 0.015);
        EXPECT_NEAR(seen.Y / seen.Z, 0.0, 0.015);
    }
}

TEST_F(LightsTest, CameraFrustumOpensTowardsTheLookAtPoint) {
    auto* camera = Add<CPovCamera>();
    camera->SetPosition(Vector(1, 2, 3));
    for (const Vector& offset : kTargets) {
        const Vector target(1 + offset.X, 2 + offset.Y, 3 + offset.Z);
        camera->FirstChild->SetPosition(target);
        ASSERT_EQ(camera->Outline.size(), 8u);
        const Point3 narrow = Mean(camera->Outline, 0, 4);
        const Point3 wide = Mean(camera->Outline, 4, 4);
        const Vector axis(wide.X - narrow.X, wide.Y - narrow.Y, wide.Z - narrow.Z);
        const double cosine = Vector::Dot(axis, offset) /
                              std::sqrt(Vector::Dot(axis, axis) * Vector::Dot(offset, offset));
        SCOPED_TRACE(testing::Message() << offset.X << " " << offset.Y << " " << offset.Z);
        EXPECT_GT(cosine, 0.9999);  // the four-decimal angles again
        // scale 4: the wide end is 0.7 * 4 further along than the narrow one
        EXPECT_NEAR(std::sqrt(Vector::Dot(axis, axis)), 2.8, 1e-9);
    }
}

TEST_F(LightsTest, ZNudgeIsStoredAndWritten) {
    auto* camera = Add<CPovCamera>();
    // |A.z| - |L.z| = -0.000005: the camera moves 0.00001 towards +z
    camera->FirstChild->Translation() = Vector(5, 0, 0.00004);
    camera->SetPosition(Vector(0, 0, 0.000045));
    EXPECT_DOUBLE_EQ(camera->Translation().Z, 0.000055);
    SceneText text;
    camera->WriteScene(text);
    EXPECT_EQ(text.Text(),
              "camera {\r\n"
              "  location <0.0000,0.0000,0.0001>\r\n"
              "  look_at <5.0000,0.0000,0.0000>\r\n"
              "}\r\n\r\n");

    // |A.z| - |L.z| = 0.000005: 0.00001 towards -z
    camera->FirstChild->Translation() = Vector(0, 1, 3.000005);
    camera->SetPosition(Vector(0, 0, -3));
    EXPECT_NEAR(camera->Translation().Z, -3.00001, 1e-12);

    // far apart in z: no nudge
    camera->SetPosition(Vector(0, 0, -4));
    EXPECT_EQ(camera->Translation().Z, -4.0);
}

TEST_F(LightsTest, TheNudgeDoesNotUndoItselfOnTheNextUpdate) {
    // With a negative z the second rule would move L.z back onto A.z, a flat direction that
    // turns the camera the wrong way round.
    auto* camera = Add<CPovCamera>();
    auto* spot = Add<CPovLightSourceSpot>();
    for (CPovObject* owner : {static_cast<CPovObject*>(camera), static_cast<CPovObject*>(spot)}) {
        owner->FirstChild->Translation() = Vector(0, 0, -5);
        owner->SetPosition(Vector(3, 0, -5));
        const Vector place = owner->Translation();
        const Vector rotation = owner->RotationStep();
        EXPECT_NEAR(place.Z, -4.99999, 1e-12);
        for (int i = 0; i < 3; ++i) {
            owner->UpdateGeometry();
            EXPECT_EQ(owner->Translation(), place);
            EXPECT_EQ(owner->RotationStep(), rotation);
        }
    }
    const Vector seen = SeenByCamera(*camera, Vector(0, 0, -5));
    EXPECT_GT(seen.Z, 0.0);
    EXPECT_NEAR(seen.X / seen.Z, 0.0, 1e-3);
}

TEST_F(LightsTest, SpotConesReachTheLookAtPoint) {
    auto* spot = Add<CPovLightSourceSpot>();
    // the constructor's spot stands at (0, 4, 0) above its look-at point: nudged, facing down
    EXPECT_VEC_NEAR(spot->Translation(), 0, 4, 0.00001, 1e-15);
    EXPECT_VEC_NEAR(spot->RotationStep(), 90, 0, 0, 1e-3);
    const double n = std::sqrt(16 + 1e-10);
    EXPECT_VEC_NEAR(spot->ScaleStep(), std::sin(20 * kDegree) * n, std::sin(20 * kDegree) * n, n,
                    1e-12);
    ASSERT_EQ(spot->Outline.size(), 26u);

    spot->Radius = 5;
    spot->Falloff = 30;
    spot->SetPosition(Vector(2, 3, 4));
    for (const Vector& offset : kTargets) {
        const Vector target(2 + offset.X, 3 + offset.Y, 4 + offset.Z);
        spot->FirstChild->SetPosition(target);
        const double distance = std::sqrt(Vector::Dot(offset, offset));
        const std::vector<Point3>& o = spot->Outline;
        SCOPED_TRACE(testing::Message() << offset.X << " " << offset.Y << " " << offset.Z);
        EXPECT_NEAR(spot->ScaleStep().Z, distance, 1e-4);
        for (size_t cone : {0u, 13u}) {
            const double angle = cone == 0 ? 5 : 30;
            const Point3 centre = Mean(o, cone, 12);
            EXPECT_VEC_NEAR(centre, target.X, target.Y, target.Z, 1e-4);
            EXPECT_NEAR(Distance(o[cone], target), std::sin(angle * kDegree) * distance, 1e-4);
            EXPECT_VEC_NEAR(o[cone + 12], 2, 3, 4, 1e-12);  // the apex at the light
        }
    }
}

TEST_F(LightsTest, CylinderRingsSpanFromTheLightToTheLookAtPoint) {
    auto* cylinder = Add<CPovLightSourceCylinder>();
    cylinder->SetPosition(Vector(-1, 2, 6));
    cylinder->FirstChild->SetPosition(Vector(3, -2, 1));
    const std::vector<Point3>& o = cylinder->Outline;
    ASSERT_EQ(o.size(), 48u);
    for (size_t base : {0u, 24u}) {
        EXPECT_VEC_NEAR(Mean(o, base, 12), -1, 2, 6, 1e-9);
        EXPECT_VEC_NEAR(Mean(o, base + 12, 12), 3, -2, 1, 1e-9);
    }
    const double distance = std::sqrt(16.0 + 16.0 + 25.0);
    EXPECT_NEAR(Distance(o[24], Vector(-1, 2, 6)), std::sin(20 * kDegree) * distance, 1e-9);
    EXPECT_NEAR(cylinder->ScaleStep().X, std::sin(20 * kDegree) * distance, 1e-9);
}

TEST_F(LightsTest, PointLightIsAStarAroundItsPosition) {
    auto* light = Add<CPovLight>();
    light->SetPosition(Vector(1, 2, 3));
    const std::vector<Point3>& o = light->Outline;
    ASSERT_EQ(o.size(), 6u);
    for (size_t i = 0; i < 6; i += 2) {
        EXPECT_VEC_NEAR(Mean(o, i, 2), 1, 2, 3, 1e-12);
        EXPECT_NEAR(Distance(o[i], Vector(1, 2, 3)), 5.0, 1e-12);
    }
    // turned by 45 degrees about each axis, so no arm lies along a world axis
    EXPECT_GT(std::fabs(o[1].Y - 2), 0.5);
}

TEST_F(LightsTest, DraggingTheLookAtPointReAimsItsOwner) {
    FakeViewPort top(kTopView, 10);
    auto* camera = Add<CPovCamera>();
    camera->Select(top);
    ASSERT_EQ(host.CurrentObject, camera);
    CPovObject* lookAt = camera->FirstChild;

    lookAt->Select(top);  // only a flag: the camera stays the current object
    EXPECT_TRUE(lookAt->IsSelected());
    EXPECT_EQ(host.CurrentObject, camera);
    lookAt->MoveBy(4, 0, top);
    EXPECT_EQ(lookAt->Translation(), Vector(4, 0, 0));
    EXPECT_NEAR(camera->RotationStep().Y, 45.0, 0.01);
    EXPECT_EQ(host.modifications, 1);
    EXPECT_DOUBLE_EQ(lookAt->MinX, 4.0);
    EXPECT_DOUBLE_EQ(lookAt->MaxX, 4.0);

    lookAt->ResizeBy(3, 3, top);  // a point has no size
    EXPECT_EQ(lookAt->Translation(), Vector(4, 0, 0));
    EXPECT_EQ(camera->ScaleStep(), Vector(4, 4, 4));

    lookAt->Deselect(top);
    EXPECT_FALSE(lookAt->IsSelected());
    EXPECT_EQ(host.CurrentObject, camera);

    auto* spot = Add<CPovLightSourceSpot>();
    spot->FirstChild->Selected = 1;
    spot->FirstChild->MoveBy(0, -3, FakeViewPort(kFrontView));  // 3 further down
    EXPECT_NEAR(spot->ScaleStep().Z, 7.0, 1e-5);
    EXPECT_VEC_NEAR(Mean(spot->Outline, 0, 12), 0, -3, 0, 1e-9);
}

// ---------------------------------------------------------------------------------------------
// drawing in the 2-D views

class LightsDrawTest : public LightsTest {
  protected:
    FakeViewPort front{kFrontView, 10};
    FakeViewPort top{kTopView, 10};
    FakeViewPort camera{kCameraView, 100};
    RecordingDeviceContext dc;
    void SetUp() override {
        LightsTest::SetUp();
        for (FakeViewPort* v : {&front, &top}) {
            v->horzOrigin = -10;
            v->vertOrigin = -10;
            v->windowHeight = 220;  // usable height 200
        }
    }
    void Draw(CPovObject* object, FakeViewPort& view) {
        dc.primitives.clear();
        object->Draw(view, &dc, view.horzOrigin, view.vertOrigin, 200, 200, view.zoom);
    }
};

TEST_F(LightsDrawTest, LookAtPointIsACircleWithALineToItsOwner) {
    auto* cam = Add<CPovCamera>();
    CPovObject* lookAt = cam->FirstChild;
    EXPECT_EQ(lookAt->GetScreenRect(front), (PixelRect{95, 95, 105, 105}));
    EXPECT_TRUE(lookAt->HitTest(front, {97, 103}));

    Draw(lookAt, top);
    ASSERT_EQ(dc.primitives.size(), 2u);
    EXPECT_EQ(dc.primitives[0].kind, Kind::Circle);
    EXPECT_EQ(dc.primitives[0].points[0], (PixelPoint{100, 100}));
    EXPECT_EQ(dc.primitives[0].radius, 5);
    EXPECT_EQ(dc.primitives[1].kind, Kind::Line);
    // to the camera at z = -4
    EXPECT_EQ(dc.primitives[1].points, (std::vector<PixelPoint>{{100, 100}, {100, 140}}));
    EXPECT_EQ(dc.primitives[1].pen, Pen::Text);

    lookAt->Selected = 1;
    Draw(lookAt, top);
    EXPECT_EQ(dc.primitives[0].pen, Pen::Selection);
    EXPECT_EQ(dc.Count(Kind::FocusRect), 0u);  // no frame around the point
    EXPECT_EQ(dc.CurrentPen(), Pen::Text);

    Draw(lookAt, camera);
    EXPECT_TRUE(dc.primitives.empty());
}

TEST_F(LightsDrawTest, WireFramesOfEachKind) {
    auto* cam = Add<CPovCamera>();
    Draw(cam, top);
    EXPECT_EQ(dc.Count(Kind::Polyline), 6u);  // the frustum's faces
    EXPECT_EQ(dc.Count(Kind::Circle), 1u);    // and the look-at point
    EXPECT_EQ(dc.Count(Kind::Line), 1u);
    cam->ProjectForCamera(Vector(0, 0, 10), Vector(), Vector(), Vector());
    Draw(cam, camera);
    EXPECT_TRUE(dc.primitives.empty());  // the camera does not see itself

    auto* light = Add<CPovLight>();
    Draw(light, front);
    ASSERT_EQ(dc.Count(Kind::Polyline), 3u);
    for (const auto& p : dc.primitives)
        EXPECT_EQ(p.points.size(), 2u);

    auto* spot = Add<CPovLightSourceSpot>();
    Draw(spot, front);
    // per cone the ring and six triangles to the apex
    EXPECT_EQ(dc.Count(Kind::Polyline), 14u);
    const std::vector<PixelPoint>& ring = dc.primitives[0].points;
    ASSERT_EQ(ring.size(), 13u);
    const PixelPoint apex = dc.primitives[1].points.at(2);
    for (size_t k = 0; k < 6; ++k)
        EXPECT_EQ(dc.primitives[1 + k].points,
                  (std::vector<PixelPoint>{ring[2 * k], ring[2 * k + 1], apex, ring[2 * k]}));
    EXPECT_EQ(dc.Count(Kind::Circle), 1u);

    spot->Selected = 1;
    Draw(spot, front);
    EXPECT_EQ(dc.Count(Kind::FocusRect), 1u);

    auto* cylinder = Add<CPovLightSourceCylinder>();
    Draw(cylinder, front);
    // per cylinder two rings and twelve lines between them
    EXPECT_EQ(dc.Count(Kind::Polyline), 28u);
    EXPECT_EQ(dc.Count(Kind::Circle), 1u);

    cylinder->SetPresent(false);
    Draw(cylinder, front);
    EXPECT_TRUE(dc.primitives.empty());
}

TEST_F(LightsDrawTest, AnOwnerOutsideTheViewLeavesItsLookAtPointOut) {
    // The view shows -10 ... 10. The camera stands far to the right aiming at a point inside;
    // the lights' cones reach their look-at point, so theirs stands beside them, outside too.
    auto* cam = Add<CPovCamera>();
    auto* spot = Add<CPovLightSourceSpot>();
    auto* cylinder = Add<CPovLightSourceCylinder>();
    const std::pair<CPovObject*, Vector> cases[] = {
        {cam, Vector(2, 0, 0)}, {spot, Vector(60, 0, 4)}, {cylinder, Vector(60, 0, 4)}};
    for (const auto& [owner, lookAt] : cases) {
        owner->FirstChild->SetPosition(lookAt);
        owner->SetPosition(Vector(60, 0, -4));
        Draw(owner, front);
        EXPECT_TRUE(dc.primitives.empty()) << owner->GetClassName();

        owner->SetPosition(Vector(-3, 0, -4));  // back in the view: circle and line again
        owner->FirstChild->SetPosition(Vector(2, 0, 0));
        Draw(owner, front);
        EXPECT_EQ(dc.Count(Kind::Circle), 1u) << owner->GetClassName();
    }
}

// ---------------------------------------------------------------------------------------------
// scene text

TEST_F(LightsTest, SceneTextOfEachKind) {
    auto* light = Add<CPovLight>();
    light->SetPosition(Vector(1, -2, 3.5));
    SceneText point;
    light->WriteScene(point);
    EXPECT_EQ(point.Text(),
              "#declare Lichtquelle_000 = light_source {\r\n"
              "  <1.0000,-2.0000,3.5000> color rgb <1.0000,1.0000,1.0000>\r\n"
              "}\r\n\r\n"
              "object {\r\n  Lichtquelle_000\r\n}\r\n\r\n");

    auto* spot = Add<CPovLightSourceSpot>();
    spot->LightColor = 0x00FF8000;  // blue 255, green 128, red 0
    spot->Radius = 12.5;
    SceneText spotText;
    spot->WriteScene(spotText);
    EXPECT_EQ(spotText.Text(),
              "#declare Spot_000 = light_source {\r\n"
              "  <0.0000,4.0000,0.0000> color rgb <0.0000,0.5020,1.0000>\r\n"
              "  spotlight\r\n"
              "  point_at <0.0000,0.0000,0.0000>\r\n"
              "  radius 12.5000\r\n"
              "  falloff 20.0000\r\n"
              "  tightness 10.0000\r\n"
              "}\r\n\r\n"
              "object {\r\n  Spot_000\r\n}\r\n\r\n");

    auto* cylinder = Add<CPovLightSourceCylinder>();
    cylinder->FirstChild->SetPosition(Vector(1, 0, -1));
    SceneText cylinderText;
    cylinder->WriteScene(cylinderText);
    EXPECT_EQ(cylinderText.Text(),
              "#declare Spot_001 = light_source {\r\n"
              "  <0.0000,4.0000,0.0000> color rgb <1.0000,1.0000,1.0000>\r\n"
              "  cylinder\r\n"
              "  point_at <1.0000,0.0000,-1.0000>\r\n"
              "  radius 10.0000\r\n"
              "  falloff 20.0000\r\n"
              "  tightness 10.0000\r\n"
              "}\r\n\r\n"
              "object {\r\n  Spot_001\r\n}\r\n\r\n");

    auto* camera = Add<CPovCamera>();
    SceneText cameraText;
    camera->WriteScene(cameraText);
    EXPECT_EQ(cameraText.Text(),
              "camera {\r\n"
              "  location <0.0000,0.0000,-4.0000>\r\n"
              "  look_at <0.0000,0.0000,0.0000>\r\n"
              "}\r\n\r\n");
}

TEST_F(LightsTest, ColourChannelsAreBytesOver255) {
    auto* light = Add<CPovLight>();
    light->LightColor = 128;  // red 128, green and blue 0
    SceneText text;
    light->WriteScene(text);
    EXPECT_NE(text.Text().find("color rgb <0.5020,0.0000,0.0000>\r\n"), std::string::npos);
}

// ---------------------------------------------------------------------------------------------
// copies

TEST_F(LightsTest, CameraCopyIsRenamedAndKeepsOneLookAtPoint) {
    auto* camera = Add<CPovCamera>();
    ASSERT_EQ(camera->Name, "Kamera_0");
    camera->FirstChild->SetPosition(Vector(1, 2, 3));
    camera->SetPosition(Vector(-1, 0, -6));
    g_NameCounters.Camera = 2;

    CPovObject* copy = camera->Clone();
    EXPECT_EQ(copy->GetType(), kKindCamera);
    EXPECT_EQ(copy->Name, "Kamera_03");  // the constructor used 2, the renaming 3
    EXPECT_EQ(g_NameCounters.Camera, 4);
    ASSERT_EQ(copy->ChildCount(), 1);
    EXPECT_NE(copy->FirstChild, camera->FirstChild);
    EXPECT_EQ(copy->FirstChild->Parent, copy);
    EXPECT_EQ(copy->FirstChild->Translation(), Vector(1, 2, 3));
    EXPECT_EQ(copy->Translation(), camera->Translation());
    EXPECT_EQ(copy->RotationStep(), camera->RotationStep());
    delete copy;
    EXPECT_EQ(camera->FirstChild->Parent, camera);
}

TEST_F(LightsTest, LightCopiesKeepTheirFields) {
    auto* spot = Add<CPovLightSourceSpot>();
    spot->LightColor = 0x123456;
    spot->Radius = 7;
    spot->Tightness = 3;
    spot->Falloff = 9;
    spot->FirstChild->SetPosition(Vector(0, 0, 5));
    std::unique_ptr<CPovObject> copy(spot->Clone());
    auto* spotCopy = dynamic_cast<CPovLightSourceSpot*>(copy.get());
    ASSERT_NE(spotCopy, nullptr);
    EXPECT_EQ(spotCopy->LightColor, 0x123456u);
    EXPECT_EQ(spotCopy->Radius, 7);
    EXPECT_EQ(spotCopy->Tightness, 3);
    EXPECT_EQ(spotCopy->Falloff, 9);
    ASSERT_EQ(copy->ChildCount(), 1);
    EXPECT_EQ(copy->FirstChild->Translation(), Vector(0, 0, 5));

    auto* cylinder = Add<CPovLightSourceCylinder>();
    cylinder->Falloff = 33;
    std::unique_ptr<CPovObject> cylinderCopy(cylinder->Clone());
    EXPECT_EQ(static_cast<CPovLightSourceCylinder*>(cylinderCopy.get())->Falloff, 33);
    EXPECT_EQ(cylinderCopy->ChildCount(), 1);

    auto* light = Add<CPovLight>();
    light->LightColor = 0x0000FF;
    std::unique_ptr<CPovObject> lightCopy(light->Clone());
    EXPECT_EQ(static_cast<CPovLight*>(lightCopy.get())->LightColor, 0x0000FFu);

    // a look-at point copied on its own becomes a fresh point at the same place
    std::unique_ptr<CPovObject> point(spot->FirstChild->Clone());
    ASSERT_NE(point, nullptr);
    EXPECT_EQ(point->GetType(), kKindLookAt);
    EXPECT_EQ(point->Translation(), Vector(0, 0, 5));
}

// ---------------------------------------------------------------------------------------------
// fields for dumps

class MapSink : public FieldSink {
  public:
    void Number(std::string_view name, double value) override { values[std::string(name)] = value; }
    void Integer(std::string_view name, long long value) override {
        values[std::string(name)] = static_cast<double>(value);
    }
    void Text(std::string_view, std::string_view) override {}
    void Numbers(std::string_view, const double*, size_t, size_t) override {}
    void Integers(std::string_view, const int*, size_t) override {}
    void Texts(std::string_view, const std::string*, size_t) override {}
    std::map<std::string, double> values;
};

TEST_F(LightsTest, FieldsAreReportedByName) {
    MapSink point;
    Add<CPovLight>()->VisitFields(point);
    EXPECT_EQ(point.values, (std::map<std::string, double>{{"LightColor", 0xFFFFFF}}));

    auto* cylinder = Add<CPovLightSourceCylinder>();
    cylinder->Tightness = 4;
    MapSink lit;
    cylinder->VisitFields(lit);
    EXPECT_EQ(lit.values,
              (std::map<std::string, double>{
                  {"LightColor", 0xFFFFFF}, {"Radius", 10}, {"Tightness", 4}, {"Falloff", 20}}));
    MapSink none;
    auto* camera = Add<CPovCamera>();
    camera->VisitFields(none);
    camera->FirstChild->VisitFields(none);
    EXPECT_TRUE(none.values.empty());
}

// ---------------------------------------------------------------------------------------------
// OpenGL lights

class LightsGlTest : public LightsTest {
  protected:
    FakeViewPort view{kCameraView, 100};
    void SetUp() override {
        LightsTest::SetUp();
        view.useOpenGL = true;
    }
    static void ClearGlErrors() {
        for (int i = 0; i < 16 && glGetError() != GL_NO_ERROR; ++i) {
        }
    }
    static std::vector<float> Get(GLenum light, GLenum what, int count = 4) {
        std::vector<float> v(4, -99.0f);
        glGetLightfv(light, what, v.data());
        v.resize(count);
        return v;
    }
};

TEST_F(LightsGlTest, OnlyTheFirstEightLightsAreSetUpButAllAreCounted) {
    GlTestCanvas canvas(16, 16);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    ClearGlErrors();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    for (int i = 0; i < 9; ++i) {
        auto* light = Add<CPovLight>();
        light->SetPosition(Vector(i + 1, 2, 3));
        light->LightColor = static_cast<uint32_t>(10 * i);  // red only
        RecordingDeviceContext dc;
        light->Draw(view, &dc, 0, 0, 16, 16, 100);
        EXPECT_TRUE(dc.primitives.empty());
    }
    EXPECT_EQ(view.lightCount, 9);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    for (int i = 0; i < 8; ++i) {
        const GLenum light = GL_LIGHT0 + i;
        SCOPED_TRACE(i);
        // x mirrored; the ninth light did not overwrite the eighth
        EXPECT_EQ(Get(light, GL_POSITION), (std::vector<float>{-(i + 1.0f), 2, 3, 1}));
        const std::vector<float> diffuse = Get(light, GL_DIFFUSE);
        EXPECT_FLOAT_EQ(diffuse[0], static_cast<float>(10 * i / 255.0));
        EXPECT_EQ(diffuse[1], 0.0f);
        EXPECT_EQ(diffuse[3], 1.0f);
        EXPECT_EQ(Get(light, GL_SPECULAR), (std::vector<float>{1, 1, 1, 1}));
        EXPECT_EQ(Get(light, GL_SPOT_EXPONENT, 1)[0], 1.0f);
    }
    GLint twoSide = 0;
    glGetIntegerv(GL_LIGHT_MODEL_TWO_SIDE, &twoSide);
    EXPECT_EQ(twoSide, 1);
}

TEST_F(LightsGlTest, SpotAndCylindricalLights) {
    GlTestCanvas canvas(16, 16);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    ClearGlErrors();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    auto* deleted = Add<CPovLight>();
    deleted->SetPresent(false);
    deleted->Draw(view, nullptr, 0, 0, 16, 16, 100);
    EXPECT_EQ(view.lightCount, 0);  // a deleted light takes no light number

    auto* spot = Add<CPovLightSourceSpot>();
    spot->LightColor = 128;
    spot->Falloff = 35;
    spot->SetPosition(Vector(1, 4, 2));
    spot->FirstChild->SetPosition(Vector(3, 0, 5));
    spot->Draw(view, nullptr, 0, 0, 16, 16, 100);
    EXPECT_EQ(Get(GL_LIGHT0, GL_POSITION), (std::vector<float>{-1, 4, 2, 1}));
    EXPECT_EQ(Get(GL_LIGHT0, GL_DIFFUSE), (std::vector<float>{1, 1, 1, 1}));
    const std::vector<float> specular = Get(GL_LIGHT0, GL_SPECULAR);
    EXPECT_FLOAT_EQ(specular[0], 128.0f / 255.0f);
    EXPECT_EQ(specular[1], 0.0f);
    // towards the look-at point, x mirrored
    EXPECT_EQ(Get(GL_LIGHT0, GL_SPOT_DIRECTION, 3), (std::vector<float>{-2, -4, 3}));
    EXPECT_EQ(Get(GL_LIGHT0, GL_SPOT_CUTOFF, 1)[0], 35.0f);

    auto* cylinder = Add<CPovLightSourceCylinder>();
    cylinder->SetPosition(Vector(2, 5, -1));
    cylinder->Draw(view, nullptr, 0, 0, 16, 16, 100);
    EXPECT_EQ(Get(GL_LIGHT1, GL_POSITION), (std::vector<float>{-2, 5, -1, 0}));  // directional
    EXPECT_EQ(Get(GL_LIGHT1, GL_DIFFUSE), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(Get(GL_LIGHT1, GL_SPECULAR), (std::vector<float>{1, 1, 1, 1}));
    EXPECT_EQ(view.lightCount, 2);

    // the camera and its look-at point draw nothing and take no light
    auto* camera = Add<CPovCamera>();
    RecordingDeviceContext dc;
    camera->Draw(view, &dc, 0, 0, 16, 16, 100);
    EXPECT_TRUE(dc.primitives.empty());
    EXPECT_EQ(view.lightCount, 2);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

}  // namespace
