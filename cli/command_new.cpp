// new: creates a document, runs the creation command of each kind with default values
// (property sheets cancelled, no view) and saves it.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/document_json.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/pov_level.h"

int RunNew(const CommandArgs& argv) {
    Arguments args(argv, {"-o", "--level"}, {"--pov3", "--dump"});
    if (!args.Ok()) {
        ReportError(args.Error());
        return 2;
    }
    const auto out = args.Value("-o");
    if (!out && !args.Has("--dump")) {
        ReportError("new needs -o OUT (or --dump to print the document as JSON)");
        return 2;
    }
    // --pov3 is the older name of --level 3.0
    int level = args.Has("--pov3") ? kPovLevel30 : kPovLevel2;
    if (const auto text = args.Value("--level")) {
        if (*text != "2" && *text != "2.x" && *text != "3.0" && *text != "3.7") {
            ReportError("--level wants 2, 3.0 or 3.7, not '" + *text + "'");
            return 2;
        }
        level = PovLevelFromSetting(*text);
    }
    std::vector<CreateKind> kinds;
    for (const std::string& word : args.Positional()) {
        const auto kind = CreateKindByName(word);
        if (!kind) {
            std::string known;
            for (const CreateKindInfo& info : CreateKinds())
                known += std::string(" ") + info.name;
            ReportError("unknown kind '" + word + "'; known kinds:" + known);
            return 2;
        }
        kinds.push_back(*kind);
    }

    COrvantaDoc doc;
    doc.Pov3() = level;
    for (CreateKind kind : kinds) {
        if (!doc.CanCreate(kind)) {
            ReportError(std::string("a scene holds only one ") +
                        (kind == CreateKind::Camera       ? "camera"
                         : kind == CreateKind::Background ? "background"
                                                          : "sky sphere") +
                        "; the second one is skipped");
            continue;
        }
        doc.OnCreate(kind);
    }
    if (out) {
        const FileResult saved = doc.OnSaveDocument(*out);
        if (!saved.ok) {
            ReportError(saved.error);
            return 1;
        }
    }
    if (args.Has("--dump"))
        std::printf("%s\n", DocumentToJson(doc).dump(2).c_str());
    return 0;
}
