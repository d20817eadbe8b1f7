// One triangle with a normal at each corner, read from scene files.
#pragma once

#include "model/shapes/pov_polygon.h"

class CPovSmoothTriangle : public CPovPolygon {
  public:
    CPovSmoothTriangle();

    const char* GetClassName() const override { return "CPovSmoothTriangle"; }
    int GetType() const override { return kKindTriangle; }
    const char* GetHelpKeyword() const override { return "SmoothTriangle"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovSmoothTriangle(); }
};
