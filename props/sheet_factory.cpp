#include "props/sheet_factory.h"

#include <string_view>

#include "model/cp1252.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/groups/pov_csg.h"
#include "model/pov_object.h"
#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "model/solids/pov_cone.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_plane.h"
#include "model/solids/pov_sphere.h"
#include "model/solids/pov_torus.h"
#include "props/environment/environment_sheets.h"
#include "props/groups/group_sheets.h"
#include "props/lights/light_sheets.h"
#include "props/shapes/shape_sheets.h"
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
    if (kind == "CPovCSG" || kind == "CPovBlob" || kind == "CPovUserObject")
        return Make<CPropCSG, CPovCSG>(object, title);
    if (kind == "CPovLathe")
        return Make<CPropLathe, CPovLathe>(object, title);
    if (kind == "CPovPolygon")
        return Make<CPropPolygon, CPovPolygon>(object, title);
    if (kind == "CPovTTF")
        return Make<CPropTTF, CPovTTF>(object, title);
    if (kind == "CPovTriangle" || kind == "CPovSmoothTriangle")
        return std::make_unique<CPropTriangle>(object, title);
    if (kind == "CPovLight")
        return std::make_unique<CPropLight>(object, title);
    if (kind == "CPovLightSourceSpot" || kind == "CPovLightSourceCylinder")
        return std::make_unique<CPropLightVariants>(object, title);
    if (kind == "CPovCamera")
        return std::make_unique<CPropCamera>(object, title);
    if (kind == "CPovBackground")
        return Make<CPropBackground, CPovBackground>(object, title);
    if (kind == "CPovSkySphere")
        return Make<CPropSkySphere, CPovSkySphere>(object, title);
    if (kind == "CPovFog")
        return Make<CPropFog, CPovFog>(object, title);
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
