// previews: renders the preview pictures of the predefined textures, the add-on textures of
// the folder, the skies and the fog types with POV-Ray, named as the modeller looks them up.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <mutex>
#include <sstream>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "document/orvanta_options.h"
#include "model/surfaces/predefined_textures.h"
#include "platform/process_launcher.h"
#include "preview/preview_addons.h"
#include "preview/preview_set.h"

namespace fs = std::filesystem;

namespace {

bool ParseCount(const std::string& text, int low, int high, int& value) {
    try {
        size_t used = 0;
        value = std::stoi(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (...) {
        return false;
    }
}

std::vector<std::string> IncludeFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
        if (it->path().extension() == ".inc")
            names.push_back(it->path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

int RunPreviews(const CommandArgs& argv) {
    Arguments args(argv, {"-o", "--processes", "--size", "--threads", "--only"}, {"--missing"});
    const auto out = args.Value("-o");
    if (!args.Ok() || !out || !args.Positional().empty()) {
        ReportError(args.Ok() ? "usage: orvanta-cli previews -o DIR [--processes N] [--size N] "
                                "[--threads N] [--only NAME,...] [--missing]"
                              : args.Error());
        return 2;
    }
    PreviewRenderSettings settings;
    if (auto n = args.Value("--processes"); n && !ParseCount(*n, 1, 64, settings.processes)) {
        ReportError("--processes wants a number from 1 to 64, not '" + *n + "'");
        return 2;
    }
    if (auto n = args.Value("--threads"); n && !ParseCount(*n, 1, 64, settings.threadsPerProcess)) {
        ReportError("--threads wants a number from 1 to 64, not '" + *n + "'");
        return 2;
    }
    if (auto n = args.Value("--size"); n) {
        if (!ParseCount(*n, 16, 2048, settings.width)) {
            ReportError("--size wants a number from 16 to 2048, not '" + *n + "'");
            return 2;
        }
        settings.height = settings.width;
    }
    const COrvantaOptions program(COrvantaOptions::kProgramSettings);
    settings.program = program.Executables.Execute.empty() ? "povray" : program.Executables.Execute;

    const std::string folder = *out;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder)) {
        ReportError("cannot make the folder " + folder);
        return 1;
    }
    // the add-ons shipped in the folder, with the include files of their textures
    const std::vector<std::string> addOns = ScanPreviewAddOns(folder);
    SetTextureAddOns(&addOns);
    const std::vector<std::string> includes = IncludeFilesIn(folder);
    const std::string absolute = fs::absolute(folder).string();

    std::vector<PreviewSubject> subjects;
    if (auto only = args.Value("--only")) {
        std::istringstream names(*only);
        std::string name;
        while (std::getline(names, name, ','))
            subjects.push_back(PreviewSubjectNamed(name));
    } else {
        subjects = PreviewSet();
    }

    std::mutex printing;
    int done = 0, failed = 0;
    int total = 0;
    PreviewRenderer renderer(GetProcessLauncher(), settings, [&](const PreviewResult& r) {
        std::lock_guard lock(printing);
        ++done;
        if (r.ok) {
            std::fprintf(stderr, "[%d/%d] %s\n", done, total, r.picture.c_str());
        } else {
            ++failed;
            std::fprintf(stderr, "[%d/%d] %s failed: %s\n", done, total, r.picture.c_str(),
                         r.error.c_str());
        }
    });
    const auto start = std::chrono::steady_clock::now();
    for (const PreviewSubject& subject : subjects) {
        if (args.Has("--missing") && FindPreviewPicture(subject, {absolute}))
            continue;
        auto job = PreviewJobFor(subject, absolute, includes, {absolute});
        if (!job) {
            ReportError("'" + subject.name + "' has no preview picture");
            SetTextureAddOns(nullptr);
            return 2;
        }
        {
            std::lock_guard lock(printing);
            ++total;
        }
        renderer.Enqueue(std::move(*job));
    }
    renderer.WaitIdle();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    SetTextureAddOns(nullptr);
    std::printf("%d pictures in %s: %.1f s with %d POV-Ray processes at once (%d threads each)\n",
                total - failed, folder.c_str(), seconds, settings.processes,
                settings.threadsPerProcess);
    if (failed) {
        ReportError(std::to_string(failed) + " pictures failed");
        return 1;
    }
    return 0;
}
