#include "model/solids/pov_plane.h"

#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovPlane::CPovPlane() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_PLANE, g_NameCounters.Plane);
}

void CPovPlane::SetNameCounter(long value) {
    g_NameCounters.Plane = value;
}
long CPovPlane::GetNameCounter() const {
    return g_NameCounters.Plane;
}

void CPovPlane::UpdateGeometry() {
    ResetGeometry();
    // a square in the plane, its centre and the three axes from the centre
    Outline = {{-1, 0, -1}, {-1, 0, 1}, {1, 0, 1}, {1, 0, -1},
               {0, 0, 0},   {0, 0, 2},  {0, 2, 0}, {2, 0, 0}};
    PlaceOutline();
}

void CPovPlane::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Plane, parent * GlTransform(), SolidColour());
}

void CPovPlane::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                     int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawClosedRun(d, p, 0, 4);
                 DrawIndexed(d, p, {4, 5, 4});
                 DrawIndexed(d, p, {4, 6, 4});
                 DrawIndexed(d, p, {4, 7, 4});
             });
}

int CPovPlane::WriteScene(SceneText& out) {
    // anything attached to the plane is written ahead of it; deleted objects are not written
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        if (c->IsPresent())
            c->WriteSceneText(out);
    std::string head;
    orv::AppendFormat(head, "\r\n#declare %s = ", GetName());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_PLANE), "");
    return 1;
}

int CPovPlane::EditProperties() {
    return EditWithSheet(IDS_CAPTION_PLANE);
}
