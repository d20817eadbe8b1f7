#include "props/surfaces/surface_sheets.h"

#include "props/page_model.h"
#include "props/sheet_model.h"

std::unique_ptr<SheetModel> MakeSurfaceSheet(CPovObject&, const std::string&) {
    return nullptr;
}

std::unique_ptr<PageModel> MakeTurbulencePage(CPovFog&) {
    return nullptr;
}
