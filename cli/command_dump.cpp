// dump: reads a scene file and prints the document as JSON, with the problems met.
#include <cstdio>

#include "cli/commands.h"
#include "cli/document_json.h"
#include "cli/read_scene.h"

int RunDump(const CommandArgs& argv) {
    Arguments args(argv, {"--logs"}, {});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli dump FILE [--logs DIR]" : args.Error());
        return 2;
    }
    COrvantaDoc doc;
    SceneReadResult result;
    if (!OpenScene(doc, args.Positional()[0], args, result))
        return 1;
    const std::string json = DocumentToJson(doc, result.problems).dump(2);
    std::printf("%s\n", json.c_str());
    return 0;
}
