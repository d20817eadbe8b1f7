#include "model/solids/pov_cone.h"

#include "model/name_counters.h"
#include "model/solids/ring_outline.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovCone::CPovCone() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_CONE, g_NameCounters.Cone);
}

void CPovCone::SetNameCounter(long value) {
    g_NameCounters.Cone = value;
}
long CPovCone::GetNameCounter() const {
    return g_NameCounters.Cone;
}

void CPovCone::UpdateGeometry() {
    ResetGeometry();
    Outline.reserve(13);
    AppendRing(Outline, 0.0, 1.0);
    Outline.emplace_back(0.0, 1.0, 0.0);  // apex
    PlaceOutline();
}

void CPovCone::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Cone, parent * GlTransform(), SolidColour());
}

void CPovCone::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                    int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawClosedRun(d, p, 0, 12);
                 // triangles joining pairs of base points to the apex
                 const size_t apex = 12;
                 for (size_t k = 0; k < 6; ++k)
                     DrawIndexed(d, p, {2 * k, 2 * k + 1, apex, 2 * k});
             });
}

int CPovCone::WriteScene(SceneText& out) {
    std::string head;
    orv::AppendFormat(head, "#declare %s = ", GetName());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_CONE),
                    "  <0.0,0.0,0.0>,1.0,<0.0,1.0,0.0>,0.0\r\n");
    return 1;
}

int CPovCone::EditProperties() {
    return EditWithSheet(IDS_CAPTION_CONE);
}
