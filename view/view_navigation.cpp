#include "view/view_navigation.h"

#include <algorithm>
#include <cmath>

namespace view_nav {

double OriginKeepingPixel(double origin, double pixel, double oldZoom, double newZoom) {
    if (!(oldZoom > 0) || !(newZoom > 0))
        return origin;
    return origin + pixel / oldZoom - pixel / newZoom;
}

double WheelZoom(double zoom, int steps) {
    double z = std::clamp(std::round(zoom), kMinZoom, kMaxZoom);
    for (; steps > 0; --steps)
        z = std::min(kMaxZoom, std::max(z + 1, std::round(z * 1.25)));
    for (; steps < 0; ++steps)
        z = std::max(kMinZoom, std::min(z - 1, std::round(z / 1.25)));
    return z;
}

Fit FitBox(const WorldBox& box, int clientWidth, int clientHeight, int margin) {
    const double width = std::max(1, clientWidth - 2 * margin);
    const double height = std::max(1, clientHeight - 2 * margin);
    const double boxWidth = box.maxH - box.minH;
    const double boxHeight = box.maxV - box.minV;
    double zoom = kMaxZoom;
    if (boxWidth > 0)
        zoom = std::min(zoom, width / boxWidth);
    if (boxHeight > 0)
        zoom = std::min(zoom, height / boxHeight);
    const double centreH = (box.minH + box.maxH) / 2;
    const double centreV = (box.minV + box.maxV) / 2;
    Fit fit;
    // the scroll bars hold whole units: a rounded origin may push the box out by half a unit,
    // and then a smaller zoom is taken
    for (fit.zoom = std::clamp(std::floor(zoom), kMinZoom, kMaxZoom);; fit.zoom -= 1) {
        fit.originH = std::round(centreH - clientWidth / 2.0 / fit.zoom);
        fit.originV = std::round(centreV - clientHeight / 2.0 / fit.zoom);
        const bool inside = box.minH >= fit.originH && box.minV >= fit.originV &&
                            box.maxH <= fit.originH + clientWidth / fit.zoom &&
                            box.maxV <= fit.originV + clientHeight / fit.zoom;
        if (inside || fit.zoom <= kMinZoom)
            return fit;
    }
}

double SnapToGrid(double value, double grid) {
    if (!(grid > 0))
        return value;
    return std::round(value / grid) * grid;
}

Rect AspectRect(int clientWidth, int clientHeight, int pictureWidth, int pictureHeight) {
    if (clientWidth <= 0 || clientHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0)
        return {0, 0, std::max(clientWidth, 0), std::max(clientHeight, 0)};
    Rect r;
    // compare clientWidth / clientHeight with pictureWidth / pictureHeight without rounding
    if (static_cast<long long>(clientWidth) * pictureHeight >
        static_cast<long long>(clientHeight) * pictureWidth) {
        r.height = clientHeight;
        r.width = static_cast<int>(
            std::lround(static_cast<double>(clientHeight) * pictureWidth / pictureHeight));
    } else {
        r.width = clientWidth;
        r.height = static_cast<int>(
            std::lround(static_cast<double>(clientWidth) * pictureHeight / pictureWidth));
    }
    r.width = std::clamp(r.width, 1, clientWidth);
    r.height = std::clamp(r.height, 1, clientHeight);
    r.x = (clientWidth - r.width) / 2;
    r.y = (clientHeight - r.height) / 2;
    return r;
}

}  // namespace view_nav
