// The cylinder: radius 1 around the y axis from y = -0.5 to 0.5, sized and placed by its
// steps. Inside a blob it is a component with a strength of its own.
#pragma once

#include "model/pov_object.h"

class CPovCylinder : public CPovObject {
  public:
    CPovCylinder();

    const char* GetClassName() const override { return "CPovCylinder"; }
    int GetType() const override { return kKindCylinder; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Cylinder"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovCylinder(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // field strength as a blob component; written only inside a blob
    double Strength = 1.0;
};
