#include "model/shapes/pov_polygon.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovPolygon::CPovPolygon() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Points[0] = {-0.75, -0.75};
    Points[1] = {0.75, -0.75};
    Points[2] = {0.75, 0.75};
    Points[3] = {-0.75, 0.75};
    for (int i = 4; i < kMaxShapePoints; ++i)
        Points[i] = {0.05 * i, 0.75};
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_POLYGON, g_NameCounters.Polygon);
}

void CPovPolygon::SetNameCounter(long value) {
    g_NameCounters.Polygon = value;
}
long CPovPolygon::GetNameCounter() const {
    return g_NameCounters.Polygon;
}

// ---------------------------------------------------------------------------------------------
// the point table

bool CPovPolygon::SetPointCount(int count) {
    return SetShapePointCount(PointCount, count);
}

bool CPovPolygon::SetPoint(int index, double x, double y) {
    return SetShapePoint(Points, index, x, y);
}

bool CPovPolygon::AddPoint(double x, double y) {
    return AddShapePoint(Points, PointCount, x, y);
}

double CPovPolygon::Flat(int index) const {
    const ShapePoint& p = Points[index / 2];
    return index % 2 ? p.Y : p.X;
}

void CPovPolygon::SetFlat(int index, double value) {
    ShapePoint& p = Points[index / 2];
    (index % 2 ? p.Y : p.X) = value;
}

Vector CPovPolygon::TriangleCorner(int corner) const {
    if (corner < 0 || corner > 2)
        return {};
    return {Flat(2 * corner), Flat(6 + 2 * corner), Flat(12 + 2 * corner)};
}

Vector CPovPolygon::TriangleNormal(int corner) const {
    if (corner < 0 || corner > 2)
        return {};
    return {Flat(2 * corner + 1), Flat(7 + 2 * corner), Flat(13 + 2 * corner)};
}

bool CPovPolygon::SetTriangleCorner(int corner, const Vector& v) {
    if (corner < 0 || corner > 2)
        return false;
    SetFlat(2 * corner, v.X);
    SetFlat(6 + 2 * corner, v.Y);
    SetFlat(12 + 2 * corner, v.Z);
    return true;
}

bool CPovPolygon::SetTriangleNormal(int corner, const Vector& v) {
    if (corner < 0 || corner > 2)
        return false;
    SetFlat(2 * corner + 1, v.X);
    SetFlat(7 + 2 * corner, v.Y);
    SetFlat(13 + 2 * corner, v.Z);
    return true;
}

bool CPovPolygon::AddTriangleCorner(const Vector& v) {
    const int next = PointCount < 0 ? 0 : PointCount;
    if (!SetTriangleCorner(next, v))
        return false;
    PointCount = next + 1;
    return true;
}

void CPovPolygon::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovPolygon&>(target);
    t.PointCount = PointCount;
    std::copy(std::begin(Points), std::end(Points), std::begin(t.Points));
}

// ---------------------------------------------------------------------------------------------
// geometry and drawing

void CPovPolygon::UpdateGeometry() {
    ResetGeometry();
    const int n = UsedPointCount();
    for (int i = 0; i < n; ++i)
        Outline.emplace_back(Points[i].X, Points[i].Y, 0.0);
    if (n > 0)
        Outline.push_back(Outline.front());
    PlaceOutline();
}

void CPovPolygon::UpdateTriangleGeometry() {
    ResetGeometry();
    for (int c = 0; c < 3; ++c) {
        const Vector v = TriangleCorner(c);
        Outline.emplace_back(v.X, v.Y, v.Z);
    }
    Outline.push_back(Outline.front());
    PlaceOutline();
}

void CPovPolygon::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    const int n = UsedPointCount();
    if (!IsPresent() || n < 3)
        return;
    float numbers[2 * kMaxShapePoints];
    for (int i = 0; i < n; ++i) {
        numbers[2 * i] = static_cast<float>(Points[i].X);
        numbers[2 * i + 1] = static_cast<float>(Points[i].Y);
    }
    preview.AddNumbers(SolidShape::Polygon, parent * GlTransform(), SolidColour(), numbers,
                       static_cast<uint32_t>(2 * n));
}

void CPovPolygon::DescribeTriangle(SolidPreview& preview, const SolidTransform& parent) const {
    if (!IsPresent())
        return;
    // both triangle kinds are lit by the normals stored at their corners
    float numbers[18];
    for (int c = 0; c < 3; ++c) {
        const Vector p = TriangleCorner(c), n = TriangleNormal(c);
        const double values[6] = {p.X, p.Y, p.Z, n.X, n.Y, n.Z};
        for (int k = 0; k < 6; ++k)
            numbers[6 * c + k] = static_cast<float>(values[k]);
    }
    preview.AddNumbers(SolidShape::Triangle, parent * GlTransform(), SolidColour(), numbers, 18);
}

void CPovPolygon::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY,
                       int width, int height, double zoom) {
    if (view.GetUseOpenGL()) {
        if (IsPresent())
            DrawSolidNow(view);
        return;
    }
    DrawWire(view, dc, originX, originY, width, height, zoom,
             [](IDeviceContext& d, const std::vector<PixelPoint>& p) {
                 d.Polyline(p.data(), p.size());
             });
}

// ---------------------------------------------------------------------------------------------
// scene text, sheet, copy, fields

int CPovPolygon::WriteScene(SceneText& out) {
    const int n = UsedPointCount();
    const std::string head = orv::Format("#declare %s = polygon {\r\n", GetName());
    std::string geometry = orv::Format("  %.1f\r\n", static_cast<double>(n));
    AppendShapePointLines(geometry, Points, n);
    WriteSolidBlock(out, head, {}, geometry);
    return 1;
}

int CPovPolygon::EditProperties() {
    const int result = EditWithSheet(IDS_CAPTION_POLYGON);
    UpdateGeometry();
    return result;
}

void CPovPolygon::VisitFields(FieldSink& sink) const {
    sink.Integer("PointCount", PointCount);
    double flat[2 * kMaxShapePoints];
    FlattenShapePoints(Points, flat);
    sink.Numbers("Points", flat, 2 * kMaxShapePoints, 2);
}
