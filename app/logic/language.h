// The user-interface language as the settings store keeps it: the machine section "Language"
// with ".use" (the choice, "deutsch" or "english"; empty until the user chose), one value per
// language naming its text catalogue, and ".default" (the catalogue loaded at start-up, a
// copy of the value the choice names).
#pragma once

#include "resources/string_table.h"

// True while the user has not chosen a language: the first start asks for one.
bool LanguageNotChosen();
// Stores the choice: ".use" = the language's name, ".default" = the value of that name
// (the name itself when the store has no such value). The running program keeps its language.
void ChooseLanguage(UiLanguage language);
// The language the stored ".default" names: English when it names the English catalogue,
// German for anything else (the built-in texts), also when it is missing.
UiLanguage StartupLanguage();
// The language of the check mark in the language menu: the one in use since start-up.
bool EnglishResources();
// Sets the language of this run from the store (start-up step).
void ApplyStartupLanguage();
