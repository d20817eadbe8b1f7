#include "document/edit_history.h"

#include <algorithm>

#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "model/pov_object.h"
#include "resources/ui_text.h"

namespace {

int TreeDepth(const CPovObject* o) {
    int depth = 0;
    for (; o->Parent; o = o->Parent)
        ++depth;
    return depth;
}

}  // namespace

EditHistory::EditHistory(COrvantaDoc& doc) : doc_(doc) {}

EditHistory::~EditHistory() {
    Clear();
}

// ---------------------------------------------------------------------------------------------
// recording

void EditHistory::Begin(std::string label) {
    if (depth_++ > 0)
        return;
    open_ = Step{std::move(label), {}, 0};
    recorded_.clear();
    open_.records.push_back(MakeSpecialsRecord(doc_));
}

void EditHistory::SetLabel(std::string label) {
    // a step that joined another keeps the outer label, as Begin does
    if (depth_ == 1)
        open_.label = std::move(label);
}

void EditHistory::Add(std::unique_ptr<EditRecord> record) {
    if (depth_ > 0 && record)
        open_.records.push_back(std::move(record));
}

void EditHistory::RecordOne(CPovObject& object) {
    if (recorded_.insert(&object).second)
        Add(MakeObjectRecord(object));
}

void EditHistory::RecordObject(CPovObject& object) {
    if (depth_ == 0)
        return;
    RecordOne(object);
    for (CPovObject* a = object.Parent; a; a = a->Parent)
        RecordOne(*a);
    if (object.FirstChild && object.FirstChild->GetType() == kKindLookAt)
        RecordOne(*object.FirstChild);
}

void EditHistory::RecordInserted(CPovObject& object) {
    if (depth_ == 0)
        return;
    ObjectList list;
    if (object.Parent) {
        list = {&object.Parent->FirstChild, object.Parent};
    } else {
        const CPovObject* first = &object;
        while (first->PrevSibling)
            first = first->PrevSibling;
        for (CPovObject** head : {&doc_.Objects, &doc_.Textures, &doc_.Halos, &doc_.Pigments})
            if (*head == first)
                list = {head, nullptr};
    }
    if (list.head)
        Add(MakeInsertRecord(object, list));
}

void EditHistory::RecordMoved(CPovObject& object, ObjectList from, CPovObject* fromPrevious) {
    if (depth_ == 0)
        return;
    const ObjectList to = object.Parent ? ObjectList{&object.Parent->FirstChild, object.Parent}
                                        : ObjectList{&doc_.Objects, nullptr};
    Add(MakeMoveRecord(object, from, fromPrevious, to));
}

void EditHistory::RecordSettings() {
    Add(MakeSettingsRecord(doc_));
}

void EditHistory::RecordLists() {
    if (depth_ > 0)
        Add(MakeListsRecord(doc_));
}

void EditHistory::Commit() {
    if (depth_ == 0 || --depth_ > 0)
        return;
    Step step = std::move(open_);
    open_ = Step{};
    recorded_.clear();
    std::vector<std::unique_ptr<EditRecord>> kept;
    for (auto& record : step.records)
        if (record->Finish(doc_))
            kept.push_back(std::move(record));
    if (kept.empty())
        return;
    step.records = std::move(kept);
    for (const auto& record : step.records)
        step.bytes += record->Bytes();
    step.bytes += step.label.size();

    DropRedoSteps();
    bytes_ += step.bytes;
    steps_.push_back(std::move(step));
    ++current_;
    Trim();
    applying_ = true;
    doc_.SetModifiedFlag(true);
    applying_ = false;
}

void EditHistory::Cancel() {
    if (depth_ == 0)
        return;
    if (depth_ > 1) {
        Commit();
        return;
    }
    depth_ = 0;
    Step step = std::move(open_);
    open_ = Step{};
    recorded_.clear();
    applying_ = true;
    EditEffects effects;
    for (auto& record : step.records)
        record->Finish(doc_);
    for (auto it = step.records.rbegin(); it != step.records.rend(); ++it)
        (*it)->Undo(doc_, effects);
    Apply(effects);
    applying_ = false;
}

