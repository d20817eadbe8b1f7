#include "props/settings/executables_page.h"

#include "model/cp1252.h"
#include "model/pov_level.h"
#include "platform/process_launcher.h"
#include "platform/prompts.h"
#include "platform/settings_store.h"
#include "render/render_presets.h"
#include "resources/ui_text.h"

namespace {

constexpr const char* kProgramFilter = "Alle Dateien (*)";
constexpr const char* kConfigurationFilter =
    "INI-Dateien (*.ini);;DEF-Dateien PoV Ray 2.x (*.def);;Alle Dateien (*)";

// the language levels in the order of the radio buttons
const std::vector<std::string>& LevelLabels() {
    static const std::vector<std::string> labels = {Tr("Version 2.x"), Tr("Version 3.0"),
                                                    Tr("Version 3.7")};
    return labels;
}

}  // namespace

ExecutablesPageModel::ExecutablesPageModel(COrvantaOptions::ExecutablesPage& values, int parts,
                                           std::string title)
    : PageModel(std::move(title)), values_(values), parts_(parts) {
    if (parts_ & kPovRay) {
        Add(FieldKind::Text, "execute", Tr("Pfad- und Dateiname &POVRAY:"));
        Add(FieldKind::Button, "chooseExecute", Tr("&Auswählen...")).sameRow = true;
        Add(FieldKind::Note, "executeNote", "").text =
            Tr("Leer: POV-Ray wird im Suchpfad (PATH) gesucht, und das Bild erscheint "
               "während des Renderns im Renderfenster.");
        Add(FieldKind::Text, "configuration", Tr("&Konfigurationsdatei:"));
        Add(FieldKind::Button, "chooseConfiguration", Tr("A&uswählen...")).sameRow = true;
        Add(FieldKind::Button, "editConfiguration", Tr("&Bearbeiten...")).sameRow = true;
    }
    if (parts_ & kViewer) {
        if (parts_ == kViewer)
            Add(FieldKind::Check, "startsAfterPov", Tr("&Nach Raytracer automatisch ausführen"));
        Add(FieldKind::Text, "viewer", Tr("Pfad- und Dateiname des Bildbertrachters:"));
        Add(FieldKind::Button, "chooseViewer",
            parts_ == kViewer ? Tr("&Auswählen...") : Tr("Aus&wählen..."))
            .sameRow = true;
        Add(FieldKind::Text, "parameters", Tr("&Parameter:"));
        Add(FieldKind::Note, "parametersNote", "").text =
            Tr("Im Feld Parameter wird an der Stelle %s durch den Orvanta Modeller der Name des "
               "aktuellen Bildes eingetragen. Wenn %s nicht im Parameterfeld eingetragen wird, "
               "wird dem Viewer der Dateiname nicht bekannt gegeben.");
    }
}

void ExecutablesPageModel::Load(SheetModel&) {
    if (parts_ & kPovRay) {
        SetText("execute", values_.Execute);
        SetText("configuration", values_.Configuration);
    }
    if (parts_ & kViewer) {
        if (parts_ == kViewer)
            SetValue("startsAfterPov", values_.ViewerStartsAfterPov ? 1 : 0);
        SetText("viewer", values_.Viewer);
        SetText("parameters", values_.ViewerParameters);
    }
}

void ExecutablesPageModel::Store(SheetModel&) {
    if (parts_ & kPovRay) {
        values_.Execute = Text("execute");
        values_.Configuration = Text("configuration");
    }
    if (parts_ & kViewer) {
        if (parts_ == kViewer)
            values_.ViewerStartsAfterPov = Checked("startsAfterPov");
        values_.Viewer = Text("viewer");
        values_.ViewerParameters = Text("parameters");
    }
}

void ExecutablesPageModel::Choose(SheetModel& sheet, const char* field, const char* title,
                                  const char* filter) {
    if (auto file = sheet.Services().OpenFileName(Tr(title), Tr(filter), Text(field)))
        SetText(field, *file);
}

