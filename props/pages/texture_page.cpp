#include "props/pages/texture_page.h"

#include <cmath>

#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "model/surfaces/predefined_textures.h"
#include "props/preview_pictures.h"
#include "props/prop_object.h"
#include "resources/ui_text.h"

namespace {

std::string Utf8(const std::string& cp1252) {
    return orv::Cp1252ToUtf8(cp1252);
}

// "Modifizierung": the object's texture steps, written at once on OK
class TextureStepsPage : public PageModel {
  public:
    explicit TextureStepsPage(CPovObject& object)
        : PageModel(Tr("Modifizierung")), object_(object) {
        AddVector("t", Tr("Transformation"));
        AddVector("s", Tr("Skalierung"));
        AddVector("r", Tr("Rotation (-180.0...+180.0)"), -180.0, 180.0);
    }
    void Load(SheetModel&) override {
        const std::vector<Vector>& steps = object_.TextureSteps;
        SetVector("t", steps[0].X, steps[0].Y, steps[0].Z);
        SetVector("s", steps[1].X, steps[1].Y, steps[1].Z);
        SetVector("r", steps[2].X, steps[2].Y, steps[2].Z);
    }
    void Store(SheetModel&) override {
        const char* prefixes[] = {"t", "s", "r"};
        for (size_t i = 0; i < 3; ++i) {
            const std::string p = prefixes[i];
            Vector& step = object_.TextureSteps[i];
            step.X = *Number(p + ".x");
            step.Y = *Number(p + ".y");
            step.Z = *Number(p + ".z");
        }
    }

  private:
    CPovObject& object_;
};

int Byte(double fraction) {
    return std::clamp(static_cast<int>(std::lround(fraction * 255.0)), 0, 255);
}

}  // namespace

std::vector<std::string> StandardTextureNames() {
    std::vector<std::string> names(kPredefinedTextures,
                                   kPredefinedTextures + kPredefinedTextureCount);
    if (const std::vector<std::string>* addOns = GetTextureAddOns())
        for (size_t i = 0; i < addOns->size(); i += 2)
            names.push_back(Utf8((*addOns)[i]));
    return names;
}

std::unique_ptr<CPropObjectTexture> MakeTexturePage(CPovObject& object, bool triangle) {
    if (object.WriteTextureSteps)
        return std::make_unique<CPropObjectTexture>(object, object.TextureName, "",
                                                    kTextureStandard);
    return std::make_unique<CPropObjectTexture>(object, triangle ? "Water" : "", object.TextureName,
                                                kTextureUser);
}

CPropObjectTexture::CPropObjectTexture(CPovObject& object, std::string standardName,
                                       std::string userName, int mode)
    : PageModel(Tr("Oberfläche")),
      object_(object),
      standardName_(std::move(standardName)),
      userName_(std::move(userName)) {
    SheetField& modes = Add(FieldKind::Radio, "mode", "", Tr("Textur"));
    modes.items = {Tr("&Standard/Include"), Tr("&Benutzerdefiniert"), Tr("&keine")};
    modes.value = mode;
    SheetField& standard = Add(FieldKind::Choice, "standard", Tr("Textur:"), Tr("Textur"));
    standard.items = StandardTextureNames();
    standard.value = -1;
    // the desktop shows each name with its preview picture
    standard.custom = "texture-previews";
    SheetField& user = Add(FieldKind::Choice, "user", Tr("Textur:"), Tr("Textur"));
    user.value = -1;
    Add(FieldKind::Button, "new", Tr("&Neu..."), Tr("Textur"));
    Add(FieldKind::Button, "edit", Tr("&Bearbeiten..."), Tr("Textur")).sameRow = true;
    Add(FieldKind::Picture, "preview", Tr("Vorschau:"), Tr("Textur"));
    Add(FieldKind::Button, "quick", Tr("&Quickcolor..."), Tr("Farbe in den Ansichten"));
    Add(FieldKind::Color, "swatch", "", Tr("Farbe in den Ansichten")).sameRow = true;
}

void CPropObjectTexture::Load(SheetModel& sheet) {
    SheetField& modes = Field("mode");
    if (!object_.UseOwnTexture)
        modes.value = kTextureNone;
    if (!standardName_.empty())
        Choose("standard", Utf8(standardName_));
    SetValue("swatch", Byte(object_.QuickColorR) | (Byte(object_.QuickColorG) << 8) |
                           (Byte(object_.QuickColorB) << 16));
    Layout(sheet);
}

void CPropObjectTexture::FillUserList(SheetModel& sheet) {
    if (userListFilled_)
        return;
    userListFilled_ = true;
    SheetField& user = Field("user");
    user.items.clear();
    user.value = -1;
    if (auto* prop = dynamic_cast<CPropObject*>(&sheet))
        if (COrvantaDoc* doc = prop->Document())
            for (const CPovObject* t = doc->Textures; t; t = t->NextSibling)
                user.items.push_back(Utf8(t->GetName()));
    if (!userName_.empty())
        Choose("user", Utf8(userName_));
}

