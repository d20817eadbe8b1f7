// convert: reads a scene file and writes it again with the modeller's writer.
#include <cstdio>

#include "cli/commands.h"
#include "cli/read_scene.h"

int RunConvert(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {});
    if (!args.Ok() || args.Positional().size() != 2) {
        ReportError(args.Ok() ? "usage: orvanta-cli convert IN OUT [--logs DIR]" : args.Error());
        return 2;
    }
    COrvantaDoc doc;
    SceneReadResult result;
    if (!OpenScene(doc, args.Positional()[0], args, result))
        return 1;
    PrintProblems(result.problems, stderr);
    FileResult saved = doc.OnSaveDocument(args.Positional()[1]);
    if (!saved.ok) {
        ReportError(saved.error);
        return 1;
    }
    // written, but what could not be read is missing from it
    return result.problems.empty() ? 0 : 1;
}
