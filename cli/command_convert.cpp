// convert: reads a scene file and writes it again with the modeller's writer.
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "cli/commands.h"
#include "cli/read_scene.h"

namespace {

bool SameFile(const std::string& a, const std::string& b) {
    std::error_code error;
    return std::filesystem::equivalent(a, b, error);
}

}  // namespace

int RunConvert(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {"--force"});
    if (!args.Ok() || args.Positional().size() != 2) {
        ReportError(args.Ok() ? "usage: orvanta-cli convert IN OUT [--logs DIR] [--force]"
                              : args.Error());
        return 2;
    }
    const std::string& in = args.Positional()[0];
    const std::string& out = args.Positional()[1];
    COrvantaDoc& doc = BatchDocument();
    SceneReadResult result;
    if (!OpenScene(doc, in, args, result))
        return 1;
    PrintProblems(result.problems, stderr);
    // what was not read would be lost from the only file that has it
    if (!result.problems.empty() && SameFile(in, out) && !args.Has("--force")) {
        ReportError(in +
                    " was not read completely; writing it over itself would lose what was not "
                    "read (--force writes it anyway)");
        return 1;
    }
    FileResult saved = doc.OnSaveDocument(out);
    if (!saved.ok) {
        ReportError(saved.error);
        return 1;
    }
    // written, but what could not be read is missing from it
    return result.problems.empty() ? 0 : 1;
}
