// The solid kinds: their scene text, outlines, wire frames and OpenGL pictures.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "platform/fake/fake_view_port.h"
#include "platform/fake/recording_device_context.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"

namespace {

using Kind = RecordingDeviceContext::Kind;

// scale, rotate and translate lines of unchanged steps, and the closing brace
const std::string kUnitTail =
    "  scale <1.0000,1.0000,1.0000>\r\n"
    "  rotate <0.0000,0.0000,0.0000>\r\n"
    "  translate <0.0000,0.0000,0.0000>\r\n"
    "}\r\n\r\n";

std::string Instance(const std::string& name) {
    return "object {\r\n  " + name + "\r\n}\r\n\r\n";
}

std::string Text(CPovObject& object) {
    SceneText out;
    EXPECT_EQ(object.WriteScene(out), 1);
    return out.Text();
}

// Keeps every reported field as text, for comparisons.
class MapSink : public FieldSink {
  public:
    void Number(std::string_view name, double value) override {
        fields[std::string(name)] = orv::Format("%.4f", value);
    }
    void Integer(std::string_view name, long long value) override {
        fields[std::string(name)] = std::to_string(value);
    }
    void Text(std::string_view name, std::string_view value) override {
        fields[std::string(name)] = std::string(value);
    }
    void Numbers(std::string_view name, const double*, size_t count, size_t) override {
        fields[std::string(name)] = std::to_string(count);
    }
    void Integers(std::string_view name, const int*, size_t count) override {
        fields[std::string(name)] = std::to_string(count);
    }
    void Texts(std::string_view name, const std::string*, size_t count) override {
        fields[std::string(name)] = std::to_string(count);
    }
    std::map<std::string, std::string> fields;
};

class SolidsTest : public ModelTest {
  protected:
    // front view, 10 pixels per unit, the world from -10 to 10 on both axes visible
    FakeViewPort front{kFrontView, 10};
    void SetUp() override {
        ModelTest::SetUp();
        front.horzOrigin = -10;
        front.vertOrigin = -10;
        front.windowHeight = 220;
    }
    RecordingDeviceContext DrawFront(CPovObject& object) {
        RecordingDeviceContext dc;
        object.Draw(front, &dc, -10, -10, 200, 200, 10);
        return dc;
    }
};

// number of polylines with the given point count; closed ones end where they start
size_t CountRuns(const RecordingDeviceContext& dc, size_t points, bool closed) {
    size_t n = 0;
    for (const auto& p : dc.primitives)
        if (p.kind == Kind::Polyline && p.points.size() == points &&
            (p.points.front() == p.points.back()) == closed)
            ++n;
    return n;
}

TEST_F(SolidsTest, DefaultTextOfEveryKind) {
    CPovSphere sphere;
    EXPECT_EQ(Text(sphere), "#declare Kugel_000 = sphere {\r\n  <0.0,0.0,0.0>,1.0\r\n" + kUnitTail +
                                Instance("Kugel_000"));
    CPovCone cone;
    EXPECT_EQ(Text(cone),
              "#declare Kegel_000 = cone {\r\n  <0.0,0.0,0.0>,1.0,<0.0,1.0,0.0>,0.0\r\n" +
                  kUnitTail + Instance("Kegel_000"));
    // outside a blob the cylinder's strength is not written
    CPovCylinder cylinder;
    EXPECT_EQ(Text(cylinder),
              "#declare Zylinder_000 = cylinder {\r\n  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0\r\n" +
                  kUnitTail + Instance("Zylinder_000"));
    CPovTorus torus;
    EXPECT_EQ(Text(torus),
              "#declare Ring_000 = torus {\r\n  1.0 0.5000\r\n" + kUnitTail + Instance("Ring_000"));
    CPovPlane plane;
    EXPECT_EQ(Text(plane), "\r\n#declare Ebene_000 = plane {\r\n\t<0.0,1.0,0.0> , 0.0\r\n" +
                               kUnitTail + Instance("Ebene_000"));
    CPovHeightField field;
    EXPECT_EQ(Text(field),
              "#declare HF_000 = height_field {\r\n"
              " gif \"unknown.gif\"\r\n"
              "  water_level 0.0000\r\n"
              "  scale <1.0000,0.5000,1.0000>\r\n"
              "  rotate <0.0000,0.0000,0.0000>\r\n"
              "  translate <0.0000,0.0000,0.0000>\r\n"
              "}\r\n\r\n" +
                  Instance("HF_000"));
}

TEST_F(SolidsTest, KindsPrefixesAndCounters) {
    CPovSphere s0;
    CPovSphere s1;
    CPovCone cone;
    CPovPlane plane;
    EXPECT_EQ(s1.Name, "Kugel_001");
    EXPECT_EQ(g_NameCounters.Sphere, 2);
    EXPECT_EQ(s0.GetNameCounter(), 2);
    cone.SetNameCounter(41);
    EXPECT_EQ(CPovCone().Name, "Kegel_041");
    EXPECT_EQ(g_NameCounters.Cone, 42);
    EXPECT_EQ(s0.GetType(), 6);
    EXPECT_EQ(cone.GetType(), 5);
    EXPECT_EQ(CPovCylinder().GetType(), 7);
    EXPECT_EQ(CPovTorus().GetType(), 9);
    EXPECT_EQ(CPovHeightField().GetType(), 10);
    EXPECT_EQ(plane.GetType(), 12);
    // the plane is never offered as a group member
    EXPECT_FALSE(plane.CanBeCsgElement());
    EXPECT_TRUE(s0.CanBeCsgElement());
    EXPECT_TRUE(CPovHeightField().CanBeCsgElement());
}

TEST_F(SolidsTest, TransformedTextAndTheHollowKeyword) {
    CPovTorus torus;
    torus.Steps[kStepExtra].X = 0.25;
    torus.ScaleStep() = Vector(2, 1, 3);
    torus.RotationStep() = Vector(90, 0, -45);
    torus.Translation() = Vector(1.5, -2, 0.125);
    torus.Hollow = 1;
    EXPECT_EQ(Text(torus),
              "#declare Ring_000 = torus {\r\n"
              "  1.0 0.2500\r\n"
              "  scale <2.0000,1.0000,3.0000>\r\n"
              "  rotate <90.0000,0.0000,-45.0000>\r\n"
              "  translate <1.5000,-2.0000,0.1250>\r\n"
              "  hollow\r\n"
              "}\r\n\r\n" +
                  Instance("Ring_000"));
}

TEST_F(SolidsTest, HeightFieldImageLine) {
    CPovHeightField field;
    field.ImageFile = "C:\\Bilder\\Berg.PNG";
    field.Smooth = 1;
    field.Steps[kStepExtra].Y = 0.3;
    field.Hollow = 1;  // a height field is never written hollow
    EXPECT_EQ(Text(field),
              "#declare HF_000 = height_field {\r\n"
              " png \"C:\\Bilder\\Berg.PNG\"\r\n"
              "  smooth\r\n"
              "  water_level 0.3000\r\n"
              "  scale <1.0000,0.5000,1.0000>\r\n"
              "  rotate <0.0000,0.0000,0.0000>\r\n"
              "  translate <0.0000,0.0000,0.0000>\r\n"
              "}\r\n\r\n" +
                  Instance("HF_000"));

    auto imageLine = [&](const std::string& file) {
        field.ImageFile = file;
        const std::string text = Text(field);
        const size_t start = text.find("{\r\n") + 3;
        return text.substr(start, text.find("\r\n", start) + 2 - start);
    };
    EXPECT_EQ(imageLine("ALPEN.TGA"), " tga \"ALPEN.TGA\"\r\n");
    EXPECT_EQ(imageLine("berg.gif"), " gif \"berg.gif\"\r\n");
    // only A to Z are lowered; other bytes stay as they are
    EXPECT_EQ(imageLine("x.\xC4Pn"), " \xC4pn \"x.\xC4Pn\"\r\n");
    EXPECT_EQ(imageLine(""), " gif \"unknown.gif\"\r\n");
    // a name too short for a type is read as a GIF image
    EXPECT_EQ(imageLine("ab"), " gif \"ab\"\r\n");
    EXPECT_EQ(imageLine("a"), " gif \"a\"\r\n");
    EXPECT_EQ(imageLine("png"), " png \"png\"\r\n");
}

TEST_F(SolidsTest, ClonesKeepTheirOwnFields) {
    CPovHeightField field;
    field.ImageFile = "see.png";
    field.Smooth = 1;
    field.Steps[kStepExtra].Y = 0.25;
    std::unique_ptr<CPovObject> fieldCopy(field.Clone());
    auto* f = dynamic_cast<CPovHeightField*>(fieldCopy.get());
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->ImageFile, "see.png");
    EXPECT_EQ(f->Smooth, 1);
    EXPECT_EQ(f->WaterLevel(), 0.25);
    EXPECT_EQ(f->Name, "HF_001");

