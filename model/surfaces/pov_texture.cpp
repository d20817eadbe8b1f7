#include "model/surfaces/pov_texture.h"

#include <cmath>

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

namespace {

// How a normal pattern writes its numbers.
enum class NormalStyle {
    Bare,           // the name alone
    AmountIfAny,    // the name and value 0 when value 0 is not about zero
    Amount,         // the name and value 0
    TwoValues,      // the name and values 0 and 1
    ControlValues,  // the name and value 0, then control0 and control1
};

struct NormalPattern {
    const char* name;
    NormalStyle style;
};

const NormalPattern kNormalPatterns[] = {
    {"agate", NormalStyle::Bare},
    {"average", NormalStyle::Bare},
    {"bozo", NormalStyle::Bare},
    {"brick", NormalStyle::AmountIfAny},
    {"bumps", NormalStyle::AmountIfAny},
    {"checker", NormalStyle::AmountIfAny},
    {"crackle", NormalStyle::Bare},
    {"dents", NormalStyle::AmountIfAny},
    {"gradient x", NormalStyle::AmountIfAny},
    {"granite", NormalStyle::Bare},
    {"hexagon", NormalStyle::AmountIfAny},
    {"leopard", NormalStyle::Bare},
    {"mandel", NormalStyle::TwoValues},
    {"marble", NormalStyle::Bare},
    {"onion", NormalStyle::Bare},
    {"quilted", NormalStyle::ControlValues},
    {"radial", NormalStyle::Bare},
    {"ripples", NormalStyle::AmountIfAny},
    {"spiral1", NormalStyle::Amount},
    {"spiral2", NormalStyle::Amount},
    {"spotted", NormalStyle::Bare},
    {"waves", NormalStyle::AmountIfAny},
    {"wood", NormalStyle::Bare},
    {"wrinkles", NormalStyle::AmountIfAny},
};
static_assert(std::size(kNormalPatterns) == 24);

NormalStyle StyleOf(const std::string& name) {
    for (const NormalPattern& p : kNormalPatterns)
        if (name == p.name)
            return p.style;
    return NormalStyle::Bare;
}

// outside [center - 0.00001, center + 0.00001]
bool Differs(double value, double center) {
    return value < center - 0.00001 || value > center + 0.00001;
}

}  // namespace

CPovTexture::CPovTexture() : NormalName(LoadString(IDS_NO_DEFORMATION)) {
    HaloNames.fill(LoadString(IDS_NO_ENTRY));
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Name = NextPlainName(IDS_PREFIX_TEXTURE, g_NameCounters.Texture);
}

void CPovTexture::SetNameCounter(long value) {
    g_NameCounters.Texture = value;
}
long CPovTexture::GetNameCounter() const {
    return g_NameCounters.Texture;
}

bool CPovTexture::AddHaloName(std::string_view name) {
    if (HaloCount < 0 || HaloCount >= kMaxTextureHalos)
        return false;
    HaloNames[HaloCount++] = name;
    return true;
}

bool CPovTexture::IsHaloReference(const std::string& name) {
    return !name.empty() && name != LoadString(IDS_NO_ENTRY);
}

void CPovTexture::WriteNormal(SceneText& out) {
    out.Write(LoadString(IDS_NORMAL_OPEN));
    if (NormalKind == kNormalPattern) {
        const std::string& name = NormalName.Str();
        const double* v = NormalValues.data();
        switch (StyleOf(name)) {
            case NormalStyle::Bare:
                out.Printf("\t\t%s\r\n", name);
                break;
            case NormalStyle::AmountIfAny:
                if (std::fabs(v[0]) > 0.0001)
                    out.Printf("\t\t%s %.3f\r\n", name, v[0]);
                else
                    out.Printf("\t\t%s\r\n", name);
                break;
            case NormalStyle::Amount:
                out.Printf("\t\t%s %.3f\r\n", name, v[0]);
                break;
            case NormalStyle::TwoValues:
                out.Printf("\t\t%s %.3f %.3f\r\n", name, v[0], v[1]);
                break;
            case NormalStyle::ControlValues:
                out.Printf("\t\t%s %.3f\r\n\t\tcontrol0 %.3f\r\n\t\tcontrol1 %.3f\r\n", name, v[0],
                           v[1], v[2]);
                break;
        }
    } else if (NormalKind == kNormalBumpMap) {
        if (BumpFile.empty())
            BumpFile = kUnknownImageFile;
        out.Printf("\t\tbump_map { \r\n\t\t\t%s \"%s\"\r\n\r\n\t\t\tbump_size 1.0\r\n\t\t}\r\n",
                   ImageTypeWord(BumpFile), BumpFile);
    }
    out.Write("\t}\r\n");
}

