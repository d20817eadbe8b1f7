// The camera view's OpenGL render into a headless context: projection with and without a
// camera, lights, clear colour, modes, and the coalescing of render requests.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/environment/pov_background.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/raw/pov_raw.h"
#include "model/solids/pov_cubic.h"
#include "platform/headless_gl.h"
#include "tests/support/gl_test.h"
#include "tests/view/view_fixture.h"
#include "view/headless_gl_surface.h"

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;

class CameraRenderTest : public ViewTest {
  protected:
    void SetUp() override {
        ViewTest::SetUp();
        canvas = std::make_unique<GlTestCanvas>(kWidth, kHeight);
        if (!canvas->Ok())
            GTEST_SKIP() << "no headless OpenGL: " << canvas->Error();
        gl = &canvas->Gl();
        doc->Settings->Modeller.OpenGL = 1;
        doc->Settings->Modeller.Wireframe = 0;
    }

    TestView& CameraView() { return AddView(kCameraView, kWidth, kHeight); }

    CPovCubic* AddBox(const Vector& position, double size = 2.0) {
        auto* box = new CPovCubic();
        box->ScaleStep() = Vector(size, size, size);
        box->SetPosition(position);
        doc->InsertObject(box);
        return box;
    }
    CPovCamera* AddCamera(const Vector& position, const Vector& lookAt) {
        auto* camera = new CPovCamera();
        doc->InsertObject(camera);
        doc->Camera = camera;
        camera->SetPosition(position);
        camera->FirstChild->SetPosition(lookAt);
        return camera;
    }

    void Render(TestView& v) {
        HeadlessGlSurface surface(*gl);
        ASSERT_TRUE(v->RenderCamera(surface));
        pixels = gl->ReadPixels();
    }
    const uint8_t* At(int x, int y) const {
        return &pixels[(static_cast<size_t>(y) * kWidth + x) * 4];
    }
    bool Lit(int x, int y) const {
        const uint8_t* p = At(x, y);
        return p[0] > 8 || p[1] > 8 || p[2] > 8;
    }
    int CountLit(int x0 = 0, int x1 = kWidth) const {
        int n = 0;
        for (int y = 0; y < kHeight; ++y)
            for (int x = x0; x < x1; ++x)
                n += Lit(x, y) ? 1 : 0;
        return n;
    }

    void TearDown() override {
        ViewTest::TearDown();
        canvas.reset();
    }

    std::unique_ptr<GlTestCanvas> canvas;
    HeadlessGl* gl = nullptr;
    std::vector<uint8_t> pixels;
};

TEST_F(CameraRenderTest, WithoutACameraTheDefaultEyeLooksAlongZ) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0));
    Render(v);
    EXPECT_TRUE(Lit(kWidth / 2, kHeight / 2));
    EXPECT_FALSE(Lit(2, 2));

    // POV-Ray's x grows to the right as seen from the default eye
    doc->Objects->SetPosition(Vector(4, 0, 0));
    Render(v);
    EXPECT_EQ(CountLit(0, kWidth / 2), 0);
    EXPECT_GT(CountLit(kWidth / 2, kWidth), 0);
}

TEST_F(CameraRenderTest, DefaultEyeSeesTwoHundredUnitsTheCameraFourThousand) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 200), 10);  // 215 to 225 units from the default eye
    Render(v);
    EXPECT_EQ(CountLit(), 0);
    AddCamera(Vector(0, 0, -20), Vector(0, 0, 0));
    Render(v);
    EXPECT_TRUE(Lit(kWidth / 2, kHeight / 2));
}

TEST_F(CameraRenderTest, TheCameraLooksAtItsLookAtPoint) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0));
    AddCamera(Vector(0, 0, -10), Vector(0, 0, -20));  // looking away from the box
    Render(v);
    EXPECT_EQ(CountLit(), 0);
    doc->Camera->FirstChild->SetPosition(Vector(0, 0, 0));
    Render(v);
    EXPECT_TRUE(Lit(kWidth / 2, kHeight / 2));
    // from behind (the eye on +z) POV-Ray's x grows to the left
    doc->Objects->NextSibling->SetPosition(Vector(3, 0, 0));
    doc->Camera->SetPosition(Vector(0, 0, 10));
    Render(v);
    EXPECT_GT(CountLit(0, kWidth / 2), 0);
    EXPECT_EQ(CountLit(kWidth / 2, kWidth), 0);
}

