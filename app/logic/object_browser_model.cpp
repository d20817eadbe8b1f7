#include "app/logic/object_browser_model.h"

#include <algorithm>
#include <cctype>

#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/groups/pov_csg.h"
#include "model/pov_object.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "view/orvanta_view.h"
#include "view/scroll_bars.h"

namespace {

// integer part of the middle between lo and hi
int Centre(double lo, double hi) {
    return static_cast<int>(lo + (hi - lo) * 0.5);
}

bool LessIgnoringCase(const std::string& a, const std::string& b) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const int ca = std::tolower(static_cast<unsigned char>(a[i]));
        const int cb = std::tolower(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb;
    }
    return a.size() < b.size();
}

void DeselectTree(CPovObject* first, IViewPort& view) {
    for (CPovObject* o = first; o; o = o->NextSibling) {
        if (o->IsSelected())
            o->Deselect(view);
        DeselectTree(o->FirstChild, view);
    }
}

}  // namespace

ScrollPositions GoToScrollPositions(const CPovObject& object, int viewKind, double zoom,
                                    int clientWidth, int clientHeight) {
    int h = 0, v = 0;
    switch (viewKind) {
        case kTopView:
            h = Centre(object.MinX, object.MaxX);
            v = Centre(object.MinZ, object.MaxZ);
            break;
        case kSideView:
            h = Centre(object.MinZ, object.MaxZ);
            v = Centre(object.MinY, object.MaxY);
            break;
        default:
            h = Centre(object.MinX, object.MaxX);
            v = Centre(object.MinY, object.MaxY);
            break;
    }
    const int z = std::max(1, static_cast<int>(zoom));
    return {h - (clientWidth / 2) / z, (clientHeight / 2) / z - v};
}

ObjectBrowserModel::ObjectBrowserModel(COrvantaDoc& document, bool goToMode)
    : document_(document), goToMode_(goToMode) {}

std::string ObjectBrowserModel::DisplayName(const CPovObject& object) const {
    std::string name = orv::Cp1252ToUtf8(object.Name);
    if (!object.IsPresent())
        name += std::string(" ") + Tr(orv::Cp1252ToUtf8(LoadString(IDS_DELETED_MARK)));
    return name;
}

int ObjectBrowserModel::Add(int parent, std::string text, CPovObject* object) {
    const int index = static_cast<int>(nodes_.size());
    BrowserNode node;
    node.text = std::move(text);
    node.object = object;
    node.parent = parent;
    nodes_.push_back(std::move(node));
    if (parent < 0)
        roots_.push_back(index);
    else
        nodes_[parent].children.push_back(index);
    if (object && object == show_)
        showNode_ = index;
    return index;
}

void ObjectBrowserModel::Sort(std::vector<int>& children) {
    std::stable_sort(children.begin(), children.end(), [this](int a, int b) {
        return LessIgnoringCase(nodes_[a].text, nodes_[b].text);
    });
}

void ObjectBrowserModel::AddObjects() {
    const int root = Add(-1, TrId(IDS_BROWSER_OBJECTS), nullptr);
    nodes_[root].expanded = true;
    // pre-order: first child, next sibling, climbing to the parent's next sibling
    int parentNode = root;
    CPovObject* o = document_.Objects;
    while (o) {
        if (!show_ && o->IsSelected())
            show_ = o;
        const int node = Add(parentNode, DisplayName(*o), o);
        if (o->FirstChild) {
            parentNode = node;
            o = o->FirstChild;
            continue;
        }
        while (o && !o->NextSibling) {
            o = o->Parent;
            if (!o)
                break;
            // the group is done: its children are complete
            BrowserNode& done = nodes_[parentNode];
            done.expanded = true;
            Sort(done.children);
            parentNode = done.parent;
        }
        if (o)
            o = o->NextSibling;
    }
    Sort(nodes_[root].children);
}

