// Filling the object browser for large scenes: the tree model alone, and the whole dialog
// (model and Qt tree widget, shown as the user sees it). Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "app/logic/object_browser_model.h"
#include "app/object_browser_dialog.h"
#include "document/orvanta_doc.h"
#include "model/groups/pov_csg.h"
#include "model/name_counters.h"
#include "model/scene_host.h"
#include "model/solids/pov_cubic.h"
#include "view/qt/widgets/view_widget.h"

namespace {

// n objects with distinct names in no particular order; every tenth a CSG group of three
void FillScene(COrvantaDoc& doc, int64_t n) {
    LoadingScene = true;  // names without the uniqueness scan, as when reading
    uint64_t state = 12345;
    for (int64_t i = 0; i < n;) {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        CPovObject* object = nullptr;
        if (i % 10 == 0 && i + 3 < n) {
            auto* group = new CPovCSG();
            for (int m = 0; m < 3; ++m) {
                auto* member = new CPovCubic();
                member->Name = "Glied_" + std::to_string(i) + "_" + std::to_string(m);
                AppendChild(group, member);
            }
            object = group;
            i += 4;
        } else {
            object = new CPovCubic();
            ++i;
        }
        object->Name = "Objekt_" + std::to_string(state >> 40);
        doc.InsertObject(object);
    }
    LoadingScene = false;
}

void BM_ObjectBrowserModelFill(benchmark::State& state) {
    ResetModelGlobals();
    COrvantaDoc doc;
    FillScene(doc, state.range(0));
    ObjectBrowserModel model(doc, false);
    for (auto _ : state) {
        model.Fill();
        benchmark::DoNotOptimize(model.Nodes().data());
    }
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ObjectBrowserModelFill)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ObjectBrowserDialogFill(benchmark::State& state) {
    ResetModelGlobals();
    COrvantaDoc doc;
    FillScene(doc, state.range(0));
    NextViewKind = kFrontView;
    ViewWidget view(doc);
    for (auto _ : state) {
        ObjectBrowserDialog dialog(doc, view, false);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.Tree());
    }
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_ObjectBrowserDialogFill)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
