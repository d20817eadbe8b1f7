#include "model/lights/pov_light_source_spot.h"

#include <cmath>

#include "model/field_sink.h"
#include "model/lights/light_support.h"
#include "model/lights/pov_look_at.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovLightSourceSpot::CPovLightSourceSpot() {
    InstallSteps({Vector(0, 4, 0), Vector(0, 0, 0), Vector(0, 0, 0)});
    PrependChild(this, new CPovLookAt());
    UpdateGeometry();
    AssignDefaultName(IDS_PREFIX_SPOT, g_NameCounters.LightSpot);
}

void CPovLightSourceSpot::SetNameCounter(long value) {
    g_NameCounters.LightSpot = value;
}
long CPovLightSourceSpot::GetNameCounter() const {
    return g_NameCounters.LightSpot;
}

void CPovLightSourceSpot::UpdateGeometry() {
    ResetGeometry();
    double distance = ScaleStep().Z;
    if (const CPovObject* lookAt = lights::FindLookAt(*this))
        lights::AimLight(Translation(), lookAt->Translation(), RotationStep(), distance);

    // Two cones from the light to the look-at point: the inner one opens by Radius, the outer
    // one by Falloff. The scale step keeps the outer one's size.
    for (const double angle : {Radius, Falloff}) {
        const double across = std::sin(angle * lights::kLightDegree) * distance;
        ScaleStep().X = across;
        ScaleStep().Y = across;
        ScaleStep().Z = distance;
        ComputeModelMatrix();
        std::vector<Point3> cone;
        lights::AppendRing(cone, 1.0);
        cone.emplace_back(0, 0, 0);
        for (Point3& p : cone)
            Outline.push_back(p.Transform(ModelMatrix));
    }
    BoundOutline();
}

bool CPovLightSourceSpot::DescribeLight(SolidLight& light) const {
    if (!IsPresent())
        return false;
    const Vector& t = Translation();
    const CPovObject* lookAt = lights::FindLookAt(*this);
    const Vector a = lookAt ? lookAt->Translation() : Vector();
    light.position = {static_cast<float>(-t.X), static_cast<float>(t.Y), static_cast<float>(t.Z),
                      1.0f};
    light.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.specular = {static_cast<float>(lights::ColorChannel(LightColor, 0)),
                      static_cast<float>(lights::ColorChannel(LightColor, 1)),
                      static_cast<float>(lights::ColorChannel(LightColor, 2)), 1.0f};
    light.twoSided = true;
    // towards the look-at point, x mirrored
    light.spot = true;
    light.direction = {static_cast<float>(t.X - a.X), static_cast<float>(a.Y - t.Y),
                       static_cast<float>(a.Z - t.Z)};
    light.cutoff = static_cast<float>(Falloff);
    return true;
}

void CPovLightSourceSpot::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                               int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        lights::SetUpGlLight(*this, view);
        return;
    }
    const bool drawn = DrawWire(
        view, dc, originX, originY, width, height, zoom,
        [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
            for (size_t cone = 0; cone < 26; cone += 13) {
                DrawClosedRun(d, p, cone, 12);
                const size_t apex = cone + 12;
                for (size_t k = 0; k < 6; ++k)
                    DrawIndexed(d, p, {cone + 2 * k, cone + 2 * k + 1, apex, cone + 2 * k});
            }
        });
    // a culled owner leaves its look-at point out too, so no line leads out of the view
    if (drawn)
        CPovObject::Draw(view, dc, originX, originY, width, height, zoom);
}

int CPovLightSourceSpot::WriteScene(SceneText& out) {
    lights::WriteLightHead(out, *this, LightColor);
    out.Write("  spotlight\r\n");
    if (CPovObject* lookAt = lights::FindLookAt(*this))
        lookAt->WriteSceneText(out);
    out.Printf("  radius %.4f\r\n", Radius);
    out.Printf("  falloff %.4f\r\n", Falloff);
    out.Printf("  tightness %.4f\r\n", Tightness);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
    return 1;
}

int CPovLightSourceSpot::EditProperties() {
    return EditWithSheet(IDS_CAPTION_SPOT);
}

void CPovLightSourceSpot::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovLightSourceSpot&>(target);
    t.LightColor = LightColor;
    t.Radius = Radius;
    t.Tightness = Tightness;
    t.Falloff = Falloff;
}

void CPovLightSourceSpot::VisitFields(FieldSink& sink) const {
    sink.Integer("LightColor", LightColor);
    sink.Number("Radius", Radius);
    sink.Number("Tightness", Tightness);
    sink.Number("Falloff", Falloff);
}
