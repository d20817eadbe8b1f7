// Writing large scenes: the whole scene text of a document of N boxes.
#include <benchmark/benchmark.h>

#include "document/orvanta_doc.h"
#include "document/scene_writer.h"
#include "model/name_counters.h"
#include "model/scene_text.h"
#include "model/solids/pov_cubic.h"

namespace {

void BM_WriteBoxes(benchmark::State& state) {
    ResetModelGlobals();
    COrvantaDoc doc;
    LoadingScene = true;  // names without the uniqueness scan, as when reading
    for (int64_t i = 0; i < state.range(0); ++i) {
        auto* box = new CPovCubic();
        box->Translation() = Vector(i * 0.5, i * 0.25, -i * 0.125);
        doc.InsertObject(box);
    }
    LoadingScene = false;
    size_t bytes = 0;
    for (auto _ : state) {
        SceneText text;
        WriteSceneFile(doc, text);
        bytes = text.Text().size();
        benchmark::DoNotOptimize(text.Text().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_WriteBoxes)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
