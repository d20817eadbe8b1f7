// The box: a unit cube at the origin, sized and placed by its steps.
#pragma once

#include "model/pov_object.h"

class CPovCubic : public CPovObject {
  public:
    CPovCubic();

    const char* GetClassName() const override { return "CPovCubic"; }
    int GetType() const override { return kKindCubic; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return true; }
    const char* GetHelpKeyword() const override { return "Box"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovCubic(); }
};