void ObjectBrowserModel::AddSurfaces() {
    const int root = Add(-1, TrId(IDS_BROWSER_SURFACES), nullptr);
    if (document_.Halos || document_.Pigments) {
        const int definitions = Add(root, TrId(IDS_BROWSER_DEFINITIONS), nullptr);
        const int halos = Add(definitions, TrId(IDS_BROWSER_HALOS), nullptr);
        for (CPovObject* h = document_.Halos; h; h = h->NextSibling)
            Add(halos, DisplayName(*h), h);
        const int pigments = Add(definitions, TrId(IDS_BROWSER_PIGMENTS), nullptr);
        for (CPovObject* p = document_.Pigments; p; p = p->NextSibling)
            Add(pigments, DisplayName(*p), p);
        Sort(nodes_[halos].children);
        Sort(nodes_[pigments].children);
        Sort(nodes_[definitions].children);
    }
    for (CPovObject* t = document_.Textures; t; t = t->NextSibling)
        Add(root, DisplayName(*t), t);
    Sort(nodes_[root].children);
}

void ObjectBrowserModel::Fill(CPovObject* show) {
    nodes_.clear();
    roots_.clear();
    showNode_ = -1;
    show_ = show;
    nodes_.reserve(CountItems(document_) + 8);
    AddObjects();
    if (!goToMode_)
        AddSurfaces();
}

size_t ObjectBrowserModel::CountItems(const COrvantaDoc& document) {
    size_t count = 0;
    const CPovObject* o = document.Objects;
    while (o) {
        ++count;
        if (o->FirstChild) {
            o = o->FirstChild;
            continue;
        }
        while (o && !o->NextSibling)
            o = o->Parent;
        if (o)
            o = o->NextSibling;
    }
    for (const CPovObject* list : {document.Textures, document.Halos, document.Pigments})
        for (const CPovObject* s = list; s; s = s->NextSibling)
            ++count;
    return count;
}

int ObjectBrowserModel::NodeOf(const CPovObject* object) const {
    if (!object)
        return -1;
    for (size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i].object == object)
            return static_cast<int>(i);
    return -1;
}

ObjectBrowserModel::EditResult ObjectBrowserModel::Edit(int node) {
    if (node < 0 || node >= static_cast<int>(nodes_.size()))
        return EditResult::Nothing;
    CPovObject* object = nodes_[node].object;
    if (!object || !object->IsPresent())
        return EditResult::Nothing;
    const std::string oldName = object->Name;
    // the sheet's OK, and what its pages apply at once, are one step
    EditStep step(document_, StepLabel("Eigenschaften", *object));
    step.Record(*object);
    if (object->EditProperties() != 1)
        return EditResult::Nothing;
    EditResult result = EditResult::Nothing;
    if (dynamic_cast<CPovCSG*>(object)) {
        Fill(object);
        result = EditResult::Refilled;
    } else if (object->Name != oldName) {
        nodes_[node].text = DisplayName(*object);
        result = EditResult::Renamed;
    }
    if (object->GetType() != kKindTexture)
        document_.UpdateAllViews();
    return result;
}

bool ObjectBrowserModel::Delete(int node) {
    if (node < 0 || node >= static_cast<int>(nodes_.size()))
        return false;
    CPovObject* object = nodes_[node].object;
    if (!object)
        return false;
    // as cutting the object (its copy goes to the clipboard, the document counts as
    // modified), one step of its own that undo takes back
    EditStep step(document_, StepLabel("Löschen", *object));
    document_.CurrentObject = object;
    document_.OnEditCut();
    step.Commit();
    Fill(object);
    return true;
}

bool ObjectBrowserModel::GoTo(int node, COrvantaView& view, IScrollBars& bars) {
    DeselectTree(document_.Objects, view);
    document_.UpdateAllViews();
    if (node < 0 || node >= static_cast<int>(nodes_.size()) || !nodes_[node].object)
        return false;
    CPovObject* object = nodes_[node].object;
    if (object->IsPresent()) {
        object->Select(view);
        const ScrollPositions p = GoToScrollPositions(*object, view.ViewKind, view.Zoom,
                                                      view.ClientWidth(), view.ClientHeight());
        bars.SetPosition(ScrollBar::Vertical, p.vertical);
        bars.SetPosition(ScrollBar::Horizontal, p.horizontal);
    }
    document_.UpdateAllViews();
    return true;
}
