#include "model/shapes/pov_smooth_triangle.h"

#include "model/name_counters.h"
#include "resources/string_table.h"

CPovSmoothTriangle::CPovSmoothTriangle() {
    // the polygon's constructor took a polygon name; give that number back
    --g_NameCounters.Polygon;
    PointCount = 3;
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_SMOOTH_TRIANGLE, g_NameCounters.SmoothTriangle);
}

void CPovSmoothTriangle::SetNameCounter(long value) {
    g_NameCounters.SmoothTriangle = value;
}
long CPovSmoothTriangle::GetNameCounter() const {
    return g_NameCounters.SmoothTriangle;
}

void CPovSmoothTriangle::UpdateGeometry() {
    UpdateTriangleGeometry();
}

void CPovSmoothTriangle::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    DescribeTriangle(preview, parent);
}

int CPovSmoothTriangle::WriteScene(SceneText& out) {
    out.Printf("#declare %s = smooth_triangle {\r\n  ", GetName());
    for (int c = 0; c < 3; ++c) {
        const Vector p = TriangleCorner(c), n = TriangleNormal(c);
        out.Printf(
            c < 2 ? "<%.4f,%.4f,%.4f>,<%.4f,%.4f,%.4f>," : "<%.4f,%.4f,%.4f>,<%.4f,%.4f,%.4f>\r\n",
            p.X, p.Y, p.Z, n.X, n.Y, n.Z);
    }
    WriteTexture(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
    return 1;
}

int CPovSmoothTriangle::EditProperties() {
    return EditWithSheet(IDS_CAPTION_SMOOTH_TRIANGLE);
}
