// The canvas of the top, front and side views. It keeps a picture of the view without the
// selected object's tree and paints that tree over it, so that a drag repaints one object and
// an expose repaints nothing. When the rest of the scene changes, the view's drawing pass is
// recorded on the user-interface thread and drawn into a new picture: at once for a small
// scene, on the render thread for a large one, while the window stays responsive and shows the
// last picture.
#pragma once

#include <QImage>
#include <QWidget>
#include <cstdint>
#include <memory>

#include "view/render_worker.h"
#include "view/wire_recording.h"

class CPovObject;
class ViewWidget;

// What a wire-frame picture is drawn from.
struct WireRequest {
    WireRecording recording;
    int width = 0;
    int height = 0;
    QRgb background = 0;
    QRgb text = 0;
    // the tree the picture leaves out (compared, never followed on the render thread)
    const CPovObject* leftOut = nullptr;
    bool operator==(const WireRequest&) const = default;
};

struct WirePicture {
    QImage image;
    const CPovObject* leftOut = nullptr;
    uint64_t generation = 0;
};

class WireCanvas : public QWidget {
    Q_OBJECT

  public:
    explicit WireCanvas(ViewWidget* owner);
    ~WireCanvas() override;

    // What the view shows changed: the picture is made again once the event loop is back.
    void PictureChanged();
    // Only the selected object's tree changed: it is painted again over the picture.
    void LiveChanged();
    // pictures made so far (at once or on the render thread)
    int PictureRequests() const { return requests_; }
    // a picture is asked for or being drawn
    bool PictureOutstanding() const;
    const QImage& Picture() const { return picture_.image; }

  signals:
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
    void Record();
    void Accept(WirePicture picture);

    ViewWidget* owner_;
    std::unique_ptr<RenderWorker<WireRequest, WirePicture>> worker_;
    std::shared_ptr<const WireRequest> last_;
    WirePicture picture_;
    uint64_t requested_ = 0;
    int requests_ = 0;
};
