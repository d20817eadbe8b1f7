#include "model/lights/pov_look_at.h"

#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovLookAt::CPovLookAt() {
    InstallSteps({Vector(0, 0, 0)});
    UpdateGeometry();
    Name = LoadString(IDS_NAME_LOOKAT);
}

void CPovLookAt::SetNameCounter(long value) {
    g_NameCounters.LookAt = value;
}
long CPovLookAt::GetNameCounter() const {
    return g_NameCounters.LookAt;
}

void CPovLookAt::Select(IViewPort&) {
    if (IsPresent())
        Selected = 1;
}

void CPovLookAt::Deselect(IViewPort&) {
    if (IsPresent())
        Selected = 0;
}

PixelRect CPovLookAt::GetScreenRect(const IViewPort& view) const {
    PixelRect r = CPovObject::GetScreenRect(view);
    r.left -= 5;
    r.top -= 5;
    r.right += 5;
    r.bottom += 5;
    return r;
}

void CPovLookAt::UpdateGeometry() {
    ResetGeometry();
    const Vector& p = Translation();
    MinX = MaxX = p.X;
    MinY = MaxY = p.Y;
    MinZ = MaxZ = p.Z;
    // the owner aims at this point
    if (Parent)
        Parent->UpdateGeometry();
}

void CPovLookAt::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int, int,
                      double zoom) {
    if (!dc || !IsPresent() || view.GetUseOpenGL() || view.GetViewKind() == kCameraView)
        return;
    const Vector& p = Translation();
    const PixelPoint own = MapPoint(view, p.X, p.Y, p.Z, originX, originY, zoom);
    const Pen old = dc->SelectPen(IsSelected() ? Pen::Selection : Pen::Text);
    dc->Circle(own, 5);
    if (Parent) {
        const Vector& o = Parent->Translation();
        dc->Line(own, MapPoint(view, o.X, o.Y, o.Z, originX, originY, zoom));
    }
    dc->SelectPen(old);
}

int CPovLookAt::WriteScene(SceneText& out) {
    const Vector& p = Translation();
    if (Parent && Parent->GetType() == kKindCamera)
        out.Printf("  look_at <%.4f,%.4f,%.4f>\r\n", p.X, p.Y, p.Z);
    else
        out.Printf("  point_at <%.4f,%.4f,%.4f>\r\n", p.X, p.Y, p.Z);
    return 1;
}
