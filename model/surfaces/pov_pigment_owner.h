// The common base of the surface definitions (textures and stand-alone pigments): the whole
// pigment model and the text of a pigment body. Surface definitions have no geometry: they
// are never drawn, selected or moved; their steps place the pattern.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "model/pov_object.h"
#include "model/surfaces/pov_color.h"
#include "model/surfaces/short_name.h"

enum PigmentKindId : int {
    kPigmentColor = 0,
    kPigmentChecker = 1,
    kPigmentBrick = 2,
    kPigmentHexagon = 3,
    kPigmentColorMap = 4,
    kPigmentImageMap = 5,
    kPigmentPigmentMap = 6,
};

inline constexpr int kMaxPigmentColors = 10;
inline constexpr int kMaxMapPigments = 3;
// what an empty image-map or bump-map file name becomes when it is written
inline constexpr std::string_view kUnknownImageFile = "unkown.gif";

class CPovPigmentOwner : public CPovObject {
  public:
    CPovPigmentOwner();

    bool HasGeometry() const override { return false; }
    bool CanBeCsgElement() const override { return false; }
    void Draw(IViewPort&, IDeviceContext*, double, double, int, int, double) override {}
    void Select(IViewPort&) override {}
    void Deselect(IViewPort&) override {}
    void UpdateGeometry() override {}
    void CopyOwnStateTo(CPovObject& target) const override;
    void VisitFields(FieldSink& sink) const override;

    // Appends a colour at entry ColorCount (as the reader does); false when the table is full.
    bool AddColor(PovColor color, double filter = 0.0, double transmit = 1.0);
    // The same with the entry's colour-map position.
    bool AddMapColor(double position, PovColor color, double filter = 0.0, double transmit = 1.0);
    // Puts a pigment into the first unused pigment-map entry; false when all three are used
    // or the name is empty.
    bool AddMapPigment(std::string_view name, double position);
    // ColorCount limited to the table
    int UsedColorCount() const;

    int HasPigment = 1;
    int PigmentKind = kPigmentColor;
    std::array<PovColor, kMaxPigmentColors> Colors{};
    std::array<double, kMaxPigmentColors> Positions{};
    std::array<double, kMaxPigmentColors> Filters{};
    std::array<double, kMaxPigmentColors> Transmits{};
    int ColorCount = 1;
    int MapType = 0;
    int Once = 0;
    // pattern keyword of the colour and pigment maps, possibly with its argument
    ShortName<19> PatternName;
    int TurbulenceOn = 0;
    std::array<double, 3> Turbulence{0.5, 0.5, 0.5};
    double Omega = 0.5;
    double Lambda = 2.0;
    int Octaves = 6;
    // the number after the pattern keyword "mandel"
    double PatternValue = 0.0;
    std::string ImageFile;
    // an empty name is an unused entry
    std::array<std::string, kMaxMapPigments> MapPigments;

  protected:
    // The pigment's body lines and the turbulence group. An empty image-map file name is
    // replaced by kUnknownImageFile, in the object too.
    void WritePigmentBody(SceneText& out);
    // Copies the pigment model into target.
    // "scale", "rotate", "translate" lines of the pattern's steps
    void WriteStepLines(SceneText& out) const;
};

// The image type keyword of a file name: its last three characters in lower case ("gif" when
// the name is shorter).
std::string ImageTypeWord(std::string_view fileName);

// A default name of the plain "%d" form: prefix and counter, no uniqueness check; the counter
// is incremented.
std::string NextPlainName(int prefixStringId, long& counter);