void ExecutablesPageModel::Pressed(SheetModel& sheet, std::string_view id) {
    if (id == "chooseExecute") {
        Choose(sheet, "execute", "POV-Ray auswählen", kProgramFilter);
    } else if (id == "chooseConfiguration") {
        Choose(sheet, "configuration", "Konfigurationsdatei auswählen", kConfigurationFilter);
    } else if (id == "chooseViewer") {
        Choose(sheet, "viewer", "Bildbetrachter auswählen", kProgramFilter);
    } else if (id == "editConfiguration") {
        // the desktop's editor for the file; it is the user's and stays open after us
        const std::string& file = Text("configuration");
        if (file.empty())
            GetPrompts().Message(
                orv::Utf8ToCp1252(Tr("Es ist keine Konfigurationsdatei angegeben.")));
        else if (!GetProcessLauncher().StartDetached("xdg-open", {file}))
            GetPrompts().Message(
                orv::Utf8ToCp1252(Tr("Die Konfigurationsdatei kann nicht geöffnet "
                                     "werden: xdg-open lässt sich nicht starten.")));
    }
}

// ---------------------------------------------------------------------------------------------

namespace {

// The language level and the render size of the POV-Ray dialog.
class PovRayRenderPage : public ExecutablesPageModel {
  public:
    PovRayRenderPage(COrvantaOptions& options, RenderChoice& choice)
        : ExecutablesPageModel(options.Executables, kPovRay, Tr("POV-Ray")),
          options_(options),
          choice_(choice) {
        SheetField& level = Add(FieldKind::Radio, "level", "", Tr("Generierung"));
        level.items = LevelLabels();
        SheetField& size = Add(FieldKind::Choice, "size", Tr("&Bildgröße:"), Tr("Rendern"));
        for (const RenderPreset& preset : RenderPresets())
            size.items.push_back(Tr(preset.label));
    }
    void Load(SheetModel& sheet) override {
        ExecutablesPageModel::Load(sheet);
        SetValue("level", ClampPovLevel(options_.Compatible.PovVersion30));
        SetValue("size", PresetIndex(choice_));
    }
    void Store(SheetModel& sheet) override {
        ExecutablesPageModel::Store(sheet);
        options_.Compatible.PovVersion30 = ClampPovLevel(Value("level"));
        options_.Includes.PovVersion30 = options_.Compatible.PovVersion30;
        const int preset = Value("size");
        if (preset >= 0 && preset < static_cast<int>(RenderPresets().size()))
            choice_ = RenderPresets()[static_cast<size_t>(preset)].choice;
    }

  private:
    COrvantaOptions& options_;
    RenderChoice& choice_;
};

}  // namespace

PovRaySettingsSheet::PovRaySettingsSheet() : SheetModel(Tr("Pov Ray Einstellungen")) {
    SetPlain(true);
    AddPage(std::make_unique<PovRayRenderPage>(options_, choice_));
}

void PovRaySettingsSheet::Finish(bool ok) {
    if (!ok)
        return;
    ISettingsStore& store = GetSettingsStore();
    store.Write(SettingsRoot::Machine, "Pov", "Execute", options_.Executables.Execute);
    store.Write(SettingsRoot::Machine, "Pov", "Configuration", options_.Executables.Configuration);
    store.Write(SettingsRoot::Machine, "Pov", "Generate",
                PovLevelSetting(options_.Compatible.PovVersion30));
    SaveRenderChoice(choice_);
}

ViewerSettingsSheet::ViewerSettingsSheet() : SheetModel(Tr("Bildbetrachter Einstellungen")) {
    SetPlain(true);
    AddPage(std::make_unique<ExecutablesPageModel>(
        options_.Executables, ExecutablesPageModel::kViewer, Tr("Bildbetrachter")));
}

void ViewerSettingsSheet::Finish(bool ok) {
    if (!ok)
        return;
    ISettingsStore& store = GetSettingsStore();
    store.Write(SettingsRoot::Machine, "Pov", "Viewer", options_.Executables.Viewer);
    store.Write(SettingsRoot::Machine, "Pov", "ViewerParameters",
                options_.Executables.ViewerParameters);
    WriteYesNo(SettingsRoot::Machine, "Pov", "ViewerStartsAfterPov",
               options_.Executables.ViewerStartsAfterPov);
}
