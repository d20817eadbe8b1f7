// An editor host for tests: records which sheets were opened, lets a callback edit the object
// and returns a fixed result.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/editor_host.h"

class ScriptedEditorHost : public IEditorHost {
  public:
    int EditProperties(CPovObject& object, const std::string& caption) override {
        captions.push_back(caption);
        edited.push_back(&object);
        if (edit)
            edit(object);
        return result;
    }

    std::function<void(CPovObject&)> edit;
    int result = kDialogOk;
    std::vector<std::string> captions;
    std::vector<CPovObject*> edited;
};

class ScopedEditorHost : public ScriptedEditorHost {
  public:
    ScopedEditorHost() { SetEditorHost(this); }
    ~ScopedEditorHost() override { SetEditorHost(nullptr); }
};
