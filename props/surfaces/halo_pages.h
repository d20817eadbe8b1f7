// The pages of a halo's own sheet: its definitions ("Definitionen"), its colour table
// ("Farbetabelle") and its sampling ("Sampling").
#pragma once

#include "props/page_model.h"

class CPovHalo;

class CPropHaloDefinitions : public PageModel {
  public:
    explicit CPropHaloDefinitions(CPovHalo& halo);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;

  private:
    CPovHalo& halo_;
};

inline constexpr int kHaloColorRows = 6;

class CPropHaloColors : public PageModel {
  public:
    explicit CPropHaloColors(CPovHalo& halo);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovHalo& halo_;
    int loadedCount_ = 0;
};

// "Jitter &nicht benutzen" means what it says: checked, the halo is written without jitter.
class CPropHaloSampling : public PageModel {
  public:
    explicit CPropHaloSampling(CPovHalo& halo);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void EnableForSupersampling();
    CPovHalo& halo_;
};
