#include "view/wire_recording.h"

namespace {
// primitives drawn between two questions whether to stop
constexpr size_t kStopInterval = 1024;
}  // namespace

void WireRecording::Add(Op op, const PixelPoint* points, size_t count, uint32_t value) {
    const auto first = static_cast<uint32_t>(points_.size());
    points_.insert(points_.end(), points, points + count);
    commands_.push_back({op, first, op == Op::Polyline ? static_cast<uint32_t>(count) : value});
}

Pen WireRecording::SelectPen(Pen pen) {
    const Pen old = pen_;
    pen_ = pen;
    Add(Op::SelectPen, nullptr, 0, static_cast<uint32_t>(pen));
    return old;
}

void WireRecording::Polyline(const PixelPoint* points, size_t count) {
    Add(Op::Polyline, points, count, 0);
}

void WireRecording::Line(PixelPoint from, PixelPoint to) {
    const PixelPoint ends[2] = {from, to};
    Add(Op::Line, ends, 2, 0);
}

void WireRecording::Circle(PixelPoint centre, int radius) {
    Add(Op::Circle, &centre, 1, static_cast<uint32_t>(radius));
}

void WireRecording::FocusRect(const PixelRect& rect) {
    const PixelPoint corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    Add(Op::FocusRect, corners, 2, 0);
}

void WireRecording::InvertRect(const PixelRect& rect) {
    const PixelPoint corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    Add(Op::InvertRect, corners, 2, 0);
}

bool WireRecording::Replay(IDeviceContext& dc, const std::function<bool()>& stop) const {
    for (size_t i = 0; i < commands_.size(); ++i) {
        if (stop && i % kStopInterval == 0 && stop())
            return false;
        const Command& c = commands_[i];
        const PixelPoint* p = points_.data() + c.first;
        switch (c.op) {
            case Op::SelectPen:
                dc.SelectPen(static_cast<Pen>(c.count));
                break;
            case Op::Polyline:
                dc.Polyline(p, c.count);
                break;
            case Op::Line:
                dc.Line(p[0], p[1]);
                break;
            case Op::Circle:
                dc.Circle(p[0], static_cast<int>(c.count));
                break;
            case Op::FocusRect:
                dc.FocusRect({p[0].x, p[0].y, p[1].x, p[1].y});
                break;
            case Op::InvertRect:
                dc.InvertRect({p[0].x, p[0].y, p[1].x, p[1].y});
                break;
        }
    }
    return true;
}
