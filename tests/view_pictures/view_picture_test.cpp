// Pictures of every view kind of a small scene (a box, a sphere, a light and a camera)
// against reference PNGs in tests/data/view.
//
// Tolerance: a pixel is equal when no channel differs by more than 8. The wire-frame views
// are drawn by QPainter and must match but for a few pixels (4); the OpenGL pictures may
// differ in 0.2 % of their pixels (154 of 320 x 240), for rounding at polygon edges between
// Mesa versions.
#include <gtest/gtest.h>

#include <memory>

#include "document/orvanta_doc.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"
#include "tests/view_pictures/image_compare.h"
#include "view/frame_link.h"
#include "view/orvanta_view.h"
#include "view/qt/view_image.h"

namespace {

constexpr int kWidth = 320;
constexpr int kHeight = 240;
constexpr PictureTolerance kWireTolerance{8, 4};
constexpr PictureTolerance kGlTolerance{8, kWidth* kHeight / 500};

class ViewPictureTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        NextViewKind = 0;
        ViewCount = 0;
        doc = std::make_unique<COrvantaDoc>();
        BuildScene(*doc);
    }
    void TearDown() override {
        doc.reset();
        ModelTest::TearDown();
    }

    // the scene that tests/data/view/scene.om describes
    static void BuildScene(COrvantaDoc& d) {
        auto* box = new CPovCubic();
        box->ScaleStep() = Vector(2, 1, 1.5);
        box->RotationStep() = Vector(0, 30, 0);
        box->SetPosition(Vector(-2, 0.5, 1));
        box->QuickColorR = 0.9;
        box->QuickColorG = 0.3;
        box->QuickColorB = 0.2;
        box->UseOwnTexture = 1;
        box->TextureName = "Jade";
        d.InsertObject(box);

        auto* sphere = new CPovSphere();
        sphere->ScaleStep() = Vector(1.5, 1.5, 1.5);
        sphere->SetPosition(Vector(2, 1, -1));
        d.InsertObject(sphere);

        auto* light = new CPovLight();
        light->SetPosition(Vector(6, 8, -10));
        d.InsertObject(light);

        auto* camera = new CPovCamera();
        d.InsertObject(camera);
        d.Camera = camera;
        camera->SetPosition(Vector(3, 4, -12));
        camera->FirstChild->SetPosition(Vector(0, 0.5, 0));
    }

    QImage Render(const ViewImageOptions& options) {
        std::unique_ptr<GlTestCanvas> canvas;
        HeadlessGl* gl = nullptr;
        if (options.viewKind == kCameraView) {
            canvas = std::make_unique<GlTestCanvas>(options.width, options.height);
            if (!canvas->Ok())
                ADD_FAILURE() << "no headless OpenGL: " << canvas->Error();
            gl = &canvas->Gl();
        }
        std::string error;
        QImage image = RenderViewImage(*doc, options, gl, &error);
        EXPECT_FALSE(image.isNull()) << error;
        return image;
    }
    static ViewImageOptions Options(int kind) {
        ViewImageOptions o;
        o.viewKind = kind;
        o.width = kWidth;
        o.height = kHeight;
        o.zoom = 20;
        return o;
    }

    std::unique_ptr<COrvantaDoc> doc;
};

TEST_F(ViewPictureTest, TopView) {
    ViewImageOptions o = Options(kTopView);
    o.grid = 1.0;
    EXPECT_TRUE(MatchesReference(Render(o), "top.png", kWireTolerance));
}

TEST_F(ViewPictureTest, FrontViewWithTheBoxSelected) {
    ViewImageOptions o = Options(kFrontView);
    o.select = "Quader_000";
    EXPECT_TRUE(MatchesReference(Render(o), "front-selected.png", kWireTolerance));
}

TEST_F(ViewPictureTest, SideViewScrolledWithACoarseGrid) {
    ViewImageOptions o = Options(kSideView);
    o.zoom = 10;
    o.grid = 5.0;
    o.scrollH = -14;
    o.scrollV = 6;
    EXPECT_TRUE(MatchesReference(Render(o), "side.png", kWireTolerance));
}

TEST_F(ViewPictureTest, CameraViewFilled) {
    EXPECT_TRUE(MatchesReference(Render(Options(kCameraView)), "camera.png", kGlTolerance));
}

TEST_F(ViewPictureTest, CameraViewWireFrame) {
    ViewImageOptions o = Options(kCameraView);
    o.wireframe = true;
    EXPECT_TRUE(MatchesReference(Render(o), "camera-wireframe.png", kGlTolerance));
}

// The same scene read from tests/data/view/scene.om: the views take the zoom and grid its
// markers store (top 20 with grid 1, front 20, side 10 with grid 5) and show the same.
class ScenePictureTest : public ViewPictureTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        NextViewKind = 0;
        ViewCount = 0;
        doc = std::make_unique<COrvantaDoc>();
        const SceneReadResult read =
            doc->OnOpenDocument(std::string(ORVANTA_TEST_DATA_DIR) + "/view/scene.om");
        ASSERT_TRUE(read.ok) << read.error;
        ASSERT_TRUE(read.problems.empty());
    }
    static ViewImageOptions StoredOptions(int kind) {
        ViewImageOptions o;
        o.viewKind = kind;
        o.width = kWidth;
        o.height = kHeight;
        return o;
    }
};

TEST_F(ScenePictureTest, TopView) {
    EXPECT_TRUE(MatchesReference(Render(StoredOptions(kTopView)), "top.png", kWireTolerance));
}

TEST_F(ScenePictureTest, FrontViewWithTheBoxSelected) {
    ViewImageOptions o = StoredOptions(kFrontView);
    o.select = "Quader_000";
    EXPECT_TRUE(MatchesReference(Render(o), "front-selected.png", kWireTolerance));
}

TEST_F(ScenePictureTest, SideView) {
    ViewImageOptions o = StoredOptions(kSideView);
    o.scrollH = -14;
    o.scrollV = 6;
    EXPECT_TRUE(MatchesReference(Render(o), "side.png", kWireTolerance));
}

TEST_F(ScenePictureTest, CameraView) {
    EXPECT_TRUE(MatchesReference(Render(StoredOptions(kCameraView)), "camera.png", kGlTolerance));
    ViewImageOptions o = StoredOptions(kCameraView);
    o.wireframe = true;
    EXPECT_TRUE(MatchesReference(Render(o), "camera-wireframe.png", kGlTolerance));
}

TEST_F(ViewPictureTest, UnknownSelectionIsAnError) {
    ViewImageOptions o = Options(kTopView);
    o.select = "Niemand";
    std::string error;
    EXPECT_TRUE(RenderViewImage(*doc, o, nullptr, &error).isNull());
    EXPECT_EQ(error, "no object named 'Niemand'");
}

}  // namespace
