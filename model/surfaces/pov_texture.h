// A complete texture: pigment, normal, finish, halo references and its own steps.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/surfaces/pov_pigment_owner.h"

enum NormalKindId : int { kNormalPattern = 0, kNormalSlopeMap = 1, kNormalBumpMap = 2 };

inline constexpr int kMaxTextureHalos = 6;

class CPovTexture : public CPovPigmentOwner {
  public:
    CPovTexture();

    const char* GetClassName() const override { return "CPovTexture"; }
    int GetType() const override { return kKindTexture; }
    const char* GetHelpKeyword() const override { return "Texture"; }
    void SetNameCounter(long value) override;
    long GetNameCounter() const override;

    int WriteScene(SceneText& out) override;
    int EditProperties() override;
    CPovObject* NewOfKind() const override { return new CPovTexture(); }
    void CopyOwnStateTo(CPovObject& target) const override;
    // The copy is named after this texture followed by the texture counter.
    CPovObject* Clone(CPovObject* target = nullptr) override;
    void VisitFields(FieldSink& sink) const override;

    // Puts a halo reference into slot HaloCount (as the reader does); false when all six
    // slots are taken.
    bool AddHaloName(std::string_view name);
    // whether a halo slot holds a reference (not the empty-slot mark, not empty)
    static bool IsHaloReference(const std::string& name);

    int HasNormal = 0;
    int NormalKind = kNormalPattern;
    ShortName<19> NormalName;
    std::array<double, 3> NormalValues{};
    int HasAmbient = 0;
    PovColor AmbientColor = 0x373737;
    int HasPhong = 0;
    double Phong = 0.0;
    double PhongSize = 1.0;
    int HasRefraction = 0;
    double Ior = 1.0;
    int Metallic = 0;
    double Diffuse = 0.6;
    double Brilliance = 1.0;
    double Crand = 0.0;
    double Reflection = 0.0;
    // next free halo slot for the reader
    int HaloCount = 0;
    // "(kein Eintrag)" marks an empty slot
    std::array<std::string, kMaxTextureHalos> HaloNames;
    std::string BumpFile;

  private:
    void WriteNormal(SceneText& out);
    void WriteFinish(SceneText& out) const;
};
