// What the scene objects' wire-frame drawing needs of a drawing surface.
//
// Coordinates are window pixels, y growing downwards. The real surface is a QPainter on a
// widget or a QImage; tests record the primitives.
#pragma once

#include <cmath>
#include <cstddef>

// Axis: the world axes through the origin, a little darker than the grid
enum class Pen { Text, Selection, Grid, Axis };

// A plain pair: `PixelPoint p;` leaves it unset (`{}` gives 0, 0), so that the drawing pass
// can keep a buffer of them on the stack for every polyline without clearing it first.
struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint&) const = default;
};

// A window coordinate from a value computed in world units: far-away or degenerate geometry
// gives values no int holds, so they are held at a billion pixels (room left for frames and
// handles around them) and NaN becomes 0.
inline int ToPixel(double value) {
    constexpr double kLimit = 1e9;
    if (std::isnan(value))
        return 0;
    return static_cast<int>(value < -kLimit ? -kLimit : (value > kLimit ? kLimit : value));
}

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const PixelRect&) const = default;
};

class IDeviceContext {
  public:
    virtual ~IDeviceContext() = default;

    // Selects a pen and returns the one that was selected before.
    virtual Pen SelectPen(Pen pen) = 0;
    virtual void Polyline(const PixelPoint* points, size_t count) = 0;
    virtual void Line(PixelPoint from, PixelPoint to) = 0;
    virtual void Circle(PixelPoint centre, int radius) = 0;
    // Dotted frame drawn by inverting the pixels under it (drawing it twice removes it).
    virtual void FocusRect(const PixelRect& rect) = 0;
    // Inverts every pixel of the rectangle (right and bottom edges excluded).
    virtual void InvertRect(const PixelRect& rect) = 0;
};

// Swallows everything; for drawing passes whose output nobody looks at.
class NullDeviceContext : public IDeviceContext {
  public:
    Pen SelectPen(Pen pen) override {
        const Pen old = current_;
        current_ = pen;
        return old;
    }
    void Polyline(const PixelPoint*, size_t) override {}
    void Line(PixelPoint, PixelPoint) override {}
    void Circle(PixelPoint, int) override {}
    void FocusRect(const PixelRect&) override {}
    void InvertRect(const PixelRect&) override {}

  private:
    Pen current_ = Pen::Text;
};
