// Times a live render of a scene as the render window runs it (the same session, without the
// painting) next to POV-Ray rendering the same scene alone in one run, in the same process
// and the same minute: the time to the first rows shown and to the finished picture, for the
// first render of the scene and for the renders after it (which know what the scene costs).
//
//   orvanta_render_timing SCENE [WIDTHxHEIGHT] [REPEATS]
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "document/orvanta_doc.h"
#include "document/povray_command.h"
#include "platform/qt/qprocess_launcher.h"
#include "render/povray_output.h"
#include "render/render_presets.h"
#include "render/render_scene.h"
#include "render/render_session.h"

namespace {

double Now() {
    using namespace std::chrono;
    return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0.0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s SCENE [WIDTHxHEIGHT] [REPEATS]\n", argv[0]);
        return 2;
    }
    RenderChoice choice{640, 480, false};
    if (argc > 2 && !ParseRenderSize(argv[2], choice.width, choice.height))
        return 2;
    const int repeats = argc > 3 ? std::max(1, std::atoi(argv[3])) : 3;

    COrvantaDoc doc;
    const SceneReadResult read = doc.OnOpenDocument(argv[1]);
    if (!read.ok) {
        std::fprintf(stderr, "%s\n", read.error.c_str());
        return 1;
    }
    doc.Pov3() = kPovLevel37;
    RenderFolder folder;
    RenderScene scene;
    if (!folder.Ok() || !WriteRenderCopy(doc, folder.Path(), scene).ok)
        return 1;

    QProcessLauncher launcher;
    std::vector<double> firstRows, finished, againRows, againFinished, alone, trace;
    double secondsPerPixel = -1.0;
    for (int i = 0; i < repeats; ++i) {
        for (int known = 0; known < 2; ++known) {
            RenderSession session(launcher, Now);
            RenderJob job;
            job.scene = scene.path;
            job.workingFolder = scene.workingFolder;
            job.imagePath = folder.Path() + "/live.tga";
            job.choice = choice;
            if (known)
                job.expectedTraceSeconds = secondsPerPixel * choice.width * choice.height;
            const double start = Now();
            if (!session.Start(job)) {
                std::fprintf(stderr, "%s\n", session.FailureText().c_str());
                return 1;
            }
            while (session.IsActive())
                QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
            if (session.State() != RenderState::Finished) {
                std::fprintf(stderr, "%s\n", session.FailureText().c_str());
                return 1;
            }
            (known ? againRows : firstRows).push_back(session.FirstRowsAfter());
            (known ? againFinished : finished).push_back(Now() - start);
            secondsPerPixel = session.TraceSecondsPerPixel();
        }

        // POV-Ray alone: the whole picture in one run
        RenderOptions options;
        options.width = choice.width;
        options.height = choice.height;
        const CommandLine line = StreamingCommandLine({}, scene.path, options);
        const double t = Now();
        const ProcessResult result =
            launcher.RunAndWait(line.program, line.arguments, scene.workingFolder);
        alone.push_back(Now() - t);
        PovRayOutput output;
        output.Feed(result.output);
        output.Finish();
        trace.push_back(output.TraceSeconds());
    }
    std::printf("%s at %dx%d, median of %d\n", argv[1], choice.width, choice.height, repeats);
    std::printf("  render window: first rows after %.2f s, finished after %.2f s\n",
                Median(firstRows), Median(finished));
    std::printf("  again:         first rows after %.2f s, finished after %.2f s\n",
                Median(againRows), Median(againFinished));
    std::printf("  POV-Ray alone: finished after %.2f s (its trace time %.2f s)\n", Median(alone),
                Median(trace));
    return 0;
}
