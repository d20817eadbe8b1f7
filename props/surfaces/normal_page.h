// The normal page ("Beschaffenheit") of a texture: a pattern normal with its numbers, a slope
// map (an empty normal block) or a bump map from an image file.
#pragma once

#include "props/surfaces/surface_page.h"

class CPovTexture;
class CPropPovTexture;

class CPropNormal : public SurfacePage {
  public:
    CPropNormal(CPropPovTexture& sheet, CPovTexture& texture);

    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;
    void Apply(CPovPigmentOwner& target) const override;

  private:
    void EnableForKind();

    CPropPovTexture& sheet_;
    CPovTexture& texture_;
    bool edited_ = false;
};