void CPropObjectTexture::Layout(SheetModel& sheet) {
    const int mode = Value("mode");
    if (mode == kTextureUser)
        FillUserList(sheet);
    Show("standard", mode != kTextureUser);
    Enable("standard", mode == kTextureStandard);
    Show("user", mode == kTextureUser);
    Enable("new", mode == kTextureUser);
    Enable("edit", mode != kTextureNone);
    // the preview shows the chosen predefined texture
    const bool preview = mode == kTextureStandard;
    Enable("preview", preview);
    std::optional<std::string> picture;
    if (preview)
        picture = PreviewPicture(orv::Utf8ToCp1252(ChosenText("standard")));
    SetText("preview", picture.value_or(""));
}

std::optional<Refusal> CPropObjectTexture::Validate(SheetModel&) {
    // an empty name would write a texture block POV-Ray cannot read
    const int mode = Value("mode");
    if (mode == kTextureStandard && ChosenText("standard").empty())
        return Refusal{"standard", Tr("Wählen Sie bitte eine Textur aus.")};
    if (mode == kTextureUser && ChosenText("user").empty())
        return Refusal{"user", Tr("Wählen Sie bitte eine Textur aus.")};
    return std::nullopt;
}

void CPropObjectTexture::Changed(SheetModel& sheet, std::string_view id) {
    if (id == "mode" || id == "standard")
        Layout(sheet);
}

void CPropObjectTexture::Pressed(SheetModel& sheet, std::string_view id) {
    if (id == "new") {
        auto* prop = dynamic_cast<CPropObject*>(&sheet);
        COrvantaDoc* doc = prop ? prop->Document() : nullptr;
        if (!doc)
            return;
        // the document's texture command: a new texture at the head of the list, edited
        doc->OnCreate(CreateKind::Texture);
        if (doc->Textures)
            Choose("user", Utf8(doc->Textures->GetName()));
    } else if (id == "edit") {
        if (Value("mode") == kTextureUser)
            EditChosenTexture(sheet);
        else if (Value("mode") == kTextureStandard)
            EditTextureSteps(sheet);
    } else if (id == "quick") {
        PickQuickColor(sheet);
    }
}

void CPropObjectTexture::EditChosenTexture(SheetModel& sheet) {
    auto* prop = dynamic_cast<CPropObject*>(&sheet);
    COrvantaDoc* doc = prop ? prop->Document() : nullptr;
    const std::string chosen = orv::Utf8ToCp1252(ChosenText("user"));
    if (!doc || chosen.empty())
        return;
    for (CPovObject* t = doc->Textures; t; t = t->NextSibling) {
        if (t->GetName() != chosen)
            continue;
        t->EditProperties();
        if (t->GetName() != chosen) {
            SheetField& user = Field("user");
            user.items.erase(user.items.begin() + user.value);
            Choose("user", Utf8(t->GetName()));
        }
        return;
    }
}

void CPropObjectTexture::EditTextureSteps(SheetModel& sheet) {
    SheetModel dialog(Tr("Modifizierung"));
    dialog.SetPlain(true);
    dialog.AddPage(std::make_unique<TextureStepsPage>(object_));
    if (sheet.Services().RunSheet(dialog) == 1)
        if (auto* prop = dynamic_cast<CPropObject*>(&sheet))
            prop->SceneChanged();
}

void CPropObjectTexture::PickQuickColor(SheetModel& sheet) {
    const std::optional<uint32_t> color =
        sheet.Services().PickColor(static_cast<uint32_t>(Value("swatch")));
    if (!color)
        return;
    SetValue("swatch", static_cast<int>(*color));
    // the display colour changes at once and stays when the sheet is cancelled
    object_.QuickColorR = (*color & 0xFF) / 255.0;
    object_.QuickColorG = ((*color >> 8) & 0xFF) / 255.0;
    object_.QuickColorB = ((*color >> 16) & 0xFF) / 255.0;
    if (auto* prop = dynamic_cast<CPropObject*>(&sheet))
        prop->SceneChanged();
}

void CPropObjectTexture::Store(SheetModel&) {
    switch (Value("mode")) {
        case kTextureStandard:
            object_.TextureName = orv::Utf8ToCp1252(ChosenText("standard"));
            object_.WriteTextureSteps = 1;
            object_.UseOwnTexture = 1;
            break;
        case kTextureUser:
            object_.TextureName = orv::Utf8ToCp1252(ChosenText("user"));
            object_.WriteTextureSteps = 0;
            object_.UseOwnTexture = 1;
            break;
        default:
            object_.TextureName.clear();
            object_.WriteTextureSteps = 0;
            object_.UseOwnTexture = 0;
            break;
    }
}
