// The plane: y = 0 with its normal along +y, turned and placed by its steps. It cannot be a
// member of a group.
#pragma once

#include "model/pov_object.h"

class CPovPlane : public CPovObject {
  public:
    CPovPlane();

    const char* GetClassName() const override { return "CPovPlane"; }
    int GetType() const override { return kKindPlane; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Plane"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovPlane(); }
};
