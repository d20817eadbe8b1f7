#include "view/qt/widgets/view_canvas.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include "view/qt/widgets/view_widget.h"

ViewCanvas::ViewCanvas(ViewWidget* owner) : QWidget(owner), owner_(owner) {
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    // the canvases paint every pixel themselves
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void ViewCanvas::mousePressEvent(QMouseEvent* e) {
    owner_->CanvasMousePress(e);
}
void ViewCanvas::mouseMoveEvent(QMouseEvent* e) {
    owner_->CanvasMouseMove(e);
}
void ViewCanvas::mouseReleaseEvent(QMouseEvent* e) {
    owner_->CanvasMouseRelease(e);
}
void ViewCanvas::mouseDoubleClickEvent(QMouseEvent* e) {
    owner_->CanvasDoubleClick(e);
}
void ViewCanvas::contextMenuEvent(QContextMenuEvent* e) {
    owner_->CanvasContextMenu(e);
}
void ViewCanvas::keyPressEvent(QKeyEvent* e) {
    owner_->CanvasKeyPress(e);
}
