// Detail by screen size in the camera view: the size rule, what the perspective sees of a
// shape and how large it looks, and the render drawing far shapes with fewer polygons.
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "model/solid_painter.h"
#include "tests/support/gl_test.h"
#include "view/camera_scene.h"
#include "view/camera_sight.h"

namespace {

TEST(CameraSightTest, DetailFollowsTheSizeOnTheScreen) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, SolidDetail> cases[] = {
        {0.0, SolidDetail::Box},      {5.9, SolidDetail::Box},   {6.0, SolidDetail::Reduced},
        {39.9, SolidDetail::Reduced}, {40.0, SolidDetail::Full}, {1e6, SolidDetail::Full},
        {inf, SolidDetail::Full},     {nan, SolidDetail::Full},
    };
    for (const auto& [pixels, detail] : cases)
        EXPECT_EQ(DetailForSize(pixels), detail) << pixels;
}

TEST(CameraSightTest, WhatTheDefaultEyeSeesAndHowLargeItLooks) {
    // the default eye: 20 units before the origin, 45 degrees, far plane 200; 640 x 480
    const CameraSight sight({0, 0, -20}, {0, 0, 0}, 45.0, 1.33, 1.0, 200.0, 640, 480);
    const double f = 1.0 / std::tan(std::acos(-1.0) / 8.0);
    // a unit sphere 20 units ahead covers 2 / 20 of the focal length's pixels
    EXPECT_NEAR(sight.PixelSize({0, 0, 0}, 1.0), 2.0 / 20.0 * f / 1.33 * 320.0, 1e-6);
    EXPECT_NEAR(sight.PixelSize({0, 0, 20}, 1.0), 2.0 / 40.0 * f / 1.33 * 320.0, 1e-6);
    // reaching to the near plane it counts as large
    EXPECT_EQ(sight.PixelSize({0, 0, -19.5}, 1.0), std::numeric_limits<double>::infinity());

    EXPECT_TRUE(sight.Sees({0, 0, 0}, 1.0));
    EXPECT_FALSE(sight.Sees({0, 0, -30}, 1.0));   // behind the eye
    EXPECT_FALSE(sight.Sees({0, 0, 185}, 1.0));   // beyond the far plane
    EXPECT_TRUE(sight.Sees({0, 0, 178}, 3.0));    // reaching into it
    EXPECT_FALSE(sight.Sees({12.5, 0, 0}, 1.0));  // beside the picture (8.3 units wide)
    EXPECT_TRUE(sight.Sees({12.5, 0, 0}, 5.0));
    EXPECT_FALSE(sight.Sees({0, 10, 0}, 1.0));  // above it (8.3 units high)

    // looking straight down has no frame: everything is seen in full
    const CameraSight down({0, 10, 0}, {0, 0, 0}, 45.0, 1.33, 1.0, 200.0, 640, 480);
    EXPECT_TRUE(down.Sees({0, 0, -30}, 1.0));
    EXPECT_EQ(down.PixelSize({0, 0, 0}, 1.0), std::numeric_limits<double>::infinity());
}

TEST(CameraSightTest, AnItemsSphereHoldsItsShapeAndMeasuresItsStretch) {
    SolidPreview preview;
    preview.Add(SolidShape::Sphere,
                SolidTransform::Translation(1, 2, 3) * SolidTransform::Scaling(2, 2, 2), {1, 1, 1});
    preview.Add(SolidShape::Cone, SolidTransform::Scaling(1, 4, 1), {1, 1, 1});
    const CameraSight::Sphere sphere = CameraSight::ItemSphere(preview, preview.items[0]);
    EXPECT_NEAR(sphere.centre[0], 1, 1e-6);
    EXPECT_NEAR(sphere.centre[2], 3, 1e-6);
    EXPECT_NEAR(sphere.size, 2, 1e-6);
    EXPECT_GE(sphere.radius, 2);
    const CameraSight::Sphere cone = CameraSight::ItemSphere(preview, preview.items[1]);
    EXPECT_NEAR(cone.centre[1], 2, 1e-6);  // the cone stands from y = 0 to 4
    EXPECT_GE(cone.radius, 2);
}

// polygons the render hands to OpenGL, counted in feedback mode
int RenderedPolygons(const CameraScene& scene) {
    std::vector<GLfloat> buffer(1 << 20);
    glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D, buffer.data());
    glRenderMode(GL_FEEDBACK);
    SolidPainter painter;
    RenderCameraScene(scene, painter);
    const GLint size = glRenderMode(GL_RENDER);
    int polygons = 0;
    for (GLint i = 0; i < size;) {
        const auto token = static_cast<GLint>(buffer[i++]);
        if (token == GL_POLYGON_TOKEN) {
            i += 3 * static_cast<GLint>(buffer[i]) + 1;
            ++polygons;
        } else {
            i += token == GL_PASS_THROUGH_TOKEN ? 1 : (token == GL_POINT_TOKEN ? 3 : 6);
        }
    }
    return size < 0 ? -1 : polygons;
}

TEST(CameraSightTest, FarSpheresAreDrawnWithFewerPolygons) {
    GlTestCanvas canvas(320, 240);
    if (!canvas.Ok())
        GTEST_SKIP() << canvas.Error();
    auto polygonsAt = [](double z, double radius) {
        CameraScene scene;
        scene.width = 320;
        scene.height = 240;
        scene.farPlane = 4000;
        scene.preview.Add(
            SolidShape::Sphere,
            SolidTransform::Translation(0, 0, z) * SolidTransform::Scaling(radius, radius, radius),
            {1, 1, 1});
        return RenderedPolygons(scene);
    };
    const int near = polygonsAt(0, 2);    // about 70 pixels across
    const int mid = polygonsAt(50, 1);    // about 8 pixels
    const int tiny = polygonsAt(400, 1);  // a pixel: its box
    EXPECT_GT(near, mid);
    EXPECT_GT(mid, tiny);
    EXPECT_GT(tiny, 0);
    EXPECT_LE(tiny, 12);
    EXPECT_EQ(polygonsAt(0, 2), near);
    EXPECT_EQ(polygonsAt(-100, 2), 0);  // behind the eye
}

}  // namespace
