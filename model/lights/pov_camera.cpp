#include "model/lights/pov_camera.h"

#include <algorithm>
#include <cmath>

#include "model/lights/light_support.h"
#include "model/lights/pov_look_at.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

namespace {

const double Pi = std::acos(-1.0);

// the integer part of value, taken modulo 31416 (remainder with the sign of value)
double Quantised(double value) {
    return std::fmod(std::trunc(value), 31416.0);
}

double Clamped(double value) {
    return std::clamp(value, -1.0, 1.0);
}

}  // namespace

CPovCamera::CPovCamera() {
    InstallSteps({Vector(0, 0, -4), Vector(4, 4, 4), Vector(0, 0, 0)});
    PrependChild(this, new CPovLookAt());
    UpdateGeometry();
    Name = LoadString(IDS_PREFIX_CAMERA) + orv::Format("%d", g_NameCounters.Camera);
    ++g_NameCounters.Camera;
}

void CPovCamera::SetNameCounter(long value) {
    g_NameCounters.Camera = value;
}
long CPovCamera::GetNameCounter() const {
    return g_NameCounters.Camera;
}

void CPovCamera::Aim() {
    const CPovObject* lookAt = lights::FindLookAt(*this);
    if (!lookAt)
        return;
    lights::Aim d;
    if (!lights::NudgeAndAim(Translation(), lookAt->Translation(), d))
        return;

    // The angles go through four decimals (the clamps only keep rounding out of asin/acos).
    const double g = Quantised(-10000.0 * d.dy / d.n);
    const double alpha = std::asin(Clamped(g / 10000.0));
    const double h = d.dz < 0 ? Quantised(10000.0 * d.dz / (d.n * std::cos(Pi - alpha)))
                              : Quantised(10000.0 * d.dz / (d.n * std::cos(alpha)));
    double beta = std::acos(Clamped(h / 10000.0));

    const double rx = d.dz >= 0 ? alpha * 180.0 / Pi : 180.0 - alpha * 180.0 / Pi;
    if ((d.dx > 0 && d.dz < 0) || (d.dx < 0 && d.dz > 0))
        beta = -beta;
    const double ry = beta * 180.0 / Pi;
    const double rz = d.dz < 0 ? 180.0 : 0.0;
    RotationStep() = Vector(rx, ry, rz);
}

void CPovCamera::UpdateGeometry() {
    ResetGeometry();
    Aim();
    // the frustum symbol, narrow end at the camera, opening towards the look-at point
    Outline = {{-.2, -.2, -.2}, {-.2, .2, -.2}, {.2, .2, -.2}, {.2, -.2, -.2},
               {-.5, -.5, .5},  {-.5, .5, .5},  {.5, .5, .5},  {.5, -.5, .5}};
    // The camera view undoes the rotate step about y, then x, then z; turning the symbol about
    // z, then x, then y makes it open along the same direction. For a camera facing +z (rz 0)
    // this is the usual x, y, z order.
    const Vector& r = RotationStep();
    ModelMatrix.LoadIdentity();
    ModelMatrix.Scale(ScaleStep());
    ModelMatrix.Rotate(Vector(0, 0, r.Z));
    ModelMatrix.Rotate(Vector(r.X, 0, 0));
    ModelMatrix.Rotate(Vector(0, r.Y, 0));
    ModelMatrix.Translate(Translation());
    for (Point3& p : Outline)
        p.Transform(ModelMatrix);
    BoundOutline();
}

void CPovCamera::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                      int width, int height, double zoom) {
    if (view.GetUseOpenGL() || view.GetViewKind() == kCameraView)
        return;
    const bool drawn = DrawWire(view, dc, originX, originY, width, height, zoom,
                                [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                                    DrawIndexed(d, p, {0, 1, 2, 3, 0});
                                    DrawIndexed(d, p, {4, 5, 6, 7, 4});
                                    DrawIndexed(d, p, {0, 1, 5, 4, 0});
                                    DrawIndexed(d, p, {3, 2, 6, 7, 3});
                                    DrawIndexed(d, p, {1, 2, 6, 5, 1});
                                    DrawIndexed(d, p, {0, 3, 7, 4, 0});
                                });
    // a culled owner leaves its look-at point out too, so no line leads out of the view
    if (drawn)
        CPovObject::Draw(view, dc, originX, originY, width, height, zoom);
}

int CPovCamera::WriteScene(SceneText& out) {
    const Vector& t = Translation();
    out.Write("camera {\r\n");
    out.Printf("  location <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z);
    if (CPovObject* lookAt = lights::FindLookAt(*this))
        lookAt->WriteSceneText(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    return 1;
}

int CPovCamera::EditProperties() {
    return EditWithSheet(IDS_CAPTION_CAMERA);
}

CPovObject* CPovCamera::Clone(CPovObject* target) {
    CPovObject* copy = CPovObject::Clone(target);
    if (copy) {
        copy->Name = GetName() + orv::Format("%d", g_NameCounters.Camera);
        ++g_NameCounters.Camera;
    }
    return copy;
}
