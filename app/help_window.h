// The help window: the program's own user manual (German or English, built into the program)
// in a browser window with "Inhalt", "Zurück" and "Vor". One window serves every request.
#pragma once

class QWidget;
class QTextBrowser;

enum class ManualPage { Contents, UsingHelp };

// Shows the page in the help window, opening the window when needed; returns its browser.
QTextBrowser* ShowManual(QWidget* parent, ManualPage page);
