// The turbulence page ("Turbulenz") of a halo and of a fog: on or off, the turbulence vector,
// octaves (shown and stored as a whole number), omega and lambda. No ranges.
#pragma once

#include "props/page_model.h"

class CPovFog;
class CPovHalo;

class CPropTurbulence : public PageModel {
  public:
    // The fields it edits.
    struct Target {
        int& on;
        double& x;
        double& y;
        double& z;
        double& octaves;
        double& omega;
        double& lambda;
    };

    explicit CPropTurbulence(Target target);
    static Target Of(CPovHalo& halo);
    static Target Of(CPovFog& fog);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void EnableValues();
    Target target_;
};
