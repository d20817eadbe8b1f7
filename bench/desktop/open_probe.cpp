// orvanta_open_probe FILE [--drag] [--stops] [--screenshot PNG]: opens a scene in the desktop
// application as a user does and measures
//  - the time from the open command to a complete window (every view painted, the camera view
//    showing its picture of the scene),
//  - the worst delay of the event loop meanwhile (a timer that should fire every 5 ms records
//    how late it fires),
//  - how often each view painted;
// with --drag also a drag in the top view: how long each mouse move takes to be answered
// with a repainted view, and the release that updates the other views.
// Run it under xvfb-run (bench/open_scenes.sh does). It builds against older versions of the
// application too, so that their numbers can be taken in the same run.
#include <QApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QSurfaceFormat>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <vector>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/orvanta_doc.h"
#include "platform/heap_tuning.h"
#include "view/orvanta_view.h"
#include "view/qt/widgets/view_widget.h"

#if __has_include("view/qt/widgets/camera_canvas.h")
#include "view/qt/widgets/camera_canvas.h"
#define ORVANTA_CAMERA_THREAD 1
#endif
#if __has_include("view/qt/widgets/wire_canvas.h")
#include "view/qt/widgets/wire_canvas.h"
#define ORVANTA_WIRE_PICTURES 1
#endif

namespace {

constexpr int kProbeMs = 5;

// counts the paint events of every widget (the views' canvases are looked up in it)
class PaintCounter : public QObject {
  public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
    std::map<QObject*, int> paints;
};

double Median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

const char* KindName(int kind) {
    switch (kind) {
        case kTopView:
            return "top";
        case kFrontView:
            return "front";
        case kSideView:
            return "side";
        default:
            return "camera";
    }
}

}  // namespace

