#include "model/shapes/pov_triangle.h"

#include <GL/gl.h>

#include <cmath>

#include "model/name_counters.h"
#include "resources/string_table.h"

CPovTriangle::CPovTriangle() {
    // the polygon's constructor took a polygon name; give that number back
    --g_NameCounters.Polygon;
    PointCount = 3;
    UpdateGeometry();
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

void CPovTriangle::DrawFaces() const {
    const Vector a = TriangleCorner(0), b = TriangleCorner(1), c = TriangleCorner(2);
    const Vector u(b.X - a.X, b.Y - a.Y, b.Z - a.Z), v(c.X - a.X, c.Y - a.Y, c.Z - a.Z);
    Vector n(u.Y * v.Z - u.Z * v.Y, u.Z * v.X - u.X * v.Z, u.X * v.Y - u.Y * v.X);
    const double length = std::sqrt(Vector::Dot(n, n));
    n = length > 0.0 ? Vector(n.X / length, n.Y / length, n.Z / length) : Vector(0, 0, -1);
    glBegin(GL_POLYGON);
    glNormal3d(-n.X, n.Y, n.Z);
    for (const Vector& p : {a, b, c})
        glVertex3d(-p.X, p.Y, p.Z);
    glEnd();
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
