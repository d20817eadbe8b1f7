#include "model/lights/pov_light.h"

#include "model/field_sink.h"
#include "model/lights/light_support.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovLight::CPovLight() {
    InstallSteps({Vector(0, 0, 0), Vector(10, 10, 10), Vector(45, 45, 45)});
    UpdateGeometry();
    AssignDefaultName(IDS_PREFIX_LIGHT, g_NameCounters.Light);
}

void CPovLight::SetNameCounter(long value) {
    g_NameCounters.Light = value;
}
long CPovLight::GetNameCounter() const {
    return g_NameCounters.Light;
}

void CPovLight::UpdateGeometry() {
    ResetGeometry();
    // a star of three crossing lines around the light
    Outline = {{-.5, 0, 0}, {.5, 0, 0}, {0, -.5, 0}, {0, .5, 0}, {0, 0, -.5}, {0, 0, .5}};
    // a light stands on its own: no parent matrix
    ModelMatrix.LoadIdentity();
    ModelMatrix.Scale(ScaleStep());
    ModelMatrix.Rotate(RotationStep());
    ModelMatrix.Translate(Translation());
    for (Point3& p : Outline)
        p.Transform(ModelMatrix);
    BoundOutline();
}

bool CPovLight::DescribeLight(SolidLight& light) const {
    if (!IsPresent())
        return false;
    const Vector& t = Translation();
    light.position = {static_cast<float>(-t.X), static_cast<float>(t.Y), static_cast<float>(t.Z),
                      1.0f};
    light.diffuse = {static_cast<float>(lights::ColorChannel(LightColor, 0)),
                     static_cast<float>(lights::ColorChannel(LightColor, 1)),
                     static_cast<float>(lights::ColorChannel(LightColor, 2)), 1.0f};
    light.specular = {1.0f, 1.0f, 1.0f, 1.0f};
    light.twoSided = true;
    light.spotExponent = true;
    return true;
}

void CPovLight::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                     int height, double zoom) {
    if (view.GetUseOpenGL()) {
        lights::SetUpGlLight(*this, view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 DrawIndexed(d, p, {0, 1});
                 DrawIndexed(d, p, {2, 3});
                 DrawIndexed(d, p, {4, 5});
             });
}

int CPovLight::WriteScene(SceneText& out) {
    lights::WriteLightHead(out, *this, LightColor);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
    return 1;
}

int CPovLight::EditProperties() {
    return EditWithSheet(IDS_CAPTION_LIGHT);
}

void CPovLight::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovLight&>(target);
    t.LightColor = LightColor;
}

void CPovLight::VisitFields(FieldSink& sink) const {
    sink.Integer("LightColor", LightColor);
}
