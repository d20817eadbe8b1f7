// check: reads a scene file and lists its problems, and warns about names it refers to that
// nothing declares.
#include <cstdio>
#include <filesystem>

#include "cli/commands.h"
#include "cli/read_scene.h"
#include "document/scene_references.h"

int RunCheck(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {"--stats"});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli check FILE [--logs DIR] [--stats]"
                              : args.Error());
        return 2;
    }
    COrvantaDoc& doc = BatchDocument();
    SceneReadResult result;
    const std::string& path = args.Positional()[0];
    if (!OpenScene(doc, path, args, result))
        return 1;
    const std::string folder = std::filesystem::path(path).parent_path().string();
    const ReadProblems warnings =
        UndeclaredReferences(doc, result.references, IncludeFolders(folder.empty() ? "." : folder));
    PrintProblems(result.problems, stdout);
    PrintProblems(warnings, stdout);
    if (args.Has("--stats"))
        std::printf("objects read: %ld\n", result.objects);
    return result.problems.empty() && warnings.empty() ? 0 : 1;
}
