#include "model/shapes/font_file_lookup.h"

#include <fontconfig/fontconfig.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "model/cp1252.h"

namespace {

bool IsFile(const std::filesystem::path& path) {
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

bool SameNameIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char x = a[i], y = b[i];
        if (x >= 'A' && x <= 'Z')
            x = static_cast<char>(x - 'A' + 'a');
        if (y >= 'A' && y <= 'Z')
            y = static_cast<char>(y - 'A' + 'a');
        if (x != y)
            return false;
    }
    return true;
}

// a system font whose file is called name
std::string FindSystemFont(const std::string& name) {
    std::string found;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FILE, nullptr);
    FcFontSet* fonts = pattern && objects ? FcFontList(nullptr, pattern, objects) : nullptr;
    for (int i = 0; fonts && i < fonts->nfont && found.empty(); ++i) {
        FcChar8* file = nullptr;
        if (FcPatternGetString(fonts->fonts[i], FC_FILE, 0, &file) != FcResultMatch || !file)
            continue;
        const std::string path(reinterpret_cast<const char*>(file));
        const size_t slash = path.find_last_of('/');
        const std::string_view base = slash == std::string::npos
                                          ? std::string_view(path)
                                          : std::string_view(path).substr(slash + 1);
        if (SameNameIgnoringCase(base, name) && IsFile(path))
            found = path;
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    if (objects)
        FcObjectSetDestroy(objects);
    if (pattern)
        FcPatternDestroy(pattern);
    return found;
}

}  // namespace

std::vector<std::string> PovIncludeFolders() {
    std::vector<std::string> folders;
    if (const char* env = std::getenv("POVINC")) {
        std::string_view list(env);
        while (!list.empty()) {
            const size_t colon = list.find(':');
            const std::string_view folder = list.substr(0, colon);
            if (!folder.empty())
                folders.emplace_back(folder);
            if (colon == std::string_view::npos)
                break;
            list.remove_prefix(colon + 1);
        }
    }
    folders.emplace_back("/usr/share/povray-3.7/include");
    folders.emplace_back("/usr/local/share/povray-3.7/include");
    return folders;
}

std::string ResolveFontFile(std::string_view fontFile, const std::string& sceneFolder) {
    const std::string given = orv::Cp1252ToUtf8(fontFile);
    if (given.empty())
        return given;
    if (IsFile(given))
        return given;

    // the bare file name, also of a name written with Windows folders
    const size_t separator = given.find_last_of("/\\");
    const std::string name = separator == std::string::npos ? given : given.substr(separator + 1);
    if (name.empty())
        return given;

    std::vector<std::string> folders;
    if (separator != std::string::npos)
        folders.emplace_back(".");
    if (!sceneFolder.empty())
        folders.push_back(sceneFolder);
    for (std::string& f : PovIncludeFolders())
        folders.push_back(std::move(f));
    for (const std::string& folder : folders) {
        const std::filesystem::path candidate = std::filesystem::path(folder) / name;
        if (IsFile(candidate))
            return candidate.string();
    }
    std::string system = FindSystemFont(name);
    return system.empty() ? given : system;
}
