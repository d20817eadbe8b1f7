#include "document/edit_records.h"

#include <algorithm>
#include <array>
#include <unordered_set>

#include "document/orvanta_doc.h"
#include "model/object_state.h"
#include "model/pov_object.h"

namespace {

void ClearSelection(CPovObject& root) {
    root.Selected = 0;
    for (CPovObject* c = root.FirstChild; c; c = c->NextSibling)
        ClearSelection(*c);
}

// ---------------------------------------------------------------------------------------------

class ObjectRecord : public EditRecord {
  public:
    explicit ObjectRecord(CPovObject& object)
        : object_(object), before_(CopyOwnState(object)), presentBefore_(object.Present) {}

    bool Finish(COrvantaDoc&) override {
        presentAfter_ = object_.Present;
        after_ = CopyOwnState(object_);
        if (before_ && after_ && SameOwnState(*before_, *after_)) {
            before_.reset();
            after_.reset();
        }
        return before_ || presentBefore_ != presentAfter_;
    }
    void Undo(COrvantaDoc&, EditEffects& effects) override {
        Apply(before_.get(), presentBefore_, effects);
    }
    void Redo(COrvantaDoc&, EditEffects& effects) override {
        Apply(after_.get(), presentAfter_, effects);
    }
    size_t Bytes() const override {
        return sizeof *this + (before_ ? OwnStateBytes(*before_) : 0) +
               (after_ ? OwnStateBytes(*after_) : 0);
    }

  private:
    void Apply(const CPovObject* state, int present, EditEffects& effects) {
        if (state)
            state->CopyOwnStateTo(object_);
        if ((object_.Present != 0) != (present != 0))
            object_.SetPresent(present != 0);
        effects.touched.push_back(&object_);
    }

    CPovObject& object_;
    std::unique_ptr<CPovObject> before_;
    std::unique_ptr<CPovObject> after_;
    int presentBefore_;
    int presentAfter_ = 1;
};

// ---------------------------------------------------------------------------------------------

class InsertRecord : public EditRecord {
  public:
    InsertRecord(CPovObject& object, ObjectList list)
        : object_(&object), list_(list), previous_(PreviousInList(list, object)) {}
    ~InsertRecord() override {
        if (owned_)
            delete object_;
    }
    InsertRecord(const InsertRecord&) = delete;
    InsertRecord& operator=(const InsertRecord&) = delete;

    void Undo(COrvantaDoc&, EditEffects& effects) override {
        UnlinkObject(list_, *object_);
        ClearSelection(*object_);
        owned_ = true;
        effects.detached.push_back(object_);
        if (list_.parent)
            effects.touched.push_back(list_.parent);
    }
    void Redo(COrvantaDoc&, EditEffects& effects) override {
        LinkObjectAfter(list_, previous_, *object_);
        owned_ = false;
        effects.touched.push_back(list_.parent ? list_.parent : object_);
    }
    size_t Bytes() const override { return sizeof *this; }

  private:
    CPovObject* object_;
    ObjectList list_;
    CPovObject* previous_;
    bool owned_ = false;
};

// ---------------------------------------------------------------------------------------------

class MoveRecord : public EditRecord {
  public:
    MoveRecord(CPovObject& object, ObjectList from, CPovObject* fromPrevious, ObjectList to)
        : object_(object),
          from_(from),
          fromPrevious_(fromPrevious),
          to_(to),
          toPrevious_(PreviousInList(to, object)) {}

    void Undo(COrvantaDoc&, EditEffects& effects) override {
        Move(to_, from_, fromPrevious_, effects);
    }
    void Redo(COrvantaDoc&, EditEffects& effects) override {
        Move(from_, to_, toPrevious_, effects);
    }
    size_t Bytes() const override { return sizeof *this; }

