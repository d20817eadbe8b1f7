#include "props/shapes/shape_sheets.h"

#include "model/shapes/pov_lathe.h"
#include "model/shapes/pov_polygon.h"
#include "model/shapes/pov_ttf.h"
#include "props/object_pages.h"
#include "props/pages/texture_page.h"
#include "props/shapes/shape_pages.h"

CPropLathe::CPropLathe(CPovLathe& lathe, std::string caption)
    : CPropObject(lathe, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
    AddPage(std::make_unique<CPropLatheSpecial>(&lathe, nullptr));
}

CPropPolygon::CPropPolygon(CPovPolygon& polygon, std::string caption)
    : CPropObject(polygon, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
    AddPage(std::make_unique<CPropLatheSpecial>(nullptr, &polygon));
}

CPropTTF::CPropTTF(CPovTTF& text, std::string caption) : CPropObject(text, std::move(caption)) {
    AddGeneralRotationTexture(*this, GeneralVariant::Plain);
    AddPage(std::make_unique<CPropTTFText>(text));
}

CPropTriangle::CPropTriangle(CPovObject& triangle, std::string caption)
    : CPropObject(triangle, std::move(caption)) {
    AddPage(MakeTexturePage(triangle, true));
}
