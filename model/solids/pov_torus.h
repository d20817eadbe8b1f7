// The torus: major radius 1 around the y axis; the minor radius is the x of its fourth step.
#pragma once

#include "model/pov_object.h"

class CPovTorus : public CPovObject {
  public:
    CPovTorus();

    const char* GetClassName() const override { return "CPovTorus"; }
    int GetType() const override { return kKindTorus; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Torus"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovTorus(); }

    // x of the fourth step; the default 0.5 when the steps lack it
    double MinorRadius() const { return Steps.size() > kStepExtra ? Steps[kStepExtra].X : 0.5; }
};
