#include "model/lights/pov_light_source_spot.h"

#include <GL/gl.h>

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

void CPovLightSourceSpot::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                               int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        // a deleted light must not light the scene, nor take a light number
        if (!IsPresent())
            return;
        const unsigned light = lights::NextGlLight(view);
        if (!light)
            return;
        const Vector& t = Translation();
        const CPovObject* lookAt = lights::FindLookAt(*this);
        const Vector a = lookAt ? lookAt->Translation() : Vector();
        const float position[4] = {static_cast<float>(-t.X), static_cast<float>(t.Y),
                                   static_cast<float>(t.Z), 1.0f};
        const float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
        const float specular[4] = {static_cast<float>(lights::ColorChannel(LightColor, 0)),
                                   static_cast<float>(lights::ColorChannel(LightColor, 1)),
                                   static_cast<float>(lights::ColorChannel(LightColor, 2)), 1.0f};
        // towards the look-at point, x mirrored
        const float direction[3] = {static_cast<float>(t.X - a.X), static_cast<float>(a.Y - t.Y),
                                    static_cast<float>(a.Z - t.Z)};
        glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, 1);
        glLightfv(light, GL_POSITION, position);
        glLightfv(light, GL_DIFFUSE, diffuse);
        glLightfv(light, GL_SPECULAR, specular);
        glLightfv(light, GL_SPOT_DIRECTION, direction);
        glLightf(light, GL_SPOT_CUTOFF, static_cast<float>(Falloff));
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 for (size_t cone = 0; cone < 26; cone += 13) {
                     DrawClosedRun(d, p, cone, 12);
                     const size_t apex = cone + 12;
                     for (size_t k = 0; k < 6; ++k)
                         DrawIndexed(d, p, {cone + 2 * k, cone + 2 * k + 1, apex, cone + 2 * k});
                 }
             });
    CPovObject::Draw(view, dc, originX, originY, width, height, zoom);  // the look-at point
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
