// The copy of a declared surface (texture, pigment, halo): the object's own copy, named after
// the original's raw name and the next number of the kind's counter. The raw name, so that a
// copy of a deleted declaration does not carry the deletion mark.
#pragma once

#include "model/pov_object.h"
#include "model/text_format.h"

inline CPovObject* CloneCounted(CPovObject& original, CPovObject* target, long& counter) {
    CPovObject* copy = original.CPovObject::Clone(target);
    if (copy)
        copy->Name = original.Name + orv::Format("%d", counter++);
    return copy;
}
