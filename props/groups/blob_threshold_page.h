// The blob's "Threshold" page (0 … 100).
#pragma once

#include "props/page_model.h"

class CPovBlob;

class CPropBlobThreshold : public PageModel {
  public:
    explicit CPropBlobThreshold(CPovBlob& blob);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;

  private:
    CPovBlob& blob_;
};
