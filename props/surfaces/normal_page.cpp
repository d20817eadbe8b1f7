#include "props/surfaces/normal_page.h"

#include "model/cp1252.h"
#include "model/surfaces/pov_texture.h"
#include "props/pages/general_page.h"
#include "props/surfaces/texture_sheet.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

const char* const kPatterns[] = {"gradient x", "brick",  "bumps",    "checker", "dents",
                                 "hexagon",    "mandel", "quilted",  "ripples", "spiral1",
                                 "spiral2",    "waves",  "wrinkles", "crackle"};
const char* const kValues[] = {"v1", "v2", "v3"};

// "no deformation" is a value of the scene file, always German there; the list shows it in the
// user's language
std::string StoredNone() {
    return LoadStringUtf8(IDS_NO_DEFORMATION);
}
std::string ShownNone() {
    return Tr(StoredNone());
}

}  // namespace

CPropNormal::CPropNormal(CPropPovTexture& sheet, CPovTexture& texture)
    : SurfacePage(Tr("Beschaffenheit")), sheet_(sheet), texture_(texture) {
    Add(FieldKind::Radio, "kind", "").items = {Tr("&Einfache Deformationen"),
                                               Tr("&Slope Map (Neigungstabelle)"),
                                               Tr("&Projezierte Deformation")};
    SheetField& pattern = Add(FieldKind::Choice, "pattern", Tr("Deformation:"));
    pattern.editable = true;
    pattern.items.push_back(ShownNone());
    pattern.items.insert(pattern.items.end(), std::begin(kPatterns), std::end(kPatterns));
    AddNumber("v1", Tr("Wert &1:"), Tr("Werte"));
    AddNumber("v2", Tr("Wert &2:"), Tr("Werte"));
    AddNumber("v3", Tr("Wert &3:"), Tr("Werte"));
    Add(FieldKind::Text, "file", Tr("&Datei:"), Tr("Bump Map"));
    Add(FieldKind::Button, "browse", Tr("&Auswahl..."), Tr("Bump Map")).sameRow = true;
    // the normal's turbulence is not part of the model yet
    SheetField& effect = Add(FieldKind::Button, "effect", Tr("E&ffekt..."), Tr("Bump Map"));
    effect.sameRow = true;
    effect.enabled = false;
    sheet.AddPreviewField(*this);
}

void CPropNormal::Load(SheetModel&) {
    SetValue("kind",
             texture_.NormalKind >= 0 && texture_.NormalKind <= 2 ? texture_.NormalKind : -1);
    const std::string name = orv::Cp1252ToUtf8(texture_.NormalName.Str());
    Choose("pattern", name == StoredNone() ? ShownNone() : name);
    SetNumber("v1", texture_.NormalValues[0]);
    SetNumber("v2", texture_.NormalValues[1]);
    SetNumber("v3", texture_.NormalValues[2]);
    SetText("file", orv::Cp1252ToUtf8(texture_.BumpFile));
    EnableForKind();
    sheet_.RefreshPreview();
}

void CPropNormal::EnableForKind() {
    const int kind = Value("kind");
    for (const char* id : {"pattern", "v1", "v2", "v3"})
        Enable(id, kind == kNormalPattern);
    Enable("file", kind == kNormalBumpMap);
    Enable("browse", kind == kNormalBumpMap);
}

void CPropNormal::Changed(SheetModel&, std::string_view id) {
    if (id == "kind")
        EnableForKind();
    edited_ = true;
    sheet_.RefreshPreview();
}

void CPropNormal::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "browse")
        return;
    if (std::optional<std::string> file =
            sheet.Services().OpenFileName(Tr("Öffnen"), kHeightFieldImageFilter, Text("file"))) {
        SetText("file", *file);
        edited_ = true;
        sheet_.RefreshPreview();
    }
}

std::optional<Refusal> CPropNormal::Validate(SheetModel& sheet) {
    if (Field("pattern").enabled && Utf8Length(Text("pattern")) > ShortName<19>::kMaxLength)
        return Refusal{"pattern", TextLengthMessage(ShortName<19>::kMaxLength)};
    return PageModel::Validate(sheet);
}

void CPropNormal::Apply(CPovPigmentOwner& target) const {
    auto& texture = static_cast<CPovTexture&>(target);
    const int kind = Value("kind");
    const std::string name = Text("pattern") == ShownNone() ? StoredNone() : Text("pattern");
    texture.NormalName = orv::Utf8ToCp1252(name);
    for (size_t i = 0; i < 3; ++i)
        texture.NormalValues[i] = Number(kValues[i]).value_or(texture.NormalValues[i]);
    texture.BumpFile = orv::Utf8ToCp1252(Text("file"));
    if (kind >= 0)
        texture.NormalKind = kind;
    // what the page shows decides whether a normal is written; untouched, it stays as read
    if (edited_)
        texture.HasNormal = name != StoredNone() || kind != kNormalPattern ? 1 : 0;
}

void CPropNormal::Store(SheetModel&) {
    Apply(texture_);
}
