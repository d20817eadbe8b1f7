#include "model/pov_object.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "model/name_counters.h"
#include "model/scene_host.h"
#include "model/solid_painter.h"
#include "platform/editor_host.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CSceneHost* CurrentDocument = nullptr;
bool LoadingScene = false;
NameCounters g_NameCounters;

void ResetModelGlobals() {
    g_NameCounters = NameCounters();
    CurrentDocument = nullptr;
    LoadingScene = false;
}

namespace {

// horizontal and vertical world axes of a view kind: 0 = x, 1 = y, 2 = z
void ViewAxes(int kind, int& horizontal, int& vertical) {
    switch (kind) {
        case kTopView:
            horizontal = 0;
            vertical = 2;
            break;
        case kSideView:
            horizontal = 2;
            vertical = 1;
            break;
        default:
            horizontal = 0;
            vertical = 1;
            break;
    }
}

double Axis(double x, double y, double z, int axis) {
    return axis == 0 ? x : (axis == 1 ? y : z);
}

// Window pixel of a world point, on the screen axes h and v of a view whose usable height is
// `height`.
PixelPoint ScreenPixel(int h, int v, double height, double x, double y, double z, double originX,
                       double originY, double zoom) {
    return {ToPixel(zoom * (Axis(x, y, z, h) - originX)),
            ToPixel(height - zoom * (Axis(x, y, z, v) - originY))};
}

// Adds (dx, dy) along the view's screen axes to a step.
void AddScreenDelta(Vector& v, double dx, double dy, int kind) {
    switch (kind) {
        case kTopView:
            v.X += dx;
            v.Z += dy;
            break;
        case kSideView:
            v.Z += dx;
            v.Y += dy;
            break;
        default:
            v.X += dx;
            v.Y += dy;
            break;
    }
}

// prefix and counter with at least three digits ("Kugel007"), as "%s%.3ld" gives it; a read
// names every object, so this is spelled out
std::string NumberedName(const std::string& prefix, long counter) {
    if (counter < 0)
        return orv::Format("%s%.3ld", prefix, counter);
    char digits[24];
    const auto end = std::to_chars(digits, digits + sizeof digits, counter).ptr;
    const size_t count = static_cast<size_t>(end - digits);
    std::string name;
    name.reserve(prefix.size() + std::max<size_t>(count, 3));
    name += prefix;
    if (count < 3)
        name.append(3 - count, '0');
    name.append(digits, count);
    return name;
}

// A drag never makes a scale component zero or turns it over (the object would vanish or
// render inside out): it stops at a small size of the component's sign.
double KeepScaleSign(double before, double after) {
    constexpr double kSmallest = 0.01;
    if (before > 0)
        return std::max(after, kSmallest);
    if (before < 0)
        return std::min(after, -kSmallest);
    return after;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// construction and lifetime

CPovObject::CPovObject(CPovObject* parent) : Parent(parent) {
    TextureSteps = {Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)};
}

CPovObject::~CPovObject() {
    if (Parent)
        UnlinkFrom(Parent->FirstChild, this);
    while (FirstChild)
        delete FirstChild;  // each child unlinks itself
}

int CPovObject::ChildCount() const {
    int n = 0;
    for (const CPovObject* c = FirstChild; c; c = c->NextSibling)
        ++n;
    return n;
}

CPovObject* CPovObject::LastChild() const {
    CPovObject* c = FirstChild;
    while (c && c->NextSibling)
        c = c->NextSibling;
    return c;
}

void CPovObject::InstallSteps(std::initializer_list<Vector> steps) {
    Steps.assign(steps.begin(), steps.end());
}

void CPovObject::SetTransformSteps(const std::vector<Vector>& steps) {
    if (&steps == &Steps)
        return;
    Steps = steps;
}

void CPovObject::SetPosition(const Vector& position) {
    Steps[kStepTranslate].X = position.X;
    Steps[kStepTranslate].Y = position.Y;
    Steps[kStepTranslate].Z = position.Z;
    UpdateGeometry();
}

void CPovObject::SetDocument(CSceneHost* document) {
    Document = document;
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->SetDocument(document);
}

// ---------------------------------------------------------------------------------------------
// names and state

void CPovObject::AssignDefaultName(int prefixStringId, long& counter) {
    AssignDefaultNameWithPrefix(LoadString(prefixStringId), counter);
}

void CPovObject::AssignDefaultNameWithPrefix(const std::string& prefix, long& counter) {
    std::string candidate = NumberedName(prefix, counter);
    const bool isGroup =
        GetType() == kKindCSG || GetType() == kKindBlob || GetType() == kKindUserObject;
    // whether a present top-level object has the name: from the reader's index while it reads
    auto taken = [](const std::string& name) {
        if (CurrentDocument->TopLevelNames)
            return CurrentDocument->TopLevelNames->IsTaken(name);
        return HasPresentNamed(CurrentDocument->Objects, name);
    };
    if ((!LoadingScene || isGroup) && CurrentDocument) {
        while (taken(candidate)) {
            ++counter;
            candidate = NumberedName(prefix, counter);
        }
    }
    Name = std::move(candidate);
    ++counter;
}

bool HasPresentNamed(const CPovObject* head, std::string_view name) {
    for (const CPovObject* o = head; o; o = o->NextSibling)
        // a deleted object's display name carries the deletion mark and never matches
        if (o->IsPresent() && o->Name == name)
            return true;
    return false;
}

std::string CPovObject::GetName() const {
    if (IsPresent())
        return Name;
    return Name + " " + LoadString(IDS_DELETED_MARK);
}

void CPovObject::SetPresent(bool present) {
    if (!present && Document && Document->CurrentObject == this) {
        Document->CurrentObject = nullptr;
        Selected = 0;
    }
    Present = present ? 1 : 0;
}

bool CPovObject::IsPresent() const {
    for (const CPovObject* o = this; o; o = o->Parent)
        if (!o->Present)
            return false;
    return true;
}

void CPovObject::MarkProjectionStale(bool stale) {
    for (CPovObject* o = this; o; o = o->Parent)
        o->ProjectionStale = stale ? 1 : 0;
}

void CPovObject::VisitFields(FieldSink&) const {}

// ---------------------------------------------------------------------------------------------
// geometry

namespace {
thread_local int g_geometryDeferrals = 0;
}

GeometryDeferral::GeometryDeferral() {
    ++g_geometryDeferrals;
}
GeometryDeferral::~GeometryDeferral() {
    --g_geometryDeferrals;
}
bool GeometryDeferral::Active() {
    return g_geometryDeferrals > 0;
}

void CPovObject::FirstGeometry() {
    // called from a constructor: UpdateGeometry is the constructing kind's own
    if (!GeometryDeferral::Active())
        UpdateGeometry();
}

void CPovObject::ResetGeometry() {
    MarkProjectionStale(true);
    Outline.clear();
    Projected.clear();
}

void CPovObject::UpdateGeometry() {
    ResetGeometry();
}

void CPovObject::ComputeModelMatrix() {
    ModelMatrix.LoadIdentity();
    ModelMatrix.Scale(Steps[kStepScale]);
    ModelMatrix.Rotate(Steps[kStepRotate]);
    ModelMatrix.Translate(Steps[kStepTranslate]);
    if (Parent)
        ModelMatrix.Multiply(Parent->GetMatrix());
}

void CPovObject::PlaceOutline() {
    ComputeModelMatrix();
    for (Point3& p : Outline)
        p.Transform(ModelMatrix);
    BoundOutline();
}

void CPovObject::BoundOutline() {
    if (Outline.empty())
        return;
    // std::min and std::max compile without branches, which the scattered points of a large
    // scene would mispredict
    double minX = Outline[0].X, maxX = minX;
    double minY = Outline[0].Y, maxY = minY;
    double minZ = Outline[0].Z, maxZ = minZ;
    for (size_t i = 1; i < Outline.size(); ++i) {
        const Point3& p = Outline[i];
        minX = std::min(minX, p.X);
        maxX = std::max(maxX, p.X);
        minY = std::min(minY, p.Y);
        maxY = std::max(maxY, p.Y);
        minZ = std::min(minZ, p.Z);
        maxZ = std::max(maxZ, p.Z);
    }
    MinX = minX;
    MaxX = maxX;
    MinY = minY;
    MaxY = maxY;
    MinZ = minZ;
    MaxZ = maxZ;
}

void CPovObject::ProjectForCamera(const Vector& translation, const Vector& rotation1,
                                  const Vector& rotation2, const Vector& rotation3) {
    bool stale = false;
    for (const CPovObject* o = this; o && !stale; o = o->Parent)
        stale = o->ProjectionStale != 0;
    if (!stale || Outline.empty())
        return;

    Projected = Outline;
    // A scratch matrix: ModelMatrix must survive, a child's UpdateGeometry reads it.
    CMatrix3D projection;
    projection.Translate(translation);
    projection.Rotate(rotation1);
    projection.Rotate(rotation2);
    projection.Rotate(rotation3);
    for (Point3& p : Projected) {
        p.Transform(projection);
        p.X /= p.Z;
        p.Y /= p.Z;
    }
    ProjectionStale = 0;
}

// ---------------------------------------------------------------------------------------------
// screen rectangle, culling, hit testing, selection

PixelRect CPovObject::GetScreenRect(const IViewPort& view) const {
    int h = 0, v = 0;
    ViewAxes(view.GetViewKind(), h, v);
    const double k = static_cast<int>(view.GetZoom());
    const double ho = view.GetHorzOrigin();
    const double vo = view.GetVertOrigin();
    const double height = view.GetWindowHeight() - 20;
    PixelRect r;
    r.left = ToPixel(k * (Axis(MinX, MinY, MinZ, h) - ho));
    r.right = ToPixel(k * (Axis(MaxX, MaxY, MaxZ, h) - ho));
    r.top = ToPixel(height - k * (Axis(MaxX, MaxY, MaxZ, v) - vo));
    r.bottom = ToPixel(height - k * (Axis(MinX, MinY, MinZ, v) - vo));
    return r;
}

bool CPovObject::IsOutsideView(const IViewPort& view, double x1, double y1, double x2, double y2,
                               double) const {
    if (view.GetViewKind() == kCameraView)
        return false;
    int h = 0, v = 0;
    ViewAxes(view.GetViewKind(), h, v);
    const double hMin = Axis(MinX, MinY, MinZ, h), hMax = Axis(MaxX, MaxY, MaxZ, h);
    const double vMin = Axis(MinX, MinY, MinZ, v), vMax = Axis(MaxX, MaxY, MaxZ, v);
    const bool overlaps = hMin < x2 && hMax > x1 && vMin < y2 && vMax > y1;
    return !overlaps;
}

bool CPovObject::HitTest(const IViewPort& view, PixelPoint point) const {
    if (!IsPresent())
        return false;
    const PixelRect r = GetScreenRect(view);
    const bool inside =
        point.x > r.left && point.x < r.right && point.y > r.top && point.y < r.bottom;
    if (!FirstChild)
        return inside;
    const int kind = GetType();
    auto childHit = [&]() {
        for (const CPovObject* c = FirstChild; c; c = c->NextSibling)
            if (c->HitTest(view, point))
                return true;
        return false;
    };
    if (Selected && (kind == kKindCSG || kind == kKindBlob))
        return childHit();
    if (kind == kKindCamera)
        return inside;
    if (kind == kKindCSG)
        return false;
    if (Selected && inside)
        return true;
    if (childHit())
        return false;
    return inside;
}

bool CPovObject::HitTestHandle(const IViewPort& view, PixelPoint point) const {
    if (!IsPresent() || !Selected)
        return false;
    const PixelRect r = GetScreenRect(view);
    const bool nearX = std::abs(point.x - r.left) < 3 || std::abs(point.x - r.right) < 3;
    const bool nearY = std::abs(point.y - r.top) < 3 || std::abs(point.y - r.bottom) < 3;
    return nearX && nearY;
}

void CPovObject::Select(IViewPort&) {
    if (!IsPresent())
        return;
    Selected = 1;
    if (Parent) {
        if (Parent->IsSelected())
            return;
        if (Document)
            Document->CurrentObject = this;
        return;
    }
    // The frame around a selected top-level object is drawn by the next drawing pass.
    if (Document)
        Document->CurrentObject = this;
}

void CPovObject::Deselect(IViewPort&) {
    if (!IsPresent())
        return;
    if (Document && Document->CurrentObject == this)
        Document->CurrentObject = nullptr;
    Selected = 0;
}

void CPovObject::DrawSelectionFrame(const IViewPort& view, IDeviceContext& dc) const {
    PixelRect r = GetScreenRect(view);
    r.right += 1;
    r.bottom += 1;
    dc.FocusRect(r);
    const PixelPoint corners[4] = {
        {r.left, r.top}, {r.left, r.bottom}, {r.right, r.bottom}, {r.right, r.top}};
    for (const PixelPoint& c : corners)
        dc.InvertRect({c.x - 3, c.y - 3, c.x + 4, c.y + 4});
}

// ---------------------------------------------------------------------------------------------
// moving and resizing

void CPovObject::MoveBy(double dx, double dy, const IViewPort& view) {
    const int kind = view.GetViewKind();
    if ((!Parent && Selected) || (Selected && GetType() == kKindLookAt)) {
        AddScreenDelta(Steps[kStepTranslate], dx, dy, kind);
    } else if (!Parent) {
        return;
    } else {
        // map the displacement into the parent's frame, from the top-level ancestor down
        std::vector<const CPovObject*> chain;
        for (const CPovObject* a = Parent; a; a = a->Parent)
            chain.push_back(a);
        CMatrix3D m;
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
            const Vector& r = (*it)->Steps[kStepRotate];
            const Vector& s = (*it)->Steps[kStepScale];
            m.Rotate(Vector(0, 0, -r.Z));
            m.Rotate(Vector(0, -r.Y, 0));
            m.Rotate(Vector(-r.X, 0, 0));
            m.Scale(Vector(1.0 / s.X, 1.0 / s.Y, 1.0 / s.Z));
        }
        Vector d;
        if (kind == kTopView)
            d = Vector(dx, 0, dy);
        else if (kind == kSideView)
            d = Vector(0, dy, dx);
        else
            d = Vector(dx, dy, 0);
        d.Transform(m);
        Vector& t = Steps[kStepTranslate];
        t.X += d.X;
        t.Y += d.Y;
        t.Z += d.Z;
    }
    UpdateGeometry();
    if (Document)
        Document->SetModifiedFlag(true);
}

