// The parts of an edit step: each remembers one kind of change well enough to take it back and
// do it again. Only the edit history makes and runs them.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "document/orvanta_options.h"

class COrvantaDoc;
class CPovObject;

// What undoing or redoing a step leaves to do once all its records ran.
struct EditEffects {
    // objects whose geometry must be rebuilt (a group rebuilds its members)
    std::vector<CPovObject*> touched;
    // objects that left the scene (with everything they hold); nothing may point at them
    std::vector<CPovObject*> detached;
};

// A list objects are linked in: one of the document's lists or a group's members.
struct ObjectList {
    CPovObject** head = nullptr;
    // the group, or none for a document list
    CPovObject* parent = nullptr;
};

// Takes object out of its list; it keeps no links.
void UnlinkObject(ObjectList list, CPovObject& object);
// Puts object into list right behind previous (at the head when previous is none).
void LinkObjectAfter(ObjectList list, CPovObject* previous, CPovObject& object);
// the object in front of object in its list, or none at the head
CPovObject* PreviousInList(ObjectList list, const CPovObject& object);

class EditRecord {
  public:
    virtual ~EditRecord() = default;
    // Called once when the step ends, with the scene as the change left it: takes what the
    // change made. False when the record changed nothing and can go.
    virtual bool Finish(COrvantaDoc&) { return true; }
    // The scene is as the change left it; afterwards it is as the change found it.
    virtual void Undo(COrvantaDoc& doc, EditEffects& effects) = 0;
    // The reverse.
    virtual void Redo(COrvantaDoc& doc, EditEffects& effects) = 0;
    // memory the record holds, roughly
    virtual size_t Bytes() const = 0;
};

// The own state of an object (its fields, steps and presence) before and after the change.
std::unique_ptr<EditRecord> MakeObjectRecord(CPovObject& object);
// An object linked into a list by the change (at the place it has now). While the change is
// undone, the record owns the object.
std::unique_ptr<EditRecord> MakeInsertRecord(CPovObject& object, ObjectList list);
// An object moved from one list place to another; it stands at the new place now.
std::unique_ptr<EditRecord> MakeMoveRecord(CPovObject& object, ObjectList from,
                                           CPovObject* fromPrevious, ObjectList to);
// The scene settings and view values the scene file carries.
std::unique_ptr<EditRecord> MakeSettingsRecord(const COrvantaDoc& doc);
// The document's camera, background and sky sphere and the camera flag.
std::unique_ptr<EditRecord> MakeSpecialsRecord(const COrvantaDoc& doc);
// The document's four lists, for a change that adds objects to them (reading a file): what
// joined a list belongs to the change, and top-level objects that went into new groups go back
// to their places.
std::unique_ptr<EditRecord> MakeListsRecord(COrvantaDoc& doc);
