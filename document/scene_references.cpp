#include "document/scene_references.h"

#include <filesystem>

#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "model/environment/pov_sky_sphere.h"
#include "model/pov_object.h"
#include "model/surfaces/predefined_textures.h"
#include "model/text_format.h"

namespace fs = std::filesystem;

namespace {

bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

bool IsNameChar(char c) {
    return IsNameStart(c) || (c >= '0' && c <= '9');
}

// the name after a directive at text[at], or empty
std::string NameAfter(const std::string& text, size_t at) {
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
        ++at;
    const size_t start = at;
    if (at >= text.size() || !IsNameStart(text[at]))
        return {};
    while (at < text.size() && IsNameChar(text[at]))
        ++at;
    return text.substr(start, at - start);
}

// Names declared in text, and the files it includes. Comments are not told apart: a name
// declared in a comment counts, which only ever spares a warning.
void ScanText(const std::string& text, std::unordered_set<std::string>& names,
              std::vector<std::string>& includes) {
    for (size_t at = text.find('#'); at != std::string::npos; at = text.find('#', at + 1)) {
        if (text.compare(at, 8, "#declare") == 0) {
            if (std::string name = NameAfter(text, at + 8); !name.empty())
                names.insert(std::move(name));
        } else if (text.compare(at, 6, "#local") == 0) {
            if (std::string name = NameAfter(text, at + 6); !name.empty())
                names.insert(std::move(name));
        } else if (text.compare(at, 8, "#include") == 0) {
            const size_t open = text.find('"', at + 8);
            const size_t close = open == std::string::npos ? open : text.find('"', open + 1);
            const size_t line = text.find('\n', at);
            if (close != std::string::npos && (line == std::string::npos || close < line))
                includes.push_back(text.substr(open + 1, close - open - 1));
        }
    }
}

// the include files the writer writes at the document's language level
std::vector<std::string> StandardIncludes(COrvantaDoc& doc) {
    std::vector<std::string> files = {"colors.inc", "textures.inc", "shapes.inc"};
    if (doc.Pov3()) {
        for (const char* f :
             {"stoneold.inc", "consts.inc", "glass.inc", "golds.inc", "metals.inc", "woods.inc"})
            files.push_back(f);
        if (doc.SkySphere)
            files.push_back("skies.inc");
    }
    files.push_back("stones.inc");
    return files;
}

void AddNames(const CPovObject* head, std::unordered_set<std::string>& names) {
    for (const CPovObject* o = head; o; o = o->NextSibling)
        if (o->IsPresent())
            names.insert(o->Name);
}

const char* KindName(SceneNameReference::Kind kind) {
    switch (kind) {
        case SceneNameReference::Kind::Texture:
            return "texture";
        case SceneNameReference::Kind::Pigment:
            return "pigment";
        case SceneNameReference::Kind::Halo:
            return "halo";
    }
    return "name";
}

}  // namespace

std::vector<std::string> IncludeFolders(const std::string& sceneFolder) {
    std::vector<std::string> folders;
    if (!sceneFolder.empty())
        folders.push_back(sceneFolder);
    for (const char* base : {"/usr/share", "/usr/local/share"}) {
        std::error_code error;
        for (const fs::directory_entry& entry : fs::directory_iterator(base, error)) {
            const std::string name = entry.path().filename().string();
            if (name.rfind("povray", 0) == 0 && fs::is_directory(entry.path() / "include", error))
                folders.push_back((entry.path() / "include").string());
        }
    }
    return folders;
}

IncludedNames ScanIncludes(const std::vector<std::string>& files,
                           const std::vector<std::string>& folders) {
    IncludedNames result;
    std::unordered_set<std::string> seen;
    std::vector<std::string> pending(files.rbegin(), files.rend());
    while (!pending.empty()) {
        const std::string file = std::move(pending.back());
        pending.pop_back();
        if (!seen.insert(file).second)
            continue;
        bool found = false;
        for (const std::string& folder : folders) {
            const fs::path path =
                fs::path(file).is_absolute() ? fs::path(file) : folder / fs::path(file);
            std::string text;
            // include files are small; a huge one is no include file of a scene
            if (!ReadWholeFile(path.string(), text, size_t{64} << 20).ok)
                continue;
            std::vector<std::string> includes;
            ScanText(text, result.names, includes);
            pending.insert(pending.end(), includes.rbegin(), includes.rend());
            found = true;
            break;
        }
        if (!found)
            result.missing.push_back(file);
    }
    return result;
}

ReadProblems UndeclaredReferences(const COrvantaDoc& doc,
                                  const std::vector<SceneNameReference>& references,
                                  const std::vector<std::string>& folders) {
    ReadProblems warnings;
    if (references.empty())
        return warnings;
    auto& document = const_cast<COrvantaDoc&>(doc);
    const std::vector<std::string> standard = StandardIncludes(document);
    const std::vector<std::string>& user = document.UserIncludes();
    const IncludedNames userNames = ScanIncludes(user, folders);
    // a user include that is not there may declare anything
    if (!userNames.missing.empty())
        return warnings;
    IncludedNames names = ScanIncludes(standard, folders);
    names.names.insert(userNames.names.begin(), userNames.names.end());
    AddNames(doc.Textures, names.names);
    AddNames(doc.Pigments, names.names);
    AddNames(doc.Halos, names.names);
    // where POV-Ray's includes are not installed, what the modeller knows of them stands in
    const bool standardMissing = !names.missing.empty();
    auto declared = [&](const std::string& name) {
        return names.names.count(name) != 0 ||
               (standardMissing && (FindTextureIndex(name) < kPredefinedTextureCount ||
                                    CPovSkySphere::IsPredefinedSky(name)));
    };
    for (const SceneNameReference& r : references)
        if (!declared(r.name))
            warnings.push_back({r.line, orv::Format("Warning: the %s %s is declared neither in "
                                                    "the file nor in a file it includes",
                                                    KindName(r.kind), r.name)});
    return warnings;
}
