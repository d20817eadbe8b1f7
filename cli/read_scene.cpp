#include "cli/read_scene.h"

#include "cli/commands.h"
#include "model/cp1252.h"

COrvantaDoc& BatchDocument() {
    // reachable from here to the end, so a leak checker does not count it as lost
    static COrvantaDoc* const document = new COrvantaDoc;
    return *document;
}

SceneReadOptions ReadOptionsFrom(const Arguments& args) {
    SceneReadOptions options;
    if (auto folder = args.Value("--logs"))
        options.logFolder = *folder;
    return options;
}

bool OpenScene(COrvantaDoc& doc, const std::string& path, const Arguments& args,
               SceneReadResult& result) {
    result = doc.OnOpenDocument(path, ReadOptionsFrom(args));
    if (!result.ok)
        ReportError(result.error);
    return result.ok;
}

void PrintProblems(const ReadProblems& problems, FILE* out) {
    for (const ReadProblem& p : problems) {
        const std::string message = orv::Cp1252ToUtf8(p.message);
        if (p.line != 0)
            std::fprintf(out, "%d: %s\n", p.line, message.c_str());
        else
            std::fprintf(out, "%s\n", message.c_str());
    }
}
