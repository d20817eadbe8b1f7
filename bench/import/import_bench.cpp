// Importing a large scene written as plain POV-Ray (boxes and spheres in turn, numbers with
// three decimals, no transformations): the evaluation alone, and the whole import step
// (evaluation, mapping into a new document, the objects' geometry included) as the desktop
// runs it, once again and again in one process, and once in a new process as the batch tool
// and a newly started desktop run it. The saving of the imported scene is not part of it.
#include <benchmark/benchmark.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

#include "document/orvanta_doc.h"
#include "import/pov_evaluator.h"
#include "import/scene_importer.h"
#include "model/name_counters.h"
#include "model/text_format.h"
#include "platform/heap_tuning.h"

namespace {

std::string PlainScene(int n) {
    uint64_t state = 7;
    auto next = [&state] {  // a coordinate in [0, 100)
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>((state >> 33) % 100000) / 1000.0;
    };
    std::string out = "#version 3.7;\n";
    out.reserve(static_cast<size_t>(n) * 52 + 64);
    for (int i = 0; i < n; ++i) {
        const double x = next(), y = next(), z = next();
        if (i % 2 == 0) {
            orv::AppendFormat(out, "box { <%.3f, %.3f, %.3f>, <%.3f, %.3f, %.3f> }\n", x, y, z,
                              x + 1, y + 1, z + 1);
        } else {
            orv::AppendFormat(out, "sphere { <%.3f, %.3f, %.3f>, %.3f }\n", x, y, z,
                              0.1 + next() / 100.0);
        }
    }
    return out;
}

const std::string& Scene(int n) {
    static int size = 0;
    static std::string text;
    if (size != n) {
        text = PlainScene(n);
        size = n;
    }
    return text;
}

// the heap as the batch tool and the desktop set it up
const bool kHeapTuned = (TuneHeapForLargeScenes(), true);

void Configure(benchmark::internal::Benchmark* b) {
    b->Arg(100000)->MinTime(5.0)->Unit(benchmark::kMillisecond)->UseRealTime();
}

void BM_EvaluatePlainScene(benchmark::State& state) {
    const std::string& text = Scene(static_cast<int>(state.range(0)));
    size_t statements = 0;
    for (auto _ : state) {
        pov::EvaluatedScene scene = pov::EvaluateText(text, "plain.pov", ".", {});
        statements = scene.statements.size();
        state.PauseTiming();
        scene = {};
        state.ResumeTiming();
    }
    state.counters["statements"] = static_cast<double>(statements);
}
BENCHMARK(BM_EvaluatePlainScene)->Apply(Configure);

void BM_ImportPlainScene(benchmark::State& state) {
    const std::string& text = Scene(static_cast<int>(state.range(0)));
    size_t entries = 0;
    for (auto _ : state) {
        ResetModelGlobals();
        auto doc = std::make_unique<COrvantaDoc>();
        ImportReport report = ImportPovSceneText(text, "plain.pov", ".", *doc);
        entries = report.entries.size();
        state.PauseTiming();
        report = {};
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["report_entries"] = static_cast<double>(entries);
}
BENCHMARK(BM_ImportPlainScene)->Apply(Configure);

// Each import in a child process whose heap has not grown yet: every page it uses is touched
// for the first time, as in the batch tool's import and a newly started desktop's.
void BM_ImportPlainSceneInNewProcess(benchmark::State& state) {
    const std::string& text = Scene(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        // what earlier runs left in the heap goes back to the system: the child starts afresh
        WaitForImportLeftovers();
        ReturnFreeMemory();
        int pipeEnds[2];
        if (pipe(pipeEnds) != 0) {
            state.SkipWithError("no pipe");
            break;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(pipeEnds[0]);
            ResetModelGlobals();
            auto* doc = new COrvantaDoc();  // the process ends with it
            const auto start = std::chrono::steady_clock::now();
            ImportPovSceneText(text, "plain.pov", ".", *doc);
            const double seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            const bool sent = write(pipeEnds[1], &seconds, sizeof seconds) == sizeof seconds;
            _exit(sent ? 0 : 1);
        }
        close(pipeEnds[1]);
        double seconds = 0.0;
        const bool received = child > 0 && read(pipeEnds[0], &seconds, sizeof seconds) ==
                                               static_cast<ssize_t>(sizeof seconds);
        close(pipeEnds[0]);
        if (child > 0) {
            waitpid(child, nullptr, 0);
        }
        if (!received) {
            state.SkipWithError("the importing process failed");
            break;
        }
        state.SetIterationTime(seconds);
    }
}
BENCHMARK(BM_ImportPlainSceneInNewProcess)
    ->Arg(100000)
    ->MinTime(5.0)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime();

}  // namespace
