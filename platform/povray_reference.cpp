#include "platform/povray_reference.h"

#include <sys/stat.h>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

constexpr char kOnlineReference[] = "https://www.povray.org/documentation/3.7.0/";
constexpr char kContentsPage[] = "r3_0.html";

struct Section {
    const char* keyword;
    const char* page;  // page and anchor in the 3.7 reference
};

// The help words of the modeller's elements and the keywords of the scene language, each with
// its section; words are compared by their letters and digits only, in any case ("Sky
// Sphere", "sky_sphere" and "SkySphere" are one).
constexpr Section kSections[] = {
    {"globalsettings", "r3_4.html#r3_4_1"},
    {"camera", "r3_4.html#r3_4_2"},
    {"lookat", "r3_4.html#r3_4_2_1_1"},
    {"background", "r3_4.html#r3_4_3_2"},
    {"fog", "r3_4.html#r3_4_3_3"},
    {"skysphere", "r3_4.html#r3_4_3_4"},
    {"lightsource", "r3_4.html#r3_4_4_1"},
    {"spotlights", "r3_4.html#r3_4_4_1_2"},
    {"spotlight", "r3_4.html#r3_4_4_1_2"},
    {"cylindricallights", "r3_4.html#r3_4_4_1_3"},
    {"cylinderlight", "r3_4.html#r3_4_4_1_3"},
    {"object", "r3_4.html#r3_4_5"},
    {"blob", "r3_4.html#r3_4_5_1_1"},
    {"box", "r3_4.html#r3_4_5_1_2"},
    {"cone", "r3_4.html#r3_4_5_1_3"},
    {"cylinder", "r3_4.html#r3_4_5_1_4"},
    {"heightfield", "r3_4.html#r3_4_5_1_5"},
    {"lathe", "r3_4.html#r3_4_5_1_8"},
    {"sphere", "r3_4.html#r3_4_5_1_12"},
    {"text", "r3_4.html#r3_4_5_1_16"},
    {"torus", "r3_4.html#r3_4_5_1_17"},
    {"polygon", "r3_4.html#r3_4_5_2_5"},
    {"triangle", "r3_4.html#r3_4_5_2_6"},
    {"smoothtriangle", "r3_4.html#r3_4_5_2_7"},
    {"plane", "r3_4.html#r3_4_5_3_1"},
    {"csg", "r3_4.html#r3_4_5_4"},
    {"union", "r3_4.html#r3_4_5_4_2"},
    {"intersection", "r3_4.html#r3_4_5_4_3"},
    {"difference", "r3_4.html#r3_4_5_4_4"},
    {"merge", "r3_4.html#r3_4_5_4_5"},
    {"texture", "r3_4.html#r3_4_6"},
    {"pigment", "r3_4.html#r3_4_6_1"},
    {"normal", "r3_4.html#r3_4_6_2"},
    {"finish", "r3_4.html#r3_4_6_3"},
    {"halo", "r3_4.html#r3_4_6_4"},
};

bool IsFile(const std::string& path) {
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

// letters and digits only, lower case
std::string Key(const std::string& word) {
    std::string key;
    for (unsigned char c : word)
        if (std::isalnum(c))
            key += static_cast<char>(std::tolower(c));
    return key;
}

const char* KnownSection(const std::string& keyword) {
    const std::string key = Key(keyword);
    for (const Section& s : kSections)
        if (key == s.keyword)
            return s.page;
    return nullptr;
}

// A section of the local contents page whose title is the keyword (underscores as blanks,
// any case): the contents list every section as <a ... href="PAGE#ANCHOR">Title</a>.
std::string SectionFromContents(const std::string& docsFolder, const std::string& keyword) {
    std::ifstream in(docsFolder + "/" + kContentsPage, std::ios::binary);
    if (!in)
        return {};
    const std::string html((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::string key = Key(keyword);
    const std::string linkStart = "href=\"";
    for (size_t at = html.find(linkStart); at != std::string::npos;
         at = html.find(linkStart, at + 1)) {
        const size_t targetEnd = html.find("\">", at);
        const size_t titleEnd = html.find("</a>", at);
        if (targetEnd == std::string::npos || titleEnd == std::string::npos || titleEnd < targetEnd)
            break;
        const std::string target =
            html.substr(at + linkStart.size(), targetEnd - at - linkStart.size());
        const std::string title = html.substr(targetEnd + 2, titleEnd - targetEnd - 2);
        if (target.rfind("r3_", 0) == 0 && target.find('"') == std::string::npos &&
            Key(title) == key)
            return target;
    }
    return {};
}

}  // namespace

std::string LocalPovRayDocsFolder() {
    if (const char* custom = std::getenv("ORVANTA_POVRAY_DOCS"))
        return IsFile(std::string(custom) + "/" + kContentsPage) ? custom : "";
    for (const char* folder : {"/usr/share/doc/povray/html", "/usr/local/share/doc/povray/html"})
        if (IsFile(std::string(folder) + "/" + kContentsPage))
            return folder;
    return {};
}

std::string PovRayReferenceUrl(const std::string& keyword, const std::string& docsFolder) {
    std::string page;
    if (!keyword.empty()) {
        if (const char* known = KnownSection(keyword))
            page = known;
        else if (!docsFolder.empty())
            page = SectionFromContents(docsFolder, keyword);
    }
    if (page.empty())
        page = kContentsPage;
    if (docsFolder.empty())
        return kOnlineReference + page;
    return "file://" + docsFolder + "/" + page;
}

std::string PovRayReferenceUrl(const std::string& keyword) {
    return PovRayReferenceUrl(keyword, LocalPovRayDocsFolder());
}
