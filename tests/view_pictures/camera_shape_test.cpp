// The camera view has the shape of the picture POV-Ray renders, between black bars, whatever
// the shape of the window: a sphere stays round in a tall and in a wide view.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <memory>

#include "document/orvanta_doc.h"
#include "model/environment/pov_background.h"
#include "model/lights/pov_camera.h"
#include "model/lights/pov_light.h"
#include "model/solids/pov_sphere.h"
#include "platform/memory_settings_store.h"
#include "platform/settings_store.h"
#include "tests/support/gl_test.h"
#include "tests/support/model_test.h"
#include "view/orvanta_view.h"
#include "view/qt/view_image.h"

namespace {

class CameraShapeTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    std::unique_ptr<COrvantaDoc> doc;

    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
        NextViewKind = 0;
        ViewCount = 0;
        doc = std::make_unique<COrvantaDoc>();
        doc->InsertObject(new CPovSphere());
        auto* light = new CPovLight();
        light->SetPosition(Vector(0, 0, -20));
        doc->InsertObject(light);
        auto* camera = new CPovCamera();
        doc->InsertObject(camera);
        doc->Camera = camera;
        camera->SetPosition(Vector(0, 0, -6));
        camera->FirstChild->SetPosition(Vector(0, 0, 0));
        auto* background = new CPovBackground();
        background->BackgroundColor = 0xFF0000;  // blue, to tell the picture from the bars
        doc->Background = background;
        doc->InsertObject(background);
    }
    void TearDown() override {
        doc.reset();
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
    QImage Render(int width, int height) {
        GlTestCanvas canvas(width, height);
        if (!canvas.Ok()) {
            ADD_FAILURE() << "no headless OpenGL: " << canvas.Error();
            return {};
        }
        ViewImageOptions o;
        o.viewKind = kCameraView;
        o.width = width;
        o.height = height;
        std::string error;
        QImage image = RenderViewImage(*doc, o, &canvas.Gl(), &error);
        EXPECT_FALSE(image.isNull()) << error;
        return image;
    }

    // the rectangle of the blue picture and of the lit sphere in it
    struct Shape {
        QRect picture;
        QRect sphere;
    };
    static Shape Measure(const QImage& image) {
        Shape s;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.red() < 16 && c.green() < 16 && c.blue() < 16)
                    continue;  // a bar
                s.picture |= QRect(x, y, 1, 1);
                if (c.red() > 40 || c.green() > 40)
                    s.sphere |= QRect(x, y, 1, 1);
            }
        }
        return s;
    }
};

TEST_F(CameraShapeTest, TallAndWideViewsKeepThePicturesShape) {
    struct Case {
        int width, height;
        const char* name;
    };
    for (const Case& c : {Case{200, 400, "camera-tall.png"}, Case{560, 200, "camera-wide.png"},
                          Case{320, 240, "camera-fitting.png"}}) {
        const QImage image = Render(c.width, c.height);
        if (image.isNull())
            return;
        image.save(c.name);  // beside the test, for review
        const Shape s = Measure(image);
        ASSERT_FALSE(s.sphere.isEmpty()) << c.name;
        // 4:3 between bars, centred
        EXPECT_NEAR(s.picture.width() * 3.0, s.picture.height() * 4.0, 8) << c.name;
        EXPECT_LE(std::abs(s.picture.left() - (c.width - 1 - s.picture.right())), 1) << c.name;
        EXPECT_LE(std::abs(s.picture.top() - (c.height - 1 - s.picture.bottom())), 1) << c.name;
        EXPECT_TRUE(s.picture.width() == c.width || s.picture.height() == c.height) << c.name;
        // and the sphere is round
        EXPECT_LE(std::abs(s.sphere.width() - s.sphere.height()), 2) << c.name;
    }
}

TEST_F(CameraShapeTest, TheRenderSizeChosenGivesTheShape) {
    GetSettingsStore().Write(SettingsRoot::User, "Render", "Size", "200x200");
    const QImage image = Render(400, 200);
    if (image.isNull())
        return;
    const Shape s = Measure(image);
    EXPECT_EQ(s.picture, QRect(100, 0, 200, 200));
    EXPECT_LE(std::abs(s.sphere.width() - s.sphere.height()), 2);
}

}  // namespace
