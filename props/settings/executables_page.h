// The programs a render uses, as one page model: the POV-Ray program and its configuration
// file, the image viewer and its parameters. The POV-Ray settings dialog shows the POV-Ray
// part (with the language level and the render size), the image-viewer settings dialog the
// viewer part, and the program settings sheet's "POV-Ray / Viewer" page both.
#pragma once

#include "document/orvanta_options.h"
#include "props/page_model.h"
#include "props/sheet_model.h"
#include "render/render_presets.h"

class ExecutablesPageModel : public PageModel {
  public:
    enum Parts { kPovRay = 1, kViewer = 2, kBoth = 3 };

    // values: what the page edits, kept by the caller; title: the tab's text
    ExecutablesPageModel(COrvantaOptions::ExecutablesPage& values, int parts, std::string title);

    void Load(SheetModel& sheet) override;
    void Store(SheetModel& sheet) override;
    void Pressed(SheetModel& sheet, std::string_view id) override;

  private:
    void Choose(SheetModel& sheet, const char* field, const char* title, const char* filter);

    COrvantaOptions::ExecutablesPage& values_;
    int parts_;
};

// Dialog 147, "Pov Ray Einstellungen": the POV-Ray program, its configuration file, the
// language level and the size and quality of a render. OK writes "Pov" / "Execute",
// "Configuration" and "Generate", and the render size.
class PovRaySettingsSheet : public SheetModel {
  public:
    PovRaySettingsSheet();
    const COrvantaOptions& Options() const { return options_; }
    const RenderChoice& Choice() const { return choice_; }
    std::string HelpTopic() const override { return "povray"; }

  protected:
    void Finish(bool ok) override;

  private:
    COrvantaOptions options_{COrvantaOptions::kProgramSettings};
    RenderChoice choice_ = LoadRenderChoice();
};

// Dialog 174, "Bildbetrachter Einstellungen": the viewer, its parameters and whether it
// starts after a render. OK writes "Pov" / "Viewer", "ViewerParameters" and
// "ViewerStartsAfterPov".
class ViewerSettingsSheet : public SheetModel {
  public:
    ViewerSettingsSheet();
    const COrvantaOptions& Options() const { return options_; }
    std::string HelpTopic() const override { return "viewer"; }

  protected:
    void Finish(bool ok) override;

  private:
    COrvantaOptions options_{COrvantaOptions::kProgramSettings};
};
