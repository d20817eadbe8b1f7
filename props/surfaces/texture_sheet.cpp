#include "props/surfaces/texture_sheet.h"

#include <filesystem>

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/surfaces/pov_texture.h"
#include "props/surfaces/finish_page.h"
#include "props/surfaces/normal_page.h"
#include "props/surfaces/pigment_page.h"
#include "props/surfaces/texture_general_page.h"
#include "props/surfaces/texture_halo_page.h"
#include "resources/ui_text.h"

CPropPovTexture::CPropPovTexture(CPovPigmentOwner& surface, std::string caption)
    : CPropObject(surface, std::move(caption)), surface_(surface) {
    surfacePages_.push_back(&AddPage(std::make_unique<CPropTextureGeneral>(surface)));
    surfacePages_.push_back(&AddPage(std::make_unique<CPropTexturePigment>(*this)));
    if (auto* texture = dynamic_cast<CPovTexture*>(&surface)) {
        surfacePages_.push_back(&AddPage(std::make_unique<CPropNormal>(*this, *texture)));
        surfacePages_.push_back(&AddPage(std::make_unique<CPropFinish>(*this, *texture)));
        AddPage(std::make_unique<CPropTextHalo>(*texture));
    }
}

bool CPropPovTexture::IsTexture() const {
    return surface_.GetType() == kKindTexture;
}

void CPropPovTexture::AddPreviewField(PageModel& page) {
    SheetField& f = page.Add(FieldKind::Custom, "preview", "", Tr("Vorschau"));
    f.custom = kLivePreviewField;
    f.customData = &preview_;
}

TexturePreviewScene CPropPovTexture::LiveScene() {
    std::unique_ptr<CPovPigmentOwner> copy = ScratchCopy(surface_);
    for (SurfacePage* page : surfacePages_)
        if (page->WasShown())
            page->Apply(*copy);
    COrvantaDoc* doc = Document();
    return LiveTextureScene(*copy, doc ? doc->Pigments : nullptr);
}

void CPropPovTexture::RefreshPreview() {
    const TexturePreviewScene scene = LiveScene();
    preview_.scene = scene.text;
    preview_.note = scene.note;
    preview_.libraryPaths.clear();
    // image and bump files are named relative to the scene's folder (the current folder for
    // a scene not saved yet)
    std::string folder;
    if (COrvantaDoc* doc = Document())
        folder = doc->GetSceneFolder();
    std::error_code ec;
    if (folder.empty())
        folder = std::filesystem::current_path(ec).string();
    preview_.libraryPaths.push_back(folder);
}
