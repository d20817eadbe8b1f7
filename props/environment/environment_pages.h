// The pages of the environment: the background's name and colour, the sky sphere's pigments
// with the preview of a predefined sky, and the fog's type, distances and colour with the
// preview of its type.
#pragma once

#include "props/page_model.h"

class CPovBackground;
class CPovFog;
class CPovSkySphere;

class CPropBackgroundGeneral : public PageModel {
  public:
    explicit CPropBackgroundGeneral(CPovBackground& background);
    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovBackground& background_;
};

class CPropSkySphereType : public PageModel {
  public:
    explicit CPropSkySphereType(CPovSkySphere& sky);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    void ShowPreview();
    CPovSkySphere& sky_;
};

class CPropFogSpecial : public PageModel {
  public:
    explicit CPropFogSpecial(CPovFog& fog);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    void ShowPreview();
    CPovFog& fog_;
};
