// The colour page ("Farbe") of a texture or pigment: the pigment's kind and, below it, one of
// three panels: the colours with filter and map index (plain colour, checker, brick, hexagon,
// colour map), the image map, or the pigment map with its pigments (a texture's only: a
// stand-alone pigment gets no pigment map, but one read from a file is shown as it is).
#pragma once

#include "props/surfaces/surface_page.h"

class CPovPigmentOwner;
class CPropPovTexture;

inline constexpr int kPigmentRows = 6;
inline constexpr int kPigmentMapRows = 3;

class CPropTexturePigment : public SurfacePage {
  public:
    explicit CPropTexturePigment(CPropPovTexture& sheet);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;
    void Apply(CPovPigmentOwner& target) const override;

    // the chosen kind (PigmentKind), -1 when none is chosen
    int Kind() const { return Value("kind"); }

  private:
    void AddColorPanel();
    void AddImagePanel();
    void AddPigmentMapPanel();
    // shows the panel of the chosen kind and applies the colour panel's kind rule
    void ShowPanel();
    // a colour map whose indices fall somewhere renders wrongly: the page says so
    void ShowOrderNote();
    void FillMapNames();
    // a pigment of the map was renamed in its own sheet
    void Renamed(const std::string& before, const std::string& after);
    void UserEdited(SheetModel& sheet);

    CPropPovTexture& sheet_;
    CPovPigmentOwner& surface_;
    // a stand-alone pigment that holds a pigment map: shown, not edited
    bool mapReadOnly_ = false;
    // the user changed something on the page
    bool edited_ = false;
    int loadedCount_ = 0;
    int loadedMapType_ = 0;
};
