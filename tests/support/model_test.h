// Fixture for tests of the scene model: every case starts as the program does (name counters
// at 0, no document) and leaves no global state behind.
#pragma once

#include <gtest/gtest.h>

#include "model/name_counters.h"
#include "model/scene_host.h"
#include "platform/editor_host.h"
#include "platform/prompts.h"

class ModelTest : public ::testing::Test {
  protected:
    void SetUp() override { ResetModelGlobals(); }
    void TearDown() override {
        ResetModelGlobals();
        SetPrompts(nullptr);
        SetEditorHost(nullptr);
    }
};

// A scene host that only counts modifications, for objects tested without a document.
class FakeSceneHost : public CSceneHost {
  public:
    void SetModifiedFlag(bool modified) override {
        modified_ = modified;
        if (modified)
            ++modifications;
    }
    bool IsModified() const override { return modified_; }
    int modifications = 0;

  private:
    bool modified_ = false;
};