    CPovSphere sphere;
    sphere.Strength = -2.5;
    std::unique_ptr<CPovObject> sphereCopy(sphere.Clone());
    EXPECT_EQ(dynamic_cast<CPovSphere&>(*sphereCopy).Strength, -2.5);
    CPovCylinder cylinder;
    cylinder.Strength = 4;
    std::unique_ptr<CPovObject> cylinderCopy(cylinder.Clone());
    EXPECT_EQ(dynamic_cast<CPovCylinder&>(*cylinderCopy).Strength, 4.0);
    CPovTorus torus;
    torus.Steps[kStepExtra].X = 0.1;
    std::unique_ptr<CPovObject> torusCopy(torus.Clone());
    EXPECT_EQ(dynamic_cast<CPovTorus&>(*torusCopy).MinorRadius(), 0.1);
    std::unique_ptr<CPovObject> planeCopy(CPovPlane().Clone());
    EXPECT_EQ(planeCopy->GetType(), kKindPlane);
}

TEST_F(SolidsTest, FieldsAreReportedByName) {
    MapSink sink;
    CPovSphere().VisitFields(sink);
    EXPECT_EQ(sink.fields, (std::map<std::string, std::string>{{"Strength", "10.0000"}}));
    sink.fields.clear();
    CPovCylinder().VisitFields(sink);
    EXPECT_EQ(sink.fields, (std::map<std::string, std::string>{{"Strength", "1.0000"}}));
    sink.fields.clear();
    CPovHeightField field;
    field.ImageFile = "a.png";
    field.VisitFields(sink);
    EXPECT_EQ(sink.fields,
              (std::map<std::string, std::string>{{"ImageFile", "a.png"}, {"Smooth", "0"}}));
}

