#include "props/sheet_factory.h"

#include <string_view>

#include "model/cp1252.h"
#include "model/pov_object.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "props/sheet_model.h"
#include "props/solids/solid_sheets.h"
#include "props/surfaces/surface_sheets.h"

namespace {

template <typename Sheet, typename Kind>
std::unique_ptr<SheetModel> Make(CPovObject& object, const std::string& caption) {
    return std::make_unique<Sheet>(static_cast<Kind&>(object), caption);
}

}  // namespace

std::unique_ptr<SheetModel> MakeObjectSheet(CPovObject& object, const std::string& caption) {
    const std::string title = orv::Cp1252ToUtf8(caption);
    const std::string_view kind = object.GetClassName();
    if (kind == "CPovCubic")
        return Make<CPropCubic, CPovCubic>(object, title);
    if (kind == "CPovCone")
        return Make<CPropCone, CPovCone>(object, title);
    if (kind == "CPovSphere")
        return Make<CPropSphere, CPovSphere>(object, title);
    if (kind == "CPovCylinder")
        return Make<CPropCylinder, CPovCylinder>(object, title);
    if (kind == "CPovTorus")
        return Make<CPropTorus, CPovTorus>(object, title);
    if (kind == "CPovHeightField")
        return Make<CPropHF, CPovHeightField>(object, title);
    if (kind == "CPovPlane")
        return Make<CPropPlane, CPovPlane>(object, title);
    if (kind == "CPovTexture" || kind == "CPovPigment" || kind == "CPovHalo")
        return MakeSurfaceSheet(object, title);
    return nullptr;
}

int RunObjectSheet(CPovObject& object, const std::string& caption, ISheetServices& services,
                   const std::function<int(SheetModel&)>& run) {
    std::unique_ptr<SheetModel> sheet = MakeObjectSheet(object, caption);
    if (!sheet)
        return 2;
    sheet->SetServices(&services);
    return run(*sheet);
}
