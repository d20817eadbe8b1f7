#include "model/solids/pov_sphere.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/solids/ring_outline.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovSphere::CPovSphere() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Strength = 10.0;
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_SPHERE, g_NameCounters.Sphere);
}

void CPovSphere::SetNameCounter(long value) {
    g_NameCounters.Sphere = value;
}
long CPovSphere::GetNameCounter() const {
    return g_NameCounters.Sphere;
}

void CPovSphere::UpdateGeometry() {
    ResetGeometry();
    Outline.reserve(62);
    AppendRing(Outline, 0.0, 1.0, 0.5, 0.866);
    AppendRing(Outline, 0.5, 0.866, 0.433, 0.749956);
    AppendRing(Outline, -0.5, 0.866, 0.433, 0.749956);
    AppendRing(Outline, 0.866, 0.5, 0.25, 0.433);
    AppendRing(Outline, -0.866, 0.5, 0.25, 0.433);
    Outline.emplace_back(0.0, 1.0, 0.0);
    Outline.emplace_back(0.0, -1.0, 0.0);
    PlaceOutline();
}

void CPovSphere::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (IsPresent())
        preview.Add(SolidShape::Sphere, parent * GlTransform(), SolidColour());
}

void CPovSphere::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                      int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 // rings of latitude: equator, +-30 degrees, +-60 degrees
                 for (size_t ring = 0; ring < 5; ++ring)
                     DrawClosedRun(d, p, 12 * ring, 12);
                 // meridians from pole to pole through the rings' points at one angle and the
                 // opposite one
                 const size_t north = 60, south = 61;
                 for (size_t k = 0; k < 6; ++k) {
                     const size_t o = k + 6;
                     DrawIndexed(d, p,
                                 {north, 36 + k, 12 + k, k, 24 + k, 48 + k, south, 48 + o, 24 + o,
                                  o, 12 + o, 36 + o, north});
                 }
             });
}

int CPovSphere::WriteScene(SceneText& out) {
    WriteBlobComponentBlock(out, LoadString(IDS_OPEN_SPHERE), "  <0.0,0.0,0.0>,1.0", Strength);
    return 1;
}

int CPovSphere::EditProperties() {
    return EditWithSheet(IDS_CAPTION_SPHERE);
}

void CPovSphere::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovSphere&>(target);
    t.Strength = Strength;
}

void CPovSphere::VisitFields(FieldSink& sink) const {
    sink.Number("Strength", Strength);
}
