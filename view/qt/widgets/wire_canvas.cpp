#include "view/qt/widgets/wire_canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/qpainter_device_context.h"
#include "view/qt/widgets/picture_jobs.h"
#include "view/qt/widgets/view_widget.h"

namespace {

// Recordings up to this many primitives are drawn at once on the user-interface thread (a
// normal scene, a few milliseconds); larger ones on the render thread.
constexpr size_t kDrawAtOnce = 6000;

QColor ToQColor(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

std::optional<WirePicture> Draw(const WireRequest& request, const std::function<bool()>& stop) {
    WirePicture picture;
    picture.leftOut = request.leftOut;
    picture.image = QImage(request.width, request.height, QImage::Format_RGB32);
    picture.image.fill(request.background);
    QPainter painter(&picture.image);
    QPainterDeviceContext dc(painter, QColor::fromRgb(request.text));
    if (!request.recording.Replay(dc, stop))
        return std::nullopt;
    return picture;
}

}  // namespace

WireCanvas::WireCanvas(ViewWidget* owner) : QWidget(owner), owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    worker_ =
        std::make_unique<RenderWorker<WireRequest, WirePicture>>(Draw, [this](WirePicture picture) {
            // to the user-interface thread; dropped if the canvas is gone by then
            QMetaObject::invokeMethod(
                this, [this, picture = std::move(picture)] { Accept(picture); },
                Qt::QueuedConnection);
        });
}

WireCanvas::~WireCanvas() {
    PictureJobs::Instance().Cancel(this);
    worker_.reset();  // the thread ends before the canvas goes
}

void WireCanvas::PictureChanged() {
    PictureJobs::Instance().Schedule(this, [this] { Record(); });
}

void WireCanvas::LiveChanged() {
    update();
}

bool WireCanvas::PictureOutstanding() const {
    return PictureJobs::Instance().Pending(this) || picture_.generation < requested_;
}

void WireCanvas::Record() {
    COrvantaView& view = owner_->View();
    if (width() <= 0 || height() <= 0)
        return;
    view.OnEraseBackground();  // refreshes the text colour from the system
    auto request = std::make_shared<WireRequest>();
    request->width = width();
    request->height = height();
    request->background = palette().color(QPalette::Base).rgb();
    request->text = ToQColor(view.TextColor).rgb();
    request->leftOut = view.LiveTree();
    view.DrawPicture(request->recording, request->leftOut);
    if (last_ && *request == *last_)
        return;  // nothing but the selected object's tree changed
    last_ = request;
    ++requests_;
    if (request->recording.Size() <= kDrawAtOnce) {
        if (std::optional<WirePicture> picture = worker_->RenderNow(*request)) {
            requested_ = picture->generation;
            Accept(std::move(*picture));
        }
        return;
    }
    requested_ = worker_->Request(std::move(request));
}

void WireCanvas::Accept(WirePicture picture) {
    // pictures come in order; an older one never replaces a newer one
    if (picture.generation <= picture_.generation)
        return;
    picture_ = std::move(picture);
    update();
    emit pictureShown();
}

void WireCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    COrvantaView& view = owner_->View();
    if (picture_.image.isNull()) {
        painter.fillRect(rect(), palette().color(QPalette::Base));
    } else {
        painter.drawImage(0, 0, picture_.image);
        const QRect rest = rect().adjusted(picture_.image.width(), 0, 0, 0);
        painter.fillRect(rest, palette().color(QPalette::Base));
        painter.fillRect(QRect(0, picture_.image.height(), picture_.image.width(), height()),
                         palette().color(QPalette::Base));
    }
    QPainterDeviceContext dc(painter, ToQColor(view.TextColor));
    // until the picture made for a new selection arrives, the tree the picture left out is
    // drawn here too (when it is still in the scene)
    CPovObject* live = view.LiveTree();
    if (picture_.leftOut && picture_.leftOut != live)
        view.DrawTree(dc, view.TopLevelObject(picture_.leftOut));
    view.DrawTree(dc, live);
}

void WireCanvas::resizeEvent(QResizeEvent*) {
    owner_->CanvasResized();
    PictureChanged();
}

void WireCanvas::mousePressEvent(QMouseEvent* e) {
    owner_->CanvasMousePress(e);
}
void WireCanvas::mouseMoveEvent(QMouseEvent* e) {
    owner_->CanvasMouseMove(e);
}
void WireCanvas::mouseReleaseEvent(QMouseEvent* e) {
    owner_->CanvasMouseRelease(e);
}
void WireCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    owner_->CanvasDoubleClick(e);
}
void WireCanvas::contextMenuEvent(QContextMenuEvent* e) {
    owner_->CanvasContextMenu(e);
}
void WireCanvas::keyPressEvent(QKeyEvent* e) {
    owner_->CanvasKeyPress(e);
}