void CPovTexture::WriteFinish(SceneText& out) const {
    const bool diffuse = Differs(Diffuse, 0.6);
    const bool brilliance = Differs(Brilliance, 1.0);
    const bool crand = Differs(Crand, 0.0);
    const bool reflection = Differs(Reflection, 0.0);
    if (!HasAmbient && !HasPhong && !HasRefraction && !Metallic && !diffuse && !brilliance &&
        !crand && !reflection)
        return;

    out.Write(LoadString(IDS_FINISH_OPEN));
    if (HasAmbient) {
        const RgbFraction c = RgbFraction::Of(AmbientColor);
        out.Printf("\t\tambient color rgb < %.3f %.3f %.3f >\r\n", c.R, c.G, c.B);
    }
    if (HasPhong)
        out.Printf("\t\tphong %.2f\r\n\t\tphong_size %.1f\r\n", Phong, PhongSize);
    if (HasRefraction)
        out.Printf("\t\trefraction 1\r\n\t\tior %.3f\r\n", Ior);
    if (Metallic)
        out.Write("\t\tmetallic\r\n");
    if (diffuse)
        out.Printf("\t\tdiffuse %.3f\r\n", Diffuse);
    if (brilliance)
        out.Printf("\t\tbrilliance %.3f\r\n", Brilliance);
    if (crand)
        out.Printf("\t\tcrand %.3f\r\n", Crand);
    if (reflection)
        out.Printf("\t\treflection %.3f\r\n", Reflection);
    out.Write("\t}\r\n");
}

int CPovTexture::WriteScene(SceneText& out) {
    WriteDeclareHead(out);
    out.Write(LoadString(IDS_TEXTURE_OPEN));
    if (HasPigment) {
        out.Write(LoadString(IDS_PIGMENT_OPEN));
        WritePigmentBody(out);
        out.Write("\t}\r\n");
    }
    if (HasNormal)
        WriteNormal(out);
    WriteFinish(out);
    // POV-Ray 3.7 has no halos in textures: the objects that use the texture write them as
    // media, and only the modeller reads the marked reference
    const char* haloLine =
        out.Level() == kPovLevel37 ? "  //$halo$ halo { %s }\r\n" : "  halo { %s }\r\n";
    for (const std::string& halo : HaloNames)
        if (IsHaloReference(halo))
            out.Printf(haloLine, halo);
    WriteStepLines(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    return 1;
}

int CPovTexture::EditProperties() {
    return EditWithSheet(IDS_CAPTION_TEXTURE);
}

void CPovTexture::CopyOwnStateTo(CPovObject& target) const {
    CPovPigmentOwner::CopyOwnStateTo(target);
    auto& t = static_cast<CPovTexture&>(target);
    t.HasNormal = HasNormal;
    t.NormalKind = NormalKind;
    t.NormalName = NormalName;
    t.NormalValues = NormalValues;
    t.HasAmbient = HasAmbient;
    t.AmbientColor = AmbientColor;
    t.HasPhong = HasPhong;
    t.Phong = Phong;
    t.PhongSize = PhongSize;
    t.HasRefraction = HasRefraction;
    t.Ior = Ior;
    t.Metallic = Metallic;
    t.Diffuse = Diffuse;
    t.Brilliance = Brilliance;
    t.Crand = Crand;
    t.Reflection = Reflection;
    t.HaloCount = HaloCount;
    t.HaloNames = HaloNames;
    t.BumpFile = BumpFile;
}

CPovObject* CPovTexture::Clone(CPovObject* target) {
    CPovObject* copy = CPovObject::Clone(target);
    // the raw name: a copy of a deleted texture must not carry the deletion mark
    if (copy)
        copy->Name = Name + orv::Format("%d", g_NameCounters.Texture++);
    return copy;
}

void CPovTexture::VisitFields(FieldSink& sink) const {
    CPovPigmentOwner::VisitFields(sink);
    sink.Integer("HasNormal", HasNormal);
    sink.Integer("NormalKind", NormalKind);
    sink.Text("NormalName", NormalName.Str());
    sink.Numbers("NormalValues", NormalValues.data(), NormalValues.size());
    sink.Integer("HasAmbient", HasAmbient);
    sink.Integer("AmbientColor", AmbientColor);
    sink.Integer("HasPhong", HasPhong);
    sink.Number("Phong", Phong);
    sink.Number("PhongSize", PhongSize);
    sink.Integer("HasRefraction", HasRefraction);
    sink.Number("Ior", Ior);
    sink.Integer("Metallic", Metallic);
    sink.Number("Diffuse", Diffuse);
    sink.Number("Brilliance", Brilliance);
    sink.Number("Crand", Crand);
    sink.Number("Reflection", Reflection);
    sink.Integer("HaloCount", HaloCount);
    sink.Texts("HaloNames", HaloNames.data(), HaloNames.size());
    sink.Text("BumpFile", BumpFile);
}
