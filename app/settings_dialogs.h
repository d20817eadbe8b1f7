// The two settings sheets on screen: the scene's ("&Einstellungen...") and the program's
// ("Orvanta &Einstellungen..."), with the multi-line text field their author page needs.
#pragma once

class COrvantaDoc;
class QWidget;

// Runs the document's settings sheet; 1 = OK, 2 = Cancel.
int RunDocumentSettings(QWidget* parent, COrvantaDoc& document);
// Runs the program settings sheet; afterwards, whatever button closed it, the open document
// and its camera views take the sheet's camera options.
int RunProgramSettings(QWidget* parent, COrvantaDoc* document);
// Makes the multi-line text field known to the sheet dialogs (once is enough).
void RegisterMultiLineField();
