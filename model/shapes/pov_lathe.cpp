#include "model/shapes/pov_lathe.h"

#include <cmath>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

namespace {

// the twelve ring directions at 30 degree steps, starting on +z (x = sin, z = cos)
constexpr double kRingSin[12] = {0, 0.5, 0.866, 1, 0.866, 0.5, 0, -0.5, -0.866, -1, -0.866, -0.5};
constexpr double kRingCos[12] = {1, 0.866, 0.5, 0, -0.5, -0.866, -1, -0.866, -0.5, 0, 0.5, 0.866};

}  // namespace

CPovLathe::CPovLathe() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Points[0] = {0.0, 0.0};
    Points[1] = {0.5, 0.25};
    Points[2] = {1.0, 0.5};
    Points[3] = {0.5, 0.75};
    Points[4] = {0.0, 1.0};
    for (int i = 5; i < kMaxShapePoints; ++i)
        Points[i] = {0.05 * i, 1.0};
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_LATHE, g_NameCounters.Lathe);
}

void CPovLathe::SetNameCounter(long value) {
    g_NameCounters.Lathe = value;
}
long CPovLathe::GetNameCounter() const {
    return g_NameCounters.Lathe;
}

bool CPovLathe::SetPointCount(int count) {
    return SetShapePointCount(PointCount, count);
}

bool CPovLathe::SetPoint(int index, double radius, double height) {
    return SetShapePoint(Points, index, radius, height);
}

bool CPovLathe::AddPoint(double radius, double height) {
    return AddShapePoint(Points, PointCount, radius, height);
}

void CPovLathe::UpdateGeometry() {
    ResetGeometry();
    const int n = UsedPointCount();
    Outline.reserve(12 * n);
    for (int i = 0; i < n; ++i) {
        const double r = Points[i].X, y = Points[i].Y;
        for (int k = 0; k < 12; ++k)
            Outline.emplace_back(kRingSin[k] * r, y, kRingCos[k] * r);
    }
    PlaceOutline();
}

void CPovLathe::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    const int n = UsedPointCount();
    if (!IsPresent() || n < 2)
        return;
    float numbers[2 * kMaxShapePoints];
    for (int i = 0; i < n; ++i) {
        numbers[2 * i] = static_cast<float>(Points[i].X);
        numbers[2 * i + 1] = static_cast<float>(Points[i].Y);
    }
    preview.AddNumbers(SolidShape::Lathe, parent * GlTransform(), SolidColour(), numbers,
                       static_cast<uint32_t>(2 * n));
}

void CPovLathe::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                     int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 const size_t rings = p.size() / 12;
                 for (size_t i = 0; i + 1 < rings; ++i) {
                     DrawClosedRun(d, p, 12 * i, 12);
                     DrawClosedRun(d, p, 12 * (i + 1), 12);
                     for (size_t k = 0; k < 12; ++k)
                         d.Line(p[12 * i + k], p[12 * (i + 1) + k]);
                 }
             });
}

int CPovLathe::WriteScene(SceneText& out) {
    const int n = UsedPointCount();
    const std::string head = orv::Format("#declare %s = lathe {\r\n", GetName());
    std::string geometry = orv::Format("  %s\r\n  %.1f\r\n", SplineType, static_cast<double>(n));
    AppendShapePointLines(geometry, Points, n);
    WriteSolidBlock(out, head, {}, geometry);
    return 1;
}

int CPovLathe::EditProperties() {
    const int result = EditWithSheet(IDS_CAPTION_LATHE);
    UpdateGeometry();
    return result;
}

void CPovLathe::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovLathe&>(target);
    t.SplineType = SplineType;
    t.PointCount = PointCount;
    std::copy(std::begin(Points), std::end(Points), std::begin(t.Points));
}

void CPovLathe::VisitFields(FieldSink& sink) const {
    sink.Text("SplineType", SplineType);
    sink.Integer("PointCount", PointCount);
    double flat[2 * kMaxShapePoints];
    FlattenShapePoints(Points, flat);
    sink.Numbers("Points", flat, 2 * kMaxShapePoints, 2);
}