void CPovObject::ResizeBy(double dx, double dy, const IViewPort& view) {
    const bool selectedLookAt = Selected && GetType() == kKindLookAt;
    if ((Parent || !Selected) && !selectedLookAt) {
        if (Parent)
            Parent->ResizeBy(dx, dy, view);
        return;
    }
    if (GetType() == kKindLookAt)
        return;

    const Vector& r = Steps[kStepRotate];
    CMatrix3D inverse;
    inverse.Rotate(Vector(0, 0, -r.Z));
    inverse.Rotate(Vector(0, -r.Y, 0));
    inverse.Rotate(Vector(-r.X, 0, 0));
    Vector s = Steps[kStepScale];
    s.Transform(inverse);
    AddScreenDelta(s, dx, dy, view.GetViewKind());
    CMatrix3D forward;
    forward.Rotate(r);
    s.Transform(forward);
    Vector& scale = Steps[kStepScale];
    scale.X = KeepScaleSign(scale.X, s.X);
    scale.Y = KeepScaleSign(scale.Y, s.Y);
    scale.Z = KeepScaleSign(scale.Z, s.Z);
    UpdateGeometry();
    if (Document)
        Document->SetModifiedFlag(true);
}

// ---------------------------------------------------------------------------------------------
// drawing

void CPovObject::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                      int width, int height, double zoom) {
    if (!IsPresent())
        return;
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->Draw(view, dc, originX, originY, width, height, zoom);
}

