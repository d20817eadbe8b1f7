#include "props/preview_pictures.h"

#include <filesystem>

#include "model/surfaces/predefined_textures.h"
#include "platform/settings_store.h"

namespace {

// the folder of the preview pictures: the main folder and its preview sub-folder
std::filesystem::path PreviewFolder() {
    const std::string main = ReadSetting(SettingsRoot::User, "Subdirs", ".Main", "");
    const std::string preview = ReadSetting(SettingsRoot::User, "Subdirs", "Preview", "");
    return std::filesystem::path(main) / preview;
}

}  // namespace

std::optional<std::string> PreviewPicture(std::string_view name) {
    const std::filesystem::path folder = PreviewFolder();
    std::filesystem::path file;
    const int index = FindTextureIndex(name);
    if (index >= kAddOnTextureBase) {
        const std::vector<std::string>* addOns = GetTextureAddOns();
        const size_t at = static_cast<size_t>(index - kAddOnTextureBase) + 1;
        if (!addOns || at >= addOns->size())
            return std::nullopt;
        file = folder / (*addOns)[at];
    } else if (index < kPredefinedTextureCount) {
        file = folder / (std::to_string(index) + ".jpg");
    } else {
        file = folder / (std::string(name) + ".jpg");
    }
    std::error_code ec;
    if (folder.empty() || !std::filesystem::is_regular_file(file, ec))
        return std::nullopt;
    return file.string();
}
