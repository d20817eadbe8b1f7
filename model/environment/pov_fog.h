// A fog, declared by name and used at once. Its first step is the fog's up vector. Nothing is
// drawn; it can be selected like an object but has no outline.
#pragma once

#include <array>
#include <string>

#include "model/pov_object.h"
#include "model/surfaces/pov_color.h"

class CPovFog : public CPovObject {
  public:
    CPovFog();

    const char* GetClassName() const override { return "CPovFog"; }
    int GetType() const override { return kKindFog; }
    bool HasGeometry() const override { return true; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Fog"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void Draw(IViewPort&, IDeviceContext*, double, double, int, int, double) override {}
    void ProjectForCamera(const Vector&, const Vector&, const Vector&, const Vector&) override {}
    // A fog type other than the three POV-Ray knows becomes "Uniform_Fog", in the object too.
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovFog(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // "Uniform_Fog", "Constant_Fog" or "Ground_Fog" (names from POV-Ray's consts.inc)
    static bool IsKnownFogType(const std::string& type);

    std::string FogType = "Uniform_Fog";
    int FogTurbulenceOn = 0;
    double Distance = 30.0;
    std::array<double, 3> FogTurbulence{0.5, 0.5, 0.5};
    double FogOmega = 0.5;
    double FogLambda = 2.0;
    double FogOctaves = 6.0;
    double FogOffset = 20.0;
    double FogAlt = 25.0;
    PovColor FogColor = 0xFFFFFF;
    double FogFilter = 0.0;
    // kept from the file; the writer does not use it
    double FogTransmit = 1.0;
};