// ---------------------------------------------------------------------------------------------
// undo and redo

std::string EditHistory::UndoLabel() const {
    return CanUndo() ? steps_[current_ - 1].label : std::string();
}

std::string EditHistory::RedoLabel() const {
    return CanRedo() ? steps_[current_].label : std::string();
}

bool EditHistory::Undo() {
    if (!CanUndo())
        return false;
    applying_ = true;
    EditEffects effects;
    Step& step = steps_[current_ - 1];
    for (auto it = step.records.rbegin(); it != step.records.rend(); ++it)
        (*it)->Undo(doc_, effects);
    --current_;
    Apply(effects);
    doc_.SetModifiedFlag(!IsAtCleanPoint());
    applying_ = false;
    return true;
}

bool EditHistory::Redo() {
    if (!CanRedo())
        return false;
    applying_ = true;
    EditEffects effects;
    for (auto& record : steps_[current_].records)
        record->Redo(doc_, effects);
    ++current_;
    Apply(effects);
    doc_.SetModifiedFlag(!IsAtCleanPoint());
    applying_ = false;
    return true;
}

void EditHistory::Apply(EditEffects& effects) {
    // parents before their members: a member's place is computed from its parent's matrix
    std::vector<std::pair<int, CPovObject*>> touched;
    std::unordered_set<CPovObject*> seen;
    for (CPovObject* o : effects.touched)
        if (seen.insert(o).second)
            touched.emplace_back(TreeDepth(o), o);
    std::stable_sort(touched.begin(), touched.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const auto& [depth, o] : touched)
        o->UpdateGeometry();
    doc_.ForgetObjects(effects.detached);
    doc_.UpdateAllViews();
}

// ---------------------------------------------------------------------------------------------
// keeping the history bounded

void EditHistory::DropRedoSteps() {
    if (clean_ && *clean_ > current_)
        clean_.reset();
    while (steps_.size() > current_) {
        bytes_ -= steps_.back().bytes;
        steps_.pop_back();
    }
}

void EditHistory::DropOldest() {
    bytes_ -= steps_.front().bytes;
    steps_.pop_front();
    --current_;
    if (clean_) {
        if (*clean_ == 0)
            clean_.reset();
        else
            --*clean_;
    }
}

void EditHistory::Trim() {
    while (steps_.size() > maxSteps_ && current_ > 0)
        DropOldest();
    while (bytes_ > byteBudget_ && steps_.size() > 1 && current_ > 0)
        DropOldest();
}

void EditHistory::SetDepth(size_t steps) {
    maxSteps_ = std::max<size_t>(steps, 1);
    Trim();
}

void EditHistory::SetByteBudget(size_t bytes) {
    byteBudget_ = bytes;
    Trim();
}

void EditHistory::Clear() {
    depth_ = 0;
    open_ = Step{};
    recorded_.clear();
    while (!steps_.empty())
        steps_.pop_back();
    current_ = 0;
    bytes_ = 0;
    clean_.reset();
}

// ---------------------------------------------------------------------------------------------

EditStep::EditStep(COrvantaDoc& doc, std::string label) : history_(doc.History()) {
    history_.Begin(std::move(label));
}

EditStep::~EditStep() {
    Commit();
}

EditStep& EditStep::Record(CPovObject& object) {
    if (open_)
        history_.RecordObject(object);
    return *this;
}

void EditStep::Commit() {
    if (open_)
        history_.Commit();
    open_ = false;
}

void EditStep::Cancel() {
    if (open_)
        history_.Cancel();
    open_ = false;
}

std::string StepLabel(const char* germanAction, const CPovObject& object) {
    return std::string(Tr(germanAction)) + " " + orv::Cp1252ToUtf8(object.Name);
}

std::string StepLabel(const char* germanAction) {
    return Tr(germanAction);
}
