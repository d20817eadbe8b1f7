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

    int AskChoice(const std::string& text, const std::vector<std::string>& buttons) override {
        questions.push_back(text);
        choiceButtons = buttons;
        return choice < 0 ? static_cast<int>(buttons.size()) - 1 : choice;
    }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = false;
    Answer threeWayAnswer = Answer::No;
    // the button AskChoice answers with; -1 for the last one
    int choice = -1;
    std::vector<std::string> choiceButtons;
};

// Installs a RecordingPrompts for the lifetime of the guard.
class ScopedRecordingPrompts : public RecordingPrompts {
  public:
    ScopedRecordingPrompts() { SetPrompts(this); }
    ~ScopedRecordingPrompts() override { SetPrompts(nullptr); }
};
