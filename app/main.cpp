// orvanta: the desktop application.
#include <QApplication>
#include <QFileInfo>
#include <QSurfaceFormat>
#include <QTimer>
#include <cstdio>

#include "app/main_frame.h"
#include "app/message_box_prompts.h"
#include "app/orvanta_app.h"
#include "platform/process_groups.h"
#include "platform/qt/qprocess_launcher.h"
#include "platform/qt/qt_settings_store.h"
#include "props/qt/qt_editor_host.h"

int main(int argc, char** argv) {
    // the camera view draws with the fixed-function pipeline
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    // POV-Ray and the viewers we start end with us, also when a signal ends us
    process_groups::InstallExitHandlers();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Orvanta Modeller");

    QtSettingsStore settings;
    SetSettingsStore(&settings);
    QProcessLauncher launcher;
    SetProcessLauncher(&launcher);

    COrvantaApp app;
    MessageBoxPrompts prompts(app.Frame());
    SetPrompts(&prompts);
    QtEditorHost editorHost(app.Frame());
    SetEditorHost(&editorHost);

    // orvanta [--screenshot PNG] [FILE]: with --screenshot the window is saved as a picture
    // once the scene is shown, and the program ends (for headless runs under xvfb-run)
    QStringList args = QApplication::arguments();
    args.removeFirst();
    QString screenshot;
    const int at = static_cast<int>(args.indexOf("--screenshot"));
    if (at >= 0 && at + 1 < args.size()) {
        screenshot = args[at + 1];
        args.remove(at, 2);
    }
    app.Frame()->showMaximized();
    if (!args.isEmpty())
        app.OpenDocument(args.first());
    else
        app.NewDocument();

    if (!screenshot.isEmpty()) {
        QTimer::singleShot(1500, &app, [&app, screenshot] {
            const bool saved = app.Frame()->grab().save(screenshot);
            std::fprintf(saved ? stdout : stderr, "%s %s\n",
                         saved ? "window saved to" : "cannot save the window to",
                         screenshot.toLocal8Bit().constData());
            QApplication::exit(saved ? 0 : 1);
        });
    }
    const int status = QApplication::exec();
    SetEditorHost(nullptr);
    SetPrompts(nullptr);
    SetProcessLauncher(nullptr);
    SetSettingsStore(nullptr);
    return status;
}
