#include "preview/qt/preview_frame.h"

#include <QPainter>

#include "preview/qt/preview_service.h"
#include "resources/ui_text.h"

namespace {

QString Text(const char* german) {
    return QString::fromUtf8(Tr(german));
}

}  // namespace

PreviewFrame::PreviewFrame(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setMinimumSize(64, 64);
    liveDelay_.setSingleShot(true);
    liveDelay_.setInterval(kLiveDelayMs);
    connect(&liveDelay_, &QTimer::timeout, this, &PreviewFrame::StartLive);

    PreviewService& service = PreviewService::Instance();
    connect(&service, &PreviewService::pictureReady, this, &PreviewFrame::OnPictureReady);
    connect(&service, &PreviewService::pictureFailed, this, &PreviewFrame::OnPictureFailed);
    connect(&service, &PreviewService::progressChanged, this, &PreviewFrame::OnProgress);
    connect(&service, &PreviewService::liveReady, this, [this](long serial, const QString& path) {
        if (mode_ == Mode::Live && serial == liveSerial_) {
            Load(path);
            SetMessage(QString());
        }
    });
    connect(&service, &PreviewService::liveFailed, this, [this](long serial, const QString& error) {
        if (mode_ != Mode::Live || serial != liveSerial_)
            return;
        picture_ = QPixmap();
        path_.clear();
        setToolTip(error);
        SetMessage(Text("POV-Ray kann diese Oberfläche nicht darstellen:") + "\n" +
                   error.section('\n', 0, 0));
    });
}

void PreviewFrame::Load(const QString& path) {
    path_ = path;
    picture_ = QPixmap(path);
    setToolTip(QString());
    update();
    emit pictureShown();
}

void PreviewFrame::SetMessage(const QString& message) {
    message_ = message;
    update();
}

void PreviewFrame::ShowNothing() {
    mode_ = Mode::Nothing;
    liveDelay_.stop();
    waitingFor_.clear();
    path_.clear();
    picture_ = QPixmap();
    note_.clear();
    setToolTip(QString());
    SetMessage(QString());
}

void PreviewFrame::ShowSubject(const PreviewSubject& subject) {
    if (mode_ == Mode::Live)
        PreviewService::Instance().CancelLive();
    mode_ = Mode::Subject;
    liveDelay_.stop();
    subject_ = subject;
    note_.clear();
    PreviewService& service = PreviewService::Instance();
    waitingFor_ = service.RenderPath(subject);
    const QString found = service.Picture(subject);
    if (!found.isEmpty()) {
        waitingFor_.clear();
        Load(found);
        SetMessage(QString());
        return;
    }
    picture_ = QPixmap();
    path_.clear();
    if (waitingFor_.isEmpty()) {
        SetMessage(QString());
    } else if (const QString failure = service.Failure(subject); !failure.isEmpty()) {
        OnPictureFailed(waitingFor_, failure);
    } else {
        const PreviewRenderer::Progress p = service.Progress();
        OnProgress(p.finished, p.total);
    }
}

void PreviewFrame::ShowLive(const std::string& scene, const std::vector<std::string>& libraryPaths,
                            const QString& note) {
    if (mode_ != Mode::Live) {
        picture_ = QPixmap();
        path_.clear();
    }
    mode_ = Mode::Live;
    waitingFor_.clear();
    liveScene_ = scene;
    liveLibraryPaths_ = libraryPaths;
    note_ = note;
    SetMessage(Text("Vorschau wird berechnet …"));
    liveDelay_.start();
}

void PreviewFrame::StartLive() {
    if (mode_ == Mode::Live)
        liveSerial_ = PreviewService::Instance().RenderLive(liveScene_, liveLibraryPaths_);
}

void PreviewFrame::OnPictureReady(const QString& path) {
    if (mode_ == Mode::Subject && path == waitingFor_) {
        waitingFor_.clear();
        Load(path);
        SetMessage(QString());
    }
}

void PreviewFrame::OnPictureFailed(const QString& path, const QString& error) {
    if (mode_ != Mode::Subject || path != waitingFor_)
        return;
    setToolTip(error);
    SetMessage(Text("Keine Vorschau"));
}

void PreviewFrame::OnProgress(int finished, int total) {
    if (mode_ != Mode::Subject || waitingFor_.isEmpty() || picture_.isNull() == false)
        return;
    if (total > 0)
        SetMessage(Text("Vorschau wird berechnet …") + "\n" +
                   Text("%1 von %2").arg(finished).arg(total));
    else
        SetMessage(Text("Vorschau wird berechnet …"));
}

void PreviewFrame::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect area = contentsRect();
    if (!picture_.isNull()) {
        const QPixmap scaled =
            picture_.scaled(area.size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawPixmap(area.x() + (area.width() - scaled.width()) / 2,
                           area.y() + (area.height() - scaled.height()) / 2, scaled);
    } else if (mode_ != Mode::Nothing) {
        painter.fillRect(area, palette().color(QPalette::AlternateBase));
    }
    QString caption = message_;
    if (!note_.isEmpty() && message_.isEmpty())
        caption = note_;
    if (caption.isEmpty())
        return;
    QFont small = font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    painter.setFont(small);
    QRect box = area.adjusted(4, 4, -4, -4);
    if (!picture_.isNull()) {
        // over a picture: a band at the bottom that keeps the text readable
        // high enough for the lines the text wraps into
        const int h = painter.fontMetrics()
                          .boundingRect(QRect(0, 0, box.width(), area.height()),
                                        Qt::AlignCenter | Qt::TextWordWrap, caption)
                          .height() +
                      4;
        box.setTop(box.bottom() - h);
        painter.fillRect(box, QColor(255, 255, 255, 200));
    }
    painter.setPen(palette().color(QPalette::Text));
    painter.drawText(box, Qt::AlignCenter | Qt::TextWordWrap, caption);
}
