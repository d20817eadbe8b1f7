#include "props/pages/general_page.h"

#include "model/cp1252.h"
#include "model/pov_object.h"
#include "model/solids/pov_cylinder.h"
#include "model/solids/pov_height_field.h"
#include "model/solids/pov_sphere.h"
#include "props/pages/name_field.h"
#include "props/sheet_model.h"
#include "resources/ui_text.h"

const char* const kHeightFieldImageFilter =
    "Graphics Interchange Format (*.gif);;Truevision Targa (*.tga);;"
    "Interchange File Format (*.iff);;Portable Pixelmap (*.ppm);;Portable Graymap (*.pgm);;"
    "Portable Network Graphics (*.png);;"
    "Graphics Files (*.gif *.tga *.iff *.ppm *.pgm *.png);;All Files (*)";

namespace {

double* StrengthOf(CPovObject& object) {
    if (auto* sphere = dynamic_cast<CPovSphere*>(&object))
        return &sphere->Strength;
    if (auto* cylinder = dynamic_cast<CPovCylinder*>(&object))
        return &cylinder->Strength;
    return nullptr;
}

}  // namespace

CPropGeneral::CPropGeneral(CPovObject& object, GeneralVariant variant)
    : PageModel(Tr("Allgemein")), object_(object), variant_(variant) {
    const bool fog = variant == GeneralVariant::Fog;
    name_field::Add(*this);
    AddVector("pos", fog ? Tr("\"&Up\" Vektor") : Tr("&Position"));
    AddVector("size", fog ? Tr("&Skalierung") : Tr("&Größe"));
    Field("size.z").min = 0.0;
    Field("size.z").max = 1000.0;

    switch (variant) {
        case GeneralVariant::WithStrength:
            AddNumber("strength", Tr("&Strength:"));
            if (double* strength = StrengthOf(object))
                SetNumber("strength", *strength);
            break;
        case GeneralVariant::Torus:
            AddNumber("minor", Tr("Faktor:"), Tr("kl. Radius"), 0.0, 1.0);
            SetNumber("minor", object.Steps.size() > kStepExtra ? object.Steps[kStepExtra].X : 0.0);
            break;
        case GeneralVariant::HeightField: {
            SheetField& file = Add(FieldKind::Text, "file", Tr("&Datei:"));
            file.maxLength = 80;
            Add(FieldKind::Button, "browse", Tr("&Auswahl...")).sameRow = true;
            if (auto* hf = dynamic_cast<CPovHeightField*>(&object)) {
                file.text = orv::Cp1252ToUtf8(hf->ImageFile);
                file.maxLength = std::max<size_t>(80, Utf8Length(file.text));
            }
            break;
        }
        default:
            break;
    }
    const bool unvisible = variant == GeneralVariant::HeightField || fog;
    Add(FieldKind::Check, "hollow", unvisible ? Tr("unvisible") : Tr("Objekt ist &hohl (hollow)"));
}

void CPropGeneral::Load(SheetModel&) {
    name_field::Load(*this, object_);
    const Vector& t = object_.Steps[kStepTranslate];
    const Vector& s = object_.Steps[kStepScale];
    SetVector("pos", t.X, t.Y, t.Z);
    SetVector("size", s.X, s.Y, s.Z);
    SetValue("hollow", object_.Hollow ? 1 : 0);
    if (variant_ == GeneralVariant::WithStrength)
        Show("strength", object_.Parent && object_.Parent->GetType() == kKindBlob);
}

std::optional<Refusal> CPropGeneral::Validate(SheetModel& sheet) {
    if (std::optional<Refusal> r = name_field::Validate(*this))
        return r;
    return PageModel::Validate(sheet);
}

void CPropGeneral::Changed(SheetModel&, std::string_view id) {
    if (id == "name")
        name_field::Changed(*this, object_);
}

void CPropGeneral::Pressed(SheetModel& sheet, std::string_view id) {
    if (id != "browse")
        return;
    if (std::optional<std::string> file =
            sheet.Services().OpenFileName(Tr("Öffnen"), kHeightFieldImageFilter, Text("file")))
        SetText("file", *file);
}

void CPropGeneral::Store(SheetModel&) {
    if (variant_ == GeneralVariant::Torus && object_.Steps.size() > kStepExtra)
        object_.Steps[kStepExtra].X = *Number("minor");
    if (variant_ == GeneralVariant::HeightField)
        if (auto* hf = dynamic_cast<CPovHeightField*>(&object_))
            hf->ImageFile = orv::Utf8ToCp1252(Text("file"));

    Vector& t = object_.Steps[kStepTranslate];
    Vector& s = object_.Steps[kStepScale];
    t.X = *Number("pos.x");
    t.Y = *Number("pos.y");
    t.Z = *Number("pos.z");
    s.X = *Number("size.x");
    s.Y = *Number("size.y");
    s.Z = *Number("size.z");
    name_field::Store(*this, object_);
    object_.UpdateGeometry();
    object_.Hollow = Checked("hollow") ? 1 : 0;
    if (variant_ == GeneralVariant::WithStrength)
        if (double* strength = StrengthOf(object_))
            *strength = *Number("strength");
}
