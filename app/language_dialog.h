// The first start's language question, "Sprache wählen / Select language": two choices,
// "Deutsch" and "English", with "OK" and "Hilfe". Its texts are in both languages, since no
// language is chosen yet.
#pragma once

#include "resources/string_table.h"

class QWidget;

// Runs the dialog modally and returns the choice (German when it is closed otherwise).
UiLanguage AskLanguage(QWidget* parent);
// Start-up: asks for the language and stores the choice when none is stored yet; then the
// stored language becomes the language of this run and Qt's own dialogs follow it.
void ChooseStartupLanguage(QWidget* parent);
// The same without asking (runs without a user): German until a language is chosen.
void ApplyStartupLanguageWithoutAsking();
