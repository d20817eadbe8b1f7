#include "props/surfaces/finish_page.h"

#include "model/surfaces/pov_texture.h"
#include "props/surfaces/texture_sheet.h"
#include "resources/ui_text.h"

CPropFinish::CPropFinish(CPropPovTexture& sheet, CPovTexture& texture)
    : SurfacePage(Tr("Reflektion")), sheet_(sheet), texture_(texture) {
    Add(FieldKind::Check, "ambient", Tr("&Ambient"));
    Add(FieldKind::Button, "ambient.pick", Tr("Aus&wahl")).sameRow = true;
    Add(FieldKind::Color, "ambient.color", "").sameRow = true;
    Add(FieldKind::Check, "phong", Tr("&Phong Hervorhebung"));
    AddNumber("phong.value", Tr("&Phong:"));
    AddNumber("phong.size", Tr("&Größe:")).sameRow = true;
    Add(FieldKind::Check, "refraction", Tr("&Lichtbrechung"));
    AddNumber("ior", Tr("&Brechungsfaktor:"));
    Add(FieldKind::Check, "metallic", Tr("&metalische Oberbläche"));
    AddNumber("diffuse", Tr("&Diffuse Reflektion:"), Tr("Politur"));
    AddNumber("brilliance", Tr("Br&illianz (Brilliance):"), Tr("Politur"));
    AddNumber("crand", Tr("&Rauheit:"), Tr("Politur"));
    AddNumber("reflection", Tr("R&eflektion:"), Tr("Politur"));
    sheet.AddPreviewField(*this);
}

void CPropFinish::Load(SheetModel&) {
    SetValue("ambient", texture_.HasAmbient ? 1 : 0);
    SetValue("ambient.color", static_cast<int>(texture_.AmbientColor));
    SetValue("phong", texture_.HasPhong ? 1 : 0);
    SetNumber("phong.value", texture_.Phong);
    SetNumber("phong.size", texture_.PhongSize);
    SetValue("refraction", texture_.HasRefraction ? 1 : 0);
    SetNumber("ior", texture_.Ior);
    SetValue("metallic", texture_.Metallic ? 1 : 0);
    SetNumber("diffuse", texture_.Diffuse);
    SetNumber("brilliance", texture_.Brilliance);
    SetNumber("crand", texture_.Crand);
    SetNumber("reflection", texture_.Reflection);
    sheet_.RefreshPreview();
}

void CPropFinish::Changed(SheetModel&, std::string_view) {
    sheet_.RefreshPreview();
}

void CPropFinish::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "ambient.pick")
        return;
    const auto current = static_cast<uint32_t>(Value("ambient.color"));
    if (std::optional<uint32_t> color = sheet.Services().PickColor(current)) {
        SetValue("ambient.color", static_cast<int>(*color));
        sheet_.RefreshPreview();
    }
}

void CPropFinish::Apply(CPovPigmentOwner& target) const {
    auto& t = static_cast<CPovTexture&>(target);
    t.HasAmbient = Checked("ambient") ? 1 : 0;
    t.AmbientColor = static_cast<PovColor>(Value("ambient.color"));
    t.HasPhong = Checked("phong") ? 1 : 0;
    t.Phong = Number("phong.value").value_or(t.Phong);
    t.PhongSize = Number("phong.size").value_or(t.PhongSize);
    t.HasRefraction = Checked("refraction") ? 1 : 0;
    t.Ior = Number("ior").value_or(t.Ior);
    t.Metallic = Checked("metallic") ? 1 : 0;
    t.Diffuse = Number("diffuse").value_or(t.Diffuse);
    t.Brilliance = Number("brilliance").value_or(t.Brilliance);
    t.Crand = Number("crand").value_or(t.Crand);
    t.Reflection = Number("reflection").value_or(t.Reflection);
}

void CPropFinish::Store(SheetModel&) {
    Apply(texture_);
}
