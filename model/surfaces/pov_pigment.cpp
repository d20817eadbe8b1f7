#include "model/surfaces/pov_pigment.h"

#include "model/name_counters.h"
#include "resources/string_table.h"

CPovPigment::CPovPigment() {
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    Name = NextPlainName(IDS_PREFIX_PIGMENT, g_NameCounters.Pigment);
}

void CPovPigment::SetNameCounter(long value) {
    g_NameCounters.Pigment = value;
}
long CPovPigment::GetNameCounter() const {
    return g_NameCounters.Pigment;
}

int CPovPigment::WriteScene(SceneText& out) {
    WriteDeclareHead(out);
    out.Write(LoadString(IDS_PIGMENT_OPEN));
    WritePigmentBody(out);
    WriteStepLines(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    return 1;
}

int CPovPigment::EditProperties() {
    return EditWithSheet(IDS_CAPTION_PIGMENT);
}

CPovObject* CPovPigment::Clone(CPovObject* target) {
    CPovObject* copy = CPovObject::Clone(target);
    // the raw name: a copy of a deleted pigment must not carry the deletion mark
    if (copy)
        copy->Name = Name + orv::Format("%d", g_NameCounters.Pigment++);
    return copy;
}