bool CPovObject::DrawSmall(const IViewPort& view, IDeviceContext& dc, double originX,
                           double originY, double zoom) {
    int h = 0, v = 0;
    ViewAxes(view.GetViewKind(), h, v);
    const double across = (Axis(MaxX, MaxY, MaxZ, h) - Axis(MinX, MinY, MinZ, h)) * zoom;
    const double up = (Axis(MaxX, MaxY, MaxZ, v) - Axis(MinX, MinY, MinZ, v)) * zoom;
    if (!(across < kSmallPixels && up < kSmallPixels))
        return false;
    const double height = view.GetWindowHeight() - 20;
    const Pen old = dc.SelectPen(IsSelected() ? Pen::Selection : Pen::Text);
    if (across < 1.0 && up < 1.0) {
        const PixelPoint p = ScreenPixel(h, v, height, (MinX + MaxX) / 2, (MinY + MaxY) / 2,
                                         (MinZ + MaxZ) / 2, originX, originY, zoom);
        dc.Line(p, p);
    } else {
        const PixelPoint low = ScreenPixel(h, v, height, MinX, MinY, MinZ, originX, originY, zoom);
        const PixelPoint high = ScreenPixel(h, v, height, MaxX, MaxY, MaxZ, originX, originY, zoom);
        const PixelPoint frame[5] = {low, {high.x, low.y}, high, {low.x, high.y}, low};
        dc.Polyline(frame, 5);
    }
    dc.SelectPen(old);
    if (IsSelected())
        DrawSelectionFrame(view, dc);
    return true;
}

