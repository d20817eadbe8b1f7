#include "props/pov_reference.h"

#include <filesystem>
#include <map>

namespace {

std::string g_folder;

const char* const kDefaultFolder = "/usr/share/doc/povray/html";
const char* const kOnline = "https://www.povray.org/documentation/3.7.0/";

// the section of each element's keyword in the reference (the same pages locally and online)
const std::map<std::string_view, std::string_view>& Sections() {
    static const std::map<std::string_view, std::string_view> sections = {
        {"Box", "r3_4.html#r3_4_5_1_2"},
        {"Sphere", "r3_4.html#r3_4_5_1_12"},
        {"Cone", "r3_4.html#r3_4_5_1_3"},
        {"Cylinder", "r3_4.html#r3_4_5_1_4"},
        {"Torus", "r3_4.html#r3_4_5_1_17"},
        {"Plane", "r3_4.html#r3_4_5_3_1"},
        {"height_field", "r3_4.html#r3_4_5_1_5"},
        {"light_source", "r3_4.html#r3_4_4_1"},
        {"Spotlights", "r3_4.html#r3_4_4_1_2"},
        {"Cylindrical Lights", "r3_4.html#r3_4_4_1_3"},
        {"Camera", "r3_4.html#r3_4_2"},
        {"Look at", "r3_4.html#r3_4_2_1_1"},
        {"CSG", "r3_4.html#r3_4_5_4"},
        {"BLOB", "r3_4.html#r3_4_5_1_1"},
        {"Object", "r3_4.html#r3_4_5"},
        {"Polygon", "r3_4.html#r3_4_5_2_5"},
        {"Triangle", "r3_4.html#r3_4_5_2_6"},
        {"SmoothTriangle", "r3_4.html#r3_4_5_2_7"},
        {"Lathe", "r3_4.html#r3_4_5_1_8"},
        {"Text", "r3_4.html#r3_4_5_1_16"},
        {"Texture", "r3_4.html#r3_4_6"},
        {"Pigment", "r3_4.html#r3_4_6_1"},
        {"Halo", "r3_4.html#r3_4_6_4"},
        {"Background", "r3_4.html#r3_4_3_2"},
        {"Sky Sphere", "r3_4.html#r3_4_3_4"},
        {"Fog", "r3_4.html#r3_4_3_3"},
    };
    return sections;
}

}  // namespace

void SetPovRayReferenceFolder(std::string folder) {
    g_folder = std::move(folder);
}

std::string PovRayReferenceUrl(std::string_view keyword) {
    const auto& sections = Sections();
    const auto it = sections.find(keyword);
    const std::string_view section = it == sections.end() ? "index.html" : it->second;
    const std::filesystem::path folder = g_folder.empty() ? kDefaultFolder : g_folder;
    std::error_code ec;
    if (std::filesystem::is_regular_file(folder / "r3_4.html", ec))
        return "file://" + (folder / std::string(section)).string();
    return kOnline + std::string(section);
}
