#include "preview/preview_pictures.h"

#include <cstdlib>
#include <filesystem>

#include "model/environment/pov_sky_sphere.h"
#include "model/surfaces/predefined_textures.h"
#include "platform/settings_store.h"

namespace fs = std::filesystem;

namespace {

std::string Join(const std::string& folder, const std::string& name) {
    if (folder.empty())
        return name;
    if (folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

// A name from an add-on file stays inside the preview folder: relative, without "..".
bool StaysInside(const std::string& name) {
    const fs::path path(name);
    if (name.empty() || path.is_absolute())
        return false;
    for (const fs::path& part : path)
        if (part == "..")
            return false;
    return true;
}

std::string PngTwin(const std::string& name) {
    return fs::path(name).replace_extension(".png").string();
}

bool IsFile(const std::string& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

PreviewRequester& Requester() {
    static PreviewRequester requester;
    return requester;
}

}  // namespace

PreviewSubject PreviewSubjectNamed(std::string_view name) {
    if (CPovSkySphere::IsPredefinedSky(std::string(name)))
        return PreviewSubject::Sky(name);
    if (name == "Uniform_Fog" || name == "Ground_Fog")
        return PreviewSubject::Fog(name);
    return PreviewSubject::Texture(name);
}

std::string CachePreviewFolder() {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    std::string base;
    if (cache && cache[0] == '/') {
        base = cache;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && home[0] ? home : "/tmp") + "/.cache";
    }
    return Join(base, "orvanta/previews");
}

std::string PreviewFolder() {
    const std::string main = ReadSetting(SettingsRoot::Machine, "Subdirs", ".Main", "");
    const std::string preview = ReadSetting(SettingsRoot::Machine, "Subdirs", "Preview", "");
    if (main.empty() && preview.empty())
        return CachePreviewFolder();
    if (main.empty())
        return preview;
    if (preview.empty())
        return main;
    return Join(main, preview);
}

std::vector<std::string> PreviewSearchFolders() {
    std::vector<std::string> folders{PreviewFolder()};
    const std::string cache = CachePreviewFolder();
    if (folders.front() != cache)
        folders.push_back(cache);
    return folders;
}

std::string PictureName(const PreviewSubject& subject) {
    switch (subject.kind) {
        case PreviewSubject::Kind::Texture: {
            const int index = FindTextureIndex(subject.name);
            if (index <= kUserTextureIndex)
                return std::to_string(index) + ".jpg";
            // the add-on's picture follows its texture name in the list
            const std::vector<std::string>* addOns = GetTextureAddOns();
            const size_t at = static_cast<size_t>(index - kAddOnTextureBase) + 1;
            if (!addOns || at >= addOns->size() || !StaysInside((*addOns)[at]))
                return {};
            return (*addOns)[at];
        }
        case PreviewSubject::Kind::Sky:
            return CPovSkySphere::IsPredefinedSky(subject.name) ? subject.name + ".jpg"
                                                                : std::string();
        case PreviewSubject::Kind::Fog:
            return subject.name == "Uniform_Fog" || subject.name == "Ground_Fog"
                       ? subject.name + ".jpg"
                       : std::string();
    }
    return {};
}

std::string RenderedPictureName(const PreviewSubject& subject) {
    const std::string name = PictureName(subject);
    return name.empty() ? name : PngTwin(name);
}

std::optional<std::string> FindPreviewPicture(const PreviewSubject& subject,
                                              const std::vector<std::string>& folders) {
    const std::string name = PictureName(subject);
    if (name.empty())
        return std::nullopt;
    const std::string png = PngTwin(name);
    for (const std::string& folder : folders) {
        if (IsFile(Join(folder, name)))
            return Join(folder, name);
        if (IsFile(Join(folder, png)))
            return Join(folder, png);
    }
    return std::nullopt;
}

std::optional<std::string> FindPreviewPicture(const PreviewSubject& subject) {
    return FindPreviewPicture(subject, PreviewSearchFolders());
}

std::optional<std::string> FindTexturePicture(std::string_view textureName) {
    return FindPreviewPicture(PreviewSubject::Texture(textureName));
}

std::optional<std::string> FindSkyPicture(std::string_view skyName) {
    return FindPreviewPicture(PreviewSubject::Sky(skyName));
}

std::optional<std::string> FindFogPicture(std::string_view fogType) {
    return FindPreviewPicture(PreviewSubject::Fog(fogType));
}

void SetPreviewRequester(PreviewRequester requester) {
    Requester() = std::move(requester);
}

std::optional<std::string> PreviewPictureOrPending(const PreviewSubject& subject) {
    if (auto found = FindPreviewPicture(subject))
        return found;
    if (Requester() && !PictureName(subject).empty())
        return Requester()(subject);
    return std::nullopt;
}
