#include "model/environment/pov_fog.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

CPovFog::CPovFog() {
    // the first step is the up vector
    InstallSteps({Vector(0, 1, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    UpdateGeometry();
    AssignDefaultName(IDS_PREFIX_FOG, g_NameCounters.Fog);
}

void CPovFog::SetNameCounter(long value) {
    g_NameCounters.Fog = value;
}
long CPovFog::GetNameCounter() const {
    return g_NameCounters.Fog;
}

bool CPovFog::IsKnownFogType(const std::string& type) {
    return type == "Uniform_Fog" || type == "Constant_Fog" || type == "Ground_Fog";
}

int CPovFog::WriteScene(SceneText& out) {
    WriteDeclareHead(out);
    out.Write(LoadString(IDS_FOG_OPEN));
    if (!IsKnownFogType(FogType))
        FogType = "Uniform_Fog";
    out.Printf("\r\n  fog_type %s\r\n", FogType);
    out.Printf("  distance %.4f\r\n", Distance);
    const RgbFraction c = RgbFraction::Of(FogColor);
    out.Printf("  color rgb < %.3f %.3f %.3f > filter %.1f\r\n", c.R, c.G, c.B, FogFilter);
    out.Printf("  fog_offset %.4f\r\n", FogOffset);
    out.Printf("  fog_alt %.4f\r\n", FogAlt);
    if (FogTurbulenceOn) {
        out.Printf("  turbulence < %.3f %.3f %.3f >\r\n", FogTurbulence[0], FogTurbulence[1],
                   FogTurbulence[2]);
        out.Printf("  octaves %.1f \r\n", FogOctaves);
        out.Printf("  omega %.3f \r\n", FogOmega);
        out.Printf("  lambda %.3f \r\n", FogLambda);
    }
    const Vector& up = Steps[kStepTranslate];
    out.Printf("  up <%.4f,%.4f,%.4f>\r\n", up.X, up.Y, up.Z);
    WriteScaleLine(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    // the declared fog is used at once
    out.Write(LoadString(IDS_FOG_OPEN));
    out.Printf("\r\n  %s\r\n}\r\n\r\n", GetName());
    return 1;
}

int CPovFog::EditProperties() {
    return EditWithSheet(IDS_CAPTION_FOG);
}

void CPovFog::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovFog&>(target);
    t.FogType = FogType;
    t.FogTurbulenceOn = FogTurbulenceOn;
    t.Distance = Distance;
    t.FogTurbulence = FogTurbulence;
    t.FogOmega = FogOmega;
    t.FogLambda = FogLambda;
    t.FogOctaves = FogOctaves;
    t.FogOffset = FogOffset;
    t.FogAlt = FogAlt;
    t.FogColor = FogColor;
    t.FogFilter = FogFilter;
    t.FogTransmit = FogTransmit;
}

void CPovFog::VisitFields(FieldSink& sink) const {
    sink.Text("FogType", FogType);
    sink.Integer("FogTurbulenceOn", FogTurbulenceOn);
    sink.Number("Distance", Distance);
    sink.Numbers("FogTurbulence", FogTurbulence.data(), FogTurbulence.size(), 3);
    sink.Number("FogOmega", FogOmega);
    sink.Number("FogLambda", FogLambda);
    sink.Number("FogOctaves", FogOctaves);
    sink.Number("FogOffset", FogOffset);
    sink.Number("FogAlt", FogAlt);
    sink.Integer("FogColor", FogColor);
    sink.Number("FogFilter", FogFilter);
    sink.Number("FogTransmit", FogTransmit);
}
