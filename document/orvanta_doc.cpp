#include "document/orvanta_doc.h"

#include <algorithm>
#include <unordered_set>

#include "model/group_depth.h"
#include "model/pov_object.h"
#include "platform/settings_store.h"
#include "platform/view_port.h"

CPovObject* ClipboardObject = nullptr;

COrvantaDoc* CurrentOrvantaDoc() {
    return static_cast<COrvantaDoc*>(CurrentDocument);
}

namespace {

void FreeList(CPovObject*& head) {
    while (head) {
        CPovObject* next = head->NextSibling;
        delete head;
        head = next;
    }
}

void ReplaceClipboard(CPovObject* copy) {
    delete ClipboardObject;
    ClipboardObject = copy;
}

// Deselects the selected objects from first on, and inside them.
void DeselectFrom(CPovObject* first, IViewPort& view) {
    for (CPovObject* o = first; o; o = o->NextSibling) {
        if (o->IsSelected())
            o->Deselect(view);
        if (o->FirstChild) {
            DeselectFrom(o->FirstChild->NextSibling, view);
            if (o->FirstChild->IsSelected())
                o->FirstChild->Deselect(view);
        }
    }
}

}  // namespace

COrvantaDoc::COrvantaDoc() {
    HelpFilePath = ReadSetting(SettingsRoot::Machine, "POV-Ray", "Home", "");
    if (!HelpFilePath.empty())
        HelpFilePath += "/help/povray30.hlp";
    CurrentDocument = this;
    Settings = std::make_unique<COrvantaOptions>(COrvantaOptions::kDocumentSettings);
}

COrvantaDoc::~COrvantaDoc() {
    history_.Clear();
    FreeList(Objects);
    FreeList(Textures);
    FreeList(Halos);
    FreeList(Pigments);
    if (CurrentDocument == this)
        CurrentDocument = nullptr;
    ReplaceClipboard(nullptr);
}

void COrvantaDoc::SetModifiedFlag(bool modified) {
    if (modified && !history_.OwnsChanges())
        history_.ForgetCleanPoint();
    modified_ = modified;
}

std::string COrvantaDoc::GetSceneFolder() const {
    const size_t slash = pathName_.find_last_of('/');
    if (slash == std::string::npos)
        return {};
    return pathName_.substr(0, slash == 0 ? 1 : slash);
}

std::string COrvantaDoc::GetTitle() const {
    if (pathName_.empty())
        return "Script";
    const size_t slash = pathName_.find_last_of('/');
    return slash == std::string::npos ? pathName_ : pathName_.substr(slash + 1);
}

void COrvantaDoc::AddView(IViewPort* view) {
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void COrvantaDoc::RemoveView(IViewPort* view) {
    views_.erase(std::remove(views_.begin(), views_.end(), view), views_.end());
}

IViewPort* COrvantaDoc::GetActiveView() const {
    for (IViewPort* v : views_)
        if (v->IsActive())
            return v;
    return nullptr;
}

void COrvantaDoc::UpdateAllViews(IViewPort* sender) {
    for (IViewPort* v : views_)
        if (v != sender)
            v->OnDocumentChanged();
}

void COrvantaDoc::InsertObject(CPovObject* object) {
    LinkAtHead(Objects, object);
    object->SetDocument(this);
}

void COrvantaDoc::InsertTexture(CPovObject* texture) {
    LinkAtHead(Textures, texture);
    texture->SetDocument(this);
}

void COrvantaDoc::InsertHalo(CPovObject* halo) {
    LinkAtHead(Halos, halo);
    halo->SetDocument(this);
}

void COrvantaDoc::InsertPigment(CPovObject* pigment) {
    LinkAtHead(Pigments, pigment);
    pigment->SetDocument(this);
}

void COrvantaDoc::PlaceNewObject(CPovObject* object) {
    IViewPort* view = GetActiveView();
    if (!view)
        return;
    Vector centre = view->GetViewCentre();
    if (object->GetType() == kKindCamera) {
        centre.Z -= 10.0;
        object->SetPosition(centre);
        centre.Z += 10.0;
        if (object->FirstChild)
            object->FirstChild->SetPosition(centre);
    } else {
        object->SetPosition(centre);
    }
    object->Select(*view);
    DeselectFrom(object->NextSibling, *view);
}

bool COrvantaDoc::MoveObject(CPovObject& object, CPovObject* group, CPovObject* after) {
    for (const CPovObject* g = group; g; g = g->Parent)
        if (g == &object)
            return false;
    if (after == &object || (after && after->Parent != group))
        return false;
    if (group && !FitsIntoGroup(object, *group))
        return false;
    CPovObject* const oldGroup = object.Parent;
    const ObjectList from =
        oldGroup ? ObjectList{&oldGroup->FirstChild, oldGroup} : ObjectList{&Objects, nullptr};
    CPovObject* const fromPrevious = PreviousInList(from, object);
    UnlinkObject(from, object);
    LinkObjectAfter(group ? ObjectList{&group->FirstChild, group} : ObjectList{&Objects, nullptr},
                    after, object);
    history_.RecordMoved(object, from, fromPrevious);
    object.UpdateGeometry();
    SetModifiedFlag(true);
    return true;
}

void COrvantaDoc::ForgetObjects(const std::vector<CPovObject*>& roots) {
    if (roots.empty())
        return;
    const std::unordered_set<const CPovObject*> gone(roots.begin(), roots.end());
    const auto leftScene = [&gone](const CPovObject* o) {
        for (; o; o = o->Parent)
            if (gone.count(o))
                return true;
        return false;
    };
    if (leftScene(CurrentObject))
        CurrentObject = nullptr;
    for (IViewPort* v : views_)
        v->ForgetObjects(leftScene);
}

void COrvantaDoc::OnEditCut() {
    CPovObject* current = CurrentObject;
    if (!current)
        return;
    EditStep step(*this, StepLabel("Ausschneiden", *current));
    step.Record(*current);
    ReplaceClipboard(current->Clone());
    current->SetPresent(false);
    CurrentObject = nullptr;
    if (current->GetType() == kKindCamera) {
        Camera = nullptr;
        CameraChanged = 1;
    }
    UpdateAllViews();
    SetModifiedFlag(true);
}

void COrvantaDoc::OnEditCopy() {
    if (!CurrentObject)
        return;
    ReplaceClipboard(CurrentObject->Clone());
    UpdateAllViews();
    // The document counts as modified, as it always did after a copy; the scene is unchanged,
    // so undo still reaches the saved state.
    modified_ = true;
}

void COrvantaDoc::OnEditPaste() {
    if (!ClipboardObject)
        return;
    CPovObject* copy = ClipboardObject->Clone();
    if (!copy)
        return;
    EditStep step(*this, StepLabel("Einfügen", *copy));
    copy->SetDocument(this);
    LinkAtHead(Objects, copy);
    history_.RecordInserted(*copy);
    PlaceNewObject(copy);
    if (copy->IsPresent() && copy->GetType() == kKindCamera) {
        Camera = copy;
        CameraChanged = 1;
    }
    UpdateAllViews();
    SetModifiedFlag(true);
}

void COrvantaDoc::OnEditUndo() {
    history_.Undo();
}

void COrvantaDoc::OnEditRedo() {
    history_.Redo();
}
