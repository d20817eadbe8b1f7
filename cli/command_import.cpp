// import: reads a POV-Ray scene as POV-Ray does and saves it as a modeller scene; prints
// what came in as editable objects, approximated or kept as POV-Ray text.
#include <cstdio>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/read_scene.h"
#include "document/orvanta_doc.h"
#include "import/scene_importer.h"

int RunImport(const CommandArgs& argv) {
    Arguments args(argv, {}, {});
    if (!args.Ok() || args.Positional().size() != 2) {
        ReportError(args.Ok() ? "usage: orvanta-cli import IN.pov OUT.om" : args.Error());
        return 2;
    }
    COrvantaDoc& doc = BatchDocument();
    const ImportReport report = ImportPovScene(args.Positional()[0], doc);
    std::fputs(report.Text().c_str(), stdout);
    FileResult saved = doc.OnSaveDocument(args.Positional()[1]);
    if (!saved.ok) {
        ReportError(saved.error);
        return 1;
    }
    // saved; anything that did not come in as an editable object is a reason to look
    return report.AllEditable() ? 0 : 1;
}
