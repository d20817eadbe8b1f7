#include "props/prop_object.h"

#include "document/orvanta_doc.h"
#include "model/pov_object.h"

COrvantaDoc* CPropObject::Document() const {
    return dynamic_cast<COrvantaDoc*>(object_.Document);
}

std::string CPropObject::ReferenceKeyword() const {
    return object_.GetHelpKeyword();
}

void CPropObject::SceneChanged() {
    if (!object_.Document)
        return;
    object_.Document->SetModifiedFlag(true);
    if (COrvantaDoc* doc = Document())
        doc->UpdateAllViews(nullptr);
}
