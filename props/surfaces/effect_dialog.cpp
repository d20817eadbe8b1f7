#include "props/surfaces/effect_dialog.h"

#include "model/cp1252.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "resources/ui_text.h"

namespace {

const char* const kPatterns[] = {"gradient x", "gradient y", "gradient z", "marble", "wood",
                                 "onion",      "leopard",    "granite",    "bozo",   "spotted",
                                 "radial",     "mandel",     "agate",      "crackle"};
const char* const kTurbulenceFields[] = {"tx", "ty", "tz", "octaves", "omega", "lambda"};

}  // namespace

CPropEffect::CPropEffect(CPovPigmentOwner& surface)
    : PageModel(Tr("Oberflächeneffekt")), surface_(surface) {
    SheetField& pattern = Add(FieldKind::Choice, "pattern", Tr("&Effekttyp:"));
    pattern.editable = true;
    pattern.items.assign(std::begin(kPatterns), std::end(kPatterns));
    AddNumber("value", Tr("&Parameter:"));
    Add(FieldKind::Check, "turbulence", Tr("&Turbulenz"));
    AddNumber("tx", Tr("&X:"), Tr("Turbulenz"), 0.0, 1.0);
    AddNumber("ty", Tr("&Y:"), Tr("Turbulenz"), 0.0, 1.0);
    AddNumber("tz", Tr("&Z:"), Tr("Turbulenz"), 0.0, 1.0);
    SheetField& octaves = Add(FieldKind::Integer, "octaves", Tr("&Oktaven:"), Tr("Turbulenz"));
    octaves.min = 1;
    octaves.max = 10;
    AddNumber("omega", Tr("O&mega:"), Tr("Turbulenz"));
    AddNumber("lambda", Tr("&Lambda:"), Tr("Turbulenz"), 0.0, 100.0);
    Add(FieldKind::Note, "note", "").text =
        std::string(Tr("!! Hinweis !!")) + "\n" +
        Tr("Die neuen Povray 3.0 Features  werden erst in Version 2 des Orvanta Modellers "
           "vorhanden sein.");
}

void CPropEffect::Load(SheetModel&) {
    Choose("pattern", orv::Cp1252ToUtf8(surface_.PatternName.Str()));
    Field("pattern").exactText = Text("pattern");
    SetNumber("value", surface_.PatternValue);
    SetValue("turbulence", surface_.TurbulenceOn ? 1 : 0);
    SetNumber("tx", surface_.Turbulence[0]);
    SetNumber("ty", surface_.Turbulence[1]);
    SetNumber("tz", surface_.Turbulence[2]);
    SetText("octaves", std::to_string(surface_.Octaves));
    SetNumber("omega", surface_.Omega);
    SetNumber("lambda", surface_.Lambda);
    EnableTurbulence();
}

void CPropEffect::EnableTurbulence() {
    for (const char* id : kTurbulenceFields)
        Enable(id, Checked("turbulence"));
}

void CPropEffect::Changed(SheetModel&, std::string_view id) {
    if (id == "turbulence")
        EnableTurbulence();
}

std::optional<Refusal> CPropEffect::Validate(SheetModel& sheet) {
    // the scene file and the pattern field hold at most 19 characters
    if (Utf8Length(Text("pattern")) > ShortName<19>::kMaxLength)
        return Refusal{"pattern", TextLengthMessage(ShortName<19>::kMaxLength)};
    return PageModel::Validate(sheet);
}

void CPropEffect::Store(SheetModel&) {
    surface_.PatternName = orv::Utf8ToCp1252(Text("pattern"));
    surface_.PatternValue = Number("value").value_or(surface_.PatternValue);
    surface_.TurbulenceOn = Checked("turbulence") ? 1 : 0;
    surface_.Turbulence[0] = Number("tx").value_or(surface_.Turbulence[0]);
    surface_.Turbulence[1] = Number("ty").value_or(surface_.Turbulence[1]);
    surface_.Turbulence[2] = Number("tz").value_or(surface_.Turbulence[2]);
    if (std::optional<long long> octaves = ParseInteger(Text("octaves")))
        surface_.Octaves = static_cast<int>(*octaves);
    surface_.Omega = Number("omega").value_or(surface_.Omega);
    surface_.Lambda = Number("lambda").value_or(surface_.Lambda);
}

std::unique_ptr<SheetModel> MakeEffectDialog(CPovPigmentOwner& surface) {
    auto dialog = std::make_unique<SheetModel>(Tr("Oberflächeneffekt"));
    dialog->SetPlain(true);
    dialog->AddPage(std::make_unique<CPropEffect>(surface));
    return dialog;
}
