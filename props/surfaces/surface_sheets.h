// The sheets of the surface definitions (texture, pigment, halo) and the fog's turbulence
// page. The object factory (props/sheet_factory.h) asks here for every texture, pigment and
// halo, and the fog's sheet for its third page; a nullptr means "no sheet (page) yet": the
// edit is cancelled (the page left out).
#pragma once

#include <memory>
#include <string>

class CPovFog;
class CPovObject;
class PageModel;
class SheetModel;

// caption: UTF-8
std::unique_ptr<SheetModel> MakeSurfaceSheet(CPovObject& object, const std::string& caption);
std::unique_ptr<PageModel> MakeTurbulencePage(CPovFog& fog);
