// The camera: stands at its translate step and aims at its look-at point (its first child);
// its rotate step is derived from that direction on every geometry update.
#pragma once

#include "model/pov_object.h"

class CPovCamera : public CPovObject {
  public:
    CPovCamera();

    const char* GetClassName() const override { return "CPovCamera"; }
    int GetType() const override { return kKindCamera; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Camera"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void UpdateGeometry() override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovCamera(); }
    CPovObject* Clone(CPovObject* target = nullptr) override;
    // no fields of its own: place and aim are its steps and its look-at point
    void VisitFields(FieldSink&) const override {}

  private:
    // Rotate step from the direction to the look-at point, in the quantised form the camera
    // view's projection expects.
    void Aim();
};
