#include "props/groups/csg_elements_page.h"

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/group_depth.h"
#include "model/groups/pov_csg.h"
#include "props/prop_object.h"
#include "resources/ui_text.h"

namespace {

const char* const kOperations[] = {"union", "intersection", "difference", "merge"};

bool IsAncestorOrSelf(const CPovObject* candidate, const CPovObject& group) {
    for (const CPovObject* o = &group; o; o = o->Parent)
        if (o == candidate)
            return true;
    return false;
}

}  // namespace

CPropCSGElements::CPropCSGElements(CPovCSG& group)
    : PageModel(Tr("Elemente")), group_(group), blob_(group.GetType() == kKindBlob) {
    SheetField& operation = Add(FieldKind::Choice, "operation", Tr("Typ:"));
    operation.items.assign(std::begin(kOperations), std::end(kOperations));
    operation.visible = !blob_;
    Choose("operation", group.Operation);
    Add(FieldKind::List, "available", Tr("verfügbare Objekte:"));
    Add(FieldKind::Button, "add", Tr("Hinzufügen>>"));
    Add(FieldKind::Button, "remove", Tr("<< Entfernen")).sameRow = true;
    Add(FieldKind::Button, "base", Tr("Basis")).sameRow = true;
    Add(FieldKind::List, "members", Tr("Objekt der CSG:"));
}

void CPropCSGElements::Load(SheetModel& sheet) {
    available_.clear();
    members_.clear();
    auto* prop = dynamic_cast<CPropObject*>(&sheet);
    const CSceneHost* doc = prop ? prop->Object().Document : group_.Document;
    if (doc) {
        for (CPovObject* o = doc->Objects; o; o = o->NextSibling) {
            // never the group itself, a group it stands in, or a group too deep to go into it
            if (IsAncestorOrSelf(o, group_) || !o->IsPresent() || !o->CanBeCsgElement() ||
                !FitsIntoGroup(*o, group_))
                continue;
            if (blob_ && o->GetType() != kKindSphere && o->GetType() != kKindCylinder)
                continue;
            available_.push_back(o);
        }
    }
    for (CPovObject* c = group_.FirstChild; c; c = c->NextSibling)
        if (c->IsPresent())
            members_.push_back(c);
    ShowLists();
}

void CPropCSGElements::ShowLists() {
    auto fill = [this](const char* id, const std::vector<CPovObject*>& objects) {
        SheetField& list = Field(id);
        list.items.clear();
        for (const CPovObject* o : objects)
            list.items.push_back(orv::Cp1252ToUtf8(o->GetName()));
        list.selected.resize(objects.size(), false);
    };
    fill("available", available_);
    fill("members", members_);
}

void CPropCSGElements::Move(const char* fromId, std::vector<CPovObject*>& from, const char* toId,
                            std::vector<CPovObject*>& to) {
    std::vector<bool> selected = Field(fromId).selected;
    selected.resize(from.size(), false);
    std::vector<CPovObject*> kept;
    for (size_t i = 0; i < from.size(); ++i)
        (selected[i] ? to : kept).push_back(from[i]);
    from = std::move(kept);
    Field(fromId).selected.assign(from.size(), false);
    Field(toId).selected.resize(to.size(), false);
    ShowLists();
}

void CPropCSGElements::Base() {
    SheetField& list = Field("members");
    for (size_t i = 0; i < members_.size() && i < list.selected.size(); ++i) {
        if (!list.selected[i])
            continue;
        CPovObject* base = members_[i];
        members_.erase(members_.begin() + static_cast<long>(i));
        members_.insert(members_.begin(), base);
        list.selected.assign(members_.size(), false);
        list.selected[0] = true;
        ShowLists();
        return;
    }
}

void CPropCSGElements::Pressed(SheetModel&, std::string_view id) {
    if (id == "add")
        Move("available", available_, "members", members_);
    else if (id == "remove")
        Move("members", members_, "available", available_);
    else if (id == "base")
        Base();
}

void CPropCSGElements::Store(SheetModel& sheet) {
    auto* prop = dynamic_cast<CPropObject*>(&sheet);
    auto* doc = dynamic_cast<COrvantaDoc*>(prop ? prop->Object().Document : group_.Document);
    if (!doc)
        return;
    // Objects moved back out of the group become top-level objects again. The document moves
    // them, so that the sheet's step of the history can take the moves back.
    for (CPovObject* o : available_)
        if (o->Parent == &group_)
            doc->MoveObject(*o, nullptr, nullptr);
    // the list's top entry becomes the first child (the base of a difference); entries added
    // now follow it, children that were already in the group keep their places behind them
    for (size_t i = 0; i < members_.size(); ++i) {
        CPovObject* o = members_[i];
        if (o->Parent == &group_) {
            if (i == 0 && group_.FirstChild != o)
                doc->MoveObject(*o, &group_, nullptr);
            continue;
        }
        if (o->Parent)
            continue;  // offered only as a top-level object; nothing else moves it
        if (doc->CurrentObject == o)
            doc->CurrentObject = nullptr;
        o->Selected = group_.Selected;
        doc->MoveObject(*o, &group_, i == 0 ? nullptr : group_.FirstChild);
    }
    if (!blob_)
        group_.Operation = ChosenText("operation");
    group_.UpdateGeometry();
}
