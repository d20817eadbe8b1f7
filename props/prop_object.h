// The frame of every object's property sheet: the object it edits, its document, the POV-Ray
// keyword its "Referenz" button looks up. Each kind's sheet (props/<model folder>/) derives
// from it and adds its pages in order.
#pragma once

#include <optional>
#include <string>

#include "document/edit_history.h"
#include "props/sheet_model.h"

class COrvantaDoc;
class CPovObject;

class CPropObject : public SheetModel {
  public:
    // The sheet is one step of the document's history from its opening to its closing: what
    // OK writes and what pages apply at once (also when the sheet is cancelled).
    CPropObject(CPovObject& object, std::string caption);

    CPovObject& Object() const { return object_; }
    // the document that holds the object, or nullptr
    COrvantaDoc* Document() const;
    std::string ReferenceKeyword() const override;
    std::string HelpTopic() const override { return "eigenschaften"; }

    // Marks the document modified and redraws all its views (pages that change the object
    // before the sheet closes: instant rotation, quick colour, texture steps).
    void SceneChanged();

  private:
    CPovObject& object_;
    std::optional<EditStep> step_;
};
