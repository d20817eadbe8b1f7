// The orthographic views' navigation: zoom about a point, zoom to fit the scene, and the
// mouse wheel. The scroll bars hold whole world units, so a kept point can move by up to
// half a unit.
#include <algorithm>
#include <cmath>

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "view/orvanta_view.h"
#include "view/view_math.h"
#include "view/view_navigation.h"

namespace {

int RoundToInt(double value) {
    return view_math::TruncToInt(std::round(value));
}

// the box of every present object along the view's screen axes; false when there is none
bool SceneBox(const CPovObject* first, int viewKind, view_nav::WorldBox& box) {
    bool any = false;
    const CPovObject* o = first;
    while (o) {
        const bool present = o->IsPresent();
        if (present && !o->Outline.empty()) {
            double minH = o->MinX, maxH = o->MaxX, minV = o->MinY, maxV = o->MaxY;
            if (viewKind == kTopView) {
                minV = o->MinZ;
                maxV = o->MaxZ;
            } else if (viewKind == kSideView) {
                minH = o->MinZ;
                maxH = o->MaxZ;
            }
            if (std::isfinite(minH) && std::isfinite(maxH) && std::isfinite(minV) &&
                std::isfinite(maxV)) {
                if (!any)
                    box = {minH, maxH, minV, maxV};
                box.minH = std::min(box.minH, minH);
                box.maxH = std::max(box.maxH, maxH);
                box.minV = std::min(box.minV, minV);
                box.maxV = std::max(box.maxV, maxV);
                any = true;
            }
        }
        // a deleted object's children are gone with it
        if (present && o->FirstChild) {
            o = o->FirstChild;
            continue;
        }
        while (o && !o->NextSibling)
            o = o->Parent;
        o = o ? o->NextSibling : nullptr;
    }
    return any;
}

}  // namespace

void COrvantaView::ZoomAbout(double zoom, int x, int y) {
    ZoomAbout(zoom, x, y, false);
}

void COrvantaView::ZoomAbout(double zoom, int x, int y, bool integerRanges) {
    if (ViewKind == kCameraView || !(zoom >= view_nav::kMinZoom))
        return;
    const PixelPoint p = FlippedPoint(x, y);
    const double oldZoom = Zoom >= view_nav::kMinZoom ? Zoom : zoom;
    const double h = view_nav::OriginKeepingPixel(GetHorzOrigin(), p.x, oldZoom, zoom);
    const double v = view_nav::OriginKeepingPixel(GetVertOrigin(), p.y, oldZoom, zoom);
    Zoom = zoom;
    if (int* stored = StoredZoom())
        *stored = view_math::TruncToInt(Zoom);
    SetScrollRanges(integerRanges);
    scrollBars_.SetPosition(ScrollBar::Horizontal, RoundToInt(h));
    scrollBars_.SetPosition(ScrollBar::Vertical, -RoundToInt(v));
    Redraw();
}

void COrvantaView::ZoomAboutCentre(double zoom, bool integerRanges) {
    ZoomAbout(zoom, clientWidth_ / 2, clientHeight_ / 2, integerRanges);
}

void COrvantaView::ZoomToFit() {
    if (ViewKind == kCameraView)
        return;
    view_nav::WorldBox box{-5, 5, -5, 5};  // an empty scene shows the origin
    SceneBox(document_.Objects, ViewKind, box);
    // the usable height is the one the vertical mapping counts from
    const int height = std::max(1, windowHeight_ - 20);
    const view_nav::Fit fit = view_nav::FitBox(box, clientWidth_, height);
    Zoom = fit.zoom;
    if (int* stored = StoredZoom())
        *stored = view_math::TruncToInt(Zoom);
    SetScrollRanges(false);
    scrollBars_.SetPosition(ScrollBar::Horizontal, RoundToInt(fit.originH));
    scrollBars_.SetPosition(ScrollBar::Vertical, -RoundToInt(fit.originV));
    Redraw();
}

void COrvantaView::OnWheel(int x, int y, int steps, bool shift, bool control) {
    if (ViewKind == kCameraView || steps == 0)
        return;
    if (control) {
        ZoomAbout(view_nav::WheelZoom(Zoom, steps), x, y);
        return;
    }
    // a notch moves the picture by about 40 pixels, at least one world unit
    const int units = std::max(1, RoundToInt(40 / std::max(1.0, Zoom))) * std::abs(steps);
    if (shift) {
        // away from the user shows what is further left
        const int position = scrollBars_.Position(ScrollBar::Horizontal);
        scrollBars_.SetPosition(ScrollBar::Horizontal,
                                steps > 0 ? position - units : position + units);
    } else {
        // away from the user shows what is further up
        const int position = scrollBars_.Position(ScrollBar::Vertical);
        scrollBars_.SetPosition(ScrollBar::Vertical,
                                steps > 0 ? position - units : position + units);
    }
    Redraw();
}
