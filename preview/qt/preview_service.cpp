#include "preview/qt/preview_service.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "document/orvanta_options.h"
#include "platform/process_launcher.h"
#include "preview/preview_set.h"

namespace {

PreviewService* g_instance = nullptr;
PreviewService* g_replacement = nullptr;
// the service whose requester the preview lookups ask
PreviewService* g_requester = nullptr;

QString Local(const std::string& path) {
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string LocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

PreviewService::PreviewService(IProcessLauncher& launcher, PreviewRenderSettings settings,
                               QObject* parent)
    : QObject(parent), renderFolder_(RenderFolder()), liveFolder_(new QTemporaryDir) {
    if (settings.program.empty()) {
        const COrvantaOptions program(COrvantaOptions::kProgramSettings);
        settings.program =
            program.Executables.Execute.empty() ? "povray" : program.Executables.Execute;
    }
    // an add-on brings the include files of its textures into the preview folder
    const QDir folder(Local(PreviewFolder()));
    for (const QString& name : folder.entryList({"*.inc"}, QDir::Files, QDir::Name))
        addOnIncludes_.push_back(LocalPath(name));
    renderer_ =
        std::make_unique<PreviewRenderer>(launcher, settings, [this](const PreviewResult& result) {
            QMetaObject::invokeMethod(
                this, [this, result] { OnResult(result); }, Qt::QueuedConnection);
        });
    InstallRequester();
}

void PreviewService::InstallRequester() {
    // the pages' lookups start the rendering of what is missing
    g_requester = this;
    SetPreviewRequester([this](const PreviewSubject& subject) -> std::optional<std::string> {
        Picture(subject);
        const QString path = RenderPath(subject);
        if (!renderer_ || path.isEmpty() || failed_.count(LocalPath(path)))
            return std::nullopt;
        return LocalPath(path);
    });
}

PreviewService::~PreviewService() {
    Shutdown();
    if (g_instance == this)
        g_instance = nullptr;
}

PreviewService& PreviewService::Instance() {
    if (g_replacement)
        return *g_replacement;
    if (!g_instance) {
        g_instance = new PreviewService(GetProcessLauncher(), PreviewRenderSettings{""},
                                        QCoreApplication::instance());
        // the process launcher goes when the event loop ends: stop using it before
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, g_instance,
                &PreviewService::Shutdown);
    }
    return *g_instance;
}

void PreviewService::SetInstance(PreviewService* service) {
    g_replacement = service;
    if (PreviewService* now = service ? service : g_instance)
        now->InstallRequester();
}

void PreviewService::Shutdown() {
    if (g_requester == this) {
        SetPreviewRequester(nullptr);
        g_requester = nullptr;
    }
    renderer_.reset();
}

QString PreviewService::RenderPath(const PreviewSubject& subject) const {
    const std::string name = RenderedPictureName(subject);
    return name.empty() ? QString() : Local(renderFolder_ + "/" + name);
}

QString PreviewService::Picture(const PreviewSubject& subject) {
    std::vector<std::string> folders = PreviewSearchFolders();
    if (std::find(folders.begin(), folders.end(), renderFolder_) == folders.end())
        folders.push_back(renderFolder_);
    if (auto found = FindPreviewPicture(subject, folders))
        return Local(*found);
    auto job = PreviewJobFor(subject, renderFolder_, addOnIncludes_, {PreviewFolder()});
    if (renderer_ && job && !failed_.count(job->picture)) {
        renderer_->Enqueue(std::move(*job), true);
        RenderMissing();
    }
    return {};
}

QString PreviewService::Failure(const PreviewSubject& subject) const {
    const auto it = errors_.find(LocalPath(RenderPath(subject)));
    return it == errors_.end() ? QString() : it->second;
}

void PreviewService::RenderMissing() {
    if (setQueued_ || !renderer_)
        return;
    setQueued_ = true;
    std::vector<std::string> folders = PreviewSearchFolders();
    folders.push_back(renderFolder_);
    for (const PreviewSubject& subject : PreviewSet()) {
        if (FindPreviewPicture(subject, folders))
            continue;
        if (auto job = PreviewJobFor(subject, renderFolder_, addOnIncludes_, {PreviewFolder()}))
            renderer_->Enqueue(std::move(*job));
    }
    const PreviewRenderer::Progress p = renderer_->GetProgress();
    emit progressChanged(p.finished, p.total);
}

long PreviewService::RenderLive(const std::string& scene,
                                const std::vector<std::string>& libraryPaths) {
    if (!renderer_ || !liveFolder_->isValid())
        return 0;
    PreviewJob job;
    job.scene = scene;
    // a file per picture: the widget never reads one that is being replaced
    job.picture = LocalPath(liveFolder_->filePath(QString("live%1.png").arg(++liveFiles_)));
    job.libraryPaths = libraryPaths;
    return renderer_->RenderLive(std::move(job));
}

void PreviewService::CancelLive() {
    if (renderer_)
        renderer_->CancelLive();
}

PreviewRenderer::Progress PreviewService::Progress() const {
    return renderer_ ? renderer_->GetProgress() : PreviewRenderer::Progress{};
}

void PreviewService::OnResult(const PreviewResult& result) {
    const QString path = Local(result.picture);
    if (result.live) {
        if (result.ok) {
            // only the newest live picture is kept
            if (!lastLive_.isEmpty())
                QFile::remove(lastLive_);
            lastLive_ = path;
            emit liveReady(result.liveSerial, path);
        } else if (!result.cancelled)
            emit liveFailed(result.liveSerial, QString::fromLocal8Bit(result.error));
        return;
    }
    if (result.ok) {
        emit pictureReady(path);
    } else if (!result.cancelled) {
        failed_.insert(result.picture);
        errors_[result.picture] = QString::fromLocal8Bit(result.error);
        emit pictureFailed(path, errors_[result.picture]);
    }
    const PreviewRenderer::Progress p = Progress();
    emit progressChanged(p.finished, p.total);
}
