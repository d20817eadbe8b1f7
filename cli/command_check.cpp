// check: reads a scene file and lists its problems.
#include <cstdio>

#include "cli/commands.h"
#include "cli/read_scene.h"

int RunCheck(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli check FILE [--logs DIR]" : args.Error());
        return 2;
    }
    COrvantaDoc doc;
    SceneReadResult result;
    if (!OpenScene(doc, args.Positional()[0], args, result))
        return 1;
    PrintProblems(result.problems, stdout);
    return result.problems.empty() ? 0 : 1;
}
