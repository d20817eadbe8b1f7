// The sky sphere: a predefined sky or one or two named pigments; at most one per document.
// Nothing is drawn; it can be selected like an object but has no outline.
#pragma once

#include <string>

#include "model/pov_object.h"

class CPovSkySphere : public CPovObject {
  public:
    CPovSkySphere();

    const char* GetClassName() const override { return "CPovSkySphere"; }
    int GetType() const override { return kKindSkySphere; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Sky Sphere"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void Draw(IViewPort&, IDeviceContext*, double, double, int, int, double) override {}
    void ProjectForCamera(const Vector&, const Vector&, const Vector&, const Vector&) override {}
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovSkySphere(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // whether name is one of the predefined skies S_Cloud1 .. S_Cloud5
    static bool IsPredefinedSky(const std::string& name);

    // a predefined sky or a pigment name
    std::string SkyPigment = "S_Cloud1";
    // a second pigment; empty = none
    std::string SkyPigment2;
};
