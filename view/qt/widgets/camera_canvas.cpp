#include "view/qt/widgets/camera_canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "view/qt/widgets/offscreen_camera_target.h"
#include "view/qt/widgets/picture_jobs.h"
#include "view/qt/widgets/view_widget.h"

namespace {
// a resize renders once the size has rested this long
constexpr int kResizeSettleMs = 150;
}  // namespace

CameraCanvas::CameraCanvas(ViewWidget* owner) : QWidget(owner), owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    settleTimer_.setSingleShot(true);
    connect(&settleTimer_, &QTimer::timeout, this, &CameraCanvas::SceneChanged);
}

CameraCanvas::~CameraCanvas() {
    PictureJobs::Instance().Cancel(this);
    worker_.reset();  // the thread ends before the target and the canvas go
}

void CameraCanvas::StartWorker() {
    // Made with the first picture, not with the window: asking whether OpenGL may render on a
    // thread of its own makes a context, which takes a moment.
    target_ = std::make_unique<OffscreenCameraTarget>();
    OffscreenCameraTarget* target = target_.get();
    worker_ = std::make_unique<CameraRenderWorker>(
        [target](const CameraScene& scene, const std::function<bool()>& stop) {
            return target->Render(scene, stop);
        },
        [this](CameraPicture picture) {
            // to the user-interface thread; dropped if the canvas is gone by then
            QMetaObject::invokeMethod(
                this, [this, picture = std::move(picture)] { Accept(picture); },
                Qt::QueuedConnection);
        },
        [target] { target->Release(); }, OffscreenCameraTarget::CanRenderOnAThread());
}

bool CameraCanvas::UsesOpenGl() const {
    return owner_->View().UseOpenGL != 0;
}

void CameraCanvas::SceneChanged() {
    if (!UsesOpenGl()) {
        update();
        return;
    }
    PictureJobs::Instance().Schedule(this, [this] { RequestPicture(); });
}

bool CameraCanvas::PictureOutstanding() const {
    return settleTimer_.isActive() || PictureJobs::Instance().Pending(this) || shown_ < requested_;
}

void CameraCanvas::RequestPicture() {
    COrvantaView& view = owner_->View();
    if (!UsesOpenGl() || view.ClientWidth() <= 0 || view.ClientHeight() <= 0)
        return;
    auto scene = std::make_shared<const CameraScene>(
        view.DescribeCamera(lastScene_ ? lastScene_->preview.items.size() : 0));
    if (lastScene_ && *scene == *lastScene_)
        return;  // nothing the view shows has changed
    lastScene_ = scene;
    ++requests_;
    if (!worker_)
        StartWorker();
    requested_ = worker_->Request(std::move(scene));
}

void CameraCanvas::Accept(const CameraPicture& picture) {
    // pictures come in order; an older one never replaces a newer one
    if (picture.generation <= shown_)
        return;
    shown_ = picture.generation;
    picture_ = QImage(picture.pixels.data(), picture.width, picture.height, picture.width * 4,
                      QImage::Format_RGBX8888)
                   .convertToFormat(QImage::Format_RGB32);
    update();
    emit pictureShown();
}

void CameraCanvas::paintEvent(QPaintEvent*) {
    if (!UsesOpenGl()) {
        owner_->CanvasPaint(this);
        return;
    }
    QPainter painter(this);
    if (picture_.isNull()) {
        painter.fillRect(rect(), Qt::black);
        return;
    }
    // while a resize settles the last picture is stretched over the new size
    if (picture_.size() == size())
        painter.drawImage(0, 0, picture_);
    else
        painter.drawImage(rect(), picture_);
}

void CameraCanvas::resizeEvent(QResizeEvent*) {
    owner_->CanvasResized();
    if (!UsesOpenGl())
        return;
    if (picture_.isNull())
        SceneChanged();
    else
        settleTimer_.start(kResizeSettleMs);
}

void CameraCanvas::mousePressEvent(QMouseEvent* e) {
    owner_->CanvasMousePress(e);
}
void CameraCanvas::mouseMoveEvent(QMouseEvent* e) {
    owner_->CanvasMouseMove(e);
}
void CameraCanvas::mouseReleaseEvent(QMouseEvent* e) {
    owner_->CanvasMouseRelease(e);
}
void CameraCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    owner_->CanvasDoubleClick(e);
}
void CameraCanvas::contextMenuEvent(QContextMenuEvent* e) {
    owner_->CanvasContextMenu(e);
}
void CameraCanvas::keyPressEvent(QKeyEvent* e) {
    owner_->CanvasKeyPress(e);
}
