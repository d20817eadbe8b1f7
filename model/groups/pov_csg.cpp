#include "model/groups/pov_csg.h"

#include "model/field_sink.h"
#include "model/name_counters.h"
#include "model/scene_host.h"
#include "platform/view_port.h"
#include "resources/string_table.h"

CPovCSG::CPovCSG() {
    Operation = "union";
    InstallSteps({Vector(0, 0, 0), Vector(1, 1, 1), Vector(0, 0, 0)});
    FirstGeometry();
    AssignDefaultName(IDS_PREFIX_CSG, g_NameCounters.CSG);
}

void CPovCSG::SetNameCounter(long value) {
    g_NameCounters.CSG = value;
}
long CPovCSG::GetNameCounter() const {
    return g_NameCounters.CSG;
}

CMatrix3D& CPovCSG::GetMatrix() {
    GroupMatrix = ModelMatrix;
    if (Parent)
        GroupMatrix.Multiply(Parent->GetMatrix());
    return GroupMatrix;
}

void CPovCSG::UpdateGeometry() {
    ResetGeometry();
    // the own transform only: GetMatrix adds the parent's for the children
    ModelMatrix.LoadIdentity();
    ModelMatrix.Scale(Steps[kStepScale]);
    ModelMatrix.Rotate(Steps[kStepRotate]);
    ModelMatrix.Translate(Steps[kStepTranslate]);
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->UpdateGeometry();

    // without children the box stays as it was
    bool first = true;
    for (const CPovObject* c = FirstChild; c; c = c->NextSibling) {
        if (first) {
            MinX = c->MinX, MinY = c->MinY, MinZ = c->MinZ;
            MaxX = c->MaxX, MaxY = c->MaxY, MaxZ = c->MaxZ;
            first = false;
            continue;
        }
        if (c->MinX < MinX)
            MinX = c->MinX;
        if (c->MinY < MinY)
            MinY = c->MinY;
        if (c->MinZ < MinZ)
            MinZ = c->MinZ;
        if (c->MaxX > MaxX)
            MaxX = c->MaxX;
        if (c->MaxY > MaxY)
            MaxY = c->MaxY;
        if (c->MaxZ > MaxZ)
            MaxZ = c->MaxZ;
    }
}

void CPovCSG::ProjectForCamera(const Vector& translation, const Vector& rotation1,
                               const Vector& rotation2, const Vector& rotation3) {
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->ProjectForCamera(translation, rotation1, rotation2, rotation3);
    ProjectionStale = 0;
}

void CPovCSG::DescribeSolid(SolidPreview& preview, const SolidTransform& parent) const {
    if (!IsPresent())
        return;
    const SolidTransform transform = parent * GlTransform();
    for (const CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->DescribeSolid(preview, transform);
}

void CPovCSG::Draw(IViewPort& view, IDeviceContext* dc, double originX, double originY, int width,
                   int height, double zoom) {
    if (!IsPresent())
        return;
    if (view.GetUseOpenGL()) {
        DrawSolidNow(view);
        return;
    }
    for (CPovObject* c = FirstChild; c; c = c->NextSibling) {
        if (Selected)
            c->Selected = 1;
        c->Draw(view, dc, originX, originY, width, height, zoom);
    }
}

void CPovCSG::Select(IViewPort& view) {
    if (!IsPresent())
        return;
    if ((!Parent || !Parent->IsSelected()) && Document)
        Document->CurrentObject = this;
    Selected = 1;
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->Select(view);
}

void CPovCSG::Deselect(IViewPort& view) {
    if (Document && Document->CurrentObject == this)
        Document->CurrentObject = nullptr;
    Selected = 0;
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        c->Deselect(view);
}

void CPovCSG::WriteGroupTail(SceneText& out) const {
    WriteScaleLine(out);
    WriteTexture(out);
    WriteRotateTranslate(out);
    out.Write(LoadString(IDS_CLOSE_BRACE));
    WriteInstance(out);
}

void CPovCSG::WriteGroupBlock(SceneText& out) const {
    out.Printf("\r\n#declare %s = ", GetName());
    out.Printf("%s {\r\n", Operation);
    for (const CPovObject* c = FirstChild; c; c = c->NextSibling)
        if (c->IsPresent())
            out.Printf("\tobject { %s }\r\n", c->GetName());
    WriteGroupTail(out);
}

int CPovCSG::WriteScene(SceneText& out) {
    // the members are declared before the group refers to them, the last one first
    for (CPovObject* c = LastChild(); c; c = c->PrevSibling)
        if (c->IsPresent())
            c->WriteSceneText(out);
    WriteGroupBlock(out);
    return 1;
}

int CPovCSG::EditProperties() {
    return EditWithSheet(IDS_CAPTION_CSG);
}

void CPovCSG::CopyOwnStateTo(CPovObject& target) const {
    CPovObject::CopyOwnStateTo(target);
    auto& t = static_cast<CPovCSG&>(target);
    t.Operation = Operation;
}

void CPovCSG::VisitFields(FieldSink& sink) const {
    sink.Text("Operation", Operation);
}