  private:
    void Move(ObjectList from, ObjectList to, CPovObject* previous, EditEffects& effects) {
        UnlinkObject(from, object_);
        LinkObjectAfter(to, previous, object_);
        effects.touched.push_back(&object_);
        for (CPovObject* group : {from.parent, to.parent})
            if (group)
                effects.touched.push_back(group);
    }

    CPovObject& object_;
    ObjectList from_;
    CPovObject* fromPrevious_;
    ObjectList to_;
    CPovObject* toPrevious_;
};

// ---------------------------------------------------------------------------------------------

// What the scene file carries of the document's settings and views.
struct SceneValues {
    COrvantaOptions::AuthorPage author;
    COrvantaOptions::CommentPage comment;
    COrvantaOptions::IncludesPage includes;
    COrvantaOptions::CompatiblePage compatible;
    std::array<double, 3> grids{};
    std::array<int, 3> zooms{};
    bool operator==(const SceneValues&) const = default;

    static SceneValues Of(const COrvantaDoc& doc) {
        const COrvantaOptions& s = *doc.Settings;
        return {s.Author,
                s.Comment,
                s.Includes,
                s.Compatible,
                {doc.GridFront, doc.GridRight, doc.GridTop},
                {doc.ZoomFront, doc.ZoomRight, doc.ZoomTop}};
    }
};

// Sets what differs between from and to back to to's value; values a step did not change
// stay as later work left them.
template <typename T>
void Restore(T& value, const T& from, const T& to) {
    if (!(from == to))
        value = to;
}

class SettingsRecord : public EditRecord {
  public:
    explicit SettingsRecord(const COrvantaDoc& doc) : before_(SceneValues::Of(doc)) {}

    bool Finish(COrvantaDoc& doc) override {
        after_ = SceneValues::Of(doc);
        return !(before_ == after_);
    }
    void Undo(COrvantaDoc& doc, EditEffects&) override { Put(doc, after_, before_); }
    void Redo(COrvantaDoc& doc, EditEffects&) override { Put(doc, before_, after_); }
    size_t Bytes() const override {
        size_t n = sizeof *this;
        for (const SceneValues* v : {&before_, &after_}) {
            n += v->author.Name.size() + v->author.Company.size() + v->author.MoreInfo.size() +
                 v->comment.CommentText.size();
            for (const std::string& include : v->includes.AdditionalIncludes)
                n += sizeof include + include.size();
        }
        return n;
    }

  private:
    static void Put(COrvantaDoc& doc, const SceneValues& from, const SceneValues& to) {
        COrvantaOptions& s = *doc.Settings;
        Restore(s.Author, from.author, to.author);
        Restore(s.Comment, from.comment, to.comment);
        Restore(s.Includes, from.includes, to.includes);
        Restore(s.Compatible, from.compatible, to.compatible);
        Restore(doc.GridFront, from.grids[0], to.grids[0]);
        Restore(doc.GridRight, from.grids[1], to.grids[1]);
        Restore(doc.GridTop, from.grids[2], to.grids[2]);
        Restore(doc.ZoomFront, from.zooms[0], to.zooms[0]);
        Restore(doc.ZoomRight, from.zooms[1], to.zooms[1]);
        Restore(doc.ZoomTop, from.zooms[2], to.zooms[2]);
    }

    SceneValues before_;
    SceneValues after_;
};

// ---------------------------------------------------------------------------------------------

struct Specials {
    CPovObject* camera = nullptr;
    CPovObject* background = nullptr;
    CPovObject* skySphere = nullptr;
    int cameraChanged = 0;
    bool operator==(const Specials&) const = default;

    static Specials Of(const COrvantaDoc& doc) {
        return {doc.Camera, doc.Background, doc.SkySphere, doc.CameraChanged};
    }
    void Put(COrvantaDoc& doc) const {
        doc.Camera = camera;
        doc.Background = background;
        doc.SkySphere = skySphere;
        doc.CameraChanged = cameraChanged;
    }
};

class SpecialsRecord : public EditRecord {
  public:
    explicit SpecialsRecord(const COrvantaDoc& doc) : before_(Specials::Of(doc)) {}

