// Copies of an object's own state, as the edit history keeps them: an object of the same kind
// that holds the fields, made without touching the default-name counters or the document.
#pragma once

#include <cstddef>
#include <memory>

class CPovObject;

// A detached object of the same kind holding object's own state (see CopyOwnStateTo): no
// children, no document, no parent, no geometry. Making it leaves the default-name counters
// and the current document as they were.
std::unique_ptr<CPovObject> CopyOwnState(const CPovObject& object);

// Whether two objects of one kind hold the same own state: the common fields and what
// VisitFields reports, compared bit for bit.
bool SameOwnState(const CPovObject& a, const CPovObject& b);

// Heap and object bytes a state copy occupies, roughly.
size_t OwnStateBytes(const CPovObject& copy);
