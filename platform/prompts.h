// Message boxes and yes/no questions.
//
// Texts are Windows-1252 bytes like every string of the core. Without an installed
// implementation nothing is shown and questions are answered with no.
#pragma once

#include <string>
#include <vector>

class IPrompts {
  public:
    virtual ~IPrompts() = default;
    // An information or error message with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;

    enum class Answer { Yes, No, Cancel };
    // A question with Yes, No and Cancel buttons (the save-changes question).
    virtual Answer AskYesNoCancel(const std::string& text) {
        return AskYesNo(text) ? Answer::Yes : Answer::No;
    }

    // A question with buttons of its own: the index of the button chosen. The first button is
    // the default, the last one also answers Escape (and is the answer without a user).
    virtual int AskChoice(const std::string& text, const std::vector<std::string>& buttons) {
        (void)text;
        return static_cast<int>(buttons.size()) - 1;
    }
};

IPrompts& GetPrompts();
// Installs the prompts used from now on; nullptr restores the silent default.
void SetPrompts(IPrompts* prompts);
