// The pages of the settings sheets: "Autor" (both sheets), "Include-Dateien" (a scene's
// includes and language level), "Kompatibilität" (the language level of new scenes) and
// "Modeller" (view defaults). Each edits one part of a COrvantaOptions the caller keeps.
#pragma once

#include <string>
#include <vector>

#include "document/orvanta_options.h"
#include "props/page_model.h"

// the key of the multi-line text field the desktop registers (props/qt or app)
inline constexpr const char* kMultiLineField = "multiline";

class CSettingsAuthorPage : public PageModel {
  public:
    static constexpr size_t kMoreInfoLength = 230;

    explicit CSettingsAuthorPage(COrvantaOptions::AuthorPage& values);
    void Load(SheetModel& sheet) override;
    std::optional<Refusal> Validate(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;

  private:
    COrvantaOptions::AuthorPage& values_;
};

class CSettingsIncludesPage : public PageModel {
  public:
    explicit CSettingsIncludesPage(COrvantaOptions::IncludesPage& values);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

    // Adds a file's name (without folder, lower-cased) to the additional includes unless the
    // list holds it in any letter case; keeps the list sorted. False when it was there.
    bool AddInclude(const std::string& path);

  private:
    void FillStandard();

    COrvantaOptions::IncludesPage& values_;
};

class CSettingsCompatiblePage : public PageModel {
  public:
    explicit CSettingsCompatiblePage(COrvantaOptions::CompatiblePage& values);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;

  private:
    COrvantaOptions::CompatiblePage& values_;
};

class CSettingsModellerPage : public PageModel {
  public:
    explicit CSettingsModellerPage(COrvantaOptions::ModellerPage& values);
    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Changed(SheetModel& sheet, std::string_view id) override;

  private:
    // the three camera options are usable exactly while OpenGL is on
    void EnableCameraOptions();

    COrvantaOptions::ModellerPage& values_;
};

// The include files' filter of the file dialog: "Include-Dateien (*.inc);;...".
std::string IncludeFileFilter();
