#include "props/environment/environment_sheets.h"

#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "props/environment/environment_pages.h"
#include "props/pages/general_page.h"
#include "props/surfaces/surface_sheets.h"

CPropBackground::CPropBackground(CPovBackground& background, std::string caption)
    : CPropObject(background, std::move(caption)) {
    AddPage(std::make_unique<CPropBackgroundGeneral>(background));
}

CPropSkySphere::CPropSkySphere(CPovSkySphere& sky, std::string caption)
    : CPropObject(sky, std::move(caption)) {
    AddPage(std::make_unique<CPropSkySphereType>(sky));
}

CPropFog::CPropFog(CPovFog& fog, std::string caption) : CPropObject(fog, std::move(caption)) {
    AddPage(std::make_unique<CPropGeneral>(fog, GeneralVariant::Fog));
    AddPage(std::make_unique<CPropFogSpecial>(fog));
    if (std::unique_ptr<PageModel> turbulence = MakeTurbulencePage(fog))
        AddPage(std::move(turbulence));
}
