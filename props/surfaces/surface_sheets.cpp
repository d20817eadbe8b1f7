#include "props/surfaces/surface_sheets.h"

#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "props/surfaces/halo_sheet.h"
#include "props/surfaces/texture_sheet.h"
#include "props/surfaces/turbulence_page.h"

std::unique_ptr<SheetModel> MakeSurfaceSheet(CPovObject& object, const std::string& caption) {
    if (auto* halo = dynamic_cast<CPovHalo*>(&object))
        return std::make_unique<CPropHalo>(*halo, caption);
    if (auto* surface = dynamic_cast<CPovPigmentOwner*>(&object))
        return std::make_unique<CPropPovTexture>(*surface, caption);
    return nullptr;
}

std::unique_ptr<PageModel> MakeTurbulencePage(CPovFog& fog) {
    return std::make_unique<CPropTurbulence>(CPropTurbulence::Of(fog));
}
