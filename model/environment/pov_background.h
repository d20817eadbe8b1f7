// The scene's background colour; at most one per document. It has no geometry and takes no
// part in selection.
#pragma once

#include "model/pov_object.h"
#include "model/surfaces/pov_color.h"

class CPovBackground : public CPovObject {
  public:
    CPovBackground();

    const char* GetClassName() const override { return "CPovBackground"; }
    int GetType() const override { return kKindBackground; }
    bool HasGeometry() const override { return false; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Background"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void Draw(IViewPort&, IDeviceContext*, double, double, int, int, double) override {}
    void Select(IViewPort&) override {}
    void Deselect(IViewPort&) override {}
    void ProjectForCamera(const Vector&, const Vector&, const Vector&, const Vector&) override {}
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovBackground(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    PovColor BackgroundColor = 0x000000;
};
