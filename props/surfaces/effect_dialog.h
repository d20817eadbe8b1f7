// The dialog "Oberflächeneffekt": the pattern of a colour or pigment map with its number, and
// the pattern's turbulence. It edits the surface itself: OK writes at once (the surface's
// sheet may still be cancelled), Cancel writes nothing.
#pragma once

#include <memory>

#include "props/page_model.h"
#include "props/sheet_model.h"

class CPovPigmentOwner;

class CPropEffect : public PageModel {
  public:
    explicit CPropEffect(CPovPigmentOwner& surface);

    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void EnableTurbulence();
    CPovPigmentOwner& surface_;
};

// the dialog as a plain sheet of one page
std::unique_ptr<SheetModel> MakeEffectDialog(CPovPigmentOwner& surface);
