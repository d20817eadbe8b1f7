#include "props/object_pages.h"

#include "props/pages/rotation_page.h"
#include "props/pages/texture_page.h"
#include "props/prop_object.h"

void AddGeneralRotationTexture(CPropObject& sheet, GeneralVariant variant) {
    sheet.AddPage(std::make_unique<CPropGeneral>(sheet.Object(), variant));
    sheet.AddPage(std::make_unique<CPropRotation>(sheet.Object()));
    sheet.AddPage(MakeTexturePage(sheet.Object()));
}
