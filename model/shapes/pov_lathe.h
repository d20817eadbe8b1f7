// A surface of revolution about the y axis from up to 20 profile points (radius, height).
#pragma once

#include <string>

#include "model/pov_object.h"
#include "model/shapes/shape_points.h"

class CPovLathe : public CPovObject {
  public:
    CPovLathe();

    const char* GetClassName() const override { return "CPovLathe"; }
    int GetType() const override { return kKindLathe; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Lathe"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovLathe(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // PointCount as far as the table holds it (0 to 20)
    int UsedPointCount() const { return ClampShapePointCount(PointCount); }
    // Refuse what does not fit the table and change nothing then.
    bool SetPointCount(int count);
    bool SetPoint(int index, double radius, double height);
    // appends a profile point after the PointCount points in use
    bool AddPoint(double radius, double height);

    // "linear_spline", "quadratic_spline" or "cubic_spline", written as it stands
    std::string SplineType = "linear_spline";
    int PointCount = 5;
    ShapePoint Points[kMaxShapePoints];
};
