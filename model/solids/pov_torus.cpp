#include "model/solids/pov_torus.h"

#include "model/name_counters.h"
#include "model/solids/ring_outline.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovTorus::CPovTorus() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0), Vector(0.5, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_TORUS, g_NameCounters.Torus);
}

void CPovTorus::SetNameCounter(long value) {
    g_NameCounters.Torus = value;
}
long CPovTorus::GetNameCounter() const {
    return g_NameCounters.Torus;
}

void CPovTorus::UpdateGeometry() {
    ResetGeometry();
    const double r = MinorRadius();
    Outline.reserve(144);
    // twelve rings around the y axis, one per 30-degree step around the tube
    for (int k = 0; k < 12; ++k)
        AppendRing(Outline, r * kRingCos[k], 1.0 + r * kRingSin[k]);
    PlaceOutline();
}

void CPovTorus::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Torus, parent * GlTransform(), SolidColour(),
                    static_cast<float>(MinorRadius()));
}

void CPovTorus::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                     int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 if (p.size() < 144)
                     return;
                 for (size_t k = 0; k < 12; ++k)
                     DrawClosedRun(d, p, 12 * k, 12);
                 // cross-sections of the tube, one per angle around the axis
                 for (size_t j = 0; j < 12; ++j) {
                     PixelPoint run[13];
                     for (size_t k = 0; k < 12; ++k)
                         run[k] = p[12 * k + j];
                     run[12] = run[0];
                     d.Polyline(run, 13);
                 }
             });
}

int CPovTorus::WriteScene(SceneText& out) {
    std::string head;
    orv::AppendFormat(head, "#declare %s = ", GetName());
    std::string geometry;
    orv::AppendFormat(geometry, "  1.0 %.4f\r\n", MinorRadius());
    WriteSolidBlock(out, head, LoadString(IDS_OPEN_TORUS), geometry);
    return 1;
}

int CPovTorus::EditProperties() {
    return EditWithSheet(IDS_CAPTION_TORUS);
}
