// The general page ("Allgemein") of a texture or pigment: the name (at most 24 characters)
// and the translation, scale and rotation of its pattern.
#pragma once

#include "props/surfaces/surface_page.h"

class CPovObject;

class CPropTextureGeneral : public SurfacePage {
  public:
    explicit CPropTextureGeneral(CPovObject& surface);

    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    // the steps only: the live preview keeps the surface's name
    void Apply(CPovPigmentOwner& target) const override;

  private:
    CPovObject& surface_;
};