PixelPoint CPovObject::MapPoint(const IViewPort& view, double x, double y, double z, double originX,
                                double originY, double zoom) {
    int h = 0, v = 0;
    ViewAxes(view.GetViewKind(), h, v);
    return ScreenPixel(h, v, view.GetWindowHeight() - 20, x, y, z, originX, originY, zoom);
}

bool CPovObject::DrawWire(
    IViewPort& view, IDeviceContext* dc, double originX, double originY, int width, int height,
    double zoom,
    const std::function<void(IDeviceContext&, const std::vector<PixelPoint>&)>& lines) {
    if (!dc || !IsPresent())
        return false;
    if (IsOutsideView(view, originX, originY, originX + width / zoom, originY + height / zoom,
                      zoom))
        return false;
    const bool camera = view.GetViewKind() == kCameraView;
    const std::vector<Point3>& points = camera ? Projected : Outline;
    if (points.empty())
        return false;
    if (!camera && DrawSmall(view, *dc, originX, originY, zoom))
        return true;

    // one buffer for the whole pass: a scene draws hundreds of thousands of small outlines
    thread_local std::vector<PixelPoint> pixels;
    pixels.clear();
    pixels.reserve(points.size());
    const double h = view.GetWindowHeight() - 20;
    if (camera) {
        for (const Point3& p : points) {
            // behind the camera, or at its depth where the projection has no finite point
            if (!(p.Z > 0) || !std::isfinite(p.X) || !std::isfinite(p.Y))
                return false;
            pixels.push_back({ToPixel(zoom * (p.X + 0.66)), ToPixel(h - zoom * (p.Y + 0.5))});
        }
    } else {
        int ha = 0, va = 0;
        ViewAxes(view.GetViewKind(), ha, va);
        for (const Point3& p : points)
            pixels.push_back(ScreenPixel(ha, va, h, p.X, p.Y, p.Z, originX, originY, zoom));
    }

    const Pen old = dc->SelectPen(IsSelected() ? Pen::Selection : Pen::Text);
    lines(*dc, pixels);
    dc->SelectPen(old);
    if (IsSelected() && !camera)
        DrawSelectionFrame(view, *dc);
    return true;
}

