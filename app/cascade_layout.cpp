#include "app/cascade_layout.h"

#include <algorithm>

namespace {

// one side of the cascaded windows: room for the steps, at most three quarters of the area,
// at least a small view's size (or the whole area when it is smaller still)
int CascadeSide(int area, int steps, int step, int smallest) {
    const int wanted = std::min(area - steps * step, area * 3 / 4);
    return std::max(std::min(area, smallest), wanted);
}

}  // namespace

std::vector<WindowRect> CascadeRects(int count, int areaWidth, int areaHeight, int step) {
    std::vector<WindowRect> rects;
    if (count <= 0 || areaWidth <= 0 || areaHeight <= 0)
        return rects;
    const int width = CascadeSide(areaWidth, count - 1, step, 320);
    const int height = CascadeSide(areaHeight, count - 1, step, 240);
    for (int i = 0; i < count; ++i) {
        // past the area's edge the cascade starts again at the top left
        const int rows = std::max(1, std::min((areaWidth - width) / std::max(1, step),
                                              (areaHeight - height) / std::max(1, step)) +
                                         1);
        const int offset = (i % rows) * step;
        rects.push_back({offset, offset, width, height});
    }
    return rects;
}
