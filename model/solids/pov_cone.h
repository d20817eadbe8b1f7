// The cone: base circle of radius 1 at y = 0, apex at y = 1, sized and placed by its steps.
#pragma once

#include "model/pov_object.h"

class CPovCone : public CPovObject {
  public:
    CPovCone();

    const char* GetClassName() const override { return "CPovCone"; }
    int GetType() const override { return kKindCone; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Cone"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovCone(); }
};
