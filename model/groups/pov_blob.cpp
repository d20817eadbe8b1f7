#include "model/groups/pov_blob.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "resources/string_table.h"

CPovBlob::CPovBlob() {
    // The group constructor has named this object as a CSG group; the blob takes a name of
    // its own and gives the CSG number back.
    Operation = "blob";
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    Threshold = 1.0;
    AssignDefaultName(IDS_PREFIX_BLOB, g_NameCounters.Blob);
    --g_NameCounters.CSG;
}

void CPovBlob::SetNameCounter(long value) {
    g_NameCounters.Blob = value;
}
long CPovBlob::GetNameCounter() const {
    return g_NameCounters.Blob;
}

int CPovBlob::WriteScene(SceneText& out) {
    out.Printf("\r\n#declare %s = ", GetName());
    out.Write("blob {\r\n");
    out.Printf("  threshold %.4f\r\n", Threshold);
    // the components write themselves inline, marked instead of declared
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        if (c->IsPresent())
            c->WriteSceneText(out);
    WriteGroupTail(out);
    return 1;
}

int CPovBlob::EditProperties() {
    return EditWithSheet(IDS_CAPTION_BLOB);
}

void CPovBlob::CopyOwnStateTo(CPovObject& target) const {
    CPovCSG::CopyOwnStateTo(target);
    auto& t = static_cast<CPovBlob&>(target);
    t.Threshold = Threshold;
}

void CPovBlob::VisitFields(FieldSink& sink) const {
    CPovCSG::VisitFields(sink);
    sink.Number("Threshold", Threshold);
}
