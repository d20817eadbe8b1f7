// The halo page ("Halo") of a texture: three of its halo references, each with the sheet of
// the halo it names, and "&Neu..." for a new halo. Slots 4 to 6 are kept as they are.
#pragma once

#include "props/page_model.h"

class CPovTexture;

inline constexpr int kTextureHaloRows = 3;

class CPropTextHalo : public PageModel {
  public:
    explicit CPropTextHalo(CPovTexture& texture);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void ShowNote();
    CPovTexture& texture_;
};
