#include "document/povray_command.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

namespace {

std::vector<std::string> SplitWords(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text) {
        if (c == ' ' || c == '\t') {
            if (!word.empty())
                words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    if (!word.empty())
        words.push_back(word);
    return words;
}

}  // namespace

std::string CommandLine::ToString() const {
    std::string line = program;
    for (const std::string& a : arguments) {
        line += ' ';
        line += a;
    }
    return line;
}

std::string ImageFileName(const std::string& scenePath) {
    std::string image = scenePath;
    const size_t n = image.size();
    for (size_t back = 1; back <= 4 && back <= n; ++back) {
        if (image[n - back] == '.') {
            image.resize(n - back);
            break;
        }
        if (image[n - back] == '/')
            break;  // the dot of a folder name is no extension
    }
    return image + ".tga";
}

CommandLine PovRayCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& scenePath) {
    CommandLine line;
    line.program = settings.Execute.empty() ? "povray" : settings.Execute;
    line.arguments = {"-i" + scenePath, "-o" + ImageFileName(scenePath), "+FT"};
    if (!settings.Configuration.empty())
        line.arguments.push_back(settings.Configuration);
    return line;
}

std::vector<std::string> RenderArguments(const RenderOptions& options) {
    std::vector<std::string> args = {
        "+W" + std::to_string(options.width), "+H" + std::to_string(options.height),
        options.antialias ? "+A0.3" : "-A", "Declare=ORVANTA_INVOKED=1"};
    if (options.endRow > options.firstRow) {
        args.push_back("+SR" + std::to_string(options.firstRow + 1));
        args.push_back("+ER" + std::to_string(options.endRow));
    }
    return args;
}

CommandLine StreamingCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                                 const std::string& scenePath, const RenderOptions& options) {
    CommandLine line;
    line.program = "povray";
    if (!settings.Configuration.empty())
        line.arguments.push_back(settings.Configuration);
    line.arguments.push_back("+I" + scenePath);
    line.arguments.push_back("+O-");
    line.arguments.push_back(std::string("+F") + options.format);
    line.arguments.push_back("-D");
    for (std::string& a : RenderArguments(options))
        line.arguments.push_back(std::move(a));
    return line;
}

char ImageFormatFor(const std::string& imagePath) {
    const size_t dot = imagePath.find_last_of("./");
    if (dot == std::string::npos || imagePath[dot] != '.')
        return 'T';
    std::string ext = imagePath.substr(dot + 1);
    for (char& c : ext)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (ext == "png")
        return 'N';
    if (ext == "ppm")
        return 'P';
    if (ext == "bmp")
        return 'B';
    if (ext == "exr")
        return 'E';
    if (ext == "hdr")
        return 'H';
    return 'T';
}

namespace {
bool IsExecutableFile(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
           ::access(path.c_str(), X_OK) == 0;
}
}  // namespace

std::string FindProgram(const std::string& name, const std::string& path) {
    if (name.empty())
        return {};
    if (name.find('/') != std::string::npos)
        return IsExecutableFile(name) ? name : std::string();
    size_t start = 0;
    while (start <= path.size()) {
        size_t end = path.find(':', start);
        if (end == std::string::npos)
            end = path.size();
        // an empty entry is the current folder
        const std::string folder = end > start ? path.substr(start, end - start) : ".";
        const std::string candidate = folder + "/" + name;
        if (IsExecutableFile(candidate))
            return candidate;
        start = end + 1;
    }
    return {};
}

CommandLine ViewerCommandLine(const COrvantaOptions::ExecutablesPage& settings,
                              const std::string& imagePath) {
    CommandLine line;
    line.program = settings.Viewer;
    for (std::string word : SplitWords(settings.ViewerParameters)) {
        const size_t at = word.find("%s");
        if (at != std::string::npos)
            word.replace(at, 2, imagePath);
        line.arguments.push_back(word);
    }
    return line;
}
