// dump: reads a scene file and prints the document as JSON, with the problems met.
#include <iostream>

#include "cli/commands.h"
#include "cli/document_json.h"
#include "cli/read_scene.h"

int RunDump(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli dump FILE [--logs DIR]" : args.Error());
        return 2;
    }
    COrvantaDoc& doc = BatchDocument();
    SceneReadResult result;
    if (!OpenScene(doc, args.Positional()[0], args, result))
        return 1;
    WriteDocumentJson(std::cout, doc, result.problems);
    std::cout.flush();
    return std::cout ? 0 : 1;
}