    bool Finish(COrvantaDoc& doc) override {
        after_ = Specials::Of(doc);
        return !(before_ == after_);
    }
    void Undo(COrvantaDoc& doc, EditEffects&) override {
        before_.Put(doc);
        // an undo that brings a camera back sets the flag, one that takes it away clears it
        if (before_.camera != after_.camera)
            doc.CameraChanged = before_.camera ? 1 : 0;
    }
    void Redo(COrvantaDoc& doc, EditEffects&) override { after_.Put(doc); }
    size_t Bytes() const override { return sizeof *this; }

  private:
    Specials before_;
    Specials after_;
};

// ---------------------------------------------------------------------------------------------

std::vector<CPovObject*> Collect(CPovObject* head) {
    std::vector<CPovObject*> list;
    for (CPovObject* o = head; o; o = o->NextSibling)
        list.push_back(o);
    return list;
}

class ListsRecord : public EditRecord {
  public:
    explicit ListsRecord(COrvantaDoc& doc) {
        CPovObject** heads[4] = {&doc.Objects, &doc.Textures, &doc.Halos, &doc.Pigments};
        for (size_t i = 0; i < lists_.size(); ++i) {
            lists_[i].head = heads[i];
            lists_[i].before = Collect(*heads[i]);
        }
    }
    ~ListsRecord() override {
        if (owned_)
            for (CPovObject* o : added_)
                delete o;
    }
    ListsRecord(const ListsRecord&) = delete;
    ListsRecord& operator=(const ListsRecord&) = delete;

    bool Finish(COrvantaDoc&) override {
        bool changed = false;
        std::unordered_set<CPovObject*> gone;
        for (size_t i = 0; i < lists_.size(); ++i) {
            ListChange& list = lists_[i];
            list.after = Collect(*list.head);
            // the part both share at their ends keeps its links: only the fronts are kept
            size_t shared = 0;
            while (shared < list.before.size() && shared < list.after.size() &&
                   list.before[list.before.size() - 1 - shared] ==
                       list.after[list.after.size() - 1 - shared])
                ++shared;
            list.tail = shared ? list.after[list.after.size() - shared] : nullptr;
            list.before.resize(list.before.size() - shared);
            list.after.resize(list.after.size() - shared);
            list.before.shrink_to_fit();
            list.after.shrink_to_fit();
            changed = changed || !list.before.empty() || !list.after.empty();
            if (list.before.empty()) {
                // only added (an import into an empty list): no sets of many objects to build
                added_.insert(added_.end(), list.after.begin(), list.after.end());
                continue;
            }

            const std::unordered_set<CPovObject*> before(list.before.begin(), list.before.end());
            const std::unordered_set<CPovObject*> after(list.after.begin(), list.after.end());
            for (CPovObject* o : list.after)
                if (!before.count(o))
                    added_.push_back(o);
            for (CPovObject* o : list.before)
                if (!after.count(o))
                    gone.insert(o);
        }
        // top-level objects a new group took: remembered in member order, so that putting them
        // back in this order finds each one's predecessor in place
        std::vector<CPovObject*> groups;
        for (CPovObject* o : gone)
            if (o->Parent && std::find(groups.begin(), groups.end(), o->Parent) == groups.end())
                groups.push_back(o->Parent);
        for (CPovObject* group : groups)
            for (CPovObject* c = group->FirstChild; c; c = c->NextSibling)
                if (gone.count(c))
                    taken_.push_back({c, group, c->PrevSibling});
        return changed;
    }

