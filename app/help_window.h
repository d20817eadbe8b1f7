// The help window: the program's own user manual (German or English, built into the program)
// in a browser window with "Inhalt", "Zurück" and "Vor". One window serves every request.
#pragma once

#include <string>

class QWidget;
class QTextBrowser;

enum class ManualPage { Contents, UsingHelp };

// Shows the page in the help window, opening the window when needed; returns its browser.
// topic: a section of the contents page ("einstellungen", "eigenschaften", "povray", ...; the
// same in both languages), empty for the top.
QTextBrowser* ShowManual(QWidget* parent, ManualPage page, const std::string& topic = {});
