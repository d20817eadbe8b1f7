#include "props/settings/settings_pages.h"

#include <algorithm>
#include <cctype>

#include "model/cp1252.h"
#include "model/pov_level.h"
#include "props/sheet_model.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"

namespace {

std::string Utf8(const std::string& cp1252) {
    return orv::Cp1252ToUtf8(cp1252);
}

std::string Cp1252(const std::string& utf8) {
    return orv::Utf8ToCp1252(utf8);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

// the comment keeps CR LF line ends in the scene; the text field shows plain line breaks
std::string WithoutCarriageReturns(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r')
            out += c;
    return out;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : WithoutCarriageReturns(text)) {
        if (c == '\n')
            out += '\r';
        out += c;
    }
    return out;
}

// the language levels the radio groups offer, in the order of PovLevel
const std::vector<std::string>& IncludesLevels() {
    static const std::vector<std::string> levels = {"POV 2.x", "POV 3.0", "POV 3.7"};
    return levels;
}

}  // namespace

std::string IncludeFileFilter() {
    // the string table's filter has the form "Text|pattern|Text|pattern||"
    const std::string table = TrId(IDS_FILTER_INCLUDES);
    std::string filter;
    size_t start = 0;
    bool description = true;
    while (start < table.size()) {
        const size_t bar = table.find('|', start);
        const std::string part = table.substr(start, bar == std::string::npos ? bar : bar - start);
        if (part.empty())
            break;
        if (description)
            filter += (filter.empty() ? "" : ";;") + part;
        description = !description;
        if (bar == std::string::npos)
            break;
        start = bar + 1;
    }
    // "All Files (*.*)" matches only names with a dot on Linux
    const size_t all = filter.find("(*.*)");
    if (all != std::string::npos)
        filter.replace(all, 5, "(*)");
    return filter;
}

// ---------------------------------------------------------------------------------------------
// Autor

CSettingsAuthorPage::CSettingsAuthorPage(COrvantaOptions::AuthorPage& values)
    : PageModel(Tr("Autor")), values_(values) {
    Add(FieldKind::Text, "name", Tr("&Name:"));
    Add(FieldKind::Text, "company", Tr("&Firma:"));
    Add(FieldKind::Check, "showInfo",
        Tr("&Diese Informationen beim öffnen der OM-Datei immer anzeigen."));
    SheetField& more = Add(FieldKind::Custom, "moreInfo", Tr("&Adresse, eMail usw.:"));
    more.custom = kMultiLineField;
    more.maxLength = kMoreInfoLength;
}

void CSettingsAuthorPage::Load(SheetModel&) {
    SetText("name", Utf8(values_.Name));
    SetText("company", Utf8(values_.Company));
    SetValue("showInfo", values_.ShowInfoAlways ? 1 : 0);
    SetText("moreInfo", WithoutCarriageReturns(Utf8(values_.MoreInfo)));
}

std::optional<Refusal> CSettingsAuthorPage::Validate(SheetModel& sheet) {
    if (Utf8Length(Text("moreInfo")) > kMoreInfoLength)
        return Refusal{"moreInfo", TextLengthMessage(kMoreInfoLength)};
    return PageModel::Validate(sheet);
}

void CSettingsAuthorPage::Store(SheetModel&) {
    values_.Name = Cp1252(Text("name"));
    values_.Company = Cp1252(Text("company"));
    values_.ShowInfoAlways = Checked("showInfo");
    values_.MoreInfo = Cp1252(WithCrLf(Text("moreInfo")));
}

// ---------------------------------------------------------------------------------------------
// Include-Dateien

CSettingsIncludesPage::CSettingsIncludesPage(COrvantaOptions::IncludesPage& values)
    : PageModel(Tr("Include-Dateien")), values_(values) {
    Add(FieldKind::Radio, "version", Tr("POV-Ray Version")).items = IncludesLevels();
    SheetField& standard = Add(FieldKind::List, "standard", Tr("Standard-Include-Dateien:"));
    standard.enabled = false;  // shown only
    Add(FieldKind::List, "additional", Tr("Zusätzliche Include-Dateien:"));
    Add(FieldKind::Button, "add", Tr("&Hinzufügen..."));
    Add(FieldKind::Button, "remove", Tr("&Entfernen")).sameRow = true;
}

void CSettingsIncludesPage::FillStandard() {
    SheetField& standard = Field("standard");
    standard.items = COrvantaOptions::StandardIncludes(IsPov3Level(Value("version")));
    standard.selected.assign(standard.items.size(), false);
}

void CSettingsIncludesPage::Load(SheetModel&) {
    SetValue("version", ClampPovLevel(values_.PovVersion30));
    FillStandard();
    SheetField& additional = Field("additional");
    additional.items.clear();
    for (const std::string& name : values_.AdditionalIncludes)
        additional.items.push_back(Utf8(name));
    std::sort(additional.items.begin(), additional.items.end());
    additional.selected.assign(additional.items.size(), false);
}

