// The finish page ("Reflektion") of a texture: ambient colour, phong highlight, refraction,
// metallic, and the polish values. No ranges; the check boxes do not disable the fields.
#pragma once

#include "props/surfaces/surface_page.h"

class CPovTexture;
class CPropPovTexture;

class CPropFinish : public SurfacePage {
  public:
    CPropFinish(CPropPovTexture& sheet, CPovTexture& texture);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;
    void Apply(CPovPigmentOwner& target) const override;

  private:
    CPropPovTexture& sheet_;
    CPovTexture& texture_;
};
