// Prompts that record what would have been shown and answer questions from a script.
#pragma once

#include <string>
#include <vector>

#include "platform/prompts.h"

class RecordingPrompts : public IPrompts {
  public:
    void Message(const std::string& text) override { messages.push_back(text); }
    bool AskYesNo(const std::string& text) override {
        questions.push_back(text);
        return answer;
    }

    Answer AskYesNoCancel(const std::string& text) override {
        questions.push_back(text);
        return threeWayAnswer;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = false;
    Answer threeWayAnswer = Answer::No;
};

// Installs a RecordingPrompts for the lifetime of the guard.
class ScopedRecordingPrompts : public RecordingPrompts {
  public:
    ScopedRecordingPrompts() { SetPrompts(this); }
    ~ScopedRecordingPrompts() override { SetPrompts(nullptr); }
};