TEST_F(SolidsTest, OutlinesUseTheRoundedRingValues) {
    CPovSphere sphere;
    ASSERT_EQ(sphere.Outline.size(), 62u);
    // second point of the ring at y = 0.5: 0.5 and 0.866 of radius 0.866
    EXPECT_EQ(sphere.Outline[13].X, 0.433);
    EXPECT_EQ(sphere.Outline[13].Y, 0.5);
    EXPECT_EQ(sphere.Outline[13].Z, 0.749956);
    EXPECT_EQ(sphere.Outline[38].X, 0.433);  // ring y = 0.866, radius 0.5
    EXPECT_EQ(sphere.Outline[38].Z, 0.25);
    EXPECT_EQ(sphere.Outline[36].Z, 0.5);
    EXPECT_EQ(sphere.Outline[60].Y, 1.0);
    EXPECT_EQ(sphere.Outline[61].Y, -1.0);
    EXPECT_EQ(sphere.MinX, -1.0);
    EXPECT_EQ(sphere.MaxY, 1.0);
    EXPECT_EQ(sphere.MinZ, -1.0);

    CPovCone cone;
    ASSERT_EQ(cone.Outline.size(), 13u);
    EXPECT_EQ(cone.MinY, 0.0);
    EXPECT_EQ(cone.MaxY, 1.0);
    EXPECT_EQ(cone.MaxX, 1.0);

    CPovCylinder cylinder;
    ASSERT_EQ(cylinder.Outline.size(), 24u);
    EXPECT_EQ(cylinder.MinY, -0.5);
    EXPECT_EQ(cylinder.MaxY, 0.5);
    EXPECT_EQ(cylinder.Outline[12].Z, 1.0);

    CPovPlane plane;
    ASSERT_EQ(plane.Outline.size(), 8u);
    EXPECT_EQ(plane.MinX, -1.0);
    EXPECT_EQ(plane.MaxX, 2.0);
    EXPECT_EQ(plane.MaxY, 2.0);

    CPovHeightField field;
    ASSERT_EQ(field.Outline.size(), 8u);
    EXPECT_EQ(field.MinX, 0.0);
    EXPECT_EQ(field.MaxY, 0.5);  // default scale (1, 0.5, 1)
    EXPECT_EQ(field.MaxZ, 1.0);
}

