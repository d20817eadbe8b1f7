#include "view/qt/widgets/view_widget.h"

#include <QContextMenuEvent>
#include <QGridLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "platform/qt/qpainter_device_context.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "view/qt/widgets/camera_canvas.h"
#include "view/qt/widgets/wire_canvas.h"

namespace {

QColor ToQColor(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

ScrollCode CodeOf(int action) {
    switch (action) {
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineUp;
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageDown;
        case QAbstractSlider::SliderToMinimum:
            return ScrollCode::Top;
        case QAbstractSlider::SliderToMaximum:
            return ScrollCode::Bottom;
        case QAbstractSlider::SliderMove:
            return ScrollCode::ThumbTrack;
        default:
            return ScrollCode::EndScroll;
    }
}

}  // namespace

ViewWidget::ViewWidget(COrvantaDoc& document, QWidget* parent) : QWidget(parent) {
    if (NextViewKind == kCameraView) {
        cameraCanvas_ = new CameraCanvas(this);
        canvas_ = cameraCanvas_;
    } else {
        wireCanvas_ = new WireCanvas(this);
        canvas_ = wireCanvas_;
    }
    horizontal_ = new QScrollBar(Qt::Horizontal, this);
    vertical_ = new QScrollBar(Qt::Vertical, this);
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(canvas_, 0, 0);
    layout->addWidget(vertical_, 0, 1);
    layout->addWidget(horizontal_, 1, 0);
    setFocusProxy(canvas_);

    connect(horizontal_, &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollBar::Horizontal, action); });
    connect(vertical_, &QScrollBar::actionTriggered, this,
            [this](int action) { OnScrollAction(ScrollBar::Vertical, action); });

    view_ = std::make_unique<COrvantaView>(document, *this, this);
}

ViewWidget::~ViewWidget() = default;

// ---------------------------------------------------------------------------------------------
// scroll bars

void ViewWidget::SetRange(ScrollBar bar, int minimum, int maximum) {
    settingBars_ = true;
    Bar(bar)->setRange(minimum, maximum < minimum ? minimum : maximum);
    settingBars_ = false;
}

int ViewWidget::Minimum(ScrollBar bar) const {
    return Bar(bar)->minimum();
}
int ViewWidget::Maximum(ScrollBar bar) const {
    return Bar(bar)->maximum();
}
int ViewWidget::Position(ScrollBar bar) const {
    return Bar(bar)->sliderPosition();
}

void ViewWidget::SetPosition(ScrollBar bar, int position) {
    settingBars_ = true;
    Bar(bar)->setSliderPosition(position);
    Bar(bar)->setValue(Bar(bar)->sliderPosition());
    settingBars_ = false;
}

void ViewWidget::SetEnabled(ScrollBar bar, bool enabled) {
    Bar(bar)->setEnabled(enabled);
}
bool ViewWidget::IsEnabled(ScrollBar bar) const {
    return Bar(bar)->isEnabled();
}

void ViewWidget::OnScrollAction(ScrollBar bar, int action) {
    if (settingBars_)
        return;
    const ScrollCode code = CodeOf(action);
    if (code == ScrollCode::EndScroll)
        return;
    const int thumb = Bar(bar)->sliderPosition();
    // the view decides the new position; the bar then shows it
    settingBars_ = true;
    const int before = Bar(bar)->value();
    Bar(bar)->setSliderPosition(before);
    settingBars_ = false;
    view_->OnScroll(bar, code, thumb);
}

// ---------------------------------------------------------------------------------------------
// window services

void ViewWidget::Redraw() {
    if (cameraCanvas_)
        cameraCanvas_->SceneChanged();
    else
        wireCanvas_->PictureChanged();
}

void ViewWidget::RedrawLive() {
    if (wireCanvas_)
        wireCanvas_->LiveChanged();
    else
        Redraw();
}

uint32_t ViewWidget::SystemTextColor() const {
    const QColor c = palette().color(QPalette::WindowText);
    return static_cast<uint32_t>(c.red()) | (static_cast<uint32_t>(c.green()) << 8) |
           (static_cast<uint32_t>(c.blue()) << 16);
}

std::optional<int> ViewWidget::AskUserZoom(int current) {
    bool ok = false;
    const int value = QInputDialog::getInt(this, LoadStringUtf8(IDS_ZOOM_DIALOG_TITLE).c_str(),
                                           LoadStringUtf8(IDS_ZOOM_DIALOG_LABEL).c_str(), current,
                                           1, 100, 1, &ok);
    if (!ok)
        return std::nullopt;
    return value;
}

// ---------------------------------------------------------------------------------------------
// canvas events

void ViewWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!created_) {
        created_ = true;
        const int w = canvas_->width(), h = canvas_->height();
        view_->OnCreate(w + 20, h + 20, w, h);
    }
}

void ViewWidget::CanvasResized() {
    if (!created_)
        return;
    const int w = canvas_->width(), h = canvas_->height();
    view_->OnSize(w, h, w + 20, h + 20);
}

void ViewWidget::CanvasPaint(QWidget* canvas) {
    QPainter painter(canvas);
    view_->OnEraseBackground();
    painter.fillRect(canvas->rect(), palette().color(QPalette::Base));
    QPainterDeviceContext dc(painter, ToQColor(view_->TextColor));
    view_->OnDraw(dc);
}

void ViewWidget::CanvasMousePress(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        view_->OnLButtonDown(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        view_->OnRButtonDown(p.x(), p.y());
    emit viewChanged();
}

void ViewWidget::CanvasMouseMove(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    view_->OnMouseMove(p.x(), p.y());
    emit viewChanged();
}

void ViewWidget::CanvasMouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    view_->OnLButtonUp(p.x(), p.y());
    emit viewChanged();
}

void ViewWidget::CanvasDoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint p = event->position().toPoint();
    view_->OnLButtonDblClk(p.x(), p.y());
    emit viewChanged();
}

void ViewWidget::CanvasContextMenu(QContextMenuEvent* event) {
    if (event->reason() == QContextMenuEvent::Keyboard)
        ShowContextMenu(canvas_->mapToGlobal(QPoint(5, 5)));
    else
        ShowContextMenu(event->globalPos());
}

void ViewWidget::CanvasKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && (event->modifiers() & Qt::ShiftModifier)) {
        ShowContextMenu(canvas_->mapToGlobal(QPoint(5, 5)));
        return;
    }
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        view_->OnCommand(ID_EDIT_DESELECT);
        emit viewChanged();
        return;
    }
    event->ignore();
}

void ViewWidget::wheelEvent(QWheelEvent* event) {
    // a notch is 120; touch pads send less at a time, kept until a notch is full
    const QPoint angle = event->angleDelta();
    wheelRest_ += angle.y() != 0 ? angle.y() : angle.x();
    const int steps = wheelRest_ / 120;
    wheelRest_ -= steps * 120;
    if (steps != 0) {
        const QPoint at = canvas_->mapFrom(this, event->position().toPoint());
        const Qt::KeyboardModifiers keys = event->modifiers();
        view_->OnWheel(at.x(), at.y(), steps, keys & Qt::ShiftModifier, keys & Qt::ControlModifier);
        emit viewChanged();
    }
    event->accept();
}

void ViewWidget::ShowContextMenu(const QPoint& globalPosition) {
    if (contextMenu_)
        contextMenu_->exec(globalPosition);
}
