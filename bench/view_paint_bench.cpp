// The views on the generated scene of 100,000 mixed primitives, as the desktop application
// draws them: the whole paint of a 640 x 480 top view with QPainter (background, grid,
// objects) at the scene's zoom and zoomed out to show the whole scene, and, for the camera
// view, describing the scene on the user-interface thread and rendering it on the render
// thread's off-screen context.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <memory>
#include <string>

#include "bench/scene_generator.h"
#include "document/orvanta_doc.h"
#include "document/scene_reader.h"
#include "model/name_counters.h"
#include "platform/headless_gl.h"
#include "platform/qt/qpainter_device_context.h"
#include "view/orvanta_view.h"
#include "view/scroll_bars.h"
#if __has_include("view/wire_recording.h")
#include "view/wire_recording.h"
#endif

#if __has_include("view/camera_scene.h")
#include "model/solid_painter.h"
#include "view/camera_scene.h"
#define ORVANTA_CAMERA_SCENE 1
#endif

namespace {

COrvantaDoc& MixedScene() {
    static std::unique_ptr<COrvantaDoc> doc;
    if (!doc) {
        ResetModelGlobals();
        doc = std::make_unique<COrvantaDoc>();
        doc->Settings->Modeller.OpenGL = 1;
        doc->Settings->Modeller.Wireframe = 0;
        std::string text = scene_generator::MixedScene(100000);
        ReadSceneText(*doc, text, true);
    }
    return *doc;
}

struct View {
    View(COrvantaDoc& doc, int kind) {
        NextViewKind = kind;
        view = std::make_unique<COrvantaView>(doc, bars);
        view->OnCreate(660, 500, 640, 480);
        view->OnSize(640, 480, 660, 500);
    }
    ScrollBarValues bars;
    std::unique_ptr<COrvantaView> view;
};

void BM_TopViewWholePaint(benchmark::State& state) {
    COrvantaDoc& doc = MixedScene();
    View v(doc, kTopView);
    v.view->Zoom = static_cast<double>(state.range(0));
    // the world origin in the middle
    v.bars.SetPosition(ScrollBar::Horizontal, -static_cast<int>(320 / v.view->Zoom));
    v.bars.SetPosition(ScrollBar::Vertical, static_cast<int>(240 / v.view->Zoom));
    QImage image(640, 480, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        QPainterDeviceContext dc(painter, Qt::black);
        v.view->OnDraw(dc);
    }
    state.counters["zoom"] = static_cast<double>(state.range(0));
}
// the scene's own zoom (10 pixels per unit) and the one that shows the whole scene (1)
BENCHMARK(BM_TopViewWholePaint)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

// the same pass with a device context that draws nothing: the share of the objects' own work
void BM_TopViewObjectPass(benchmark::State& state) {
    COrvantaDoc& doc = MixedScene();
    View v(doc, kTopView);
    v.view->Zoom = static_cast<double>(state.range(0));
    v.bars.SetPosition(ScrollBar::Horizontal, -static_cast<int>(320 / v.view->Zoom));
    v.bars.SetPosition(ScrollBar::Vertical, static_cast<int>(240 / v.view->Zoom));
    NullDeviceContext dc;
    for (auto _ : state)
        v.view->OnDraw(dc);
}
BENCHMARK(BM_TopViewObjectPass)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_TopViewPick(benchmark::State& state) {
    COrvantaDoc& doc = MixedScene();
    View v(doc, kTopView);
    v.bars.SetPosition(ScrollBar::Horizontal, -32);
    v.bars.SetPosition(ScrollBar::Vertical, 24);
    for (auto _ : state) {
        v.view->OnLButtonDown(320, 240);
        v.view->OnLButtonUp(320, 240);
    }
}
BENCHMARK(BM_TopViewPick)->Unit(benchmark::kMillisecond);

#if __has_include("view/wire_recording.h")
// what the user-interface thread does for a new wire picture: record the drawing pass
void BM_TopViewRecord(benchmark::State& state) {
    COrvantaDoc& doc = MixedScene();
    View v(doc, kTopView);
    v.view->Zoom = static_cast<double>(state.range(0));
    v.bars.SetPosition(ScrollBar::Horizontal, -static_cast<int>(320 / v.view->Zoom));
    v.bars.SetPosition(ScrollBar::Vertical, static_cast<int>(240 / v.view->Zoom));
    size_t size = 0;
    for (auto _ : state) {
        WireRecording recording;
        v.view->DrawPicture(recording, nullptr);
        size = recording.Size();
    }
    state.counters["primitives"] = static_cast<double>(size);
}
BENCHMARK(BM_TopViewRecord)->Arg(10)->Arg(1)->Unit(benchmark::kMillisecond);
#endif

#ifdef ORVANTA_CAMERA_SCENE
void BM_CameraDescribe(benchmark::State& state) {
    COrvantaDoc& doc = MixedScene();
    View v(doc, kCameraView);
    for (auto _ : state)
        benchmark::DoNotOptimize(v.view->DescribeCamera());
}
BENCHMARK(BM_CameraDescribe)->Unit(benchmark::kMillisecond);

void BM_CameraRenderDescribed(benchmark::State& state) {
    static HeadlessGl* gl = nullptr;
    if (!gl) {
        gl = new HeadlessGl();  // kept: Mesa's driver lives as long as the program
        if (!gl->Create(640, 480)) {
            state.SkipWithError(gl->Error().c_str());
            return;
        }
    }
    gl->MakeCurrent();
    COrvantaDoc& doc = MixedScene();
    View v(doc, kCameraView);
    const CameraScene scene = v.view->DescribeCamera();
    SolidPainter painter(state.range(0) != 0);
    RenderCameraScene(scene, painter);  // the display lists are made on the first render
    for (auto _ : state) {
        RenderCameraScene(scene, painter);
        gl->ReadPixels();
    }
    state.counters["display_lists"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_CameraRenderDescribed)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();
#endif

}  // namespace
