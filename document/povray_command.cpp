#include "document/povray_command.h"

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
