#include "resources/ui_text.h"

#include <mutex>
#include <unordered_map>
#include <unordered_set>

#include "resources/string_table.h"

// the catalogue files' contents, generated at build time (resources/english/*.tsv)
extern const char* const kEnglishCatalogueFiles[];
extern const size_t kEnglishCatalogueFileCount;

namespace {

std::string Unescape(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == '\\' && i + 1 < s.size()) {
            const char c = s[++i];
            out += c == 't' ? '\t' : c == 'n' ? '\n' : c;
        } else {
            out += s[i];
        }
    }
    return out;
}

struct Catalogue {
    // German -> English; the keys are stable, so the values' c_str() stay valid
    std::unordered_map<std::string, std::string> english;
    std::mutex missingMutex;
    std::vector<std::string> missing;
    std::unordered_set<std::string> missingSet;

    Catalogue() {
        for (size_t f = 0; f < kEnglishCatalogueFileCount; ++f) {
            std::string_view text = kEnglishCatalogueFiles[f];
            while (!text.empty()) {
                const size_t end = text.find('\n');
                std::string_view line = text.substr(0, end);
                text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
                if (!line.empty() && line.back() == '\r')
                    line.remove_suffix(1);
                if (line.empty() || line.front() == '#')
                    continue;
                const size_t tab = line.find('\t');
                if (tab == std::string_view::npos)
                    continue;
                english.emplace(Unescape(line.substr(0, tab)), Unescape(line.substr(tab + 1)));
            }
        }
    }
};

Catalogue& TheCatalogue() {
    static Catalogue c;
    return c;
}

}  // namespace

const char* Tr(const char* german) {
    if (GetUiLanguage() != UiLanguage::English || !german || !*german)
        return german;
    Catalogue& c = TheCatalogue();
    auto it = c.english.find(german);
    if (it != c.english.end())
        return it->second.c_str();
    std::lock_guard lock(c.missingMutex);
    if (c.missingSet.insert(german).second)
        c.missing.emplace_back(german);
    return german;
}

std::string Tr(std::string_view german) {
    return Tr(std::string(german).c_str());
}

std::string TrId(int id) {
    const std::string text = LoadStringUtf8(id);
    if (GetUiLanguage() == UiLanguage::English && !HasEnglishText(id) && !text.empty()) {
        Catalogue& c = TheCatalogue();
        std::lock_guard lock(c.missingMutex);
        if (c.missingSet.insert(text).second)
            c.missing.push_back(text);
    }
    return text;
}

std::vector<std::string> UntranslatedTexts() {
    Catalogue& c = TheCatalogue();
    std::lock_guard lock(c.missingMutex);
    return c.missing;
}

void ClearUntranslatedTexts() {
    Catalogue& c = TheCatalogue();
    std::lock_guard lock(c.missingMutex);
    c.missing.clear();
    c.missingSet.clear();
}

size_t CatalogueSize() {
    return TheCatalogue().english.size();
}
