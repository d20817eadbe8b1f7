// The height field's "Spezial" page: smoothing and the water level (0 … 1).
#pragma once

#include "props/page_model.h"

class CPovHeightField;

class CPropHFSpecial : public PageModel {
  public:
    // copies smoothing and water level in
    explicit CPropHFSpecial(CPovHeightField& heightField);
    void Store(SheetModel& sheet) override;

  private:
    CPovHeightField& heightField_;
};
