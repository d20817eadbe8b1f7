#include "render/render_scene.h"

#include <stdlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/pov_object.h"
#include "resources/ui_text.h"

namespace fs = std::filesystem;

namespace {

// POV-Ray's own I/O rules (povray.conf) let it read and write under /tmp; elsewhere only what
// the user allowed, so /tmp comes first.
std::string MakePrivateFolder(std::string& error) {
    std::vector<std::string> bases = {"/tmp"};
    std::error_code ec;
    const fs::path temp = fs::temp_directory_path(ec);
    if (!ec && temp != "/tmp")
        bases.push_back(temp.string());
    for (const std::string& base : bases) {
        std::string pattern = base + "/orvanta-render-XXXXXX";
        if (::mkdtemp(pattern.data()))
            return pattern;
        error = base + ": " + std::strerror(errno);
    }
    return {};
}

}  // namespace

RenderFolder::RenderFolder() {
    path_ = MakePrivateFolder(error_);
}

RenderFolder::~RenderFolder() {
    if (path_.empty())
        return;
    std::error_code ec;
    fs::remove_all(path_, ec);
}

bool IsPlainPath(const std::string& path) {
    for (unsigned char c : path)
        if (c <= ' ' || c >= 0x7F || c == '"' || c == '\'')
            return false;
    return !path.empty();
}

std::string RenderFolder::PlainPath(const std::string& path, const std::string& name) {
    if (IsPlainPath(path) || path_.empty())
        return path;
    std::error_code ec;
    const fs::path target = fs::absolute(path, ec);
    const fs::path link = fs::path(path_) / name;
    fs::remove(link, ec);
    fs::create_symlink(target, link, ec);
    return ec ? path : link.string();
}

FileResult WriteRenderCopy(const COrvantaDoc& doc, const std::string& folder, RenderScene& scene) {
    SceneText text;
    text.RecordObjectLines();
    WriteSceneFile(doc, text);
    scene.path = folder + "/scene.pov";
    scene.workingFolder = doc.GetSceneFolder();
    scene.objectLines = text.ObjectLineRanges();
    return WriteFileAtomically(scene.path, text.Text());
}

const CPovObject* ObjectAtLine(const std::vector<ObjectLines>& lines, int line) {
    const ObjectLines* best = nullptr;
    for (const ObjectLines& range : lines) {
        if (line < range.first || line > range.last)
            continue;
        if (!best || range.last - range.first <= best->last - best->first)
            best = &range;
    }
    return best ? best->object : nullptr;
}

std::vector<std::string> RenderWarnings(const COrvantaDoc& doc) {
    bool light = false;
    for (const CPovObject* o = doc.Objects; o && !light; o = o->NextSibling)
        light = o->IsPresent() && IsLightKind(o->GetType());
    std::vector<std::string> warnings;
    if (!light)
        warnings.push_back(Tr("Die Szene hat keine Lichtquelle."));
    if (!doc.Camera || !doc.Camera->IsPresent())
        warnings.push_back(Tr("Die Szene hat keine Kamera."));
    return warnings;
}
