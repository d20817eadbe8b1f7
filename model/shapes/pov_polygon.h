// A flat polygon of up to 20 corners in the object's xy plane. The two triangle kinds derive
// from it and keep their corners and corner normals in its point table.
#pragma once

#include "model/pov_object.h"
#include "model/shapes/shape_points.h"

class CPovPolygon : public CPovObject {
  public:
    CPovPolygon();

    const char* GetClassName() const override { return "CPovPolygon"; }
    int GetType() const override { return kKindPolygon; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Polygon"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovPolygon(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // PointCount as far as the table holds it (0 to 20)
    int UsedPointCount() const { return ClampShapePointCount(PointCount); }
    // Refuse what does not fit the table and change nothing then.
    bool SetPointCount(int count);
    bool SetPoint(int index, double x, double y);
    // appends a point after the PointCount points in use
    bool AddPoint(double x, double y);

    // The triangle kinds' layout: 18 of the 40 numbers, by coordinate (x of corner 0,
    // normal 0, corner 1, normal 1, corner 2, normal 2; then the y values; then z).
    Vector TriangleCorner(int corner) const;
    Vector TriangleNormal(int corner) const;
    bool SetTriangleCorner(int corner, const Vector& v);
    bool SetTriangleNormal(int corner, const Vector& v);
    // the next corner after the PointCount corners delivered so far; false after the third
    bool AddTriangleCorner(const Vector& v);

    int PointCount = 4;
    ShapePoint Points[kMaxShapePoints];

  protected:
    // the solid preview of the triangle kinds: the corners with their stored normals
    void DescribeTriangle(SolidPreview& preview, const SolidTransform& parent) const;
    // corners, then the first corner again
    void UpdateTriangleGeometry();

  private:
    double Flat(int index) const;
    void SetFlat(int index, double value);
};
