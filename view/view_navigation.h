// The arithmetic behind the conveniences of the orthographic views: zooming about a point,
// fitting a box into the view, the wheel's zoom steps, snapping to the grid, and the
// rectangle of the camera view that has the picture's aspect ratio. Pure functions; the view
// applies them to its zoom and scroll bars.
#pragma once

namespace view_nav {

// the zoom range of the orthographic views (pixels per world unit)
constexpr double kMinZoom = 1.0;
constexpr double kMaxZoom = 100.0;

// The new origin (the world value at pixel 0 along one axis) that keeps the world value at
// `pixel` where it is when the zoom changes from oldZoom to newZoom.
double OriginKeepingPixel(double origin, double pixel, double oldZoom, double newZoom);

// The zoom after `steps` notches of the wheel (positive: closer), integer, in the zoom range;
// every notch changes the zoom by a quarter and by at least one.
double WheelZoom(double zoom, int steps);

// A world box along the two screen axes of a view.
struct WorldBox {
    double minH = 0, maxH = 0;
    double minV = 0, maxV = 0;
};
// Zoom and origins that show the whole box in a client area, centred, with a margin of about
// `margin` pixels on each side. The zoom is an integer in the zoom range and the origins are
// whole world units, as the scroll bars hold them (a box too large for the smallest zoom is
// centred and cut).
struct Fit {
    double zoom = 1;
    double originH = 0;  // world value at the left edge
    double originV = 0;  // world value at the bottom edge
};
Fit FitBox(const WorldBox& box, int clientWidth, int clientHeight, int margin = 20);

// a world value on the nearest grid line; the value itself without a grid
double SnapToGrid(double value, double grid);

// The largest rectangle of the picture's aspect ratio inside the client area, centred (bars
// above and below, or left and right). An empty client area or picture gives the whole area.
struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Rect&) const = default;
};
Rect AspectRect(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight);

}  // namespace view_nav
