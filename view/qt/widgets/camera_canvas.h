// The camera view's canvas. With OpenGL it shows the last finished picture of its render
// thread and asks for a new one only when what the view shows changed: an expose, a tiling or
// a menu closing paints the kept picture; a resize renders once the size has settled. Without
// OpenGL the objects' own projection is painted as in the other views.
#pragma once

#include <QImage>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "view/camera_render_worker.h"

class OffscreenCameraTarget;
class ViewWidget;

class CameraCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit CameraCanvas(ViewWidget* owner);
    ~CameraCanvas() override;

    // What the view shows changed: a picture is asked for once the event loop is back.
    void SceneChanged();
    // pictures asked of the render thread so far
    int PictureRequests() const { return requests_; }
    // a picture is asked for, being rendered or on its way to the screen
    bool PictureOutstanding() const;
    // the picture shown (null before the first one)
    const QImage& Picture() const { return picture_; }

  signals:
    // a newer picture is on the screen
    void pictureShown();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseDoubleClickEvent(QMouseEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;

  private:
    bool UsesOpenGl() const;
    void StartWorker();
    // Describes the view and hands the scene to the render thread, unless it shows what the
    // last request showed.
    void RequestPicture();
    void Accept(const CameraPicture& picture);

    ViewWidget* owner_;
    std::unique_ptr<OffscreenCameraTarget> target_;
    std::unique_ptr<CameraRenderWorker> worker_;
    std::shared_ptr<const CameraScene> lastScene_;
    // a resize asks for a picture once the size has rested
    QTimer settleTimer_;
    QImage picture_;
    uint64_t shown_ = 0;
    uint64_t requested_ = 0;
    int requests_ = 0;
};
