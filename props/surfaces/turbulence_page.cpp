#include "props/surfaces/turbulence_page.h"

#include <cmath>

#include "model/environment/pov_fog.h"
#include "model/environment/pov_halo.h"
#include "resources/ui_text.h"

namespace {

const char* const kValues[] = {"x", "y", "z", "octaves", "omega", "lambda"};

}  // namespace

CPropTurbulence::CPropTurbulence(Target target) : PageModel(Tr("Turbulenz")), target_(target) {
    Add(FieldKind::Check, "on", Tr("&Turbulenz hinzufügen"));
    AddNumber("x", Tr("&X:"));
    AddNumber("y", Tr("&Y:"));
    AddNumber("z", Tr("&Z:"));
    Add(FieldKind::Integer, "octaves", Tr("&Oktaven:"));
    AddNumber("omega", Tr("O&mega:"));
    AddNumber("lambda", Tr("&Lambda:"));
}

CPropTurbulence::Target CPropTurbulence::Of(CPovHalo& halo) {
    return {halo.HaloTurbulenceOn, halo.HaloTurbulence.X, halo.HaloTurbulence.Y,
            halo.HaloTurbulence.Z, halo.HaloOctaves,      halo.HaloOmega,
            halo.HaloLambda};
}

CPropTurbulence::Target CPropTurbulence::Of(CPovFog& fog) {
    return {fog.FogTurbulenceOn, fog.FogTurbulence[0], fog.FogTurbulence[1], fog.FogTurbulence[2],
            fog.FogOctaves,      fog.FogOmega,         fog.FogLambda};
}

void CPropTurbulence::Load(SheetModel&) {
    SetValue("on", target_.on ? 1 : 0);
    SetNumber("x", target_.x);
    SetNumber("y", target_.y);
    SetNumber("z", target_.z);
    // shown without its fraction; kept exactly while the text stays as shown
    SheetField& octaves = Field("octaves");
    octaves.text = std::to_string(static_cast<long long>(std::trunc(target_.octaves)));
    octaves.exactText = octaves.text;
    SetNumber("omega", target_.omega);
    SetNumber("lambda", target_.lambda);
    EnableValues();
}

void CPropTurbulence::EnableValues() {
    for (const char* id : kValues)
        Enable(id, Checked("on"));
}

void CPropTurbulence::Changed(SheetModel&, std::string_view id) {
    if (id == "on")
        EnableValues();
}

void CPropTurbulence::Store(SheetModel&) {
    target_.on = Checked("on") ? 1 : 0;
    target_.x = Number("x").value_or(target_.x);
    target_.y = Number("y").value_or(target_.y);
    target_.z = Number("z").value_or(target_.z);
    const SheetField& octaves = Field("octaves");
    if (octaves.text != octaves.exactText)
        if (std::optional<long long> n = ParseInteger(octaves.text))
            target_.octaves = static_cast<double>(*n);
    target_.omega = Number("omega").value_or(target_.omega);
    target_.lambda = Number("lambda").value_or(target_.lambda);
}
