// Messages and questions as Qt message boxes on the main window.
#pragma once

#include <QWidget>

#include "platform/prompts.h"

class MessageBoxPrompts : public IPrompts {
  public:
    explicit MessageBoxPrompts(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Message(const std::string& text) override;
    bool AskYesNo(const std::string& text) override;
    Answer AskYesNoCancel(const std::string& text) override;
    int AskChoice(const std::string& text, const std::vector<std::string>& buttons) override;

  private:
    QWidget* parent_;
};
