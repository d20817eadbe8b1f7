// povray: renders a saved scene with POV-Ray and waits for it. POV-Ray's picture arrives on
// standard output and is written to the image name exactly as given (in the format its
// extension names), safely; its progress goes to standard error as a bar when that is a
// terminal; its problems are printed with the scene's line; its exit status is ours.
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "document/atomic_file.h"
#include "document/orvanta_options.h"
#include "document/povray_command.h"
#include "model/cp1252.h"
#include "platform/process_launcher.h"
#include "render/povray_output.h"
#include "render/render_presets.h"
#include "render/render_scene.h"

namespace fs = std::filesystem;

namespace {

// "[#########...........]  45 %" on one line, redrawn in place
void DrawProgress(long long done, long long total) {
    constexpr int kWidth = 30;
    const int percent = total > 0 ? static_cast<int>(done * 100 / total) : 0;
    const int filled = percent * kWidth / 100;
    std::fprintf(stderr, "\r[%s%s] %3d %%", std::string(static_cast<size_t>(filled), '#').c_str(),
                 std::string(static_cast<size_t>(kWidth - filled), '.').c_str(), percent);
    std::fflush(stderr);
}

// the lines of the scene file, to show the one a problem names
std::vector<std::string> SceneLines(const std::string& path) {
    std::string text;
    std::vector<std::string> lines;
    if (!ReadWholeFile(path, text).ok)
        return lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(orv::Cp1252ToUtf8(line));
    }
    return lines;
}

// POV-Ray's problems, those in the scene with the scene's name and the line itself
void PrintProblems(const std::vector<PovRayMessage>& messages, const std::string& scene,
                   const std::string& sceneAsGiven) {
    const std::vector<std::string> lines = SceneLines(scene);
    const std::string plainName = fs::path(sceneAsGiven).filename().string();
    for (const PovRayMessage& m : messages) {
        if (m.line <= 0) {
            std::fprintf(stderr, "%s\n", m.text.c_str());
            continue;
        }
        const bool inScene = m.file == sceneAsGiven || fs::path(m.file).filename() == plainName;
        std::fprintf(stderr, "%s:%d: %s\n", inScene ? scene.c_str() : m.file.c_str(), m.line,
                     m.text.c_str());
        if (inScene && m.line <= static_cast<int>(lines.size()))
            std::fprintf(stderr, "%6d | %s\n", m.line,
                         lines[static_cast<size_t>(m.line - 1)].c_str());
    }
}

}  // namespace

int RunPovRay(const CommandArgs& argv) {
    Arguments args(argv, {"-o", "--size"}, {"--antialias"});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli povray FILE [-o IMAGE] [--size WxH] "
                                "[--antialias]"
                              : args.Error());
        return 2;
    }
    RenderOptions options;
    options.width = 320;
    options.height = 240;
    options.antialias = args.Has("--antialias");
    if (auto size = args.Value("--size");
        size && !ParseRenderSize(*size, options.width, options.height)) {
        ReportError("--size wants WIDTHxHEIGHT, e.g. 320x240, not '" + *size + "'");
        return 2;
    }
    const std::string scene = args.Positional()[0];
    std::error_code ec;
    if (!fs::is_regular_file(scene, ec)) {
        ReportError("no scene file " + scene);
        return 1;
    }
    const std::string image = args.Value("-o").value_or(ImageFileName(scene));
    options.format = ImageFormatFor(image);

    // POV-Ray 3.7 takes no path with a blank or a non-ASCII character: it gets plain names of
    // ours, and runs in the scene's folder so that the scene's relative paths still hold
    RenderFolder folder;
    if (!folder.Ok()) {
        ReportError("cannot make a folder for the render: " + folder.Error());
        return 1;
    }
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    COrvantaOptions::ExecutablesPage executables = settings.Executables;
    if (!executables.Configuration.empty())
        executables.Configuration = folder.PlainPath(executables.Configuration, "config.ini");
    const fs::path scenePath = fs::absolute(scene, ec);
    const std::string plainScene = folder.PlainPath(scenePath.string(), "scene.pov");
    const std::string workingFolder = scenePath.parent_path().string();

    CommandLine line;
    std::string output;
    const bool configured = !executables.Execute.empty();
    if (configured) {
        // the specified command line; the picture goes to a plain name of ours first
        output = folder.Path() + "/image";
        line = PovRayCommandLine(executables, plainScene);
        line.arguments[1] = "-o" + output;
        line.arguments[2] = std::string("+F") + options.format;
        for (std::string& a : RenderArguments(options))
            line.arguments.push_back(std::move(a));
    } else {
        line = StreamingCommandLine(executables, plainScene, options);
    }

    const bool terminal = ::isatty(STDERR_FILENO) == 1;
    PovRayOutput povray;
    std::string picture;
    ProcessExit ended;
    bool done = false;
    ProcessCallbacks callbacks;
    callbacks.output = [&](std::string_view bytes) { picture.append(bytes); };
    callbacks.errors = [&](std::string_view bytes) {
        const long long before = povray.RenderedPixels();
        povray.Feed(bytes);
        if (terminal && povray.RenderedPixels() != before)
            DrawProgress(povray.RenderedPixels(), povray.TotalPixels());
    };
    callbacks.finished = [&](const ProcessExit& exit) {
        ended = exit;
        done = true;
    };
    ProcessStart start =
        GetProcessLauncher().Start(line.program, line.arguments, workingFolder, callbacks);
    if (!start.process) {
        ReportError("cannot start POV-Ray (" + line.program + "): " + start.error);
        return 1;
    }
    start.process->Wait(-1);
    povray.Finish();
    if (terminal && povray.TotalPixels() > 0)
        std::fputc('\n', stderr);
    if (!done || ended.crashed) {
        ReportError("POV-Ray ended abnormally on " + scene);
        return 1;
    }
    if (ended.exitCode != 0) {
        PrintProblems(povray.Messages(), scene, plainScene);
        ReportError("POV-Ray failed on " + scene + " (exit status " +
                    std::to_string(ended.exitCode) + ")");
        return ended.exitCode;
    }
    PrintProblems(povray.Messages(), scene, plainScene);
    if (configured) {
        const FileResult read = ReadWholeFile(output, picture);
        if (!read.ok) {
            ReportError("POV-Ray wrote no picture: " + read.error);
            return 1;
        }
    }
    if (picture.empty()) {
        ReportError("POV-Ray wrote no picture for " + scene);
        return 1;
    }
    const FileResult saved = WriteFileAtomically(image, picture);
    if (!saved.ok) {
        ReportError(saved.error);
        return 1;
    }
    std::printf("%s\n", image.c_str());
    return 0;
}
