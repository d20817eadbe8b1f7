#include "props/surfaces/halo_pages.h"

#include "model/cp1252.h"
#include "model/environment/pov_halo.h"
#include "props/sheet_model.h"
#include "props/surfaces/surface_page.h"
#include "resources/ui_text.h"

namespace {

using namespace surface_fields;

struct EditableList {
    const char* id;
    const char* label;
    std::vector<std::string> items;
};

std::string Row(int i, const char* part) {
    return "c" + std::to_string(i + 1) + part;
}

const char* const kColorButtons[kHaloColorRows] = {"&1. Farbe...", "&2. Farbe...", "&3. Farbe ...",
                                                   "&4. Farbe...", "&5. Farbe...", "&6. Farbe ..."};

}  // namespace

CPropHaloDefinitions::CPropHaloDefinitions(CPovHalo& halo)
    : PageModel(Tr("Definitionen")), halo_(halo) {
    const EditableList lists[] = {
        {"type", "Typ:", {"attenuating", "emitting", "glowing", "dust"}},
        {"density", "&Intensität:", {"constant", "linear", "cubic", "poly"}},
        {"mapping",
         "Mapping:",
         {"planar_mapping", "spherical_mapping", "cylindrical_mapping", "box_mapping"}},
        {"dust",
         "Dusttype:",
         {"ISOTROPIC_SCATTERING", "MIE_HAZY_SCATTERING", "MIE_MURKY_SCATTERING",
          "RAYLEIGH_SCATTERING", "HENYEY_GREENSTEIN_SCATTERING"}},
    };
    for (const EditableList& list : lists) {
        SheetField& f = Add(FieldKind::Choice, list.id, Tr(list.label));
        f.editable = true;
        f.items = list.items;
    }
    AddNumber("eccentricity", Tr("Eccentr.:"));
    AddNumber("max", Tr("Maximalwert:"));
    AddNumber("exponent", Tr("Exponent:"));
}

void CPropHaloDefinitions::Load(SheetModel&) {
    Choose("type", orv::Cp1252ToUtf8(halo_.HaloType));
    Choose("density", orv::Cp1252ToUtf8(halo_.DensityFunction));
    Choose("mapping", orv::Cp1252ToUtf8(halo_.Mapping));
    Choose("dust", orv::Cp1252ToUtf8(halo_.DustType));
    SetNumber("eccentricity", halo_.Eccentricity);
    SetNumber("max", halo_.MaxValue);
    SetNumber("exponent", halo_.Exponent);
}

void CPropHaloDefinitions::Store(SheetModel&) {
    halo_.HaloType = orv::Utf8ToCp1252(ChosenText("type"));
    halo_.DensityFunction = orv::Utf8ToCp1252(ChosenText("density"));
    halo_.Mapping = orv::Utf8ToCp1252(ChosenText("mapping"));
    halo_.DustType = orv::Utf8ToCp1252(ChosenText("dust"));
    halo_.Eccentricity = *Number("eccentricity");
    halo_.MaxValue = *Number("max");
    halo_.Exponent = *Number("exponent");
}

CPropHaloColors::CPropHaloColors(CPovHalo& halo) : PageModel(Tr("Farbetabelle")), halo_(halo) {
    SheetField& count = Add(FieldKind::Choice, "count", Tr("Farb&anzahl:"));
    for (int n = 0; n <= kHaloColorRows; ++n)
        count.items.push_back(std::to_string(n));
    for (int i = 0; i < kHaloColorRows; ++i) {
        Add(FieldKind::Button, Row(i, ".pick"), Tr(kColorButtons[i]));
        Add(FieldKind::Color, Row(i, ".color"), "").sameRow = true;
        AddTenths(*this, Row(i, ".filter"), Tr("&Filter:")).sameRow = true;
        AddTenths(*this, Row(i, ".index"), Tr("&Index:")).sameRow = true;
        AddTenths(*this, Row(i, ".transmit"), Tr("&Trans.:")).sameRow = true;
    }
}

void CPropHaloColors::Load(SheetModel&) {
    loadedCount_ = halo_.HaloColorCount;
    SetValue("count", loadedCount_);
    for (int i = 0; i < kHaloColorRows; ++i) {
        const size_t k = static_cast<size_t>(i);
        SetValue(Row(i, ".color"), static_cast<int>(halo_.HaloColors[k]));
        ShowFixed(*this, Row(i, ".filter"), halo_.HaloFilters[k], "%f");
        ShowFixed(*this, Row(i, ".index"), halo_.HaloPositions[k], "%f");
        ShowFixed(*this, Row(i, ".transmit"), halo_.HaloTransmits[k], "%f");
    }
}

void CPropHaloColors::Pressed(SheetModel& sheet, std::string_view id) {
    for (int i = 0; i < kHaloColorRows; ++i) {
        if (id != Row(i, ".pick"))
            continue;
        const auto current = static_cast<uint32_t>(Value(Row(i, ".color")));
        if (std::optional<uint32_t> color = sheet.Services().PickColor(current))
            SetValue(Row(i, ".color"), static_cast<int>(*color));
    }
}

void CPropHaloColors::Store(SheetModel&) {
    // a count the page did not change stays as read
    if (Value("count") != loadedCount_)
        halo_.HaloColorCount = Value("count");
    for (int i = 0; i < kHaloColorRows; ++i) {
        const size_t k = static_cast<size_t>(i);
        halo_.HaloColors[k] = static_cast<PovColor>(Value(Row(i, ".color")));
        halo_.HaloFilters[k] = Lenient(*this, Row(i, ".filter"));
        halo_.HaloPositions[k] = Lenient(*this, Row(i, ".index"));
        halo_.HaloTransmits[k] = Lenient(*this, Row(i, ".transmit"));
    }
}

CPropHaloSampling::CPropHaloSampling(CPovHalo& halo) : PageModel(Tr("Sampling")), halo_(halo) {
    Add(FieldKind::Check, "aa", Tr("S&upersampling"));
    AddNumber("samples", Tr("&Samples:"));
    AddNumber("level", Tr("AA &Level:"));
    AddNumber("threshold", Tr("AA &Threshold:"));
    AddNumber("jitter", Tr("&Jitter:"));
    Add(FieldKind::Check, "nojitter", Tr("Jitter &nicht benutzen"));
}

void CPropHaloSampling::Load(SheetModel&) {
    SetValue("aa", halo_.AntiAliasOn ? 1 : 0);
    SetNumber("samples", halo_.Samples);
    SetNumber("level", halo_.AaLevel);
    SetNumber("threshold", halo_.AaThreshold);
    SetNumber("jitter", halo_.Jitter);
    SetValue("nojitter", halo_.JitterOn ? 0 : 1);
    EnableForSupersampling();
}

void CPropHaloSampling::EnableForSupersampling() {
    const bool aa = Checked("aa");
    Enable("level", aa);
    Enable("threshold", aa);
    Enable("nojitter", aa);
    Enable("jitter", aa && !Checked("nojitter"));
}

void CPropHaloSampling::Changed(SheetModel&, std::string_view) {
    EnableForSupersampling();
}

void CPropHaloSampling::Store(SheetModel&) {
    halo_.AntiAliasOn = Checked("aa") ? 1 : 0;
    halo_.Samples = *Number("samples");
    halo_.AaLevel = Number("level").value_or(halo_.AaLevel);
    halo_.AaThreshold = Number("threshold").value_or(halo_.AaThreshold);
    halo_.Jitter = Number("jitter").value_or(halo_.Jitter);
    halo_.JitterOn = Checked("nojitter") ? 0 : 1;
}
