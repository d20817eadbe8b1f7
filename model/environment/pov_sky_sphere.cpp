#include "model/environment/pov_sky_sphere.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

CPovSkySphere::CPovSkySphere() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    UpdateGeometry();
    Name = LoadString(IDS_NAME_SKYSPHERE);
}

void CPovSkySphere::SetNameCounter(long value) {
    g_NameCounters.SkySphere = value;
}
long CPovSkySphere::GetNameCounter() const {
    return g_NameCounters.SkySphere;
}

bool CPovSkySphere::IsPredefinedSky(const std::string& name) {
    static const char* const kSkies[] = {"S_Cloud1", "S_Cloud2", "S_Cloud3", "S_Cloud4",
                                         "S_Cloud5"};
    for (const char* sky : kSkies)
        if (name == sky)
            return true;
    return false;
}

int CPovSkySphere::WriteScene(SceneText& out) {
    out.Write(LoadString(IDS_SKYSPHERE_OPEN));
    if (IsPredefinedSky(SkyPigment)) {
        // the predefined sky is the whole body
        out.Printf("\t%s\r\n", SkyPigment);
    } else {
        out.Printf("\tpigment { %s }\r\n", SkyPigment);
        if (!SkyPigment2.empty())
            out.Printf("\tpigment { %s }\r\n", SkyPigment2);
    }
    out.Write(LoadString(IDS_CLOSE_BRACE));
    return 1;
}

int CPovSkySphere::EditProperties() {
    return EditWithSheet(IDS_CAPTION_SKYSPHERE);
}

void CPovSkySphere::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovSkySphere&>(target);
    t.SkyPigment = SkyPigment;
    t.SkyPigment2 = SkyPigment2;
}

void CPovSkySphere::VisitFields(FieldSink& sink) const {
    sink.Text("SkyPigment", SkyPigment);
    sink.Text("SkyPigment2", SkyPigment2);
}
