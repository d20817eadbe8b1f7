#include "model/lights/light_support.h"

#include <GL/gl.h>

#include <algorithm>
#include <cmath>

#include "model/object_kinds.h"
#include "model/pov_object.h"
#include "model/solid_painter.h"
#include "platform/view_port.h"

namespace lights {

namespace {
const double Pi = std::acos(-1.0);
}

CPovObject* FindLookAt(const CPovObject& owner) {
    CPovObject* child = owner.FirstChild;
    return child && child->GetType() == kKindLookAt ? child : nullptr;
}

bool NudgeAndAim(Vector& location, const Vector& target, Aim& aim) {
    const double d = std::fabs(target.Z) - std::fabs(location.Z);
    if (d >= -0.00001 && d <= 0.0)
        location.Z += 0.00001;
    else if (d > 0.0 && d <= 0.00001)
        location.Z -= 0.00001;
    // For a negative z the second rule can move L.z straight back onto A.z (the first update
    // nudged it, the next one undoes that); keep the first update's place instead.
    if (target.Z - location.Z == 0.0)
        location.Z += 0.00001;

    aim.dx = target.X - location.X;
    aim.dy = target.Y - location.Y;
    aim.dz = target.Z - location.Z;
    aim.n = std::sqrt(aim.dx * aim.dx + aim.dy * aim.dy + aim.dz * aim.dz);
    return aim.n > 0.0 && std::isfinite(aim.n);
}

bool AimLight(Vector& location, const Vector& target, Vector& rotation, double& distance) {
    Aim d;
    if (!NudgeAndAim(location, target, d))
        return false;
    // straight along an axis the angle is 0; the clamps only keep rounding out of asin/acos
    double alpha = 0.0;
    if (std::fabs(d.dy) > 0.00000001)
        alpha = std::asin(std::clamp(-d.dy / d.n, -1.0, 1.0));
    double beta = 0.0;
    if (std::fabs(d.dx) > 0.00000001) {
        const double across = d.dz < 0 ? d.n * std::cos(Pi - alpha) : d.n * std::cos(alpha);
        beta = std::acos(std::clamp(d.dz / across, -1.0, 1.0));
    }
    const double rx = d.dz >= 0 ? alpha * 180.0 / Pi : 180.0 - alpha * 180.0 / Pi;
    if ((d.dx > 0 && d.dz < 0) || (d.dx < 0 && d.dz > 0))
        beta = -beta;
    rotation = Vector(rx, beta * 180.0 / Pi, 0.0);
    distance = d.n;
    return true;
}

void AppendRing(std::vector<Point3>& points, double z) {
    static const double kRing[12][2] = {
        {0, 1},  {0.5, 0.866},   {0.866, 0.5},   {1, 0},  {0.866, -0.5}, {0.5, -0.866},
        {0, -1}, {-0.5, -0.866}, {-0.866, -0.5}, {-1, 0}, {-0.866, 0.5}, {-0.5, 0.866}};
    for (const auto& p : kRing)
        points.emplace_back(p[0], p[1], z);
}

double ColorChannel(uint32_t color, int channel) {
    return static_cast<double>((color >> (8 * channel)) & 0xFFu) / 255.0;
}

void WriteLightHead(SceneText& out, const CPovObject& light, uint32_t color) {
    const Vector& t = light.Translation();
    out.Printf("#declare %s = ", light.GetName());
    out.Write("light_source {\r\n");
    out.Printf("  <%.4f,%.4f,%.4f> color rgb <%.4f,%.4f,%.4f>\r\n", t.X, t.Y, t.Z,
               ColorChannel(color, 0), ColorChannel(color, 1), ColorChannel(color, 2));
}

unsigned NextGlLight(IViewPort& view) {
    const int count = view.GetLightCount();
    view.SetLightCount(count + 1);
    if (count < 0 || count > 7)
        return 0;
    return GL_LIGHT0 + static_cast<unsigned>(count);
}

void SetUpGlLight(const CPovObject& light, IViewPort& view) {
    SolidLight description;
    if (!light.DescribeLight(description))
        return;
    if (const unsigned number = NextGlLight(view))
        SolidPainter::ApplyLight(description, number);
}

}  // namespace lights
