#include "view/orvanta_view.h"

#include <algorithm>

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "view/frame_link.h"
#include "view/view_math.h"

int NextViewKind = 0;
int ViewCount = 0;
bool SnapToGrid = false;

namespace {
// Zoom values below one pixel per unit come only from damaged settings or scene files; they
// would divide by zero or turn the grid loop around, so the view keeps its own zoom then.
bool UsableZoom(double zoom) {
    return zoom >= 1.0;
}
}  // namespace

COrvantaView::COrvantaView(COrvantaDoc& document, IScrollBars& scrollBars, IViewWindow* window)
    : document_(document), scrollBars_(scrollBars), window_(window) {
    ViewKind = NextViewKind;
    if (ViewKind != kTopView && ViewKind != kFrontView && ViewKind != kSideView &&
        ViewKind != kCameraView)
        ViewKind = kTopView;  // no such kind
    Grid = 0.0;
    Zoom = 10.0;
    PendingRenders = 0;

    const COrvantaOptions::ModellerPage& settings = document_.Settings->Modeller;
    if (ViewKind == kCameraView) {
        UseOpenGL = settings.OpenGL;
        Wireframe = settings.Wireframe;
        DepthTest = settings.DeepTest;
        Lights = settings.Lights;
    } else {
        UseOpenGL = 0;
        Grid = settings.GridOn ? settings.GridValue : 0.0;
        if (UsableZoom(settings.ZoomValue))
            Zoom = settings.ZoomValue;

        int& storedZoom = *StoredZoom();
        if (UsableZoom(storedZoom))
            Zoom = storedZoom;
        else
            storedZoom = view_math::TruncToInt(Zoom);

        double& storedGrid = *StoredGrid();
        // the side view takes any stored grid that is not 0, the others one above 0.001
        const bool take = ViewKind == kSideView ? storedGrid != 0.0 : storedGrid > 0.001;
        if (take)
            Grid = storedGrid;
        else
            storedGrid = Grid;
    }

    ScrollLimit = 2000;
    ++ViewCount;
    Dragging = 0;
    MouseBusy = 0;
    SelectedObject = nullptr;
    Active = 1;
    TextColor = window_ ? window_->SystemTextColor() : 0x000000;
    document_.AddView(this);
}

COrvantaView::~COrvantaView() {
    EndDragStep();
    document_.RemoveView(this);
    --ViewCount;
    IFrameLink& frame = GetFrameLink();
    if (ViewCount == 0 && frame.HasStandardBar())
        frame.ShowStandardBar(true);
}

int* COrvantaView::StoredZoom() const {
    switch (ViewKind) {
        case kTopView:
            return &document_.ZoomTop;
        case kFrontView:
            return &document_.ZoomFront;
        case kSideView:
            return &document_.ZoomRight;
        default:
            return nullptr;
    }
}

double* COrvantaView::StoredGrid() const {
    switch (ViewKind) {
        case kTopView:
            return &document_.GridTop;
        case kFrontView:
            return &document_.GridFront;
        case kSideView:
            return &document_.GridRight;
        default:
            return nullptr;
    }
}

// ---------------------------------------------------------------------------------------------
// mapping

double COrvantaView::GetHorzOrigin() const {
    return scrollBars_.Position(ScrollBar::Horizontal);
}

double COrvantaView::GetVertOrigin() const {
    const int position = scrollBars_.Position(ScrollBar::Vertical);
    return ViewKind == kCameraView ? position : -position;
}

Vector COrvantaView::GetViewCentre() const {
    if (ViewKind == kCameraView)
        return Vector(0, 0, 0);
    const int hw = (windowWidth_ - 20) / 2;
    const int hh = (windowHeight_ - 20) / 2;
    const double h = view_math::TruncToInt(hw / Zoom + GetHorzOrigin());
    const double v = view_math::TruncToInt(hh / Zoom + GetVertOrigin());
    switch (ViewKind) {
        case kTopView:
            return Vector(h, 0, v);
        case kSideView:
            return Vector(0, v, h);
        default:
            return Vector(h, v, 0);
    }
}

// ---------------------------------------------------------------------------------------------
// window

void COrvantaView::OnCreate(int windowWidth, int windowHeight, int clientWidth, int clientHeight) {
    windowWidth_ = windowWidth;
    windowHeight_ = windowHeight;
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    if (ViewKind == kCameraView) {
        const int h = -(clientWidth / 2);
        const int v = -(clientHeight / 2);
        scrollBars_.SetRange(ScrollBar::Horizontal, h, h);
        scrollBars_.SetPosition(ScrollBar::Horizontal, h);
        scrollBars_.SetRange(ScrollBar::Vertical, v, v);
        scrollBars_.SetPosition(ScrollBar::Vertical, v);
        scrollBars_.SetEnabled(ScrollBar::Horizontal, false);
        scrollBars_.SetEnabled(ScrollBar::Vertical, false);
        return;
    }
    scrollBars_.SetRange(ScrollBar::Horizontal, -2000,
                         view_math::TruncToInt(2000 - windowWidth / Zoom));
    scrollBars_.SetRange(ScrollBar::Vertical, -2000,
                         view_math::TruncToInt(2000 - windowHeight / Zoom));
    scrollBars_.SetPosition(ScrollBar::Horizontal, view_math::TruncToInt((windowWidth / 2) / Zoom));
    scrollBars_.SetPosition(ScrollBar::Vertical, view_math::TruncToInt((windowHeight / 2) / Zoom));
}

