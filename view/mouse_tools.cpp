// The mouse tools of the orthographic views: picking with either button, dragging to move or
// resize the picked object, properties, walking up the CSG hierarchy, and the coordinate
// text of the status bar. The camera view takes no part in picking or dragging.
#include <optional>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "model/text_format.h"
#include "resources/string_table.h"
#include "view/frame_link.h"
#include "view/orvanta_view.h"
#include "view/view_math.h"
#include "view/view_navigation.h"

namespace {

// Counts a mouse handler in and out; a handler entered again while it runs returns at once.
class BusyGuard {
  public:
    explicit BusyGuard(int& busy) : busy_(busy) { ++busy_; }
    ~BusyGuard() { --busy_; }
    BusyGuard(const BusyGuard&) = delete;
    BusyGuard& operator=(const BusyGuard&) = delete;

  private:
    int& busy_;
};

// next object of the tree in pre-order after o when o's children are skipped
CPovObject* NextSkippingChildren(CPovObject* o) {
    while (o && !o->NextSibling)
        o = o->Parent;
    return o ? o->NextSibling : nullptr;
}

// The scale a resize drag changes: the top-level object's (a member passes the resize up);
// none for an object without a scale step.
std::optional<Vector> ResizedScale(const CPovObject* o) {
    while (o->Parent)
        o = o->Parent;
    if (o->Steps.size() <= kStepScale)
        return std::nullopt;
    return o->ScaleStep();
}

}  // namespace

PixelPoint COrvantaView::FlippedPoint(int x, int y) const {
    if (ViewKind == kCameraView)
        return {x, y};
    const double h = windowHeight_ - 20;
    return {x, view_math::TruncToInt(h - y)};
}

std::string COrvantaView::CoordinateText(int x, int y) const {
    const PixelPoint p = FlippedPoint(x, y);
    const double sx = GetHorzOrigin();
    const double sy = GetVertOrigin();
    int format = IDS_FORMAT_XY;
    if (ViewKind == kTopView)
        format = IDS_FORMAT_XZ;
    else if (ViewKind == kSideView)
        format = IDS_FORMAT_ZY;
    return orv::Format(LoadString(format), (sx * Zoom + p.x) / Zoom, (sy * Zoom + p.y) / Zoom);
}

// The objects' screen rectangles are in window pixels with y growing downwards, so they are
// tested with the client point itself; the flipped point serves the drag steps.
void COrvantaView::Pick(PixelPoint point, bool leftButton) {
    SelectedObject = nullptr;
    CPovObject* q = document_.Objects;
    while (q) {
        if (q->HitTest(*this, point) && (!SelectedObject || q->IsSelected())) {
            if (SelectedObject && leftButton)
                SelectedObject->Deselect(*this);
            SelectedObject = q;
        }
        if (q->IsSelected())
            q->Deselect(*this);
        // a picked object's children are not searched, except the camera's look-at point
        if (q->FirstChild && (q != SelectedObject || q->GetType() == kKindCamera))
            q = q->FirstChild;
        else
            q = NextSkippingChildren(q);
    }
    if (SelectedObject)
        SelectedObject->Select(*this);
}

void COrvantaView::BeginDragStep() {
    if (dragStepOpen_ || !SelectedObject)
        return;
    EditHistory& history = document_.History();
    history.Begin(
        StepLabel(document_.ResizeMode ? "Größe ändern" : "Verschieben", *SelectedObject));
    history.RecordObject(*SelectedObject);
    dragStepOpen_ = true;
}

void COrvantaView::EndDragStep() {
    if (!dragStepOpen_)
        return;
    dragStepOpen_ = false;
    document_.History().Commit();
}

void COrvantaView::ForgetObjects(const std::function<bool(const CPovObject*)>& leftScene) {
    if (SelectedObject && leftScene(SelectedObject))
        SelectedObject = nullptr;
}

void COrvantaView::OnLButtonDown(int x, int y) {
    if (ViewKind == kCameraView || MouseBusy)
        return;
    BusyGuard busy(MouseBusy);
    // a release outside the window went unseen: that drag ends here
    EndDragStep();
    const PixelPoint point = FlippedPoint(x, y);
    LastMouseX = point.x;
    LastMouseY = point.y;
    Pick({x, y}, true);
    if (SelectedObject && !SelectedObject->Steps.empty())
        dragStart_ = SelectedObject->Translation();
    dragH_ = 0;
    dragV_ = 0;
    Dragging = 1;
    Redraw();
}

