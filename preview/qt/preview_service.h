// The application's preview pictures: looks pictures up in the preview folders, renders a
// missing one with POV-Ray in the background (the one asked for first, then the rest of the
// set), renders the live picture of a texture being edited, and tells the widgets when a
// picture is ready. One service per application, living on the user-interface thread.
#pragma once

#include <QObject>
#include <QString>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "preview/preview_pictures.h"
#include "preview/preview_renderer.h"

class IProcessLauncher;
class QTemporaryDir;

class PreviewService : public QObject {
    Q_OBJECT

  public:
    // settings: the renderer's; its program is the configured POV-Ray when empty
    PreviewService(IProcessLauncher& launcher, PreviewRenderSettings settings,
                   QObject* parent = nullptr);
    ~PreviewService() override;

    // The service of the application, made at the first call as a child of the application
    // with the installed process launcher and the program settings; it stops rendering when
    // the application quits.
    static PreviewService& Instance();
    // Replaces the application's service (tests); nullptr goes back to the default.
    static void SetInstance(PreviewService* service);

    // The subject's picture file, or an empty string. A missing picture is rendered first in
    // the queue, followed by the rest of the set; pictureReady tells when it is there.
    QString Picture(const PreviewSubject& subject);
    // whether the subject's picture could not be made, and why
    QString Failure(const PreviewSubject& subject) const;
    // the file the service renders the subject into (empty when it has no picture)
    QString RenderPath(const PreviewSubject& subject) const;

    // Renders the live picture of a scene; a newer call ends an older one. Returns its
    // serial number, which liveReady and liveFailed repeat.
    long RenderLive(const std::string& scene, const std::vector<std::string>& libraryPaths);
    void CancelLive();

    // Queues every missing picture of the set (in the background).
    void RenderMissing();
    // Ends all rendering and waits for the workers; the service renders nothing afterwards.
    void Shutdown();

    PreviewRenderer::Progress Progress() const;

  signals:
    void pictureReady(const QString& path);
    void pictureFailed(const QString& path, const QString& error);
    void liveReady(long serial, const QString& path);
    void liveFailed(long serial, const QString& error);
    void progressChanged(int finished, int total);

  private:
    void OnResult(const PreviewResult& result);
    // makes the preview lookups ask this service for missing pictures
    void InstallRequester();

    std::unique_ptr<PreviewRenderer> renderer_;
    std::string renderFolder_;
    std::unique_ptr<QTemporaryDir> liveFolder_;
    // the include files in the preview folder, for add-on textures
    std::vector<std::string> addOnIncludes_;
    std::set<std::string> failed_;
    std::map<std::string, QString> errors_;
    long liveFiles_ = 0;
    QString lastLive_;
    bool setQueued_ = false;
};
