// The settings sheet in its two modes. The document settings ("&Einstellungen..." of a scene:
// "Autor" and "Include-Dateien") edit the document's own settings, which travel in the scene
// file; OK marks the document modified when a value changed. The program settings ("Orvanta
// &Einstellungen...": "Autor", "Kompatibilität", "POV-Ray / Viewer", "Modeller") edit the
// defaults loaded from the settings store when the sheet is built; OK writes them back.
#pragma once

#include <memory>

#include "document/orvanta_options.h"
#include "props/sheet_model.h"

class COrvantaDoc;

class CSettingsSheet : public SheetModel {
  public:
    // the document's settings sheet, caption "Einstellungen für das aktuelle Dokument"
    static std::unique_ptr<CSettingsSheet> ForDocument(COrvantaDoc& document);
    // the program settings sheet, caption "Einstellungen des Orvanta Modellers"
    static std::unique_ptr<CSettingsSheet> ForProgram();

    const COrvantaOptions& Options() const { return *options_; }
    std::string HelpTopic() const override { return "einstellungen"; }

  protected:
    void Finish(bool ok) override;

  private:
    // document: the document whose settings the sheet edits; none for the program settings
    CSettingsSheet(std::string caption, COrvantaDoc* document);

    COrvantaOptions ownOptions_;  // the program sheet's values
    COrvantaOptions* options_;
    COrvantaDoc* document_;
    COrvantaOptions before_;  // the values when the sheet opened
};

// Whether two settings differ in what the document sheet edits (author data, language level,
// includes). The language level is a PovLevel (2.x, 3.0, 3.7) in both sheets.
bool DocumentSettingsDiffer(const COrvantaOptions& a, const COrvantaOptions& b);
