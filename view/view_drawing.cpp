// The drawing pass of a view through the device context: the grid of the orthographic views
// and the objects' wire frames, and the camera view's projection when OpenGL is off.
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "view/orvanta_view.h"
#include "view/view_math.h"

namespace {

// Where the grid lines start below (or left of) the origin: the origin's distance to the
// line before it, with the origin's sign.
double GridRemainder(int origin, double grid) {
    if (grid < 1.0) {
        const int step = view_math::TruncToInt((grid + 0.000001) * 10);
        return (static_cast<long long>(origin) * 10 % step) * 0.1;
    }
    return origin % view_math::TruncToInt(grid);
}

}  // namespace

void COrvantaView::OnDraw(IDeviceContext& dc) {
    DrawPicture(dc, nullptr);
}

CPovObject* COrvantaView::LiveTree() const {
    CPovObject* tree = SelectedObject;
    while (tree && tree->Parent)
        tree = tree->Parent;
    return tree;
}

void COrvantaView::DrawTree(IDeviceContext& dc, CPovObject* tree) {
    if (!tree || ViewKind == kCameraView)
        return;
    tree->Draw(*this, &dc, GetHorzOrigin(), GetVertOrigin(), clientWidth_, clientHeight_, Zoom);
}

CPovObject* COrvantaView::TopLevelObject(const CPovObject* object) const {
    for (CPovObject* o = document_.Objects; o; o = o->NextSibling)
        if (o == object)
            return o;
    return nullptr;
}

void COrvantaView::DrawPicture(IDeviceContext& dc, const CPovObject* leftOut) {
    double sx = GetHorzOrigin();
    double sy = GetVertOrigin();
    const int width = clientWidth_;
    const int height = clientHeight_;
    const COrvantaDoc& doc = document_;
    const bool camera = ViewKind == kCameraView;

    if (camera && !UseOpenGL && doc.CameraChanged && doc.Camera && doc.Camera->IsPresent()) {
        ProjectForCamera();
        sy = view_math::TruncToInt((-height / 2) / Zoom);
        sx = view_math::TruncToInt((-width / 2) / Zoom);
    }
    if (camera && doc.Camera && !doc.Camera->IsPresent())
        return;  // the camera was deleted: the view stays empty
    if (!camera) {
        DrawGrid(dc);
        DrawAxes(dc);
    }
    if (camera && UseOpenGL)
        return;  // RenderCamera draws the objects with OpenGL
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        // a large scene does not fit the cache: ask for the next object while this one draws
        if (const CPovObject* next = o->NextSibling) {
            __builtin_prefetch(next->Outline.data());
            if (const CPovObject* after = next->NextSibling) {
                __builtin_prefetch(after);
                __builtin_prefetch(reinterpret_cast<const char*>(after) + 64);
            }
        }
        if ((camera && IsLightKind(o->GetType())) || o == leftOut)
            continue;
        o->Draw(*this, &dc, sx, sy, width, height, Zoom);
    }
}

void COrvantaView::ProjectForCamera() {
    CPovObject* camera = document_.Camera;
    const Vector& position = camera->Translation();
    const Vector& rotation = camera->RotationStep();
    const Vector translate(-position.X, -position.Y, -position.Z);
    const Vector rotate1(0, -rotation.Y, 0);
    const Vector rotate2(-rotation.X, 0, 0);
    const Vector rotate3(0, 0, -rotation.Z);
    if (camera->ProjectionStale) {
        for (CPovObject* o = document_.Objects; o; o = o->NextSibling)
            o->MarkProjectionStale(true);
    }
    for (CPovObject* o = document_.Objects; o; o = o->NextSibling)
        if (o->ProjectionStale)
            o->ProjectForCamera(translate, rotate1, rotate2, rotate3);
    camera->ProjectionStale = 0;
}

void COrvantaView::DrawGrid(IDeviceContext& dc) const {
    // lines closer than 4.9 pixels are not drawn; a zoom below 1 only comes from damage
    if (view_math::TruncToInt(Grid * 10) <= 0 || !(Zoom >= 1.0) || !(Grid > 4.9 / Zoom))
        return;
    const Pen old = dc.SelectPen(Pen::Grid);
    const double h = windowHeight_ - 20;
    const int w = clientWidth_;

    // horizontal lines, from the first one at or below the bottom edge upwards
    const int sy = view_math::TruncToInt(GetVertOrigin());
    double v = sy - GridRemainder(sy, Grid);
    double y = 0;
    do {
        y = h - (v - sy) * Zoom;
        const int py = view_math::TruncToInt(y);
        dc.Line({0, py}, {w, py});
        v += Grid;
    } while (y > 0);

    // vertical lines, from the first one at or left of the left edge to the right
    const int sx = view_math::TruncToInt(GetHorzOrigin());
    const int bottom = view_math::TruncToInt(h + 20);
    v = sx - GridRemainder(sx, Grid);
    double x = 0;
    do {
        x = (v - sx) * Zoom;
        const int px = view_math::TruncToInt(x);
        dc.Line({px, 0}, {px, bottom});
        v += Grid;
    } while (x < w);

    dc.SelectPen(old);
}
