// What the canvases of the views have in common: they draw, and hand the mouse, the keyboard
// and the context menu to the view widget that owns them, which turns them into view commands.
#pragma once

#include <QWidget>

class ViewWidget;

class ViewCanvas : public QWidget {
  public:
    explicit ViewCanvas(ViewWidget* owner);

  protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

    ViewWidget* owner_;
};