    void Undo(COrvantaDoc&, EditEffects& effects) override {
        for (auto it = taken_.rbegin(); it != taken_.rend(); ++it) {
            UnlinkFrom(it->group->FirstChild, it->object);
            it->object->Parent = nullptr;
            effects.touched.push_back(it->object);
        }
        for (ListChange& list : lists_)
            Relink(list.head, list.before, list.tail);
        for (CPovObject* o : added_) {
            o->NextSibling = o->PrevSibling = nullptr;
            ClearSelection(*o);
            effects.detached.push_back(o);
        }
        owned_ = true;
    }
    void Redo(COrvantaDoc&, EditEffects& effects) override {
        for (ListChange& list : lists_)
            Relink(list.head, list.after, list.tail);
        for (const Taken& t : taken_) {
            InsertChildAfter(t.group, t.previous, t.object);
            effects.touched.push_back(t.group);
        }
        owned_ = false;
    }
    size_t Bytes() const override {
        size_t n =
            sizeof *this + sizeof(CPovObject*) * added_.size() + sizeof(Taken) * taken_.size();
        for (const ListChange& list : lists_)
            n += sizeof(CPovObject*) * (list.before.size() + list.after.size());
        return n;
    }

  private:
    struct ListChange {
        CPovObject** head = nullptr;
        // the fronts of the list before and after the change, then the shared rest from tail on
        std::vector<CPovObject*> before;
        std::vector<CPovObject*> after;
        CPovObject* tail = nullptr;
    };
    struct Taken {
        CPovObject* object;
        CPovObject* group;
        CPovObject* previous;
    };

    static void Relink(CPovObject** head, const std::vector<CPovObject*>& front, CPovObject* tail) {
        CPovObject* previous = nullptr;
        for (CPovObject* o : front) {
            o->Parent = nullptr;
            o->PrevSibling = previous;
            if (previous)
                previous->NextSibling = o;
            else
                *head = o;
            previous = o;
        }
        if (previous)
            previous->NextSibling = tail;
        else
            *head = tail;
        if (tail)
            tail->PrevSibling = previous;
    }

    std::array<ListChange, 4> lists_;
    std::vector<CPovObject*> added_;
    std::vector<Taken> taken_;
    bool owned_ = false;
};

}  // namespace

void UnlinkObject(ObjectList list, CPovObject& object) {
    UnlinkFrom(*list.head, &object);
    object.Parent = nullptr;
}

void LinkObjectAfter(ObjectList list, CPovObject* previous, CPovObject& object) {
    if (list.parent) {
        InsertChildAfter(list.parent, previous, &object);
        return;
    }
    object.Parent = nullptr;
    if (!previous) {
        LinkAtHead(*list.head, &object);
        return;
    }
    object.PrevSibling = previous;
    object.NextSibling = previous->NextSibling;
    if (previous->NextSibling)
        previous->NextSibling->PrevSibling = &object;
    previous->NextSibling = &object;
}

CPovObject* PreviousInList(ObjectList list, const CPovObject& object) {
    if (object.PrevSibling || *list.head == &object)
        return object.PrevSibling;
    for (CPovObject* p = *list.head; p; p = p->NextSibling)
        if (p->NextSibling == &object)
            return p;
    return nullptr;
}

std::unique_ptr<EditRecord> MakeObjectRecord(CPovObject& object) {
    return std::make_unique<ObjectRecord>(object);
}

std::unique_ptr<EditRecord> MakeInsertRecord(CPovObject& object, ObjectList list) {
    return std::make_unique<InsertRecord>(object, list);
}

std::unique_ptr<EditRecord> MakeMoveRecord(CPovObject& object, ObjectList from,
                                           CPovObject* fromPrevious, ObjectList to) {
    return std::make_unique<MoveRecord>(object, from, fromPrevious, to);
}

std::unique_ptr<EditRecord> MakeSettingsRecord(const COrvantaDoc& doc) {
    return std::make_unique<SettingsRecord>(doc);
}

std::unique_ptr<EditRecord> MakeSpecialsRecord(const COrvantaDoc& doc) {
    return std::make_unique<SpecialsRecord>(doc);
}

std::unique_ptr<EditRecord> MakeListsRecord(COrvantaDoc& doc) {
    return std::make_unique<ListsRecord>(doc);
}