bool CSettingsIncludesPage::AddInclude(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string name = Lower(slash == std::string::npos ? path : path.substr(slash + 1));
    if (name.empty())
        return false;
    SheetField& additional = Field("additional");
    for (const std::string& existing : additional.items)
        if (Lower(existing) == name)
            return false;
    const auto at = std::lower_bound(additional.items.begin(), additional.items.end(), name);
    additional.selected.insert(additional.selected.begin() + (at - additional.items.begin()),
                               false);
    additional.items.insert(at, name);
    return true;
}

void CSettingsIncludesPage::Changed(SheetModel&, std::string_view id) {
    if (id == "version")
        FillStandard();
}

void CSettingsIncludesPage::Pressed(SheetModel& sheet, std::string_view id) {
    if (id == "add") {
        if (std::optional<std::string> file =
                sheet.Services().OpenFileName(Tr("Hinzufügen"), IncludeFileFilter(), ""))
            AddInclude(*file);
    } else if (id == "remove") {
        SheetField& additional = Field("additional");
        additional.selected.resize(additional.items.size(), false);
        for (size_t i = additional.items.size(); i-- > 0;) {
            if (!additional.selected[i])
                continue;
            additional.items.erase(additional.items.begin() + static_cast<long>(i));
            additional.selected.erase(additional.selected.begin() + static_cast<long>(i));
        }
    }
}

void CSettingsIncludesPage::Store(SheetModel&) {
    values_.PovVersion30 = ClampPovLevel(Value("version"));
    // the list's entries from the last to the first, as the scene file has always had them
    values_.AdditionalIncludes.clear();
    const SheetField& additional = Field("additional");
    for (size_t i = additional.items.size(); i-- > 0;)
        values_.AdditionalIncludes.push_back(Cp1252(additional.items[i]));
}

// ---------------------------------------------------------------------------------------------
// Kompatibilität

CSettingsCompatiblePage::CSettingsCompatiblePage(COrvantaOptions::CompatiblePage& values)
    : PageModel(Tr("Kompatibilität")), values_(values) {
    Add(FieldKind::Radio, "version", Tr("POV-Ray Version neuer Szenen")).items = {
        Tr("Version &2.x"), Tr("Version &3.0"), Tr("Version 3.&7")};
}

void CSettingsCompatiblePage::Load(SheetModel&) {
    SetValue("version", ClampPovLevel(values_.PovVersion30));
}

void CSettingsCompatiblePage::Store(SheetModel&) {
    values_.PovVersion30 = ClampPovLevel(Value("version"));
}

// ---------------------------------------------------------------------------------------------
// Modeller

CSettingsModellerPage::CSettingsModellerPage(COrvantaOptions::ModellerPage& values)
    : PageModel(Tr("Modeller")), values_(values) {
    const std::string camera = Tr("Kamerasicht");
    Add(FieldKind::Check, "openGL", Tr("&OpenGL benutzen"), camera);
    Add(FieldKind::Check, "deepTest", Tr("&Tiefentest durchführen"), camera);
    Add(FieldKind::Check, "lights", Tr("&Beleuchtung beachten"), camera);
    Add(FieldKind::Check, "wireframe", Tr("&Drahtgittermodelle benutzen"), camera);
    const std::string views = Tr("Neue Ansichten");
    Add(FieldKind::Check, "gridOn", Tr("&Raster einschalten"), views);
    SheetField& grid = AddNumber("gridValue", Tr("&Standardraster:"), views, 0.0, 1000.0);
    grid.decimals = 2;
    SheetField& zoom = Add(FieldKind::Integer, "zoomValue", Tr("Standard&auflösung:"), views);
    zoom.min = COrvantaOptions::kMinZoom;
    zoom.max = COrvantaOptions::kMaxZoom;
}

void CSettingsModellerPage::EnableCameraOptions() {
    const bool openGL = Checked("openGL");
    for (const char* id : {"wireframe", "lights", "deepTest"})
        Enable(id, openGL);
}

void CSettingsModellerPage::Load(SheetModel&) {
    SetValue("openGL", values_.OpenGL);
    SetValue("deepTest", values_.DeepTest);
    SetValue("lights", values_.Lights);
    SetValue("wireframe", values_.Wireframe);
    SetValue("gridOn", values_.GridOn);
    SetNumber("gridValue", values_.GridValue);
    SetText("zoomValue", std::to_string(values_.ZoomValue));
    EnableCameraOptions();
}

void CSettingsModellerPage::Changed(SheetModel&, std::string_view id) {
    if (id == "openGL")
        EnableCameraOptions();
}

void CSettingsModellerPage::Store(SheetModel&) {
    values_.OpenGL = Checked("openGL") ? 1 : 0;
    values_.DeepTest = Checked("deepTest") ? 1 : 0;
    values_.Lights = Checked("lights") ? 1 : 0;
    values_.Wireframe = Checked("wireframe") ? 1 : 0;
    values_.GridOn = Checked("gridOn") ? 1 : 0;
    values_.GridValue = *Number("gridValue");
    values_.ZoomValue = static_cast<int>(*ParseInteger(Text("zoomValue")));
}
