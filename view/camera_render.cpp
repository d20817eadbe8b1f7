// The camera view's OpenGL render. One routine for the desktop view's render thread and the
// headless context of the batch tool, so that the picture on screen and the batch tool's
// picture are the same.
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>

#include "model/solid_painter.h"
#include "render/render_presets.h"
#include "view/camera_scene.h"
#include "view/camera_sight.h"
#include "view/orvanta_view.h"
#include "view/view_navigation.h"

namespace {

// the camera's near plane (its field of view comes with the scene)
constexpr double kNearPlane = 1.0;
// at most seven OpenGL lights are switched on
constexpr int kMaxLights = 7;
constexpr int kGlLightSlots = 8;
// shapes drawn between two questions whether the render should stop
constexpr size_t kStopInterval = 64;

}  // namespace

CameraRenderResult RenderCameraScene(const CameraScene& scene, SolidPainter& painter,
                                     const std::function<bool()>& stop) {
    CameraRenderResult result;
    // the whole window black: the bars, or everything when the camera is deleted
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, scene.width, scene.height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    if (scene.cameraDeleted) {
        result.complete = true;
        return result;
    }

    // The picture has the shape of the one POV-Ray renders, centred: a sphere stays round
    // however the window is stretched.
    const view_nav::Rect frame =
        view_nav::AspectRect(scene.width, scene.height, scene.pictureWidth, scene.pictureHeight);
    const double aspect = static_cast<double>(scene.pictureWidth) / scene.pictureHeight;
    const int bottom = scene.height - frame.y - frame.height;  // OpenGL counts rows upwards
    glViewport(frame.x, bottom, frame.width, frame.height);
    glScissor(frame.x, bottom, frame.width, frame.height);
    glEnable(GL_SCISSOR_TEST);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(scene.fieldOfView, aspect, kNearPlane, scene.farPlane);
    gluLookAt(scene.eye[0], scene.eye[1], scene.eye[2], scene.centre[0], scene.centre[1],
              scene.centre[2], 0, 1, 0);

    if (scene.filled) {
        glEnable(GL_DEPTH_TEST);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    } else {
        if (scene.depthTest)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    }
    glDisable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // the light sources become OpenGL lights 0, 1, ... in scene order; all of them count
    const std::vector<SolidLight>& lights = scene.preview.lights;
    for (size_t i = 0; i < lights.size() && i < kGlLightSlots; ++i)
        SolidPainter::ApplyLight(lights[i], GL_LIGHT0 + static_cast<unsigned>(i));
    result.lightCount = static_cast<int>(lights.size());
    const int enabled = std::min(result.lightCount, kMaxLights);
    for (int i = 0; i < kGlLightSlots; ++i) {
        if (i < enabled)
            glEnable(GL_LIGHT0 + i);
        else
            glDisable(GL_LIGHT0 + i);
    }
    if (scene.filled || scene.lights)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);

    const std::array<float, 4>& c = scene.clearColour;
    glClearColor(c[0], c[1], c[2], c[3]);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);

    const CameraSight sight(scene.eye, scene.centre, scene.fieldOfView, aspect, kNearPlane,
                            scene.farPlane, frame.width, frame.height);
    painter.SetWireframe(!scene.filled);
    painter.BeginItems();
    const std::vector<SolidItem>& items = scene.preview.items;
    for (size_t i = 0; i < items.size(); ++i) {
        if (stop && i % kStopInterval == 0 && stop()) {
            glDisable(GL_SCISSOR_TEST);
            return result;
        }
        const CameraSight::Sphere sphere = CameraSight::ItemSphere(scene.preview, items[i]);
        if (!sight.Sees(sphere.centre, sphere.radius))
            continue;
        const SolidDetail detail = DetailForSize(sight.PixelSize(sphere.centre, sphere.size));
        painter.DrawItem(scene.preview, items[i], detail);
    }
    glDisable(GL_SCISSOR_TEST);
    result.complete = true;
    return result;
}

CameraScene COrvantaView::DescribeCamera(size_t expectedItems) const {
    CameraSceneOptions options;
    options.expectedItems = expectedItems;
    options.width = clientWidth_;
    options.height = clientHeight_;
    const RenderChoice picture = LoadRenderChoice();  // 640 x 480 unless a size is chosen
    options.pictureWidth = picture.width;
    options.pictureHeight = picture.height;
    options.wireframe = Wireframe != 0;
    options.depthTest = DepthTest != 0;
    options.lights = Lights != 0;
    return DescribeCameraScene(document_, options);
}

bool COrvantaView::RenderCamera(IGlSurface& surface) {
    // Another request is being served: it renders once more when it is done.
    if (PendingRenders.fetch_add(1) + 1 != 1)
        return false;
    do {
        PendingRenders.store(1);
        if (!surface.MakeCurrent()) {
            PendingRenders.store(0);
            return false;
        }
        RenderCameraScene();
        glFinish();
        surface.DoneCurrent();
    } while (PendingRenders.fetch_sub(1) - 1 != 0);
    return true;
}

void COrvantaView::RenderCameraScene() {
    SolidPainter painter;
    LightCount = ::RenderCameraScene(DescribeCamera(), painter).lightCount;
    if (LightCount > kMaxLights)
        LightCount = kMaxLights;
}
