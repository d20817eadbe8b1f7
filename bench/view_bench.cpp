// The views on large scenes: one wire-frame drawing pass, one pick, one OpenGL camera render,
// and the camera render's ways of sending geometry to OpenGL: every shape afresh, the unit
// shapes kept in display lists (what the desktop's camera view does), and the whole scene
// compiled once into one display list and replayed.
#include <benchmark/benchmark.h>

#include <GL/gl.h>

#include <cmath>
#include <memory>

#include "document/orvanta_doc.h"
#include "model/name_counters.h"
#include "model/solid_painter.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "platform/device_context.h"
#include "platform/headless_gl.h"
#include "view/camera_scene.h"
#include "view/headless_gl_surface.h"
#include "view/orvanta_view.h"
#include "view/scroll_bars.h"

namespace {

// n boxes (every second one a sphere when asked) spread over a square of side `extent`
// around the origin, in the x-y and x-z planes
void FillScene(COrvantaDoc& doc, int64_t n, double extent, bool spheres = false) {
    LoadingScene = true;  // names without the uniqueness scan, as when reading
    const int64_t side = static_cast<int64_t>(std::sqrt(static_cast<double>(n))) + 1;
    for (int64_t i = 0; i < n; ++i) {
        CPovObject* box = nullptr;
        if (spheres && i % 2)
            box = new CPovSphere();
        else
            box = new CPovCubic();
        const double u = (i % side) * extent / side - extent / 2;
        const double v = (i / side) * extent / side - extent / 2;
        box->ScaleStep() = Vector(0.3, 0.3, 0.3);
        box->SetPosition(Vector(u, v, v));
        doc.InsertObject(box);
    }
    LoadingScene = false;
}

struct ViewOnScene {
    ViewOnScene(COrvantaDoc& doc, int kind, int width, int height) {
        NextViewKind = kind;
        view = std::make_unique<COrvantaView>(doc, bars);
        view->OnCreate(width + 20, height + 20, width, height);
        view->OnSize(width, height, width + 20, height + 20);
        bars.SetPosition(ScrollBar::Horizontal, -static_cast<int>((width / 2) / view->Zoom));
        bars.SetPosition(ScrollBar::Vertical, static_cast<int>((height / 2) / view->Zoom));
    }
    ScrollBarValues bars;
    std::unique_ptr<COrvantaView> view;
};

void BM_WireFrameDrawingPass(benchmark::State& state) {
    ResetModelGlobals();
    COrvantaDoc doc;
    FillScene(doc, state.range(0), 80);  // the whole scene is in the picture
    ViewOnScene v(doc, kFrontView, 800, 800);
    NullDeviceContext dc;
    for (auto _ : state)
        v.view->OnDraw(dc);
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_WireFrameDrawingPass)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_Pick(benchmark::State& state) {
    ResetModelGlobals();
    COrvantaDoc doc;
    FillScene(doc, state.range(0), 80);
    ViewOnScene v(doc, kFrontView, 800, 800);
    for (auto _ : state) {
        v.view->OnLButtonDown(400, 400);
        v.view->OnLButtonUp(400, 400);
    }
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_Pick)->Arg(100000)->Unit(benchmark::kMillisecond);

// the camera benchmarks' 640 x 480 OpenGL context, made once: Mesa's driver lives as long as
// the program; nothing when it cannot be made (the benchmark is skipped)
HeadlessGl* CameraGl(benchmark::State& state) {
    static HeadlessGl* gl = nullptr;
    if (!gl) {
        gl = new HeadlessGl();
        if (!gl->Create(640, 480)) {
            state.SkipWithError(gl->Error().c_str());
            delete gl;
            gl = nullptr;
        }
    }
    return gl;
}

void BM_CameraRender(benchmark::State& state) {
    ResetModelGlobals();
    HeadlessGl* gl = CameraGl(state);
    if (!gl)
        return;
    COrvantaDoc doc;
    doc.Settings->Modeller.OpenGL = 1;
    doc.Settings->Modeller.Wireframe = 0;
    FillScene(doc, state.range(0), 16, state.range(1) != 0);  // in front of the default eye
    ViewOnScene v(doc, kCameraView, 640, 480);
    HeadlessGlSurface surface(*gl);
    v.view->RenderCamera(surface);  // Mesa compiles its shaders on the first render
    for (auto _ : state)
        v.view->RenderCamera(surface);
    state.counters["objects"] = static_cast<double>(state.range(0));
}
// boxes only, and half boxes, half spheres (quadrics of 20 x 20 faces)
BENCHMARK(BM_CameraRender)
    ->ArgNames({"objects", "spheres"})
    ->ArgsProduct({{10000}, {0, 1}})
    ->Unit(benchmark::kMillisecond);

// 0: every shape drawn afresh; 1: unit shapes in display lists; 2: the whole scene in one list
void BM_CameraGeometry(benchmark::State& state) {
    ResetModelGlobals();
    HeadlessGl* gl = CameraGl(state);
    if (!gl)
        return;
    COrvantaDoc doc;
    doc.Settings->Modeller.OpenGL = 1;
    doc.Settings->Modeller.Wireframe = 0;
    FillScene(doc, state.range(0), 16, true);
    ViewOnScene v(doc, kCameraView, 640, 480);
    HeadlessGlSurface surface(*gl);
    if (!surface.MakeCurrent()) {
        state.SkipWithError("no OpenGL context");
        return;
    }
    const CameraScene scene = v.view->DescribeCamera();
    const int mode = static_cast<int>(state.range(1));
    SolidPainter painter(mode != 0);
    GLuint list = 0;
    RenderCameraScene(scene, painter);  // shaders and unit-shape lists are made here
    glFinish();
    if (mode == 2) {
        list = glGenLists(1);
        glNewList(list, GL_COMPILE);
        RenderCameraScene(scene, painter);
        glEndList();
    }
    for (auto _ : state) {
        if (mode == 2)
            glCallList(list);
        else
            RenderCameraScene(scene, painter);
        glFinish();
    }
    if (list)
        glDeleteLists(list, 1);
    surface.DoneCurrent();
    state.counters["objects"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_CameraGeometry)
    ->ArgNames({"objects", "mode"})
    ->ArgsProduct({{10000, 100000}, {0, 1, 2}})
    ->Unit(benchmark::kMillisecond);

}  // namespace