void DrawClosedRun(IDeviceContext& dc, const std::vector<PixelPoint>& p, size_t first,
                   size_t count) {
    if (count == 0 || first + count > p.size())
        return;
    PixelPoint run[64];
    std::vector<PixelPoint> big;
    PixelPoint* out = run;
    if (count + 1 > std::size(run)) {
        big.resize(count + 1);
        out = big.data();
    }
    for (size_t i = 0; i < count; ++i)
        out[i] = p[first + i];
    out[count] = p[first];
    dc.Polyline(out, count + 1);
}

void DrawIndexed(IDeviceContext& dc, const std::vector<PixelPoint>& p,
                 std::initializer_list<size_t> indices) {
    PixelPoint run[32];
    size_t n = 0;
    for (size_t i : indices) {
        if (i >= p.size() || n >= std::size(run))
            return;
        run[n++] = p[i];
    }
    dc.Polyline(run, n);
}

SolidTransform CPovObject::GlTransform() const {
    // translate (-x, y, z), then rotate z about (0, 0, -1), y about (0, -1, 0), -x about
    // (-1, 0, 0), then scale, as the glTranslate, glRotate and glScale calls would compose
    // them; worked out once, since a large scene describes every object for every picture
    const Vector& t = Steps[kStepTranslate];
    const Vector& r = Steps[kStepRotate];
    const Vector& s = Steps[kStepScale];
    const double k = std::acos(-1.0) / 180.0;
    const double cz = std::cos(r.Z * k), sz = -std::sin(r.Z * k);
    const double cy = std::cos(r.Y * k), sy = -std::sin(r.Y * k);
    const double cx = std::cos(r.X * k), sx = std::sin(r.X * k);
    SolidTransform m;
    // column-major: m[column * 4 + row]
    m.m = {cz * cy * s.X,
           sz * cy * s.X,
           -sy * s.X,
           0,
           (cz * sy * sx - sz * cx) * s.Y,
           (sz * sy * sx + cz * cx) * s.Y,
           cy * sx * s.Y,
           0,
           (cz * sy * cx + sz * sx) * s.Z,
           (sz * sy * cx - cz * sx) * s.Z,
           cy * cx * s.Z,
           0,
           -t.X,
           t.Y,
           t.Z,
           1};
    return m;
}

