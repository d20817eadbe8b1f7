// One triangle, read from scene files (typically imported meshes); its three corners are 3-D.
#pragma once

#include "model/shapes/pov_polygon.h"

class CPovTriangle : public CPovPolygon {
  public:
    CPovTriangle();

    const char* GetClassName() const override { return "CPovTriangle"; }
    int GetType() const override { return kKindTriangle; }
    const char* GetHelpKeyword() const override { return "Triangle"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovTriangle(); }
};
