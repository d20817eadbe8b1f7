// A named halo definition, referenced by name from textures. Nothing is drawn and it takes no
// part in selection.
#pragma once

#include <array>
#include <string>

#include "model/pov_object.h"
#include "model/surfaces/pov_color.h"

inline constexpr int kMaxHaloColors = 6;

class CPovHalo : public CPovObject {
  public:
    CPovHalo();

    const char* GetClassName() const override { return "CPovHalo"; }
    int GetType() const override { return kKindHalo; }
    bool HasGeometry() const override { return false; }
    bool CanBeCsgElement() const override { return false; }
    const char* GetHelpKeyword() const override { return "Halo"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    void Draw(IViewPort&, IDeviceContext*, double, double, int, int, double) override {}
    void Select(IViewPort&) override {}
    void Deselect(IViewPort&) override {}
    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovHalo(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    // The copy is named after this halo followed by the halo counter.
    CPovObject* Clone(CPovObject* target = nullptr) override;
    void VisitFields(FieldSink& sink) const override;

    // Appends a colour-map entry at HaloColorCount (as the reader does); false when the
    // table is full.
    bool AddHaloColor(double position, PovColor color, double filter = 0.0, double transmit = 1.0);
    // HaloColorCount limited to the table
    int UsedHaloColorCount() const;

  private:
    // the halo's own text, as POV-Ray 3.0 reads it
    void WriteHaloText(SceneText& out) const;
    // the halo in marked lines and the medium that takes its place in POV-Ray 3.7
    void WritePov37(SceneText& out) const;

  public:
    std::string HaloType = "attenuating";
    std::string DensityFunction = "constant";
    std::string Mapping = "planar_mapping";
    std::string DustType = "ISOTROPIC_SCATTERING";
    double Eccentricity = 1.0;
    double MaxValue = 1.0;
    double Exponent = 1.0;
    double Samples = 10.0;
    int AntiAliasOn = 0;
    double AaLevel = 0.3;
    double AaThreshold = 3.0;
    // written only inside the anti-aliasing group
    int JitterOn = 0;
    double Jitter = 0.5;
    int HaloTurbulenceOn = 0;
    Vector HaloTurbulence{0.5, 0.5, 0.5};
    double HaloOctaves = 6.0;
    double HaloOmega = 0.5;
    double HaloLambda = 2.0;
    int HaloColorCount = 0;
    std::array<PovColor, kMaxHaloColors> HaloColors{};
    std::array<double, kMaxHaloColors> HaloTransmits{};
    std::array<double, kMaxHaloColors> HaloFilters{};
    std::array<double, kMaxHaloColors> HaloPositions{};
};
