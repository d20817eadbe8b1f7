// The world axes of the orthographic views: the two lines through the origin, a little
// stronger than the grid, each with a small letter at its right or upper end, so that a user
// sees where the origin is and which way the axes run.
#include "view/orvanta_view.h"
#include "view/view_math.h"

namespace {

// A letter of strokes in a 5 x 7 pixel box, drawn with its top left corner at (x, y).
void DrawLetter(IDeviceContext& dc, char letter, int x, int y) {
    auto line = [&](int x1, int y1, int x2, int y2) {
        dc.Line({x + x1, y + y1}, {x + x2, y + y2});
    };
    switch (letter) {
        case 'x':
            line(0, 2, 5, 8);
            line(0, 7, 5, 1);
            break;
        case 'y':
            line(0, 2, 3, 6);
            line(5, 2, 1, 9);
            break;
        default:  // 'z'
            line(0, 2, 5, 2);
            line(5, 2, 0, 7);
            line(0, 7, 5, 7);
            break;
    }
}

}  // namespace

void COrvantaView::DrawAxes(IDeviceContext& dc) const {
    if (ViewKind == kCameraView || !(Zoom >= 1.0))
        return;
    const double h = windowHeight_ - 20;
    const int w = clientWidth_;
    const int bottom = view_math::TruncToInt(h + 20);
    // pixel column of world h = 0 and pixel row of world v = 0
    const int px = view_math::TruncToInt(-GetHorzOrigin() * Zoom);
    const int py = view_math::TruncToInt(h + GetVertOrigin() * Zoom);
    const char horizontal = ViewKind == kSideView ? 'z' : 'x';
    const char vertical = ViewKind == kTopView ? 'z' : 'y';

    const Pen old = dc.SelectPen(Pen::Axis);
    if (py >= 0 && py <= bottom) {
        dc.Line({0, py}, {w, py});
        DrawLetter(dc, horizontal, w - 10, py > 12 ? py - 12 : py + 3);
    }
    if (px >= 0 && px <= w) {
        dc.Line({px, 0}, {px, bottom});
        DrawLetter(dc, vertical, px + 5 <= w - 8 ? px + 5 : px - 10, 2);
    }
    dc.SelectPen(old);
}
