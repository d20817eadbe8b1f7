#include "props/prop_object.h"

#include "document/orvanta_doc.h"
#include "model/pov_object.h"

CPropObject::CPropObject(CPovObject& object, std::string caption)
    : SheetModel(std::move(caption)), object_(object) {
    if (COrvantaDoc* doc = Document()) {
        step_.emplace(*doc, StepLabel("Eigenschaften", object));
        step_->Record(object);
    }
}

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
