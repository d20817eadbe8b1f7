#include "platform/qt/qpainter_device_context.h"

#include <QPen>
#include <QPoint>
#include <QVarLengthArray>

QPainterDeviceContext::QPainterDeviceContext(QPainter& painter, QColor textColor)
    : painter_(painter), textColor_(textColor) {
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setBrush(Qt::NoBrush);
    ApplyPen();
}

Pen QPainterDeviceContext::SelectPen(Pen pen) {
    const Pen old = pen_;
    pen_ = pen;
    ApplyPen();
    return old;
}

void QPainterDeviceContext::ApplyPen() {
    QColor colour = textColor_;
    if (pen_ == Pen::Selection)
        colour = QColor(255, 0, 0);
    if (pen_ == Pen::Grid)
        colour = QColor(175, 175, 175);
    if (pen_ == Pen::Axis)
        colour = QColor(110, 110, 110);
    QPen pen(colour);
    pen.setWidth(0);  // one pixel, like the views' cosmetic pens
    painter_.setPen(pen);
}

void QPainterDeviceContext::Polyline(const PixelPoint* points, size_t count) {
    QVarLengthArray<QPoint, 64> q;
    q.reserve(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i)
        q.append(QPoint(points[i].x, points[i].y));
    painter_.drawPolyline(q.constData(), static_cast<int>(q.size()));
}

void QPainterDeviceContext::Line(PixelPoint from, PixelPoint to) {
    painter_.drawLine(from.x, from.y, to.x, to.y);
}

void QPainterDeviceContext::Circle(PixelPoint centre, int radius) {
    painter_.drawEllipse(QPoint(centre.x, centre.y), radius, radius);
}

void QPainterDeviceContext::FocusRect(const PixelRect& rect) {
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    QPen dotted(Qt::white);
    dotted.setWidth(0);
    dotted.setStyle(Qt::DotLine);
    painter_.setPen(dotted);
    painter_.drawRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
    painter_.restore();
}

void QPainterDeviceContext::InvertRect(const PixelRect& rect) {
    painter_.save();
    painter_.setCompositionMode(QPainter::RasterOp_NotDestination);
    painter_.fillRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                      Qt::black);
    painter_.restore();
}
