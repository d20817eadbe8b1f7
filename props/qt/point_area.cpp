#include "props/qt/point_area.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "props/shapes/point_editor.h"

namespace {
constexpr int kMargin = 24;
constexpr int kPickPixels = 8;
}  // namespace

PointArea::PointArea(PointEditorModel& model, std::function<void()> changed)
    : model_(model), changed_(std::move(changed)) {
    setMinimumSize(320, 320);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(false);
}

QRectF PointArea::Square() const {
    const double side = std::min(width(), height()) - 2.0 * kMargin;
    return QRectF(kMargin, kMargin / 2.0, side, side);
}

QPointF PointArea::ToPixel(int x, int y) const {
    const QRectF s = Square();
    return QPointF(s.left() + (x + 1000) / 2000.0 * s.width(),
                   s.bottom() - (y + 1000) / 2000.0 * s.height());
}

QPoint PointArea::ToUnits(QPointF pixel) const {
    const QRectF s = Square();
    const double x = (pixel.x() - s.left()) / s.width() * 2000.0 - 1000.0;
    const double y = (s.bottom() - pixel.y()) / s.height() * 2000.0 - 1000.0;
    return QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

void PointArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF s = Square();
    p.fillRect(s, Qt::white);
    p.setPen(QPen(QColor(200, 200, 200), 1, Qt::DashLine));
    p.drawLine(ToPixel(0, -1000), ToPixel(0, 1000));
    p.drawLine(ToPixel(-1000, 0), ToPixel(1000, 0));
    p.setPen(Qt::black);
    p.drawRect(s);
    // axis labels: the lathe's radius axis reads 0, 1, 2
    const char* horizontal[] = {"-1", "0", "1"};
    const char* radius[] = {"0", "1", "2"};
    for (int i = 0; i < 3; ++i) {
        const QPointF at = ToPixel(-1000 + 1000 * i, -1000);
        p.drawText(QRectF(at.x() - 15, at.y() + 2, 30, 14), Qt::AlignCenter,
                   model_.lathe ? radius[i] : horizontal[i]);
        const QPointF left = ToPixel(-1000, -1000 + 1000 * i);
        p.drawText(QRectF(left.x() - kMargin, left.y() - 7, kMargin - 3, 14),
                   Qt::AlignRight | Qt::AlignVCenter, horizontal[i]);
    }
    if (model_.count <= 0)
        return;
    QPainterPath path(ToPixel(model_.x[0], model_.y[0]));
    for (int i = 1; i < model_.count; ++i)
        path.lineTo(ToPixel(model_.x[i], model_.y[i]));
    if (!model_.lathe)
        path.closeSubpath();
    p.setPen(QPen(QColor(0, 0, 160), 1.5));
    p.drawPath(path);
    for (int i = 0; i < model_.count; ++i) {
        const bool current = i == model_.current;
        p.setBrush(current ? QColor(220, 0, 0) : QColor(0, 0, 160));
        p.setPen(Qt::NoPen);
        p.drawEllipse(ToPixel(model_.x[i], model_.y[i]), current ? 5.0 : 4.0, current ? 5.0 : 4.0);
    }
}

void PointArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint units = ToUnits(event->position());
    const int tolerance =
        static_cast<int>(std::ceil(kPickPixels * 2000.0 / std::max(1.0, Square().width())));
    const int picked = model_.PointAt(units.x(), units.y(), tolerance);
    if (picked < 0)
        return;
    dragging_ = picked;
    model_.current = picked;
    changed_();
    update();
}

void PointArea::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ < 0)
        return;
    const QPoint units = ToUnits(event->position());
    model_.MoveTo(dragging_, units.x(), units.y());
    changed_();
    update();
}

void PointArea::mouseReleaseEvent(QMouseEvent*) {
    dragging_ = -1;
}
