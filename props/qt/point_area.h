// The drawing area of the point editor: the points of a lathe's profile or a polygon in a
// square with axis labels; a point is picked and dragged with the mouse.
#pragma once

#include <functional>

#include "props/qt/page_widget.h"

struct PointEditorModel;

class PointArea : public CustomFieldWidget {
  public:
    PointArea(PointEditorModel& model, std::function<void()> changed);
    void Sync() override { update(); }

    // pixel of editor units and back
    QPointF ToPixel(int x, int y) const;
    QPoint ToUnits(QPointF pixel) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    QRectF Square() const;

    PointEditorModel& model_;
    std::function<void()> changed_;
    int dragging_ = -1;
};
