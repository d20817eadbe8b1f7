// The point light: a light source at its translate step, drawn as a small star in the 2-D views
// and set up as an OpenGL light in the camera view.
#pragma once

#include <cstdint>

#include "model/pov_object.h"

class CPovLight : public CPovObject {
  public:
    CPovLight();

    const char* GetClassName() const override { return "CPovLight"; }
    int GetType() const override { return kKindLight; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "light_source"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    bool DescribeLight(SolidLight& light) const override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovLight(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // red in the low byte, then green, then blue (0x00BBGGRR)
    uint32_t LightColor = 0xFFFFFF;
};
