#include "preview/preview_addons.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// the next word of line from pos, cut to the word limit; empty when none is left
std::string NextWord(std::string_view line, size_t& pos) {
    while (pos < line.size() && IsBlank(line[pos]))
        ++pos;
    const size_t start = pos;
    while (pos < line.size() && !IsBlank(line[pos]))
        ++pos;
    return std::string(line.substr(start, std::min(pos - start, kPreviewAddOnMaxWord)));
}

bool HasPrwExtension(const fs::path& path) {
    std::string ext = path.extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".prw";
}

}  // namespace

int ParsePreviewAddOn(std::string_view text, std::vector<std::string>& pairs) {
    text = text.substr(0, kPreviewAddOnMaxBytes);
    // the file was read as a zero-terminated text: nothing after a zero byte counts
    text = text.substr(0, text.find('\0'));

    size_t lineStart = 0;
    bool first = true;
    int added = 0;
    while (lineStart <= text.size()) {
        size_t lineEnd = text.find('\n', lineStart);
        if (lineEnd == std::string_view::npos)
            lineEnd = text.size();
        const std::string_view line = text.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 1;
        if (first) {
            if (line.substr(0, kPreviewAddOnSignature.size()) != kPreviewAddOnSignature)
                return 0;
            first = false;
            continue;
        }
        if (line.empty() || line.front() == ';')
            continue;
        size_t pos = 0;
        std::string name = NextWord(line, pos);
        std::string picture = NextWord(line, pos);
        if (picture.empty())
            continue;  // one word (or none) is no entry
        pairs.push_back(std::move(name));
        pairs.push_back(std::move(picture));
        ++added;
    }
    return added;
}

std::vector<std::string> ScanPreviewAddOns(const std::string& folder) {
    std::vector<std::string> pairs;
    std::error_code ec;
    std::vector<fs::path> files;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code typeError;
        if (it->is_regular_file(typeError) && HasPrwExtension(it->path()))
            files.push_back(it->path());
    }
    std::sort(files.begin(), files.end());
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in)
            continue;
        std::string text(kPreviewAddOnMaxBytes, '\0');
        in.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<size_t>(in.gcount()));
        ParsePreviewAddOn(text, pairs);
    }
    return pairs;
}
