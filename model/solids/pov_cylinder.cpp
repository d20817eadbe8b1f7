#include "model/solids/pov_cylinder.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/solids/ring_outline.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovCylinder::CPovCylinder() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Strength = 1.0;
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_CYLINDER, g_NameCounters.Cylinder);
}

void CPovCylinder::SetNameCounter(long value) {
    g_NameCounters.Cylinder = value;
}
long CPovCylinder::GetNameCounter() const {
    return g_NameCounters.Cylinder;
}

void CPovCylinder::UpdateGeometry() {
    ResetGeometry();
    Outline.reserve(24);
    AppendRing(Outline, 0.5, 1.0);
    AppendRing(Outline, -0.5, 1.0);
    PlaceOutline();
}

void CPovCylinder::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Cylinder, parent * GlTransform(), SolidColour());
}

void CPovCylinder::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                        int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawClosedRun(d, p, 0, 12);
                 DrawClosedRun(d, p, 12, 12);
                 for (size_t i = 0; i < 12; ++i)
                     DrawIndexed(d, p, {i, 12 + i});
             });
}

int CPovCylinder::WriteScene(SceneText& out) {
    WriteBlobComponentBlock(out, LoadString(IDS_OPEN_CYLINDER),
                            "  <0.0,-0.5,0.0>,<0.0,0.5,0.0>,1.0", Strength);
    return 1;
}

int CPovCylinder::EditProperties() {
    return EditWithSheet(IDS_CAPTION_CYLINDER);
}

void CPovCylinder::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovCylinder&>(target);
    t.Strength = Strength;
}

void CPovCylinder::VisitFields(FieldSink& sink) const {
    sink.Number("Strength", Strength);
}
