#include "props/environment/environment_pages.h"

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/environment/pov_background.h"
#include "model/environment/pov_fog.h"
#include "model/environment/pov_sky_sphere.h"
#include "props/pages/name_field.h"
#include "props/preview_pictures.h"
#include "props/prop_object.h"
#include "resources/ui_text.h"

namespace {

const char* const kSkies[] = {"S_Cloud1", "S_Cloud2", "S_Cloud3", "S_Cloud4", "S_Cloud5"};
const char* const kFogTypes[] = {"Uniform_Fog", "Ground_Fog"};

std::vector<std::string> PigmentNames(SheetModel& sheet) {
    std::vector<std::string> names;
    if (auto* prop = dynamic_cast<CPropObject*>(&sheet))
        if (COrvantaDoc* doc = prop->Document())
            for (const CPovObject* p = doc->Pigments; p; p = p->NextSibling)
                names.push_back(orv::Cp1252ToUtf8(p->GetName()));
    return names;
}

}  // namespace

CPropBackgroundGeneral::CPropBackgroundGeneral(CPovBackground& background)
    : PageModel(Tr("Allgemein")), background_(background) {
    name_field::Add(*this);
    Add(FieldKind::Button, "color.pick", Tr("A&uswahl"), Tr("Farbe"));
    Add(FieldKind::Color, "color", "", Tr("Farbe")).sameRow = true;
}

void CPropBackgroundGeneral::Load(SheetModel&) {
    name_field::Load(*this, background_);
    SetValue("color", static_cast<int>(background_.BackgroundColor));
}

std::optional<Refusal> CPropBackgroundGeneral::Validate(SheetModel& sheet) {
    if (std::optional<Refusal> r = name_field::Validate(*this))
        return r;
    return PageModel::Validate(sheet);
}

void CPropBackgroundGeneral::Changed(SheetModel&, std::string_view id) {
    if (id == "name")
        name_field::Changed(*this, background_);
}

void CPropBackgroundGeneral::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "color.pick")
        return;
    if (std::optional<uint32_t> color =
            sheet.Services().PickColor(static_cast<uint32_t>(Value("color"))))
        SetValue("color", static_cast<int>(*color));
}

void CPropBackgroundGeneral::Store(SheetModel&) {
    name_field::Store(*this, background_);
    background_.BackgroundColor = static_cast<PovColor>(Value("color"));
}

CPropSkySphereType::CPropSkySphereType(CPovSkySphere& sky) : PageModel(Tr("Typ")), sky_(sky) {
    Add(FieldKind::Choice, "pigment", Tr("&Pigment:"));
    Add(FieldKind::Choice, "pigment2", Tr("&Zweites Pigment:"));
    Add(FieldKind::Picture, "preview", Tr("Vorschau:"));
}

void CPropSkySphereType::Load(SheetModel& sheet) {
    const std::vector<std::string> pigments = PigmentNames(sheet);
    SheetField& first = Field("pigment");
    first.items.assign(std::begin(kSkies), std::end(kSkies));
    first.items.insert(first.items.end(), pigments.begin(), pigments.end());
    Choose("pigment", orv::Cp1252ToUtf8(sky_.SkyPigment));
    SheetField& second = Field("pigment2");
    second.items = {Tr("(keine zweites Pigment)")};
    second.items.insert(second.items.end(), pigments.begin(), pigments.end());
    if (sky_.SkyPigment2.empty())
        second.value = 0;
    else
        Choose("pigment2", orv::Cp1252ToUtf8(sky_.SkyPigment2));
    ShowPreview();
}

void CPropSkySphereType::ShowPreview() {
    const std::string chosen = ChosenText("pigment");
    const bool sky = CPovSkySphere::IsPredefinedSky(chosen);
    Show("preview", sky);
    SetText("preview", sky ? PreviewPicture(chosen).value_or("") : "");
}

void CPropSkySphereType::Changed(SheetModel&, std::string_view id) {
    if (id == "pigment")
        ShowPreview();
}

void CPropSkySphereType::Store(SheetModel&) {
    sky_.SkyPigment = orv::Utf8ToCp1252(ChosenText("pigment"));
    sky_.SkyPigment2 = Value("pigment2") <= 0 ? "" : orv::Utf8ToCp1252(ChosenText("pigment2"));
}

CPropFogSpecial::CPropFogSpecial(CPovFog& fog) : PageModel(Tr("Speziell")), fog_(fog) {
    SheetField& type = Add(FieldKind::Choice, "type", Tr("Typ:"));
    type.items.assign(std::begin(kFogTypes), std::end(kFogTypes));
    AddNumber("distance", Tr("Entfernung:"));
    AddNumber("offset", Tr("Offset:"));
    AddNumber("alt", Tr("Alt:"));
    AddNumber("filter", Tr("Filter:"));
    Add(FieldKind::Button, "color.pick", Tr("Farbauswahl..."));
    Add(FieldKind::Color, "color", "").sameRow = true;
    Add(FieldKind::Picture, "preview", Tr("Vorschau:"));
}

void CPropFogSpecial::Load(SheetModel&) {
    Choose("type", orv::Cp1252ToUtf8(fog_.FogType));
    SetNumber("distance", fog_.Distance);
    SetNumber("offset", fog_.FogOffset);
    SetNumber("alt", fog_.FogAlt);
    SetNumber("filter", fog_.FogFilter);
    SetValue("color", static_cast<int>(fog_.FogColor));
    ShowPreview();
}

void CPropFogSpecial::ShowPreview() {
    SetText("preview", PreviewPicture(ChosenText("type")).value_or(""));
}

void CPropFogSpecial::Changed(SheetModel&, std::string_view id) {
    if (id == "type")
        ShowPreview();
}

void CPropFogSpecial::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "color.pick")
        return;
    if (std::optional<uint32_t> color =
            sheet.Services().PickColor(static_cast<uint32_t>(Value("color"))))
        SetValue("color", static_cast<int>(*color));
}

void CPropFogSpecial::Store(SheetModel&) {
    fog_.FogType = orv::Utf8ToCp1252(ChosenText("type"));
    fog_.Distance = *Number("distance");
    fog_.FogOffset = *Number("offset");
    fog_.FogAlt = *Number("alt");
    fog_.FogFilter = *Number("filter");
    fog_.FogColor = static_cast<PovColor>(Value("color"));
}
