// povray: renders a saved scene with POV-Ray and waits for it.
#include <cstdio>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "document/orvanta_options.h"
#include "document/povray_command.h"
#include "platform/process_launcher.h"

namespace {

bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return false;
    try {
        width = std::stoi(text.substr(0, x));
        height = std::stoi(text.substr(x + 1));
    } catch (...) {
        return false;
    }
    return width > 0 && height > 0 && width <= 16384 && height <= 16384;
}

// the lines of POV-Ray's output that tell what went wrong
void PrintErrorLines(const std::string& output) {
    std::istringstream lines(output);
    std::string line;
    bool any = false;
    while (std::getline(lines, line)) {
        if (line.find("rror") != std::string::npos || line.rfind("File '", 0) == 0 ||
            line.find("Line:") != std::string::npos) {
            std::fprintf(stderr, "%s\n", line.c_str());
            any = true;
        }
    }
    if (!any)
        std::fprintf(stderr, "%s", output.c_str());
}

}  // namespace

int RunPovRay(const CommandArgs& argv) {
    Arguments args(argv, {"-o", "--size"}, {});
    if (!args.Ok() || args.Positional().size() != 1) {
        ReportError(args.Ok() ? "usage: orvanta-cli povray FILE [-o IMAGE] [--size WxH]"
                              : args.Error());
        return 2;
    }
    int width = 320, height = 240;
    if (auto size = args.Value("--size"); size && !ParseSize(*size, width, height)) {
        ReportError("--size wants WIDTHxHEIGHT, e.g. 320x240, not '" + *size + "'");
        return 2;
    }
    const std::string scene = args.Positional()[0];
    COrvantaOptions settings(COrvantaOptions::kProgramSettings);
    CommandLine line = PovRayCommandLine(settings.Executables, scene);
    if (auto image = args.Value("-o"))
        line.arguments[1] = "-o" + *image;
    const std::string image = line.arguments[1].substr(2);
    // headless: no display window, the requested size, and the symbol that lets POV-Ray read
    // the parts of predefined objects
    line.arguments.push_back("-D");
    line.arguments.push_back("+W" + std::to_string(width));
    line.arguments.push_back("+H" + std::to_string(height));
    line.arguments.push_back("Declare=ORVANTA_INVOKED=1");

    const ProcessResult result = GetProcessLauncher().RunAndWait(line.program, line.arguments, "");
    if (!result.started) {
        ReportError("cannot start POV-Ray (" + line.program + "): " + result.error);
        return 1;
    }
    if (result.exitCode != 0) {
        PrintErrorLines(result.output);
        ReportError("POV-Ray failed on " + scene + " (exit status " +
                    std::to_string(result.exitCode) + ")");
        return 1;
    }
    std::printf("%s\n", image.c_str());
    return 0;
}