// An imported scene's camera with an angle is kept as POV-Ray text; the view looks through it
// and sees as wide as POV-Ray's picture.
TEST_F(CameraRenderTest, ACameraKeptAsTextIsTheViewsCamera) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0));  // -1 to 1
    auto* kept = new CPovRaw();
    kept->Keyword = "camera";
    kept->Text = "camera { location <0,0,-10> right <1.3333333333333333,0,0> angle 30 }\r\n";
    doc->InsertObject(kept);
    // without look_at it looks along its direction, +z; the box's front (9 units away) is
    // 2 / (2 * 9 * tan 15) of the picture's width wide, as in POV-Ray's picture
    auto litColumns = [this] {
        int first = kWidth, last = -1;
        for (int x = 0; x < kWidth; ++x)
            if (CountLit(x, x + 1) > 0) {
                first = std::min(first, x);
                last = x;
            }
        return std::pair(first, last);
    };
    Render(v);
    auto [first, last] = litColumns();
    const double wide = kWidth * 2.0 / (2.0 * 9.0 * std::tan(std::acos(-1.0) / 12.0));
    EXPECT_NEAR(last - first + 1, wide, 2.0);
    EXPECT_NEAR((first + last) / 2.0, kWidth / 2.0, 1.5);

    // looking at a point beside the box from beside it, x growing to the right as in POV-Ray
    kept->Text = "camera {\r\n  location <2,0,-10>\r\n  angle 30\r\n  look_at <2,0,0>\r\n}\r\n";
    Render(v);
    std::tie(first, last) = litColumns();
    EXPECT_LT(last, kWidth / 2);
    EXPECT_GT(last - first, 0);

    // a camera declared under a name, the declaration kept as text too
    auto* declared = new CPovRaw();
    declared->Keyword = "#declare";
    declared->Text =
        "#declare Cam_1 =\r\ncamera {\r\n  perspective angle 30 location <9,0,-10> "
        "look_at <9,0,0>\r\n}\r\n#declare Cam =\r\ncamera {\r\n  perspective "
        "angle 30 location <2,0,-10> look_at <2,0,0>\r\n}\r\n";
    doc->InsertObject(declared);
    kept->Text = "camera { Cam }\r\n";
    Render(v);
    EXPECT_EQ(litColumns(), std::pair(first, last));

    // what the view cannot show as POV-Ray does leaves the default eye, which sees the box
    // in the middle of the picture
    for (const char* other :
         {"camera { orthographic location <6,0,-10> look_at <6,0,0> }",
          "camera { location <6,0,-10> look_at <6,0,0> rotate y*30 }",
          "camera { location <6,0,-10> look_at <6,0,0> sky <1,0,0> }",
          "camera { location <6,0,-10> look_at <6,0,0> right <-1.3333,0,0> }",
          "camera { location <6,0,-10 look_at <6,0,0> }", "camera { Unknown }"}) {
        kept->Text = other;
        Render(v);
        EXPECT_TRUE(Lit(kWidth / 2, kHeight / 2)) << other;
    }
    // the modeller's own camera comes first
    kept->Text = "camera { location <6,0,-10> look_at <6,0,0> }";
    AddCamera(Vector(0, 0, -10), Vector(0, 0, 0));
    Render(v);
    EXPECT_TRUE(Lit(kWidth / 2, kHeight / 2));
}

TEST_F(CameraRenderTest, DeletedCameraLeavesTheViewEmpty) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0));
    auto* background = new CPovBackground();
    background->BackgroundColor = 0xFFFFFF;
    doc->InsertObject(background);
    doc->Background = background;
    CPovCamera* camera = AddCamera(Vector(0, 0, -10), Vector(0, 0, 0));
    camera->SetPresent(false);
    Render(v);
    EXPECT_EQ(CountLit(), 0);
}