int main(int argc, char** argv) {
    QElapsedTimer sinceStart;
    sinceStart.start();
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
    // as the desktop does
    TuneHeapForLargeScenes();
    QApplication qtApp(argc, argv);

    QStringList args = QApplication::arguments();
    args.removeFirst();
    const bool drag = args.removeAll("--drag") > 0;
    const bool showStops = args.removeAll("--stops") > 0;
    QString screenshot;
    if (const int at = static_cast<int>(args.indexOf("--screenshot"));
        at >= 0 && at + 1 < args.size()) {
        screenshot = args[at + 1];
        args.remove(at, 2);
    }
    if (args.size() != 1) {
        std::fprintf(stderr,
                     "usage: orvanta_open_probe FILE [--drag] [--stops] [--screenshot PNG]\n");
        return 2;
    }
    const QString file = args.first();

    COrvantaApp app;
    CMainFrame* frame = app.Frame();
    // four views of about 640 x 480
    frame->resize(1320, 1080);
    frame->show();
    QApplication::processEvents();

    // the event-loop probe
    QElapsedTimer clock;
    clock.start();
    qint64 lastTick = clock.elapsed();
    qint64 worstDelay = 0;
    QTimer probe;
    probe.setTimerType(Qt::PreciseTimer);
    probe.setInterval(kProbeMs);
    // the long stops, as (end, length), for a look at where they happen (--stops)
    std::vector<std::pair<qint64, qint64>> stops;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        const qint64 delay = now - lastTick - kProbeMs;
        worstDelay = std::max(worstDelay, delay);
        if (delay > 50)
            stops.emplace_back(now, delay);
        lastTick = now;
    });

    PaintCounter counter;
    qtApp.installEventFilter(&counter);
    qint64 openedAt = -1, completeAt = -1;
    bool opened = false;

    auto views = [&] {
        std::vector<ViewWidget*> widgets;
        for (COrvantaMDIChildWnd* child : frame->ChildFrames())
            widgets.push_back(child->GetViewWidget());
        return widgets;
    };
    auto complete = [&] {
        if (!opened)
            return false;
        for (ViewWidget* w : views()) {
            if (counter.paints[w->Canvas()] == 0)
                return false;
#ifdef ORVANTA_CAMERA_THREAD
            if (CameraCanvas* camera = w->Camera())
                if (w->View().UseOpenGL &&
                    (camera->PictureOutstanding() || camera->Picture().isNull()))
                    return false;
#endif
        }
        return !views().empty();
    };

    QTimer watch;
    watch.setInterval(kProbeMs);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (completeAt < 0 && complete()) {
            completeAt = clock.elapsed();
            QApplication::exit(0);
        }
        if (clock.elapsed() > 120000)
            QApplication::exit(1);
    });

    QTimer::singleShot(20, [&] {
        lastTick = clock.elapsed();
        worstDelay = 0;
        openedAt = clock.elapsed();
        const bool ok = app.OpenDocument(file);
        opened = ok;
        if (!ok)
            QApplication::exit(1);
    });
    probe.start();
    watch.start();
    if (QApplication::exec() != 0 || completeAt < 0) {
        std::fprintf(stderr, "the scene could not be opened or its window was not complete\n");
        return 1;
    }
    const qint64 openDelay = worstDelay;
    std::printf(
        "open %s: complete window %lld ms (%lld ms since start), worst event-loop delay "
        "%lld ms, paints",
        file.toLocal8Bit().constData(), static_cast<long long>(completeAt - openedAt),
        static_cast<long long>(sinceStart.elapsed()), static_cast<long long>(openDelay));
    for (ViewWidget* w : views())
        std::printf(" %s %d", KindName(w->View().ViewKind), counter.paints[w->Canvas()]);
    std::printf("\n");
    if (showStops)
        for (const auto& [end, length] : stops)
            std::printf("  stopped %lld ms until %lld ms after the open command\n",
                        static_cast<long long>(length), static_cast<long long>(end - openedAt));

    if (drag) {
        ViewWidget* top = nullptr;
        for (ViewWidget* w : views())
            if (w->View().ViewKind == kTopView)
                top = w;
        QWidget* canvas = top ? top->Canvas() : nullptr;
        if (canvas) {
            QPoint at(canvas->width() / 2, canvas->height() / 2);
            auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons buttons) {
                QMouseEvent event(type, QPointF(at), canvas->mapToGlobal(QPointF(at)), button,
                                  buttons, Qt::NoModifier);
                QApplication::sendEvent(canvas, &event);
            };
            // a click where an object is, found on a coarse grid from the centre outwards, so
            // that the drag moves an object as a user's does
            const auto picked = [&app] { return app.Document() && app.Document()->CurrentObject; };
            const QPoint centre = at;
            for (int ring = 0; ring < 40 && !picked(); ++ring)
                for (int dx = -ring; dx <= ring && !picked(); ++dx)
                    for (int dy = -ring; dy <= ring && !picked(); ++dy) {
                        if (std::max(std::abs(dx), std::abs(dy)) != ring)
                            continue;
                        at = centre + QPoint(dx * 6, dy * 6);
                        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
                        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
                    }
            QApplication::processEvents();
            QElapsedTimer step;
            step.start();
            send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton);
            const double pick = step.nsecsElapsed() / 1e6;
            canvas->repaint();
            const double press = step.nsecsElapsed() / 1e6;
            std::printf("press: handler %.1f ms\n", pick);
            std::vector<double> moves;
            for (int i = 0; i < 30; ++i) {
                at += QPoint(3, 2);
                step.restart();
                send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton);
                canvas->repaint();
                moves.push_back(step.nsecsElapsed() / 1e6);
            }
            step.restart();
            send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton);
            QApplication::processEvents();
            const double release = step.nsecsElapsed() / 1e6;
            std::printf(
                "drag in the top view: press %.1f ms, moves median %.1f ms worst %.1f ms, "
                "release with the other views %.1f ms%s\n",
                press, Median(moves), *std::max_element(moves.begin(), moves.end()), release,
                app.Document() && app.Document()->CurrentObject ? "" : " (nothing picked)");
        }
    }
    if (!screenshot.isEmpty()) {
        // the camera view's new picture after the drag, then the window
        QElapsedTimer wait;
        wait.start();
        while (!complete() && wait.elapsed() < 60000)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        frame->grab().save(screenshot);
    }
    return 0;
}