void COrvantaView::OnRButtonDown(int x, int y) {
    if (ViewKind == kCameraView)
        return;
    Pick({x, y}, false);
    Redraw();
}

void COrvantaView::OnMouseMove(int x, int y) {
    if (ViewKind == kCameraView || MouseBusy)
        return;
    BusyGuard busy(MouseBusy);
    GetFrameLink().CoordinateText() = CoordinateText(x, y);
    if (!Dragging)
        return;
    const PixelPoint point = FlippedPoint(x, y);
    if (SelectedObject) {
        BeginDragStep();
        // world units, neither rounded nor snapped to the grid
        const double dh = (point.x - LastMouseX) / Zoom;
        const double dv = (point.y - LastMouseY) / Zoom;
        if (document_.ResizeMode) {
            // the position follows by half, so that the opposite side stays in place; not
            // when the size stopped at its smallest
            const std::optional<Vector> before = ResizedScale(SelectedObject);
            SelectedObject->ResizeBy(dh, dv, *this);
            const std::optional<Vector> after = ResizedScale(SelectedObject);
            if (!before || after->X != before->X || after->Y != before->Y || after->Z != before->Z)
                SelectedObject->MoveBy(dh * 0.5, dv * 0.5, *this);
        } else if (SnapToGrid && Grid > 0 && !SelectedObject->Parent &&
                   !SelectedObject->Steps.empty()) {
            MoveSnapped(dh, dv);
        } else {
            SelectedObject->MoveBy(dh, dv, *this);
        }
        LastMouseX = point.x;
        LastMouseY = point.y;
    }
    RedrawLive();
}

void COrvantaView::MoveSnapped(double dh, double dv) {
    // the object goes where the mouse's whole way since the press puts it, on the grid
    dragH_ += dh;
    dragV_ += dv;
    const Vector& now = SelectedObject->Translation();
    double startH = dragStart_.X, startV = dragStart_.Y, nowH = now.X, nowV = now.Y;
    if (ViewKind == kTopView) {
        startV = dragStart_.Z;
        nowV = now.Z;
    } else if (ViewKind == kSideView) {
        startH = dragStart_.Z;
        nowH = now.Z;
    }
    const double h = view_nav::SnapToGrid(startH + dragH_, Grid);
    const double v = view_nav::SnapToGrid(startV + dragV_, Grid);
    if (h != nowH || v != nowV)
        SelectedObject->MoveBy(h - nowH, v - nowV, *this);
}

void COrvantaView::OnDeselect() {
    if (SelectedObject) {
        SelectedObject->Deselect(*this);
        SelectedObject = nullptr;
    }
    if (CPovObject* current = document_.CurrentObject)
        current->Deselect(*this);
    document_.CurrentObject = nullptr;
    Dragging = 0;
    EndDragStep();
    document_.UpdateAllViews(this);
    Redraw();
}

void COrvantaView::OnLButtonUp(int, int) {
    Dragging = 0;
    EndDragStep();
    if (ViewKind == kCameraView)
        return;
    document_.UpdateAllViews(this);
    GetFrameLink().ResetToolBarRepaints();
}

void COrvantaView::OnLButtonDblClk(int, int) {
    if (ViewKind == kCameraView || !SelectedObject)
        return;
    EndDragStep();
    // the sheet's OK, and what its pages apply at once, are one step
    EditStep step(document_, StepLabel("Eigenschaften", *SelectedObject));
    step.Record(*SelectedObject);
    if (SelectedObject->EditProperties() == 1)
        document_.UpdateAllViews(nullptr);
}

void COrvantaView::OnProperties() {
    if (!SelectedObject)
        return;
    EditStep step(document_, StepLabel("Eigenschaften", *SelectedObject));
    step.Record(*SelectedObject);
    SelectedObject->EditProperties();
    document_.UpdateAllViews(this);
    Redraw();  // the sender is left out of the update but shows the object too
}

void COrvantaView::OnSelectNextCsgLevel() {
    if (!SelectedObject)
        return;
    SelectedObject->Deselect(*this);
    if (SelectedObject->Parent)
        SelectedObject = SelectedObject->Parent;
    SelectedObject->Select(*this);
    document_.UpdateAllViews(this);
    Redraw();
}

void COrvantaView::OnSelectTopCsgLevel() {
    if (!SelectedObject)
        return;
    SelectedObject->Deselect(*this);
    while (SelectedObject->Parent)
        SelectedObject = SelectedObject->Parent;
    SelectedObject->Select(*this);
    document_.UpdateAllViews(this);
    Redraw();
}