TEST_F(SolidsTest, TorusRingsSpanTheMinorRadius) {
    CPovTorus torus;
    torus.Steps[kStepExtra].X = 0.25;
    torus.UpdateGeometry();
    ASSERT_EQ(torus.Outline.size(), 144u);
    // each ring starts at (0, y, radius): the innermost at 0.75, the outermost at 1.25
    double inner = 10, outer = 0;
    for (size_t k = 0; k < 12; ++k) {
        const Point3& start = torus.Outline[12 * k];
        EXPECT_EQ(start.X, 0.0);
        inner = std::min(inner, start.Z);
        outer = std::max(outer, start.Z);
        // every point of a ring lies on its circle, within the rounding of 0.866
        for (size_t i = 0; i < 12; ++i) {
            const Point3& p = torus.Outline[12 * k + i];
            EXPECT_NEAR(std::hypot(p.X, p.Z), start.Z, 3e-5);
            EXPECT_EQ(p.Y, start.Y);
        }
    }
    EXPECT_EQ(inner, 0.75);
    EXPECT_EQ(outer, 1.25);
    EXPECT_EQ(torus.Outline[12 * 9].Y, 0.0);  // the innermost ring lies in the middle plane
    EXPECT_EQ(torus.MaxY, 0.25);
    EXPECT_EQ(torus.MinY, -0.25);
    EXPECT_EQ(torus.MaxX, 1.25);
}

TEST_F(SolidsTest, OutlinesFollowTheSteps) {
    CPovCone cone;
    cone.ScaleStep() = Vector(1, 4, 1);
    cone.RotationStep() = Vector(0, 0, 90);  // the apex turns from +y to -x
    cone.Translation() = Vector(0, 0, 10);
    cone.UpdateGeometry();
    EXPECT_NEAR(cone.Outline[12].X, -4.0, 1e-9);
    EXPECT_NEAR(cone.Outline[12].Y, 0.0, 1e-9);
    EXPECT_NEAR(cone.Outline[12].Z, 10.0, 1e-9);
    EXPECT_NEAR(cone.MinX, -4.0, 1e-9);
    EXPECT_NEAR(cone.MaxX, 0.0, 1e-9);
    EXPECT_NEAR(cone.MinZ, 9.0, 1e-9);
}

