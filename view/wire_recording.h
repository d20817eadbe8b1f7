// A device context that keeps what a drawing pass draws, to draw it again elsewhere: the
// wire-frame views record their pass on the user-interface thread (where the scene may be
// read) and their render thread replays it into a picture (which takes the time).
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/device_context.h"

class WireRecording : public IDeviceContext {
  public:
    Pen SelectPen(Pen pen) override;
    void Polyline(const PixelPoint* points, size_t count) override;
    void Line(PixelPoint from, PixelPoint to) override;
    void Circle(PixelPoint centre, int radius) override;
    void FocusRect(const PixelRect& rect) override;
    void InvertRect(const PixelRect& rect) override;

    // Draws everything again, in order; false when stop() said yes on the way.
    bool Replay(IDeviceContext& dc, const std::function<bool()>& stop = {}) const;
    // primitives and pen changes recorded
    size_t Size() const { return commands_.size(); }
    // the same primitives with the same pens
    bool operator==(const WireRecording& o) const {
        return commands_ == o.commands_ && points_ == o.points_;
    }

  private:
    enum class Op : uint8_t { SelectPen, Polyline, Line, Circle, FocusRect, InvertRect };
    struct Command {
        Op op;
        uint32_t first;  // into points_
        uint32_t count;  // points; the pen or the circle's radius
        bool operator==(const Command&) const = default;
    };
    void Add(Op op, const PixelPoint* points, size_t count, uint32_t value);

    std::vector<Command> commands_;
    std::vector<PixelPoint> points_;
    Pen pen_ = Pen::Text;
};
