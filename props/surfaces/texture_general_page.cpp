#include "props/surfaces/texture_general_page.h"

#include "model/pov_object.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "props/pages/name_field.h"
#include "props/surfaces/texture_sheet.h"
#include "resources/ui_text.h"

namespace {

constexpr size_t kNameLength = 24;
const char* const kSteps[] = {"t", "s", "r"};

}  // namespace

CPropTextureGeneral::CPropTextureGeneral(CPovObject& surface)
    : SurfacePage(Tr("Allgemein")), surface_(surface) {
    name_field::Add(*this);
    Field("name").label = Tr("&Bezeichnung:");
    Field("name").maxLength = kNameLength;
    AddVector("t", Tr("&Translation"));
    AddVector("s", Tr("&Skalierung"));
    AddVector("r", Tr("&Rotation"));
}

void CPropTextureGeneral::Load(SheetModel&) {
    name_field::Load(*this, surface_);
    Field("name").maxLength = std::max(kNameLength, Utf8Length(Text("name")));
    for (int i = 0; i < 3; ++i) {
        const Vector& v = surface_.Steps[static_cast<size_t>(i)];
        SetVector(kSteps[i], v.X, v.Y, v.Z);
    }
}

std::optional<Refusal> CPropTextureGeneral::Validate(SheetModel& sheet) {
    if (std::optional<Refusal> r = name_field::Validate(*this))
        return r;
    return PageModel::Validate(sheet);
}

void CPropTextureGeneral::Changed(SheetModel& sheet, std::string_view id) {
    if (id == "name") {
        name_field::Changed(*this, surface_);
        return;
    }
    static_cast<CPropPovTexture&>(sheet).RefreshPreview();
}

void CPropTextureGeneral::Apply(CPovPigmentOwner& target) const {
    for (int i = 0; i < 3; ++i) {
        Vector& v = target.Steps[static_cast<size_t>(i)];
        const std::string step = kSteps[i];
        v.X = Number(step + ".x").value_or(v.X);
        v.Y = Number(step + ".y").value_or(v.Y);
        v.Z = Number(step + ".z").value_or(v.Z);
    }
}

void CPropTextureGeneral::Store(SheetModel&) {
    Apply(static_cast<CPovPigmentOwner&>(surface_));
    name_field::Store(*this, surface_);
}