TEST_F(SolidsTest, WireFrames) {
    {
        CPovSphere sphere;
        const auto dc = DrawFront(sphere);
        EXPECT_EQ(dc.Count(Kind::Polyline), 11u);
        EXPECT_EQ(CountRuns(dc, 13, true), 11u);  // five rings, six meridians
        // a meridian passes through both poles: (0, 1) and (0, -1) at 10 pixels per unit
        const auto& meridian = dc.primitives[5].points;
        EXPECT_EQ(meridian[0], (PixelPoint{100, 90}));
        EXPECT_EQ(meridian[6], (PixelPoint{100, 110}));
    }
    {
        CPovCone cone;
        const auto dc = DrawFront(cone);
        EXPECT_EQ(CountRuns(dc, 13, true), 1u);
        EXPECT_EQ(CountRuns(dc, 4, true), 6u);
        EXPECT_EQ(dc.primitives[1].points[2], (PixelPoint{100, 90}));  // the apex
    }
    {
        CPovCylinder cylinder;
        const auto dc = DrawFront(cylinder);
        EXPECT_EQ(CountRuns(dc, 13, true), 2u);
        EXPECT_EQ(CountRuns(dc, 2, false), 12u);
    }
    {
        CPovTorus torus;
        const auto dc = DrawFront(torus);
        EXPECT_EQ(CountRuns(dc, 13, true), 24u);
        EXPECT_EQ(dc.Count(Kind::Polyline), 24u);
    }
    {
        CPovPlane plane;
        const auto dc = DrawFront(plane);
        EXPECT_EQ(CountRuns(dc, 5, true), 1u);
        EXPECT_EQ(CountRuns(dc, 3, true), 3u);
        EXPECT_EQ(dc.Count(Kind::Polyline), 4u);
    }
    {
        CPovHeightField field;
        const auto dc = DrawFront(field);
        EXPECT_EQ(CountRuns(dc, 5, true), 6u);
        EXPECT_EQ(dc.Count(Kind::Polyline), 6u);
    }
}

TEST_F(SolidsTest, DeletedAndCulledSolidsDrawNothing) {
    CPovSphere sphere;
    sphere.SetPresent(false);
    EXPECT_TRUE(DrawFront(sphere).primitives.empty());
    CPovTorus torus;
    torus.Translation() = Vector(50, 0, 0);
    torus.UpdateGeometry();
    EXPECT_TRUE(DrawFront(torus).primitives.empty());
}

TEST_F(SolidsTest, HeightFieldDrawsItsWireBoxAlsoInTheOpenGlCameraView) {
    CPovHeightField field;
    FakeViewPort camera(kCameraView, 100);
    camera.useOpenGL = true;
    field.ProjectForCamera(Vector(0, 0, 10), Vector(), Vector(), Vector());
    RecordingDeviceContext dc;
    field.Draw(camera, &dc, 0, 0, 200, 200, 100);
    EXPECT_EQ(CountRuns(dc, 5, true), 6u);
    EXPECT_EQ(dc.Count(Kind::FocusRect), 0u);
}

TEST_F(SolidsTest, CameraViewWithoutOpenGlSkipsSolidsReachingBehindTheCamera) {
    CPovCylinder cylinder;
    FakeViewPort camera(kCameraView, 100);
    cylinder.ProjectForCamera(Vector(0, 0, 5), Vector(), Vector(), Vector());
    RecordingDeviceContext dc;
    cylinder.Draw(camera, &dc, 0, 0, 200, 200, 100);
    EXPECT_EQ(dc.Count(Kind::Polyline), 14u);

    // the near side of the ring (z = -1) is half a unit behind the camera
    cylinder.MarkProjectionStale(true);
    cylinder.ProjectForCamera(Vector(0, 0, 0.5), Vector(), Vector(), Vector());
    dc.primitives.clear();
    cylinder.Draw(camera, &dc, 0, 0, 200, 200, 100);
    EXPECT_TRUE(dc.primitives.empty());
}

// ---------------------------------------------------------------------------------------------
// OpenGL

class SolidsGlTest : public SolidsTest {
  protected:
    static constexpr int kWidth = 160;
    static constexpr int kHeight = 120;
    FakeViewPort camera{kCameraView, 1};
    void SetUp() override {
        SolidsTest::SetUp();
        camera.useOpenGL = true;
    }
    bool Lit(const GlTestCanvas& canvas, int x, int y) {
        const Rgba c = canvas.At(x, y);
        return c.r > 64 || c.g > 64 || c.b > 64;
    }
};

// Number of polygons the object hands to OpenGL, counted in feedback mode.
int FeedbackPolygons(CPovObject& object, IViewPort& view) {
    std::vector<GLfloat> buffer(1 << 18);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    object.Draw(view, nullptr, 0, 0, 0, 0, 1);
    const GLint size = glRenderMode(GL_RENDER);
    if (size < 0)
        return -1;  // the buffer overflowed
    int polygons = 0;
    for (GLint i = 0; i < size;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_POLYGON_TOKEN) {
            i += 3 * static_cast<GLint>(buffer[i]) + 1;
            ++polygons;
        } else if (token == GL_LINE_TOKEN || token == GL_LINE_RESET_TOKEN) {
            i += 6;
        } else if (token == GL_PASS_THROUGH_TOKEN) {
            i += 1;
        } else {
            i += 3;  // points and pixel tokens carry one vertex
        }
    }
    return polygons;
}

