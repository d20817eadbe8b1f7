// The pages of lights and the camera: the light's general page (name, position within
// −2000 … 2000, colour), the spot and cylindrical lights' direction and angles, and the
// camera's position and look-at point.
#pragma once

#include "props/page_model.h"

class CPovObject;

class CPropLightGeneral : public PageModel {
  public:
    // copies name, position and colour in
    explicit CPropLightGeneral(CPovObject& light);
    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovObject& light_;
};

class CPropLightSpecial : public PageModel {
  public:
    explicit CPropLightSpecial(CPovObject& light);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;

  private:
    CPovObject& light_;
};

class CPropCameraGeneral : public PageModel {
  public:
    explicit CPropCameraGeneral(CPovObject& camera);
    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    CPovObject& camera_;
};

// the colour of a point, spot or cylindrical light, or nullptr
uint32_t* LightColorOf(CPovObject& light);
