// The spot light: a light cone from its translate step towards its look-at point (its first
// child). Its rotate and scale steps are derived from that direction and its opening angles.
#pragma once

#include <cstdint>

#include "model/pov_object.h"

class CPovLightSourceSpot : public CPovObject {
  public:
    CPovLightSourceSpot();

    const char* GetClassName() const override { return "CPovLightSourceSpot"; }
    int GetType() const override { return kKindLightSpot; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Spotlights"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    bool DescribeLight(SolidLight& light) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovLightSourceSpot(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // red in the low byte, then green, then blue (0x00BBGGRR)
    uint32_t LightColor = 0xFFFFFF;
    // angles in degrees: full-intensity cone, fall-off cone, and the fall-off's sharpness
    double Radius = 10.0;
    double Tightness = 10.0;
    double Falloff = 20.0;
};
