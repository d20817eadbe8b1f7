// Where preview pictures live and what they are called. Toolkit-free: the texture, sky-sphere
// and fog pages look their pictures up here.
//
// The layout of the preview folder: a predefined texture's picture is named by its index
// ("0.jpg" ... "118.jpg"), a texture that is neither predefined nor announced by an add-on
// shows "1000.jpg", an add-on texture the picture its add-on file names. The pictures the
// program renders itself are PNG files of the same name with ".png" ("0.png", ...); a lookup
// takes the layout's name first, then the PNG. Skies and fog types are named after themselves
// ("S_Cloud1.png", "Ground_Fog.png").
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a preview picture shows.
struct PreviewSubject {
    enum class Kind { Texture, Sky, Fog };
    Kind kind = Kind::Texture;
    // texture name, predefined sky ("S_Cloud1" ... "S_Cloud5") or fog type
    std::string name;

    static PreviewSubject Texture(std::string_view name) {
        return {Kind::Texture, std::string(name)};
    }
    static PreviewSubject Sky(std::string_view name) { return {Kind::Sky, std::string(name)}; }
    static PreviewSubject Fog(std::string_view type) { return {Kind::Fog, std::string(type)}; }
    bool operator==(const PreviewSubject&) const = default;
};

// The subject a preview name stands for: "S_Cloud1" ... "S_Cloud5" a sky, "Uniform_Fog" and
// "Ground_Fog" a fog type, any other name a texture.
PreviewSubject PreviewSubjectNamed(std::string_view name);

// The preview folder: the machine-wide settings "Subdirs" ".Main" and "Preview" joined, when
// either is set; otherwise the program's cache folder.
std::string PreviewFolder();
// $XDG_CACHE_HOME/orvanta/previews, normally ~/.cache/orvanta/previews
std::string CachePreviewFolder();
// The folders a picture is looked up in, in order: the preview folder, then the cache folder
// (where the program renders what it cannot write into the preview folder).
std::vector<std::string> PreviewSearchFolders();

// The picture's file name in the preview folder's layout; empty when the subject has no
// picture (a sky that is a pigment, an unknown fog type, an add-on picture name that would
// lead out of the folder).
std::string PictureName(const PreviewSubject& subject);
// the name of the PNG the program renders for the subject; empty as above
std::string RenderedPictureName(const PreviewSubject& subject);

// The picture file of the subject when one exists, in the search folders (or in the given
// folders); nothing otherwise.
std::optional<std::string> FindPreviewPicture(const PreviewSubject& subject);
std::optional<std::string> FindPreviewPicture(const PreviewSubject& subject,
                                              const std::vector<std::string>& folders);

// Shorthands for the pages.
std::optional<std::string> FindTexturePicture(std::string_view textureName);
std::optional<std::string> FindSkyPicture(std::string_view skyName);
std::optional<std::string> FindFogPicture(std::string_view fogType);

// Who renders missing pictures (the desktop's preview service): given a subject whose picture
// is missing, it starts rendering it in the background and returns the file the picture will
// be written to, or nothing when it cannot be made. Without one nothing is rendered.
using PreviewRequester = std::function<std::optional<std::string>(const PreviewSubject&)>;
void SetPreviewRequester(PreviewRequester requester);

// The subject's picture file when it exists; otherwise, when a requester is installed, the file
// the picture is being rendered to (it appears there later); nothing for a subject without a
// picture.
std::optional<std::string> PreviewPictureOrPending(const PreviewSubject& subject);
