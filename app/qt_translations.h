// Qt's own texts (file dialogs, the buttons of message boxes and dialog button boxes) in the
// program's language, from the translations Debian ships (qt6-translations-l10n).
#pragma once

#include "resources/string_table.h"

// Installs the translations of the language (replacing earlier ones); English needs none.
// False when they are not installed (Qt's texts then stay English).
bool InstallQtTranslations(UiLanguage language);
