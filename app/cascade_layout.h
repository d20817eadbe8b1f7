// Where "Überlappend" puts the view windows: each one step right of and below the one before,
// so that every title bar shows, all of the same useful size (three quarters of the area when
// the steps leave room for it, never smaller than a small view).
#pragma once

#include <vector>

struct WindowRect {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const WindowRect&) const = default;
};

// count windows in an area of areaWidth x areaHeight; step: the height of a title bar
std::vector<WindowRect> CascadeRects(int count, int areaWidth, int areaHeight, int step);
