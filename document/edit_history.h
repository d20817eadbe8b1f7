// The document's history of changes, for undo and redo many steps deep.
//
// Every change a user makes is one step with a label ("Verschieben Kugel_000"). Whoever changes
// the scene opens a step, records what it is about to change, changes it, and ends the step:
//
//     EditStep step(doc, StepLabel("Verschieben", object));
//     step.Record(object);          // before the object changes
//     object.MoveBy(dx, dy, view);
//     // the step ends when `step` goes out of scope
//
// What a step can hold: an object's own state (fields, steps, name, presence; not its
// members), objects linked into a list (kept alive by the history while the step is undone),
// objects moved between lists or groups (COrvantaDoc::MoveObject), the scene settings and view
// values, and everything a read adds to the lists. The document's camera, background and sky
// sphere are recorded with every step. A step opened while another is open joins it, so that a
// command may run code that opens its own step (a creation command opening a property sheet).
// A step that changed nothing leaves no trace.
#pragma once

#include <cstddef>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <unordered_set>
#include <vector>

#include "document/edit_records.h"

class COrvantaDoc;
class CPovObject;

class EditHistory {
  public:
    // steps kept (the oldest go first); and the memory all steps together may hold, a guard
    // against steps of unusual size
    static constexpr size_t kDefaultDepth = 100;
    static constexpr size_t kDefaultByteBudget = size_t{256} << 20;

    explicit EditHistory(COrvantaDoc& doc);
    ~EditHistory();
    EditHistory(const EditHistory&) = delete;
    EditHistory& operator=(const EditHistory&) = delete;

    // ---- recording (EditStep does Begin and Commit)
    // Opens a step, or joins the open one (whose label stays). label: UTF-8, see StepLabel.
    void Begin(std::string label);
    // Ends what Begin opened. The outermost end keeps the step when it changed anything and
    // then drops the steps that were undone.
    void Commit();
    // The outermost: takes back everything the step recorded and drops it. A nested one ends
    // like Commit and leaves the decision to the outer step.
    void Cancel();
    // whether a step is open
    bool IsRecording() const { return depth_ > 0; }
    // whether a change now belongs to the history (a step is open, or undo or redo runs)
    bool OwnsChanges() const { return depth_ > 0 || applying_; }
    // Names the open step anew (a new object's name is known only after it was made); a step
    // that joined an outer one keeps the outer one's label.
    void SetLabel(std::string label);

    // Without an open step these record nothing.
    // Before object's own state changes. Its ancestors and its look-at point are recorded with
    // it: a resize climbs to the top-level group, and a look-at point turns its owner.
    void RecordObject(CPovObject& object);
    // After object was linked into one of the document's lists or into a group.
    void RecordInserted(CPovObject& object);
    // After object moved from `from` (where it stood behind fromPrevious, none at the head) to
    // its place now; COrvantaDoc::MoveObject calls it.
    void RecordMoved(CPovObject& object, ObjectList from, CPovObject* fromPrevious);
    // Before the scene settings or the view values change.
    void RecordSettings();
    // Before a read adds objects to the document's lists.
    void RecordLists();

    // ---- undo and redo
    bool CanUndo() const { return depth_ == 0 && current_ > 0; }
    bool CanRedo() const { return depth_ == 0 && current_ < steps_.size(); }
    // the label of the step Undo or Redo would take; empty when there is none
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Take the last step back, or do the next undone one again; false when there is none or a
    // step is open. The views are told, the modified mark follows the clean point.
    bool Undo();
    bool Redo();
    size_t UndoCount() const { return current_; }
    size_t RedoCount() const { return steps_.size() - current_; }

    // ---- the clean point: where the document was last saved
    void MarkClean() { clean_ = current_; }
    bool IsAtCleanPoint() const { return clean_ && *clean_ == current_; }
    // A change outside every step: undo can no longer reach the saved state.
    void ForgetCleanPoint() { clean_.reset(); }

    // Drops every step, the open one too.
    void Clear();

    void SetDepth(size_t steps);
    size_t Depth() const { return maxSteps_; }
    void SetByteBudget(size_t bytes);
    // memory the steps hold, roughly (objects of undone steps not counted: the scene had them)
    size_t Bytes() const { return bytes_; }

  private:
    struct Step {
        std::string label;
        std::vector<std::unique_ptr<EditRecord>> records;
        size_t bytes = 0;
    };

    void Add(std::unique_ptr<EditRecord> record);
    void RecordOne(CPovObject& object);
    // rebuilds geometry, lets go of objects that left the scene, tells the views
    void Apply(EditEffects& effects);
    void DropRedoSteps();
    void Trim();
    void DropOldest();

    COrvantaDoc& doc_;
    std::deque<Step> steps_;
    // steps done (the others are undone)
    size_t current_ = 0;
    // steps done when the document was saved; none when undo cannot get there
    std::optional<size_t> clean_ = 0;
    Step open_;
    std::unordered_set<const CPovObject*> recorded_;
    int depth_ = 0;
    bool applying_ = false;
    size_t bytes_ = 0;
    size_t maxSteps_ = kDefaultDepth;
    size_t byteBudget_ = kDefaultByteBudget;
};

// One step for the time of a scope: Begin on construction, Commit when it ends (unless
// cancelled or committed before).
class EditStep {
  public:
    EditStep(COrvantaDoc& doc, std::string label);
    ~EditStep();
    EditStep(const EditStep&) = delete;
    EditStep& operator=(const EditStep&) = delete;

    // EditHistory::RecordObject
    EditStep& Record(CPovObject& object);
    void Commit();
    void Cancel();

  private:
    EditHistory& history_;
    bool open_ = true;
};

// A step's label: the German action through Tr and the object's name ("Verschieben Kugel_000"),
// UTF-8.
std::string StepLabel(const char* germanAction, const CPovObject& object);
std::string StepLabel(const char* germanAction);
