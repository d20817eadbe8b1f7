// orvanta: the desktop application.
#include <QApplication>
#include <QSurfaceFormat>
#include <QTimer>
#include <cstdio>

#include "app/language_dialog.h"
#include "app/logic/start_options.h"
#include "app/main_frame.h"
#include "app/message_box_prompts.h"
#include "app/orvanta_app.h"
#include "app/start_window.h"
#include "model/cp1252.h"
#include "model/text_format.h"
#include "platform/heap_tuning.h"
#include "platform/process_groups.h"
#include "platform/qt/qprocess_launcher.h"
#include "platform/qt/qt_settings_store.h"
#include "props/qt/qt_editor_host.h"
#include "resources/ui_text.h"

int main(int argc, char** argv) {
    // the camera view draws with the fixed-function pipeline
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    // a large scene allocates much: the heap takes its memory in large pages
    TuneHeapForLargeScenes();
    // POV-Ray and the viewers we start end with us, also when a signal ends us
    process_groups::InstallExitHandlers();
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Orvanta Modeller");
    QApplication::setApplicationVersion(ORVANTA_VERSION);
    QApplication::setDesktopFileName("orvanta");

    std::vector<std::string> arguments;
    for (const QString& a : QApplication::arguments().mid(1))
        arguments.push_back(a.toLocal8Bit().toStdString());
    const StartOptions options = ParseStartOptions(arguments);
    if (!options.error.empty()) {
        std::fprintf(stderr, "orvanta: %s\nusage: orvanta [--no-start-window] [FILE]\n",
                     options.error.c_str());
        return 2;
    }
    const bool headless = !options.screenshot.empty();

    QtSettingsStore settings;
    SetSettingsStore(&settings);
    QProcessLauncher launcher;
    SetProcessLauncher(&launcher);
    // a run that only takes a picture of the window asks nothing
    if (headless)
        ApplyStartupLanguageWithoutAsking();
    else
        ChooseStartupLanguage(nullptr);

    COrvantaApp app;
    MessageBoxPrompts prompts(app.Frame());
    SetPrompts(&prompts);
    settings.SetFailureReporter([](const QString& file) {
        GetPrompts().Message(orv::Utf8ToCp1252(orv::Format(
            Tr("Die Einstellungen konnten nicht in %s gespeichert werden."), file.toStdString())));
    });
    QtEditorHost editorHost(app.Frame());
    SetEditorHost(&editorHost);

    app.Frame()->showMaximized();
    if (options.startWindow && !headless)
        StartWindow::Show(app.Frame());
    if (!options.file.empty())
        app.OpenDocument(QString::fromLocal8Bit(options.file.c_str()));
    else
        app.NewDocument();

    if (headless) {
        const QString screenshot = QString::fromLocal8Bit(options.screenshot.c_str());
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
