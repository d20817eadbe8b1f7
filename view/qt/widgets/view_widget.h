// The desktop widget of one view: a drawing canvas with two scroll bars. It forwards paint,
// mouse, size and scroll events to the view logic (COrvantaView) and gives the logic its scroll
// bars and its window. The top, front and side views draw with QPainter through the device
// context (WireCanvas); the camera view shows the pictures its render thread makes with OpenGL
// (the same routine as the batch tool's headless render, CameraCanvas).
#pragma once

#include <QScrollBar>
#include <QWidget>
#include <memory>

#include "view/orvanta_view.h"
#include "view/scroll_bars.h"
#include "view/view_window.h"

class CameraCanvas;
class WireCanvas;
class COrvantaDoc;
class QMenu;

class ViewWidget : public QWidget, public IScrollBars, public IViewWindow {
    Q_OBJECT

  public:
    // The view takes its kind from NextViewKind, as every new view does.
    ViewWidget(COrvantaDoc& document, QWidget* parent = nullptr);
    ~ViewWidget() override;

    COrvantaView& View() { return *view_; }
    // the area the view draws into
    QWidget* Canvas() const { return canvas_; }
    QScrollBar* HorizontalBar() const { return horizontal_; }
    QScrollBar* VerticalBar() const { return vertical_; }
    // The menu shown on a context-menu request (the views' menu); not owned.
    void SetContextMenu(QMenu* menu) { contextMenu_ = menu; }

    // IScrollBars
    void SetRange(ScrollBar bar, int minimum, int maximum) override;
    int Minimum(ScrollBar bar) const override;
    int Maximum(ScrollBar bar) const override;
    int Position(ScrollBar bar) const override;
    void SetPosition(ScrollBar bar, int position) override;
    void SetEnabled(ScrollBar bar, bool enabled) override;
    bool IsEnabled(ScrollBar bar) const override;

    // IViewWindow
    void Redraw() override;
    void RedrawLive() override;
    uint32_t SystemTextColor() const override;
    std::optional<int> AskUserZoom(int current) override;

    // events of the canvas, forwarded by it
    void CanvasPaint(QWidget* canvas);
    void CanvasResized();
    void CanvasMousePress(QMouseEvent* event);
    void CanvasMouseMove(QMouseEvent* event);
    void CanvasMouseRelease(QMouseEvent* event);
    void CanvasDoubleClick(QMouseEvent* event);
    void CanvasContextMenu(QContextMenuEvent* event);
    void CanvasKeyPress(QKeyEvent* event);
    // the camera view's canvas, or nullptr
    CameraCanvas* Camera() const { return cameraCanvas_; }
    // the top, front or side view's canvas, or nullptr
    WireCanvas* Wire() const { return wireCanvas_; }

  signals:
    // the view drew or changed the selection; the frame refreshes its status panes
    void viewChanged();

  protected:
    void showEvent(QShowEvent* event) override;
    // the wheel scrolls the top, front and side views; with Ctrl it zooms about the mouse
    void wheelEvent(QWheelEvent* event) override;

  private:
    QScrollBar* Bar(ScrollBar bar) const {
        return bar == ScrollBar::Horizontal ? horizontal_ : vertical_;
    }
    void OnScrollAction(ScrollBar bar, int action);
    void ShowContextMenu(const QPoint& globalPosition);

    QWidget* canvas_ = nullptr;
    CameraCanvas* cameraCanvas_ = nullptr;
    WireCanvas* wireCanvas_ = nullptr;
    QScrollBar* horizontal_ = nullptr;
    QScrollBar* vertical_ = nullptr;
    QMenu* contextMenu_ = nullptr;
    bool created_ = false;
    bool settingBars_ = false;
    // wheel turns short of a notch
    int wheelRest_ = 0;
    std::unique_ptr<COrvantaView> view_;
};
