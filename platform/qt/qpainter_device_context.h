// The device context of the wire-frame views on a QPainter (a widget or a QImage).
#pragma once

#include <QColor>
#include <QPainter>

#include "platform/device_context.h"

class QPainterDeviceContext : public IDeviceContext {
  public:
    // textColor: the pen for unselected outlines (the system's window-text colour)
    explicit QPainterDeviceContext(QPainter& painter, QColor textColor = Qt::black);

    Pen SelectPen(Pen pen) override;
    void Polyline(const PixelPoint* points, size_t count) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Circle(PixelPoint centre, int radius) override;
    void FocusRect(const PixelRect& rect) override;
    void InvertRect(const PixelRect& rect) override;

  private:
    void ApplyPen();

    QPainter& painter_;
    QColor textColor_;
    Pen pen_ = Pen::Text;
};