void COrvantaView::OnSize(int clientWidth, int clientHeight, int windowWidth, int windowHeight) {
    clientWidth_ = clientWidth;
    clientHeight_ = clientHeight;
    windowWidth_ = windowWidth;
    windowHeight_ = windowHeight;
    if (ViewKind != kCameraView) {
        SetScrollRanges(false);
        return;
    }
    const int h = -(clientWidth / 2);
    const int v = -(clientHeight / 2);
    scrollBars_.SetRange(ScrollBar::Horizontal, h, h);
    scrollBars_.SetPosition(ScrollBar::Horizontal, h);
    scrollBars_.SetRange(ScrollBar::Vertical, v, v);
    scrollBars_.SetPosition(ScrollBar::Vertical, v);
    Zoom = std::min(static_cast<double>(clientHeight), clientWidth / 1.33);
}

void COrvantaView::SetScrollRanges(bool integerDivision) {
    const int limit = ScrollLimit;
    int h = 0, v = 0;
    if (integerDivision) {
        const int zoom = std::max(1, view_math::TruncToInt(Zoom));
        h = limit - clientWidth_ / zoom;
        v = limit - clientHeight_ / zoom;
    } else {
        h = view_math::TruncToInt(limit - clientWidth_ / Zoom);
        v = view_math::TruncToInt(limit - clientHeight_ / Zoom);
    }
    scrollBars_.SetRange(ScrollBar::Horizontal, -limit, h);
    scrollBars_.SetRange(ScrollBar::Vertical, -limit, v);
}

void COrvantaView::OnActivate(bool active) {
    Active = active ? 1 : 0;
    GetFrameLink().ResetToolBarRepaints();
}

bool COrvantaView::OnEraseBackground() {
    if (ViewKind == kCameraView && UseOpenGL)
        return false;  // OpenGL clears
    if (window_)
        TextColor = window_->SystemTextColor();
    return true;
}

void COrvantaView::Redraw() {
    ++redrawRequests_;
    if (window_)
        window_->Redraw();
}

void COrvantaView::RedrawLive() {
    ++redrawRequests_;
    if (window_)
        window_->RedrawLive();
}

uint32_t COrvantaView::PenColor(Pen pen) const {
    switch (pen) {
        case Pen::Selection:
            return kSelectionColor;
        case Pen::Grid:
            return kGridColor;
        case Pen::Axis:
            return kAxisColor;
        default:
            return TextColor;
    }
}

// ---------------------------------------------------------------------------------------------
// scrolling

void COrvantaView::OnScroll(ScrollBar bar, ScrollCode code, int thumbPosition) {
    const int minimum = scrollBars_.Minimum(bar);
    const int maximum = scrollBars_.Maximum(bar);
    int position = scrollBars_.Position(bar);
    const int page = bar == ScrollBar::Vertical ? clientHeight_ : clientWidth_;
    const int pageStep = UsableZoom(Zoom) ? view_math::TruncToInt(page / Zoom) : 0;
    switch (code) {
        case ScrollCode::LineUp:
            if (position > minimum)
                --position;
            break;
        case ScrollCode::LineDown:
            if (position < maximum)
                ++position;
            break;
        case ScrollCode::PageUp:
            position = std::max(minimum, position - pageStep);
            break;
        case ScrollCode::PageDown:
            position = std::min(maximum, position + pageStep);
            break;
        case ScrollCode::Top:
            position = minimum;
            break;
        case ScrollCode::Bottom:
            position = maximum;
            break;
        case ScrollCode::ThumbTrack:
        case ScrollCode::ThumbPosition:
            position = thumbPosition;
            break;
        default:
            break;
    }
    scrollBars_.SetPosition(bar, position);
    Redraw();
}

// ---------------------------------------------------------------------------------------------
// zoom and grid

void COrvantaView::SetZoom(double zoom) {
    Zoom = zoom;
    if (int* stored = StoredZoom())
        *stored = view_math::TruncToInt(Zoom);
    SetScrollRanges(true);
    Redraw();
}

bool COrvantaView::SetUserZoom(int zoom) {
    if (zoom < 1 || zoom > 100)
        return false;
    if (ViewKind != kCameraView) {
        ZoomAboutCentre(zoom);
        return true;
    }
    Zoom = zoom;  // the scale of the camera view's own projection
    SetScrollRanges(false);
    Redraw();
    return true;
}

void COrvantaView::SetGrid(double grid) {
    Grid = grid;
    if (double* stored = StoredGrid())
        *stored = grid;
    Redraw();
}

int COrvantaView::GridCode() const {
    return view_math::TruncToInt((Grid + 0.000001) * 10);
}
