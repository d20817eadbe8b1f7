// Texts of the user interface in the language the user chose.
//
// The program's own texts are written in German where they are used, as UTF-8; Tr gives the
// English text when English is chosen. The English texts live in the catalogue files
// resources/english/*.tsv, one line per text: the German text, a tab, the English text
// (with \t, \n and \\ for a tab, a line break and a backslash). Scene text (markers, POV-Ray
// keywords, default object names) never goes through here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// german: UTF-8. The English text when English is chosen and the catalogue has it, otherwise
// german itself. The result lives as long as the program.
const char* Tr(const char* german);
std::string Tr(std::string_view german);

// The string-table text of id for the user interface, as UTF-8. In English, a text the table
// has no English for is recorded as untranslated (the scene-text entries are never asked for
// here).
std::string TrId(int id);

// Texts asked for in English that the catalogue lacks, in the order first asked for; the
// tests walk the user interface and check that none is left.
std::vector<std::string> UntranslatedTexts();
void ClearUntranslatedTexts();
// every German text of the catalogue with its English text
size_t CatalogueSize();
