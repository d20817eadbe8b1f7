#include "model/shapes/pov_triangle.h"

#include "model/name_counters.h"
#include "resources/string_table.h"

CPovTriangle::CPovTriangle() {
    // the polygon's constructor took a polygon name; give that number back
    --g_NameCounters.Polygon;
    PointCount = 3;
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_TRIANGLE, g_NameCounters.Triangle);
}

void CPovTriangle::SetNameCounter(long value) {
    g_NameCounters.Triangle = value;
}
long CPovTriangle::GetNameCounter() const {
    return g_NameCounters.Triangle;
}

void CPovTriangle::UpdateGeometry() {
    UpdateTriangleGeometry();
}

void CPovTriangle::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    DescribeTriangle(preview, parent);
}

int CPovTriangle::WriteScene(SceneText& out) {
    const Vector a = TriangleCorner(0), b = TriangleCorner(1), c = TriangleCorner(2);
    out.Printf("#declare %s = triangle {\r\n  ", GetName());
    out.Printf("<%.4f,%.4f,%.4f>,", a.X, a.Y, a.Z);
    out.Printf("<%.4f,%.4f,%.4f>,", b.X, b.Y, b.Z);
    out.Printf("  <%.4f,%.4f,%.4f>\r\n", c.X, c.Y, c.Z);
    WriteTexture(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
    return 1;
}

int CPovTriangle::EditProperties() {
    return EditWithSheet(IDS_CAPTION_TRIANGLE);
}
