#include "model/groups/pov_user_object.h"

#include "model/name_counters.h"
#include "resources/string_table.h"

CPovUserObject::CPovUserObject() {
    // Named a second time over the group constructor's name; the CSG number it used stays
    // taken.
    AssignDefaultName(IDS_PREFIX_USEROBJECT, g_NameCounters.UserObject);
}

void CPovUserObject::SetNameCounter(long value) {
    g_NameCounters.UserObject = value;
}
long CPovUserObject::GetNameCounter() const {
    return g_NameCounters.UserObject;
}

int CPovUserObject::WriteScene(SceneText& out) {
    out.Write("#ifdef (ORVANTA_INVOKED)\r\n");
    for (CPovObject* c = FirstChild; c; c = c->NextSibling)
        if (c->IsPresent())
            c->WriteSceneText(out);
    out.Write("#end\r\n");
    // the scene reader recognises the group by this line
    out.Write("\r\n//$predefined_object$ do not delete this line\r\n");
    WriteGroupBlock(out);
    return 1;
}

int CPovUserObject::EditProperties() {
    return EditWithSheet(IDS_CAPTION_USEROBJECT);
}
