// The edit history on a large group: 100 drags of a mesh of 100,000 triangles, each one step.
// Reports the heap the history holds (what the 100 steps keep beyond the same drags without a
// history) next to the heap of the scene itself, and the time of the drags, undos and redos.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <chrono>

#include "bench/scene_generator.h"
#include "document/edit_history.h"
#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "model/name_counters.h"
#include "model/pov_object.h"
#include "platform/view_port.h"

namespace {

constexpr int kTriangles = 100000;
constexpr int kDrags = 100;

size_t HeapInUse() {
    malloc_trim(0);
    return mallinfo2().uordblks;
}

class FrontView : public IViewPort {
  public:
    int GetViewKind() const override { return kFrontView; }
    double GetZoom() const override { return 10.0; }
    double GetHorzOrigin() const override { return 0.0; }
    double GetVertOrigin() const override { return 0.0; }
    int GetWindowWidth() const override { return 640; }
    int GetWindowHeight() const override { return 480; }
    bool GetUseOpenGL() const override { return false; }
    bool GetWireframe() const override { return false; }
    int GetLightCount() const override { return 0; }
    void SetLightCount(int) override {}
    bool IsActive() const override { return true; }
    Vector GetViewCentre() const override { return {}; }
};

// 100 drags of the mesh group, each of a few mouse moves, with or without steps.
void DragMesh(benchmark::State& state, bool withHistory) {
    ResetModelGlobals();
    const size_t empty = HeapInUse();
    COrvantaDoc doc;
    ReadSceneText(doc, scene_generator::MeshScene(kTriangles), true);
    CPovObject* mesh = doc.Objects;
    FrontView view;
    mesh->Select(view);
    const size_t scene = HeapInUse();

    for (auto _ : state) {
        for (int i = 0; i < kDrags; ++i) {
            if (withHistory) {
                EditStep step(doc, StepLabel("Verschieben", *mesh));
                step.Record(*mesh);
                for (int move = 0; move < 3; ++move)
                    mesh->MoveBy(0.1, 0.05, view);
            } else {
                for (int move = 0; move < 3; ++move)
                    mesh->MoveBy(0.1, 0.05, view);
            }
        }
    }
    const size_t after = HeapInUse();
    state.counters["scene_heap_MB"] = static_cast<double>(scene - empty) / 1e6;
    state.counters["growth_after_100_drags_kB"] = (static_cast<double>(after) - scene) / 1e3;
    state.counters["history_bytes_reported"] = static_cast<double>(doc.History().Bytes());
    state.counters["steps"] = static_cast<double>(doc.History().UndoCount());
    if (withHistory) {
        // taking all hundred back and doing them again
        auto start = std::chrono::steady_clock::now();
        while (doc.History().Undo()) {
        }
        while (doc.History().Redo()) {
        }
        state.counters["undo_redo_all_ms"] =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
    }
}

void BM_HundredMeshDragsWithoutHistory(benchmark::State& state) {
    DragMesh(state, false);
}
BENCHMARK(BM_HundredMeshDragsWithoutHistory)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_HundredMeshDragsWithHistory(benchmark::State& state) {
    DragMesh(state, true);
}
BENCHMARK(BM_HundredMeshDragsWithHistory)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
