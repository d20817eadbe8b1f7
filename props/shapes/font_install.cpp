#include "props/shapes/font_install.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>

#include "model/cp1252.h"
#include "platform/prompts.h"
#include "resources/ui_text.h"

namespace {

std::string Str(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return reinterpret_cast<const char*>(value);
}

bool SameContents(const std::filesystem::path& a, const std::filesystem::path& b) {
    std::ifstream fa(a, std::ios::binary), fb(b, std::ios::binary);
    if (!fa || !fb)
        return false;
    return std::equal(std::istreambuf_iterator<char>(fa), std::istreambuf_iterator<char>(),
                      std::istreambuf_iterator<char>(fb), std::istreambuf_iterator<char>());
}

std::string WithName(std::string text, const std::string& name) {
    const size_t at = text.find("%1");
    if (at != std::string::npos)
        text.replace(at, 2, name);
    return text;
}

}  // namespace

std::vector<FontFace> TrueTypeFaces() {
    std::vector<FontFace> faces;
    if (!FcInit())
        return faces;
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_STYLE, FC_FILE, FC_INDEX, FC_FONTFORMAT,
                                            FC_OUTLINE, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    std::set<std::string> files;
    for (int i = 0; set && i < set->nfont; ++i) {
        FcPattern* font = set->fonts[i];
        int index = 0;
        FcBool outline = FcFalse;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        FcPatternGetBool(font, FC_OUTLINE, 0, &outline);
        // POV-Ray reads TrueType outlines, and the first face of a collection only
        if (Str(font, FC_FONTFORMAT) != "TrueType" || index != 0 || !outline)
            continue;
        FontFace face{Str(font, FC_FAMILY), Str(font, FC_STYLE), Str(font, FC_FILE)};
        if (face.family.empty() || face.file.empty() || !files.insert(face.file).second)
            continue;
        faces.push_back(std::move(face));
    }
    if (set)
        FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    std::sort(faces.begin(), faces.end(), [](const FontFace& a, const FontFace& b) {
        return a.family != b.family ? a.family < b.family : a.style < b.style;
    });
    return faces;
}

std::string FontFileNameFor(const FontFace& face) {
    std::string name = face.family;
    if (!face.style.empty() && face.style != "Regular" && face.style != "Book" &&
        face.style != "Normal")
        name += " " + face.style;
    for (char& c : name) {
        const unsigned char u = static_cast<unsigned char>(c);
        if (u < 0x20 || u >= 0x7F || c == '/' || c == '\\' || c == ':' || c == '"' || c == '*' ||
            c == '?' || c == '<' || c == '>' || c == '|')
            c = '_';
    }
    return name + ".ttf";
}

std::optional<std::string> InstallFont(const FontFace& face, const std::string& folder) {
    namespace fs = std::filesystem;
    const std::string name = FontFileNameFor(face);
    const fs::path target = fs::path(folder.empty() ? "." : folder) / name;
    std::error_code ec;
    if (fs::exists(target, ec)) {
        if (SameContents(face.file, target))
            return name;
        const std::string question = WithName(
            Tr("Im Ordner der Szene gibt es schon eine andere Datei „%1“. Soll sie ersetzt "
               "werden?"),
            target.string());
        if (!GetPrompts().AskYesNo(orv::Utf8ToCp1252(question)))
            return std::nullopt;
    }
    fs::copy_file(face.file, target, fs::copy_options::overwrite_existing, ec);
    if (ec) {
        GetPrompts().Message(orv::Utf8ToCp1252(
            WithName(Tr("Die Schriftdatei konnte nicht nach „%1“ kopiert werden: "),
                     target.string()) +
            ec.message()));
        return std::nullopt;
    }
    return name;
}
