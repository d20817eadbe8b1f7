// orvanta-cli: the batch tool on the modeller's core.
#include <cstdio>
#include <cstring>
#include <string>

#include "cli/commands.h"
#include "model/cp1252.h"
#include "platform/heap_tuning.h"
#include "platform/process_groups.h"
#include "platform/process_launcher.h"
#include "platform/prompts.h"
#include "platform/qt/qprocess_launcher.h"
#include "platform/qt/qt_settings_store.h"

namespace {

void Usage(FILE* out) {
    std::fputs("usage: orvanta-cli COMMAND [ARGUMENTS]\n\ncommands:\n", out);
    for (const CommandInfo& c : AllCommands()) {
        std::fprintf(out, "  %s %s\n      %s\n", c.name, c.usage, c.summary);
    }
    std::fputs("\n'orvanta-cli COMMAND --help' shows the usage of one command.\n", out);
}

// Messages of the core (a font that cannot be read, ...) go to stderr; questions are answered
// with no, as nobody is there to answer them.
class StderrPrompts : public IPrompts {
  public:
    void Message(const std::string& text) override {
        std::fprintf(stderr, "orvanta-cli: %s\n", orv::Cp1252ToUtf8(text).c_str());
    }
    bool AskYesNo(const std::string& text) override {
        std::fprintf(stderr, "orvanta-cli: %s (answered no)\n", orv::Cp1252ToUtf8(text).c_str());
        return false;
    }
};

}  // namespace

void ReportError(const std::string& message) {
    std::fprintf(stderr, "orvanta-cli: %s\n", message.c_str());
}

const std::vector<CommandInfo>& AllCommands() {
    static const std::vector<CommandInfo> commands = {
        {"demo", "", "build a small scene through the document and print its POV-Ray text",
         RunDemo},
        {"new", "-o OUT [--level 2|3.0|3.7] [--pov3] [--dump] KIND...",
         "create a scene with one element of each KIND (default values) and save it", RunNew},
        {"povray", "FILE [-o IMAGE] [--size WxH] [--antialias]",
         "render a saved scene with POV-Ray (the configured program, else povray from PATH) "
         "into IMAGE (.tga, .png, .ppm, .bmp by its extension); POV-Ray's exit status",
         RunPovRay},
        {"dump", "FILE [--logs DIR]", "read a scene file and print it as JSON with its problems",
         RunDump},
        {"convert", "IN OUT [--logs DIR] [--force]",
         "read a scene file and write it again (exit 1 when it had problems; a file not read "
         "completely is not written over itself without --force)",
         RunConvert},
        {"import", "IN.pov OUT.om",
         "read a POV-Ray scene as POV-Ray does and save it as a modeller scene; print what came "
         "in as editable objects, approximated or as POV-Ray text (exit 1 when not all editable)",
         RunImport},
        {"check", "FILE [--logs DIR] [--stats]",
         "print \"LINE: message\" per problem of a scene file and per name it uses that "
         "nothing declares (exit 1 when any); --stats adds the number of objects read",
         RunCheck},
        {"render",
         "FILE --view top|front|side|camera [--size WxH] [--zoom Z] [--grid G] [--scroll H,V] "
         "[--select NAME] [--wireframe] [--logs DIR] -o OUT.png",
         "draw one view of a scene file into a PNG picture, as the modeller shows it", RunRender},
        {"previews",
         "-o DIR [--processes N] [--threads N] [--size N] [--only NAME,...] [--missing]",
         "render the preview pictures of the standard textures, skies and fogs (and of the "
         "add-ons in DIR) with POV-Ray, named as the modeller looks them up",
         RunPreviews},
    };
    return commands;
}

int main(int argc, char** argv) {
    if (argc < 2) {
        Usage(stderr);
        return 2;
    }
    const std::string name = argv[1];
    if (name == "--help" || name == "-h" || name == "help") {
        Usage(stdout);
        return 0;
    }
    // a large scene allocates much: the heap takes its memory in large pages
    TuneHeapForLargeScenes();
    // a POV-Ray we start ends with us, also when a signal ends us
    process_groups::InstallExitHandlers();
    // the real services: settings under the XDG config folder, programs started with QProcess
    QtSettingsStore settings;
    SetSettingsStore(&settings);
    QProcessLauncher launcher;
    SetProcessLauncher(&launcher);
    StderrPrompts prompts;
    SetPrompts(&prompts);

    CommandArgs args(argv + 2, argv + argc);
    for (const CommandInfo& c : AllCommands()) {
        if (name != c.name)
            continue;
        if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
            std::printf("usage: orvanta-cli %s %s\n  %s\n", c.name, c.usage, c.summary);
            return 0;
        }
        return c.run(args);
    }
    ReportError("unknown command '" + name + "' (see orvanta-cli --help)");
    return 2;
}
