#include "document/orvanta_options.h"

#include <algorithm>
#include <cmath>

#include "model/pov_level.h"
#include "platform/settings_store.h"

namespace {
constexpr SettingsRoot kMachine = SettingsRoot::Machine;
constexpr SettingsRoot kUser = SettingsRoot::User;

std::string Lower(std::string s) {
    for (char& c : s)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return s;
}
}  // namespace

COrvantaOptions::COrvantaOptions(Mode mode) : mode_(mode) {
    Load();
}

void COrvantaOptions::Load() {
    const std::string machineName = ReadSetting(kMachine, "1.0.0.1", "Name", "");
    const std::string machineCompany = ReadSetting(kMachine, "1.0.0.1", "Company", "");
    Author.Name = ReadSetting(kUser, "Infos", "Name", machineName);
    Author.Company = ReadSetting(kUser, "Infos", "Company", machineCompany);
    Author.ShowInfoAlways = ReadYesNo(kUser, "Infos", "ShowInfoAlways", false);
    Author.MoreInfo = ReadSetting(kUser, "Infos", "MoreInfo", "");

    Comment = CommentPage();

    const int level = PovLevelFromSetting(ReadSetting(kMachine, "Pov", "Generate", "2"));
    Includes.PovVersion30 = level;
    Includes.AdditionalIncludes.clear();
    Compatible.PovVersion30 = level;

    Executables.Execute = ReadSetting(kMachine, "Pov", "Execute", "");
    Executables.Configuration = ReadSetting(kMachine, "Pov", "Configuration", "");
    Executables.Viewer = ReadSetting(kMachine, "Pov", "Viewer", "");
    Executables.ViewerParameters = ReadSetting(kMachine, "Pov", "ViewerParameters", "%s");
    Executables.ViewerStartsAfterPov = ReadYesNo(kMachine, "Pov", "ViewerStartsAfterPov", false);

    Modeller.GridOn = ReadYesNo(kUser, "Modeller", "Grid", false) ? 1 : 0;
    if (ReadYesNo(kUser, "Modeller", "OpenGL", true)) {
        Modeller.OpenGL = 1;
        Modeller.DeepTest = ReadYesNo(kUser, "Modeller", "DeepTest", true) ? 1 : 0;
        Modeller.Lights = ReadYesNo(kUser, "Modeller", "Lights", true) ? 1 : 0;
        Modeller.Wireframe = ReadYesNo(kUser, "Modeller", "Wireframe", false) ? 1 : 0;
    } else {
        Modeller.OpenGL = 0;
        Modeller.Wireframe = 1;
        Modeller.DeepTest = 0;
        Modeller.Lights = 0;
    }
    // a malformed or impossible stored value (a zoom of "abc" or 0, a negative grid) takes the
    // default, so that every view can draw
    const int grid = ReadInt(kUser, "Modeller", "Gridvalue", 0);
    Modeller.GridValue = grid >= 0 && grid <= kMaxStoredGrid ? grid * 0.01 : 0.0;
    const int zoom = ReadInt(kUser, "Modeller", "Zoomvalue", kDefaultZoom);
    Modeller.ZoomValue = zoom >= kMinZoom && zoom <= kMaxZoom ? zoom : kDefaultZoom;
}

void COrvantaOptions::Save() const {
    ISettingsStore& store = GetSettingsStore();
    if (mode_ == kProgramSettings) {
        store.Write(kUser, "Infos", "Name", Author.Name);
        store.Write(kUser, "Infos", "Company", Author.Company);
        WriteYesNo(kUser, "Infos", "ShowInfoAlways", Author.ShowInfoAlways);
        store.Write(kUser, "Infos", "MoreInfo", Author.MoreInfo);
        store.Write(kMachine, "Pov", "Generate", PovLevelSetting(Compatible.PovVersion30));
        store.Write(kMachine, "Pov", "Execute", Executables.Execute);
        store.Write(kMachine, "Pov", "Configuration", Executables.Configuration);
        store.Write(kMachine, "Pov", "Viewer", Executables.Viewer);
        store.Write(kMachine, "Pov", "ViewerParameters", Executables.ViewerParameters);
        WriteYesNo(kMachine, "Pov", "ViewerStartsAfterPov", Executables.ViewerStartsAfterPov);
        WriteYesNo(kUser, "Modeller", "Grid", Modeller.GridOn != 0);
        WriteYesNo(kUser, "Modeller", "OpenGL", Modeller.OpenGL != 0);
        WriteYesNo(kUser, "Modeller", "DeepTest", Modeller.DeepTest != 0);
        WriteYesNo(kUser, "Modeller", "Lights", Modeller.Lights != 0);
        WriteYesNo(kUser, "Modeller", "Wireframe", Modeller.Wireframe != 0);
        // stored as grid x 100; the small nudge keeps 0.29 from becoming 28
        store.Write(kUser, "Modeller", "Gridvalue",
                    std::to_string(static_cast<int>(Modeller.GridValue * 100 + 1e-9)));
        store.Write(kUser, "Modeller", "Zoomvalue", std::to_string(Modeller.ZoomValue));
    }
}

std::vector<std::string> COrvantaOptions::StandardIncludes(bool pov3) {
    if (!pov3)
        return {"colors.inc", "textures.inc", "shapes.inc", "stones.inc"};
    return {"colors.inc", "textures.inc", "shapes.inc", "stoneold.inc", "consts.inc", "glass.inc",
            "golds.inc",  "metals.inc",   "woods.inc",  "skies.inc",    "stones.inc"};
}

bool COrvantaOptions::AddInclude(const std::string& path) {
    const size_t slash = path.find_last_of("/\\");
    const std::string name = Lower(slash == std::string::npos ? path : path.substr(slash + 1));
    if (name.empty())
        return false;
    for (const std::string& existing : Includes.AdditionalIncludes)
        if (Lower(existing) == name)
            return false;
    Includes.AdditionalIncludes.push_back(name);
    return true;
}
