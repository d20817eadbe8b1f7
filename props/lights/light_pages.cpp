#include "props/lights/light_pages.h"

#include "model/lights/pov_light.h"
#include "model/lights/pov_light_source_cylinder.h"
#include "model/lights/pov_light_source_spot.h"
#include "props/pages/name_field.h"
#include "props/sheet_model.h"
#include "resources/ui_text.h"

namespace {

struct Angles {
    double* radius = nullptr;
    double* falloff = nullptr;
    double* tightness = nullptr;
};

Angles AnglesOf(CPovObject& light) {
    if (auto* spot = dynamic_cast<CPovLightSourceSpot*>(&light))
        return {&spot->Radius, &spot->Falloff, &spot->Tightness};
    if (auto* cylinder = dynamic_cast<CPovLightSourceCylinder*>(&light))
        return {&cylinder->Radius, &cylinder->Falloff, &cylinder->Tightness};
    return {};
}

Vector NumbersOf(const PageModel& page, const std::string& prefix) {
    return Vector(*page.Number(prefix + ".x"), *page.Number(prefix + ".y"),
                  *page.Number(prefix + ".z"));
}

}  // namespace

uint32_t* LightColorOf(CPovObject& light) {
    if (auto* point = dynamic_cast<CPovLight*>(&light))
        return &point->LightColor;
    if (auto* spot = dynamic_cast<CPovLightSourceSpot*>(&light))
        return &spot->LightColor;
    if (auto* cylinder = dynamic_cast<CPovLightSourceCylinder*>(&light))
        return &cylinder->LightColor;
    return nullptr;
}

CPropLightGeneral::CPropLightGeneral(CPovObject& light)
    : PageModel(Tr("Allgemein")), light_(light) {
    name_field::Add(*this);
    AddVector("pos", Tr("&Position"), -2000.0, 2000.0);
    Add(FieldKind::Button, "color.pick", Tr("A&uswahl"), Tr("Farbe"));
    Add(FieldKind::Color, "color", "", Tr("Farbe")).sameRow = true;
    if (uint32_t* color = LightColorOf(light))
        SetValue("color", static_cast<int>(*color));
    const Vector& t = light.Steps[kStepTranslate];
    SetVector("pos", t.X, t.Y, t.Z);
}

void CPropLightGeneral::Load(SheetModel&) {
    name_field::Load(*this, light_);
}

std::optional<Refusal> CPropLightGeneral::Validate(SheetModel& sheet) {
    if (std::optional<Refusal> r = name_field::Validate(*this))
        return r;
    return PageModel::Validate(sheet);
}

void CPropLightGeneral::Changed(SheetModel&, std::string_view id) {
    if (id == "name")
        name_field::Changed(*this, light_);
}

void CPropLightGeneral::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "color.pick")
        return;
    if (std::optional<uint32_t> color =
            sheet.Services().PickColor(static_cast<uint32_t>(Value("color"))))
        SetValue("color", static_cast<int>(*color));
}

void CPropLightGeneral::Store(SheetModel&) {
    name_field::Store(*this, light_);
    light_.SetPosition(NumbersOf(*this, "pos"));
    if (uint32_t* color = LightColorOf(light_))
        *color = static_cast<uint32_t>(Value("color"));
}

CPropLightSpecial::CPropLightSpecial(CPovObject& light) : PageModel(Tr("Speziell")), light_(light) {
    AddVector("dir", Tr("Richtung"));
    AddNumber("radius", Tr("&Radius:"));
    AddNumber("falloff", Tr("&Falloff:"));
    AddNumber("tightness", Tr("&Tightness:"));
}

void CPropLightSpecial::Load(SheetModel&) {
    if (const CPovObject* target = light_.FirstChild) {
        const Vector& p = target->Steps[kStepTranslate];
        SetVector("dir", p.X, p.Y, p.Z);
    }
    const Angles a = AnglesOf(light_);
    if (a.radius) {
        SetNumber("radius", *a.radius);
        SetNumber("falloff", *a.falloff);
        SetNumber("tightness", *a.tightness);
    }
}

void CPropLightSpecial::Store(SheetModel&) {
    if (CPovObject* target = light_.FirstChild)
        target->SetPosition(NumbersOf(*this, "dir"));
    const Angles a = AnglesOf(light_);
    if (a.radius) {
        *a.radius = *Number("radius");
        *a.falloff = *Number("falloff");
        *a.tightness = *Number("tightness");
    }
    // the light's cones follow the new angles
    light_.UpdateGeometry();
}

CPropCameraGeneral::CPropCameraGeneral(CPovObject& camera)
    : PageModel(Tr("Allgemein")), camera_(camera) {
    name_field::Add(*this);
    AddVector("pos", Tr("&Position"));
    AddVector("look", Tr("B&lickpunkt"));
    const Vector& t = camera.Steps[kStepTranslate];
    SetVector("pos", t.X, t.Y, t.Z);
    if (const CPovObject* target = camera.FirstChild) {
        const Vector& p = target->Steps[kStepTranslate];
        SetVector("look", p.X, p.Y, p.Z);
    }
}

void CPropCameraGeneral::Load(SheetModel&) {
    name_field::Load(*this, camera_);
}

std::optional<Refusal> CPropCameraGeneral::Validate(SheetModel& sheet) {
    if (std::optional<Refusal> r = name_field::Validate(*this))
        return r;
    return PageModel::Validate(sheet);
}

void CPropCameraGeneral::Changed(SheetModel&, std::string_view id) {
    if (id == "name")
        name_field::Changed(*this, camera_);
}

void CPropCameraGeneral::Store(SheetModel&) {
    name_field::Store(*this, camera_);
    // the look-at point first, then the camera: the camera re-aims at its new target
    if (CPovObject* target = camera_.FirstChild)
        target->SetPosition(NumbersOf(*this, "look"));
    camera_.SetPosition(NumbersOf(*this, "pos"));
}