std::array<float, 3> CPovObject::SolidColour() const {
    const CPovObject* o = this;
    while (!o->UseOwnTexture && o->Parent)
        o = o->Parent;
    return {static_cast<float>(o->QuickColorR), static_cast<float>(o->QuickColorG),
            static_cast<float>(o->QuickColorB)};
}

void CPovObject::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (!IsPresent())
        return;
    for (const CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->DescribeSolid(preview, parent);
}

bool CPovObject::DescribeLight(SolidLight&) const {
    return false;
}

void CPovObject::DrawSolidNow(IViewPort& view) const {
    SolidPreview preview;
    DescribeSolid(preview, SolidTransform());
    SolidPainter painter;
    painter.SetWireframe(view.GetWireframe());
    painter.DrawAll(preview);
}

// ---------------------------------------------------------------------------------------------
// scene text

int CPovObject::WriteSceneText(SceneText& out) {
    out.BeginObject(this);
    const int result = WriteScene(out);
    out.EndObject();
    return result;
}

void CPovObject::WriteTexture(SceneText& out) const {
    if (!UseOwnTexture) {
        WritePov37Surface(out);
        return;
    }
    out.Printf("  //$quickcolor:$ <%.4f %.4f %.4f> \r\n", QuickColorR, QuickColorG, QuickColorB);
    out.Printf("  texture\r\n  {\r\n    %s\r\n", TextureName);
    if (WriteTextureSteps) {
        const Vector& s = TextureSteps[kStepScale];
        const Vector& r = TextureSteps[kStepRotate];
        const Vector& t = TextureSteps[kStepTranslate];
        out.Printf("    scale <%.4f,%.4f,%.4f>\r\n", s.X, s.Y, s.Z);
        out.Printf("    rotate <%.4f,%.4f,%.4f>\r\n", r.X, r.Y, r.Z);
        out.Printf("    translate <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z);
    }
    out.Write("  }\r\n");
    WritePov37Surface(out);
}

// What only POV-Ray 3.7 needs stands between "//$pov37 begin$" and "//$pov37 end$": the
// modeller's reader skips it, since the writer makes it again from the object.
void CPovObject::WritePov37Surface(SceneText& out) const {
    if (out.Level() != kPovLevel37)
        return;
    if (!UseOwnTexture) {
        // a child takes its parent's texture or pigment, as the views show it
        if (Parent)
            return;
        out.Printf("  //$quickcolor:$ <%.4f %.4f %.4f> \r\n", QuickColorR, QuickColorG,
                   QuickColorB);
        out.Write("  //$pov37 begin$\r\n");
        out.Printf("  pigment { color rgb <%.4f,%.4f,%.4f> }\r\n", QuickColorR, QuickColorG,
                   QuickColorB);
        out.Write("  //$pov37 end$\r\n");
        return;
    }
    const std::vector<std::string>* halos = out.HalosOfTexture(TextureName);
    // a blob's components take no interior: the blob's own texture brings the media
    if (!halos || (Parent && Parent->GetType() == kKindBlob))
        return;
    // the media fill the object, which must be hollow to let them in
    out.Write("  //$pov37 begin$\r\n  hollow\r\n  interior {\r\n");
    for (const std::string& halo : *halos) {
        out.Printf("    media { %s", halo);
        if (WriteTextureSteps) {
            const Vector& s = TextureSteps[kStepScale];
            const Vector& r = TextureSteps[kStepRotate];
            const Vector& t = TextureSteps[kStepTranslate];
            out.Printf(" scale <%.4f,%.4f,%.4f> rotate <%.4f,%.4f,%.4f> translate <%.4f,%.4f,%.4f>",
                       s.X, s.Y, s.Z, r.X, r.Y, r.Z, t.X, t.Y, t.Z);
        }
        out.Write(" }\r\n");
    }
    out.Write("  }\r\n  //$pov37 end$\r\n");
}

void CPovObject::WriteHollow(SceneText& out) const {
    if (Hollow)
        out.Write("  hollow\r\n");
}

void CPovObject::WriteDeclareHead(SceneText& out) const {
    out.Printf("#declare %s = ", GetName());
}

void CPovObject::WriteScaleLine(SceneText& out) const {
    const Vector& s = Steps[kStepScale];
    out.Printf("  scale <%.4f,%.4f,%.4f>\r\n", s.X, s.Y, s.Z);
}

void CPovObject::WriteRotateTranslate(SceneText& out) const {
    const Vector& r = Steps[kStepRotate];
    const Vector& t = Steps[kStepTranslate];
    out.Printf("  rotate <%.4f,%.4f,%.4f>\r\n", r.X, r.Y, r.Z);
    out.Printf("  translate <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z);
}

void CPovObject::WriteInstance(SceneText& out) const {
    if (!Parent)
        out.Printf("object {\r\n  %s\r\n}\r\n\r\n", GetName());
}

void CPovObject::WriteBlobComponentBlock(SceneText& out, std::string_view opening,
                                         std::string_view geometry, double strength) {
    const bool inBlob = Parent && Parent->GetType() == kKindBlob;
    std::string head;
    std::string line(geometry);
    if (inBlob) {
        orv::AppendFormat(head, "//$declare$ %s \r\n", GetName());
        orv::AppendFormat(line, " strength %.4f\r\n", strength);
    } else {
        orv::AppendFormat(head, "#declare %s = ", GetName());
        line += "\r\n";
    }
    WriteSolidBlock(out, head, opening, line, !inBlob);
}

void CPovObject::WriteSolidBlock(SceneText& out, std::string_view declaration,
                                 std::string_view opening, std::string_view geometry,
                                 bool withHollow) {
    out.Write(declaration);
    out.Write(opening);
    out.Write(geometry);
    WriteScaleLine(out);
    WriteTexture(out);
    WriteRotateTranslate(out);
    if (withHollow)
        WriteHollow(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
}

// ---------------------------------------------------------------------------------------------
// property sheets and copies

int CPovObject::EditWithSheet(int captionStringId) {
    const int result = GetEditorHost().EditProperties(*this, LoadString(captionStringId));
    if (result == kDialogOk && Document)
        Document->SetModifiedFlag(true);
    return result;
}

void CPovObject::CopyOwnStateTo(CPovObject& target) const {
    target.Name = Name;
    target.Hollow = Hollow;
    target.UseOwnTexture = UseOwnTexture;
    target.WriteTextureSteps = WriteTextureSteps;
    target.TextureName = TextureName;
    target.QuickColorR = QuickColorR;
    target.QuickColorG = QuickColorG;
    target.QuickColorB = QuickColorB;
    target.Steps = Steps;
    target.TextureSteps = TextureSteps;
}

CPovObject* CPovObject::Clone(CPovObject* target) {
    if (!target)
        target = NewOfKind();
    if (!target)
        return nullptr;
    std::string name = std::move(target->Name);
    CopyOwnStateTo(*target);
    target->Name = std::move(name);
    target->Present = 1;
    target->TextureSteps = {TextureSteps[0], TextureSteps[1], TextureSteps[2]};
    for (Vector& v : target->TextureSteps)
        v.Tag1 = v.Tag2 = v.Tag3 = 0;

    CPovObject* previous = nullptr;
    for (CPovObject* c = FirstChild; c; c = c->NextSibling) {
        if (c == FirstChild && c->GetType() == kKindLookAt && target->FirstChild) {
            c->Clone(target->FirstChild);
            previous = target->FirstChild;
            continue;
        }
        CPovObject* copy = c->Clone(nullptr);
        if (!copy)
            continue;
        if (!previous) {
            // a fresh object has no children of its own unless it made a look-at point
            while (target->FirstChild)
                delete target->FirstChild;
            PrependChild(target, copy);
        } else {
            copy->Parent = target;
            copy->PrevSibling = previous;
            copy->NextSibling = previous->NextSibling;
            if (previous->NextSibling)
                previous->NextSibling->PrevSibling = copy;
            previous->NextSibling = copy;
        }
        previous = copy;
    }
    return target;
}

// ---------------------------------------------------------------------------------------------
// list helpers

void LinkAtHead(CPovObject*& head, CPovObject* object) {
    object->PrevSibling = nullptr;
    object->NextSibling = head;
    if (head)
        head->PrevSibling = object;
    head = object;
}

void UnlinkFrom(CPovObject*& head, CPovObject* object) {
    if (head == object) {
        head = object->NextSibling;
    } else if (object->PrevSibling) {
        object->PrevSibling->NextSibling = object->NextSibling;
    } else {
        // not linked through PrevSibling: find the predecessor
        for (CPovObject* p = head; p; p = p->NextSibling)
            if (p->NextSibling == object) {
                p->NextSibling = object->NextSibling;
                break;
            }
    }
    if (object->NextSibling)
        object->NextSibling->PrevSibling = object->PrevSibling;
    object->NextSibling = nullptr;
    object->PrevSibling = nullptr;
}

void AppendChild(CPovObject* parent, CPovObject* child) {
    child->Parent = parent;
    child->NextSibling = nullptr;
    CPovObject* last = parent->LastChild();
    if (!last) {
        child->PrevSibling = nullptr;
        parent->FirstChild = child;
    } else {
        child->PrevSibling = last;
        last->NextSibling = child;
    }
}

void PrependChild(CPovObject* parent, CPovObject* child) {
    child->Parent = parent;
    LinkAtHead(parent->FirstChild, child);
}

void InsertChildAfter(CPovObject* parent, CPovObject* previous, CPovObject* child) {
    if (!previous) {
        PrependChild(parent, child);
        return;
    }
    child->Parent = parent;
    child->PrevSibling = previous;
    child->NextSibling = previous->NextSibling;
    if (previous->NextSibling)
        previous->NextSibling->PrevSibling = child;
    previous->NextSibling = child;
}
