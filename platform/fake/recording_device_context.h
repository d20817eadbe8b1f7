// A device context that records what is drawn, for tests.
#pragma once

#include <vector>

#include "platform/device_context.h"

class RecordingDeviceContext : public IDeviceContext {
  public:
    enum class Kind { Polyline, Line, Circle, FocusRect, InvertRect };
    struct Primitive {
        Kind kind;
        Pen pen;
        std::vector<PixelPoint> points;  // polyline points, line ends, or circle centre
        int radius = 0;
        PixelRect rect;
    };

    Pen SelectPen(Pen pen) override {
        const Pen old = pen_;
        pen_ = pen;
        return old;
    }
    void Polyline(const PixelPoint* points, size_t count) override {
        primitives.push_back({Kind::Polyline, pen_, {points, points + count}, 0, {}});
    }
    void Line(PixelPoint from, PixelPoint to) override {
        primitives.push_back({Kind::Line, pen_, {from, to}, 0, {}});
    }
    void Circle(PixelPoint centre, int radius) override {
        primitives.push_back({Kind::Circle, pen_, {centre}, radius, {}});
    }
    void FocusRect(const PixelRect& rect) override {
        primitives.push_back({Kind::FocusRect, pen_, {}, 0, rect});
    }
    void InvertRect(const PixelRect& rect) override {
        primitives.push_back({Kind::InvertRect, pen_, {}, 0, rect});
    }

    size_t Count(Kind kind) const {
        size_t n = 0;
        for (const auto& p : primitives)
            if (p.kind == kind)
                ++n;
        return n;
    }
    Pen CurrentPen() const { return pen_; }

    std::vector<Primitive> primitives;

  private:
    Pen pen_ = Pen::Text;
};
