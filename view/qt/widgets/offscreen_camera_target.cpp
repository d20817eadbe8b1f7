#include "view/qt/widgets/offscreen_camera_target.h"

#include <GL/gl.h>

#include <QCoreApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPointer>
#include <algorithm>
#include <vector>

#include "model/solid_painter.h"

namespace {

// Surfaces of camera views that closed, kept for the next camera view (a scene opened after
// another gets new views). Goes with the application object, before the platform does.
class SurfacePool : public QObject {
  public:
    using QObject::QObject;
    static constexpr size_t kKept = 2;
    std::vector<std::unique_ptr<QOffscreenSurface>> spare;
};

SurfacePool& Pool() {
    static QPointer<SurfacePool> pool;
    if (!pool)
        pool = new SurfacePool(QCoreApplication::instance());
    return *pool;
}

std::unique_ptr<QOffscreenSurface> MakeSurface() {
    auto surface = std::make_unique<QOffscreenSurface>();
    surface->setFormat(QSurfaceFormat::defaultFormat());
    surface->create();
    return surface;
}

}  // namespace

OffscreenCameraTarget::OffscreenCameraTarget() {
    std::vector<std::unique_ptr<QOffscreenSurface>>& spare = Pool().spare;
    if (spare.empty()) {
        surface_ = MakeSurface();
    } else {
        surface_ = std::move(spare.back());
        spare.pop_back();
    }
}

OffscreenCameraTarget::~OffscreenCameraTarget() {
    // the context is gone (Release); the surface serves the next camera view
    std::vector<std::unique_ptr<QOffscreenSurface>>& spare = Pool().spare;
    if (!context_ && surface_ && surface_->isValid() && spare.size() < SurfacePool::kKept)
        spare.push_back(std::move(surface_));
}

bool OffscreenCameraTarget::CanRenderOnAThread() {
    // the answer makes a context; it does not change while the program runs
    static const bool threaded = QOpenGLContext::supportsThreadedOpenGL();
    return threaded;
}

void OffscreenCameraTarget::Prepare() {
    CanRenderOnAThread();
    std::vector<std::unique_ptr<QOffscreenSurface>>& spare = Pool().spare;
    if (spare.empty()) {
        std::unique_ptr<QOffscreenSurface> surface = MakeSurface();
        if (surface->isValid())
            spare.push_back(std::move(surface));
    }
}

std::optional<CameraPicture> OffscreenCameraTarget::Render(const CameraScene& scene,
                                                           const std::function<bool()>& stop) {
    if (failed_ || scene.width <= 0 || scene.height <= 0)
        return std::nullopt;
    if (!context_) {
        context_ = std::make_unique<QOpenGLContext>();
        context_->setFormat(surface_->format());
        if (!context_->create()) {
            failed_ = true;
            return std::nullopt;
        }
    }
    if (!context_->makeCurrent(surface_.get()))
        return std::nullopt;
    const QSize size(scene.width, scene.height);
    if (!frame_ || frame_->size() != size) {
        frame_.reset();
        frame_ = std::make_unique<QOpenGLFramebufferObject>(
            size, QOpenGLFramebufferObject::CombinedDepthStencil);
        if (!frame_->isValid()) {
            frame_.reset();
            context_->doneCurrent();
            return std::nullopt;
        }
    }
    if (!painter_)
        painter_ = std::make_unique<SolidPainter>(true);
    frame_->bind();
    const CameraRenderResult result = RenderCameraScene(scene, *painter_, stop);
    std::optional<CameraPicture> picture;
    if (result.complete) {
        picture.emplace();
        picture->width = scene.width;
        picture->height = scene.height;
        const size_t row = static_cast<size_t>(scene.width) * 4;
        std::vector<uint8_t> bottomUp(row * static_cast<size_t>(scene.height));
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, scene.width, scene.height, GL_RGBA, GL_UNSIGNED_BYTE, bottomUp.data());
        picture->pixels.resize(bottomUp.size());
        for (int y = 0; y < scene.height; ++y)
            std::copy_n(bottomUp.data() + static_cast<size_t>(scene.height - 1 - y) * row, row,
                        picture->pixels.data() + static_cast<size_t>(y) * row);
    } else {
        // let go of what was queued for the abandoned picture before the next one starts
        glFlush();
    }
    frame_->release();
    context_->doneCurrent();
    return picture;
}

void OffscreenCameraTarget::Release() {
    if (!context_)
        return;
    // the display lists and the frame buffer are freed in their context
    const bool current = context_->makeCurrent(surface_.get());
    painter_.reset();
    frame_.reset();
    if (current)
        context_->doneCurrent();
    context_.reset();
}
