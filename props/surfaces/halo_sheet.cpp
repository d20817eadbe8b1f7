#include "props/surfaces/halo_sheet.h"

#include "model/environment/pov_halo.h"
#include "props/pages/general_page.h"
#include "props/pages/rotation_page.h"
#include "props/surfaces/halo_pages.h"
#include "props/surfaces/turbulence_page.h"

CPropHalo::CPropHalo(CPovHalo& halo, std::string caption) : CPropObject(halo, std::move(caption)) {
    AddPage(std::make_unique<CPropGeneral>(halo, GeneralVariant::Plain));
    AddPage(std::make_unique<CPropRotation>(halo));
    AddPage(std::make_unique<CPropHaloDefinitions>(halo));
    AddPage(std::make_unique<CPropHaloColors>(halo));
    AddPage(std::make_unique<CPropHaloSampling>(halo));
    AddPage(std::make_unique<CPropTurbulence>(CPropTurbulence::Of(halo)));
}
