// orvanta: the desktop application.
#include <QApplication>
#include <QFileInfo>
#include <QSurfaceFormat>

#include "app/main_frame.h"
#include "app/message_box_prompts.h"
#include "app/orvanta_app.h"
#include "platform/qt/qprocess_launcher.h"
#include "platform/qt/qt_settings_store.h"

int main(int argc, char** argv) {
    // the camera view draws with the fixed-function pipeline
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setVersion(2, 1);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);

    QApplication qtApp(argc, argv);
    QApplication::setApplicationName("Orvanta Modeller");

    QtSettingsStore settings;
    SetSettingsStore(&settings);
    QProcessLauncher launcher;
    SetProcessLauncher(&launcher);

    COrvantaApp app;
    MessageBoxPrompts prompts(app.Frame());
    SetPrompts(&prompts);

    const QStringList args = QApplication::arguments();
    app.Frame()->showMaximized();
    if (args.size() > 1)
        app.OpenDocument(args[1]);
    else
        app.NewDocument();

    const int status = QApplication::exec();
    SetPrompts(nullptr);
    SetProcessLauncher(nullptr);
    SetSettingsStore(nullptr);
    return status;
}