TEST_F(SolidsGlTest, WireFrameModeUsesCoarserQuadrics) {
    GlTestCanvas canvas(kWidth, kHeight);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    canvas.SetUpDefaultCamera();
    CPovSphere sphere;
    CPovCone cone;
    CPovCylinder cylinder;
    const int sphereSolid = FeedbackPolygons(sphere, camera);
    const int coneSolid = FeedbackPolygons(cone, camera);
    const int cylinderSolid = FeedbackPolygons(cylinder, camera);
    camera.wireframe = true;
    const int sphereWire = FeedbackPolygons(sphere, camera);
    const int coneWire = FeedbackPolygons(cone, camera);
    const int cylinderWire = FeedbackPolygons(cylinder, camera);
    // sphere: 20 x 20 against 12 x 6, two caps of triangles and bands of quads (two triangles
    // each) between them
    EXPECT_EQ(sphereSolid, 2 * 20 + 18 * 20 * 2);
    EXPECT_EQ(sphereWire, 2 * 12 + 4 * 12 * 2);
    // cone and cylinder: 12 slices with 12 or 2 stacks; the disks stay the same
    EXPECT_EQ(coneSolid - coneWire, 12 * 10 * 2);
    EXPECT_EQ(cylinderSolid - cylinderWire, 12 * 10 * 2);
    CPovTorus torus;
    EXPECT_EQ(FeedbackPolygons(torus, camera), 12 * 12 * 2);
}

TEST_F(SolidsGlTest, SphereInFrontOfTheCameraLightsTheMiddleOnItsSide) {
    GlTestCanvas canvas(kWidth, kHeight);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    canvas.SetUpDefaultCamera();
    CPovSphere sphere;
    sphere.ScaleStep() = Vector(2, 2, 2);
    sphere.Translation() = Vector(4, 0, 0);
    sphere.Draw(camera, nullptr, 0, 0, kWidth, kHeight, 1);
    canvas.Capture();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    // POV-Ray's +x is to the right of a camera looking along +z
    const int cy = kHeight / 2;
    const int pixelsPerUnit =
        static_cast<int>(kHeight / (2 * 20 * std::tan(22.5 * std::numbers::pi / 180)));
    EXPECT_TRUE(Lit(canvas, kWidth / 2 + 4 * pixelsPerUnit, cy));
    EXPECT_FALSE(Lit(canvas, kWidth / 2, cy));
    EXPECT_FALSE(Lit(canvas, kWidth / 2 - 4 * pixelsPerUnit, cy));
}

TEST_F(SolidsGlTest, TorusFacingTheCameraShowsItsHole) {
    GlTestCanvas canvas(kWidth, kHeight);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    canvas.SetUpDefaultCamera();
    CPovTorus torus;
    torus.ScaleStep() = Vector(5, 5, 5);
    torus.RotationStep() = Vector(90, 0, 0);  // the axis points at the camera
    torus.Draw(camera, nullptr, 0, 0, kWidth, kHeight, 1);
    canvas.Capture();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const int cx = kWidth / 2, cy = kHeight / 2;
    const double pixelsPerUnit = kHeight / (2 * 20 * std::tan(22.5 * std::numbers::pi / 180));
    const int ring = static_cast<int>(5 * pixelsPerUnit);
    EXPECT_FALSE(Lit(canvas, cx, cy));
    EXPECT_TRUE(Lit(canvas, cx + ring, cy));
    EXPECT_TRUE(Lit(canvas, cx, cy + ring));
    EXPECT_TRUE(Lit(canvas, cx - ring, cy - 1));
    EXPECT_GT(canvas.CountLit(64), 500);
}

}  // namespace
