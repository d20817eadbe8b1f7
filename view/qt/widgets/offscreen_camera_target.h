// The OpenGL context the camera view renders in: an off-screen surface and frame buffer of
// its own, sharing nothing with the widgets. The surface is made on the user-interface thread;
// the context is made, used and destroyed on the render thread.
#pragma once

#include <memory>
#include <optional>

#include "view/camera_render_worker.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;
class SolidPainter;

class OffscreenCameraTarget {
  public:
    // on the user-interface thread
    OffscreenCameraTarget();
    // after Release, on the user-interface thread
    ~OffscreenCameraTarget();
    OffscreenCameraTarget(const OffscreenCameraTarget&) = delete;
    OffscreenCameraTarget& operator=(const OffscreenCameraTarget&) = delete;

    // whether this platform's OpenGL can render on a thread of its own
    static bool CanRenderOnAThread();
    // Makes a surface and answers CanRenderOnAThread ahead of the first camera view, while the
    // program is idle: both ask the X server and take tens of milliseconds, which would
    // otherwise fall into the opening of a scene. On the user-interface thread.
    static void Prepare();

    // Renders the scene and reads the picture back; nothing when stop() said yes or OpenGL
    // failed. On the render thread.
    std::optional<CameraPicture> Render(const CameraScene& scene,
                                        const std::function<bool()>& stop);
    // Frees the frame buffer, the display lists and the context; on the render thread.
    void Release();

  private:
    std::unique_ptr<QOffscreenSurface> surface_;
    std::unique_ptr<QOpenGLContext> context_;
    std::unique_ptr<QOpenGLFramebufferObject> frame_;
    std::unique_ptr<SolidPainter> painter_;
    bool failed_ = false;
};
