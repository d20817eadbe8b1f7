// The rotation page ("Drehung"): the three angles of the rotate step, each with a slider, and
// "&Werte sofort übernehmen", which turns the object while a slider moves.
#pragma once

#include "props/page_model.h"

class CPovObject;

class CPropRotation : public PageModel {
  public:
    explicit CPropRotation(CPovObject& object);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovObject& object_;
};
