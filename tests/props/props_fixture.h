// Fixture for the sheets' tests: a document that is the current one, a scripted editor host
// that opens the real sheets, and recorded prompts.
#pragma once

#include <functional>

#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/scene_text.h"
#include "platform/fake/recording_prompts.h"
#include "props/sheet_field.h"
#include "props/sheet_runner.h"
#include "tests/support/model_test.h"

class PropsTest : public ModelTest {
  protected:
    COrvantaDoc doc;
    ScopedSheetHost host;
    ScopedRecordingPrompts prompts;

    void SetUp() override {
        ModelTest::SetUp();
        CurrentDocument = &doc;
        SetDecimalSeparator('.');
    }
    void TearDown() override {
        SetDecimalSeparator('.');
        ModelTest::TearDown();
        SetEditorHost(nullptr);
    }
    // Opens the object's sheet, lets the script act on it and returns the sheet's result.
    int Edit(CPovObject& object, std::function<int(SheetRunner&)> script) {
        host.script = std::move(script);
        const int result = object.EditProperties();
        host.script = nullptr;
        return result;
    }
    std::string Scene() const {
        ::SceneText text;
        WriteSceneFile(doc, text);
        return text.Take();
    }
};

// closes the sheet with OK: 1, or 2 when a value was refused (then cancels)
inline int OkOrCancel(SheetRunner& r) {
    if (r.Ok())
        return 1;
    r.Cancel();
    return 2;
}
