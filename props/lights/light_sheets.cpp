#include "props/lights/light_sheets.h"

#include "props/lights/light_pages.h"

CPropLight::CPropLight(CPovObject& light, std::string caption)
    : CPropObject(light, std::move(caption)) {
    AddPage(std::make_unique<CPropLightGeneral>(light));
}

CPropLightVariants::CPropLightVariants(CPovObject& light, std::string caption)
    : CPropObject(light, std::move(caption)) {
    AddPage(std::make_unique<CPropLightGeneral>(light));
    AddPage(std::make_unique<CPropLightSpecial>(light));
}

CPropCamera::CPropCamera(CPovObject& camera, std::string caption)
    : CPropObject(camera, std::move(caption)) {
    AddPage(std::make_unique<CPropCameraGeneral>(camera));
}