TEST_F(CameraRenderTest, NineLightsSwitchOnSeven) {
    TestView& v = CameraView();
    for (int i = 0; i < 9; ++i) {
        auto* light = new CPovLight();
        light->SetPosition(Vector(i, 5, -5));
        doc->InsertObject(light);
    }
    AddBox(Vector(0, 0, 0));
    Render(v);
    EXPECT_EQ(v->LightCount, 7);
    for (int i = 0; i < 7; ++i)
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0 + i)) << i;
    EXPECT_FALSE(glIsEnabled(GL_LIGHT7));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));

    // a deleted light takes no light number
    doc->Objects->NextSibling->SetPresent(false);
    doc->Objects->NextSibling->NextSibling->SetPresent(false);
    doc->Objects->NextSibling->NextSibling->NextSibling->SetPresent(false);
    Render(v);
    EXPECT_EQ(v->LightCount, 6);
    EXPECT_TRUE(glIsEnabled(GL_LIGHT5));
    EXPECT_FALSE(glIsEnabled(GL_LIGHT6));
}

TEST_F(CameraRenderTest, LightsLightTheScene) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0));
    Render(v);
    const int ambientOnly = At(kWidth / 2, kHeight / 2)[0];
    auto* light = new CPovLight();
    light->SetPosition(Vector(0, 0, -30));
    doc->InsertObject(light);
    Render(v);
    EXPECT_GT(At(kWidth / 2, kHeight / 2)[0], ambientOnly + 50);
}

TEST_F(CameraRenderTest, FilledViewClearsWithTheBackgroundColour) {
    TestView& v = CameraView();
    auto* background = new CPovBackground();
    background->BackgroundColor = 0x336699;  // red 0x99, green 0x66, blue 0x33
    doc->InsertObject(background);
    doc->Background = background;
    Render(v);
    EXPECT_EQ(At(0, 0)[0], 0x99);
    EXPECT_EQ(At(0, 0)[1], 0x66);
    EXPECT_EQ(At(0, 0)[2], 0x33);
    EXPECT_EQ(At(0, 0)[3], 0xFF);

    v->Wireframe = 1;
    Render(v);
    EXPECT_EQ(At(0, 0)[0], 0);
    EXPECT_EQ(At(0, 0)[3], 0);
}

TEST_F(CameraRenderTest, WireframeModeDrawsLinesWithItsOwnSwitches) {
    TestView& v = CameraView();
    AddBox(Vector(0, 0, 0), 4);
    Render(v);
    const int filled = CountLit();
    GLint mode[2] = {0, 0};
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_FILL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_NORMALIZE));
    EXPECT_FALSE(glIsEnabled(GL_CULL_FACE));

    v->Wireframe = 1;
    v->DepthTest = 0;
    v->Lights = 0;
    Render(v);
    glGetIntegerv(GL_POLYGON_MODE, mode);
    EXPECT_EQ(mode[0], GL_LINE);
    EXPECT_FALSE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    const int wire = CountLit();
    EXPECT_GT(wire, 0);
    EXPECT_LT(wire, filled / 2);

    v->DepthTest = 1;
    v->Lights = 1;
    Render(v);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
}

// A surface that asks for another render while the first one is being set up.
class ReenteringSurface : public HeadlessGlSurface {
  public:
    ReenteringSurface(HeadlessGl& gl, COrvantaView& view) : HeadlessGlSurface(gl), view_(view) {}
    bool MakeCurrent() override {
        ++makeCurrentCalls;
        if (makeCurrentCalls == 1)
            nestedResult = view_.RenderCamera(*this);
        return HeadlessGlSurface::MakeCurrent();
    }
    int makeCurrentCalls = 0;
    bool nestedResult = true;

  private:
    COrvantaView& view_;
};

TEST_F(CameraRenderTest, RequestsDuringARenderCoalesceIntoOneMorePass) {
    TestView& v = CameraView();
    ReenteringSurface surface(*gl, *v);
    EXPECT_TRUE(v->RenderCamera(surface));
    EXPECT_FALSE(surface.nestedResult);
    EXPECT_EQ(surface.makeCurrentCalls, 2);
    EXPECT_EQ(v->PendingRenders.load(), 0);
}

}  // namespace
