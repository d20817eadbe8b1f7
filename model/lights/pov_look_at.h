// The look-at point: the child that a camera, spot light or cylindrical light aims at. It has
// one step only, its position; moving it re-aims its owner.
#pragma once

#include "model/pov_object.h"

class CPovLookAt : public CPovObject {
  public:
    CPovLookAt();

    const char* GetClassName() const override { return "CPovLookAt"; }
    int GetType() const override { return kKindLookAt; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Look at"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    // Selection is only a flag: the owner stays the current object and no frame is drawn.
    void Select(IViewPort& view) override;
    void Deselect(IViewPort& view) override;
    // the point's rectangle, 5 pixels wider on every side
    PixelRect GetScreenRect(const IViewPort& view) const override;
    void UpdateGeometry() override;
    void Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
              int height, double zoom) override;
    int WriteScene(SceneText& out) override;
    CPovObject* NewOfKind() const override { return new CPovLookAt(); }
    // no fields of its own: its position is its one step
    void VisitFields(FieldSink&) const override {}
};
