#include "model/environment/pov_halo.h"

#include <algorithm>

#include "model/environment/halo_media.h"
#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/surfaces/pov_pigment_owner.h"
#include "resources/string_table.h"

CPovHalo::CPovHalo() {
    HaloColors.fill(0xFFFFFF);
    HaloTransmits.fill(1.0);
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    UpdateGeometry();
    Name = NextPlainName(IDS_PREFIX_HALO, g_NameCounters.Halo);
}

void CPovHalo::SetNameCounter(long value) {
    g_NameCounters.Halo = value;
}
long CPovHalo::GetNameCounter() const {
    return g_NameCounters.Halo;
}

int CPovHalo::UsedHaloColorCount() const {
    return std::clamp(HaloColorCount, 0, kMaxHaloColors);
}

bool CPovHalo::AddHaloColor(double position, PovColor color, double filter, double transmit) {
    if (HaloColorCount < 0 || HaloColorCount >= kMaxHaloColors)
        return false;
    HaloPositions[HaloColorCount] = position;
    HaloColors[HaloColorCount] = color;
    HaloFilters[HaloColorCount] = filter;
    HaloTransmits[HaloColorCount] = transmit;
    ++HaloColorCount;
    return true;
}

int CPovHalo::WriteScene(SceneText& out) {
    if (out.Level() == kPovLevel37) {
        WritePov37(out);
        return 1;
    }
    WriteHaloText(out);
    return 1;
}

// POV-Ray 3.7 sees the declaration of a medium; the modeller's reader sees the halo in the
// lines marked "//$halo$" and skips the medium, which the writer makes again from the halo.
void CPovHalo::WritePov37(SceneText& out) const {
    SceneText halo;
    WriteHaloText(halo);
    const std::string& text = halo.Text();
    size_t start = 0;
    for (size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1) {
        std::string_view line(text.data() + start, end + 1 - start);
        if (line == "\r\n")
            continue;
        if (start == 0) {
            const size_t head = line.find("= ") + 2;
            out.Write(line.substr(0, head));
            line.remove_prefix(head);
        }
        out.Write("//$halo$ ");
        out.Write(line);
    }
    out.Write("//$pov37 begin$\r\n");
    WriteHaloAsMedia(*this, out);
    out.Write("//$pov37 end$\r\n\r\n");
}

void CPovHalo::WriteHaloText(SceneText& out) const {
    WriteDeclareHead(out);
    out.Write(LoadString(IDS_HALO_OPEN));
    out.Printf("\r\n  %s\r\n", HaloType);
    out.Printf("  %s\r\n", DensityFunction);
    out.Printf("  %s\r\n", Mapping);
    if (HaloType == "dust") {
        out.Printf("  dust_type %s\r\n", DustType);
        out.Printf("  eccentricity %.4f\r\n", Eccentricity);
    }
    out.Printf("  max_value %.4f\r\n", MaxValue);
    if (DensityFunction == "poly")
        out.Printf("  exponent %.4f\r\n", Exponent);
    out.Printf("  samples %.4f\r\n", Samples);
    if (AntiAliasOn) {
        out.Printf("  aa_level %.4f\r\n", AaLevel);
        out.Printf("  aa_threshold %.4f\r\n", AaThreshold);
        if (JitterOn)
            out.Printf("  jitter %.4f\r\n", Jitter);
    }
    if (HaloTurbulenceOn) {
        out.Printf("  turbulence <%.4f,%.4f,%.4f>\r\n", HaloTurbulence.X, HaloTurbulence.Y,
                   HaloTurbulence.Z);
        out.Printf("  octaves %.1f\r\n", HaloOctaves);
        out.Printf("  lambda %.1f\r\n", HaloLambda);
        out.Printf("  omega %.1f\r\n", HaloOmega);
    }
    const int count = UsedHaloColorCount();
    if (count > 0) {
        out.Write("  color_map {\r\n");
        for (int i = 0; i < count; ++i) {
            const RgbFraction c = RgbFraction::Of(HaloColors[i]);
            out.Printf("  \t[ %.1f color rgbft < %.3f %.3f %.3f %.3f %.3f > ]\r\n",
                       HaloPositions[i], c.R, c.G, c.B, HaloFilters[i], HaloTransmits[i]);
        }
        out.Write("  }\r\n");
    }
    WriteScaleLine(out);
    WriteRotateTranslate(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
}

int CPovHalo::EditProperties() {
    return EditWithSheet(IDS_CAPTION_HALO);
}

void CPovHalo::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovHalo&>(target);
    t.HaloType = HaloType;
    t.DensityFunction = DensityFunction;
    t.Mapping = Mapping;
    t.DustType = DustType;
    t.Eccentricity = Eccentricity;
    t.MaxValue = MaxValue;
    t.Exponent = Exponent;
    t.Samples = Samples;
    t.AntiAliasOn = AntiAliasOn;
    t.AaLevel = AaLevel;
    t.AaThreshold = AaThreshold;
    t.JitterOn = JitterOn;
    t.Jitter = Jitter;
    t.HaloTurbulenceOn = HaloTurbulenceOn;
    t.HaloTurbulence = HaloTurbulence;
    t.HaloOctaves = HaloOctaves;
    t.HaloOmega = HaloOmega;
    t.HaloLambda = HaloLambda;
    t.HaloColorCount = HaloColorCount;
    t.HaloColors = HaloColors;
    t.HaloTransmits = HaloTransmits;
    t.HaloFilters = HaloFilters;
    t.HaloPositions = HaloPositions;
}

CPovObject* CPovHalo::Clone(CPovObject* target) {
    CPovObject* copy = CPovObject::Clone(target);
    // the raw name: a copy of a deleted halo must not carry the deletion mark
    if (copy)
        copy->Name = Name + orv::Format("%d", g_NameCounters.Halo++);
    return copy;
}

void CPovHalo::VisitFields(FieldSink& sink) const {
    int colors[kMaxHaloColors];
    for (int i = 0; i < kMaxHaloColors; ++i)
        colors[i] = static_cast<int>(HaloColors[i]);
    const double turbulence[3] = {HaloTurbulence.X, HaloTurbulence.Y, HaloTurbulence.Z};
    sink.Text("HaloType", HaloType);
    sink.Text("DensityFunction", DensityFunction);
    sink.Text("Mapping", Mapping);
    sink.Text("DustType", DustType);
    sink.Number("Eccentricity", Eccentricity);
    sink.Number("MaxValue", MaxValue);
    sink.Number("Exponent", Exponent);
    sink.Number("Samples", Samples);
    sink.Integer("AntiAliasOn", AntiAliasOn);
    sink.Number("AaLevel", AaLevel);
    sink.Number("AaThreshold", AaThreshold);
    sink.Integer("JitterOn", JitterOn);
    sink.Number("Jitter", Jitter);
    sink.Integer("HaloTurbulenceOn", HaloTurbulenceOn);
    sink.Numbers("HaloTurbulence", turbulence, 3, 3);
    sink.Number("HaloOctaves", HaloOctaves);
    sink.Number("HaloOmega", HaloOmega);
    sink.Number("HaloLambda", HaloLambda);
    sink.Integer("HaloColorCount", HaloColorCount);
    sink.Integers("HaloColors", colors, kMaxHaloColors);
    sink.Numbers("HaloTransmits", HaloTransmits.data(), HaloTransmits.size());
    sink.Numbers("HaloFilters", HaloFilters.data(), HaloFilters.size());
    sink.Numbers("HaloPositions", HaloPositions.data(), HaloPositions.size());
}
