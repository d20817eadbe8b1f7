#include "preview/preview_set.h"

#include <unistd.h>

#include <filesystem>
#include <set>

#include "model/surfaces/predefined_textures.h"
#include "preview/preview_scenes.h"

namespace fs = std::filesystem;

std::vector<PreviewSubject> PreviewSet() {
    std::vector<PreviewSubject> set;
    for (const char* name : kPredefinedTextures)
        set.push_back(PreviewSubject::Texture(name));
    set.push_back(PreviewSubject::Texture(""));  // the unknown texture's picture
    if (const std::vector<std::string>* addOns = GetTextureAddOns()) {
        std::set<std::string> pictures;
        for (size_t i = 0; i + 1 < addOns->size(); i += 2) {
            PreviewSubject subject = PreviewSubject::Texture((*addOns)[i]);
            if (FindTextureIndex(subject.name) < kAddOnTextureBase)
                continue;  // a predefined name keeps its own picture
            const std::string picture = PictureName(subject);
            if (!picture.empty() && pictures.insert(picture).second)
                set.push_back(std::move(subject));
        }
    }
    for (int i = 1; i <= 5; ++i)
        set.push_back(PreviewSubject::Sky("S_Cloud" + std::to_string(i)));
    set.push_back(PreviewSubject::Fog("Uniform_Fog"));
    set.push_back(PreviewSubject::Fog("Ground_Fog"));
    return set;
}

std::optional<PreviewJob> PreviewJobFor(const PreviewSubject& subject, const std::string& folder,
                                        const std::vector<std::string>& includes,
                                        const std::vector<std::string>& libraryPaths) {
    const std::string name = RenderedPictureName(subject);
    if (name.empty())
        return std::nullopt;
    PreviewJob job;
    const bool addOn = subject.kind == PreviewSubject::Kind::Texture &&
                       FindTextureIndex(subject.name) >= kAddOnTextureBase;
    job.scene = PreviewScene(subject, addOn ? includes : std::vector<std::string>{});
    job.picture = (fs::path(folder) / name).string();
    job.libraryPaths = libraryPaths;
    return job;
}

std::string RenderFolder() {
    const std::string folder = PreviewFolder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (fs::is_directory(folder, ec) && ::access(folder.c_str(), W_OK) == 0)
        return folder;
    const std::string cache = CachePreviewFolder();
    fs::create_directories(cache, ec);
    return cache;
}
