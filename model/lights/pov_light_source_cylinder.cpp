#include "model/lights/pov_light_source_cylinder.h"

#include <cmath>

#include "model/field_sink.h"
#include "model/lights/light_support.h"
#include "model/lights/pov_look_at.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovLightSourceCylinder::CPovLightSourceCylinder() {
    InstallSteps({Vector(0, 4, 0), Vector(0, 0, 0), Vector(0, 0, 0)});
    PrependChild(this, new CPovLookAt());
    UpdateGeometry();
    // the same prefix as the spot light, with a counter of its own
    AssignDefaultName(IDS_PREFIX_SPOT, g_NameCounters.LightCylinder);
}

void CPovLightSourceCylinder::SetNameCounter(long value) {
    g_NameCounters.LightCylinder = value;
}
long CPovLightSourceCylinder::GetNameCounter() const {
    return g_NameCounters.LightCylinder;
}

void CPovLightSourceCylinder::UpdateGeometry() {
    ResetGeometry();
    double distance = ScaleStep().Z;
    if (const CPovObject* lookAt = lights::FindLookAt(*this))
        lights::AimLight(Translation(), lookAt->Translation(), RotationStep(), distance);

    // Two cylinders from the light to the look-at point, sized by Radius and by Falloff. The
    // scale step keeps the outer one's size.
    for (const double angle : {Radius, Falloff}) {
        const double across = std::sin(angle * lights::kLightDegree) * distance;
        ScaleStep().X = across;
        ScaleStep().Y = across;
        ScaleStep().Z = distance;
        ComputeModelMatrix();
        std::vector<Point3> cylinder;
        lights::AppendRing(cylinder, 0.0);
        lights::AppendRing(cylinder, 1.0);
        for (Point3& p : cylinder)
            Outline.push_back(p.Transform(ModelMatrix));
    }
    BoundOutline();
}

bool CPovLightSourceCylinder::DescribeLight(SolidLight& light) const {
    if (!IsPresent())
        return false;
    const Vector& t = Translation();
    // w = 0: a directional light
    light.position = {static_cast<float>(-t.X), static_cast<float>(t.Y), static_cast<float>(t.Z),
                      0.0f};
    light.diffuse = {1.0f, 1.0f, 1.0f, 1.0f};
    light.specular = {1.0f, 1.0f, 1.0f, 1.0f};
    return true;
}

void CPovLightSourceCylinder::Draw(IViewPort& view, IDeviceContext* dc, double originX,
                                   double originY, int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        lights::SetUpGlLight(*this, view);
        return;
    }
    const bool drawn = DrawWire(view, dc, originX, originY, width, height, zoom,
                                [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                                    for (size_t base = 0; base < 48; base += 24) {
                                        DrawClosedRun(d, p, base, 12);
                                        DrawClosedRun(d, p, base + 12, 12);
                                        for (size_t k = 0; k < 12; ++k)
                                            DrawIndexed(d, p, {base + k, base + 12 + k});
                                    }
                                });
    // a culled owner leaves its look-at point out too, so no line leads out of the view
    if (drawn)
        CPovObject::Draw(view, dc, originX, originY, width, height, zoom);
}

int CPovLightSourceCylinder::WriteScene(SceneText& out) {
    lights::WriteLightHead(out, *this, LightColor);
    out.Write("  cylinder\r\n");
    if (CPovObject* lookAt = lights::FindLookAt(*this))
        lookAt->WriteSceneText(out);
    out.Printf("  radius %.4f\r\n", Radius);
    out.Printf("  falloff %.4f\r\n", Falloff);
    out.Printf("  tightness %.4f\r\n", Tightness);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
    return 1;
}

int CPovLightSourceCylinder::EditProperties() {
    return EditWithSheet(IDS_CAPTION_LIGHT_CYLINDER);
}

void CPovLightSourceCylinder::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovLightSourceCylinder&>(target);
    t.LightColor = LightColor;
    t.Radius = Radius;
    t.Tightness = Tightness;
    t.Falloff = Falloff;
}

void CPovLightSourceCylinder::VisitFields(FieldSink& sink) const {
    sink.Integer("LightColor", LightColor);
    sink.Number("Radius", Radius);
    sink.Number("Tightness", Tightness);
    sink.Number("Falloff", Falloff);
}
