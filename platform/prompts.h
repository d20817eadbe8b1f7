// Message boxes and yes/no questions.
//
// Texts are Windows-1252 bytes like every string of the core. Without an installed
// implementation nothing is shown and questions are answered with no.
#pragma once

#include <string>

class IPrompts {
  public:
    virtual ~IPrompts() = default;
    // An information or error message with an OK button.
    virtual void Message(const std::string& text) = 0;
    // A question with Yes and No buttons; true for Yes.
    virtual bool AskYesNo(const std::string& text) = 0;
};

IPrompts& GetPrompts();
// Installs the prompts used from now on; nullptr restores the silent default.
void SetPrompts(IPrompts* prompts);
