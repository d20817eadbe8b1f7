#include "view/qt/widgets/camera_canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "view/qt/widgets/offscreen_camera_target.h"
#include "view/qt/widgets/view_widget.h"

namespace {
// a resize renders once the size has rested this long
constexpr int kResizeSettleMs = 150;
}  // namespace

CameraCanvas::CameraCanvas(ViewWidget* owner) : QWidget(owner), owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    requestTimer_.setSingleShot(true);
    connect(&requestTimer_, &QTimer::timeout, this, &CameraCanvas::RequestPicture);

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

CameraCanvas::~CameraCanvas() {
    worker_.reset();  // the thread ends before the target and the canvas go
}

bool CameraCanvas::UsesOpenGl() const {
    return owner_->View().UseOpenGL != 0;
}

void CameraCanvas::SceneChanged() {
    if (!UsesOpenGl()) {
        update();
        return;
    }
    requestTimer_.start(0);
}

bool CameraCanvas::PictureOutstanding() const {
    return requestTimer_.isActive() || shown_ < requested_;
}

void CameraCanvas::RequestPicture() {
    COrvantaView& view = owner_->View();
    if (!UsesOpenGl() || view.ClientWidth() <= 0 || view.ClientHeight() <= 0)
        return;
    auto scene = std::make_shared<const CameraScene>(view.DescribeCamera());
    if (lastScene_ && *scene == *lastScene_)
        return;  // nothing the view shows has changed
    lastScene_ = scene;
    ++requests_;
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
    if (UsesOpenGl())
        requestTimer_.start(picture_.isNull() ? 0 : kResizeSettleMs);
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
