#include "props/qt/picture_frame.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>

#include "preview/qt/preview_service.h"
#include "resources/ui_text.h"

namespace {
constexpr int kSide = 96;
}

PictureFrame::PictureFrame(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(kSide + 4, kSide + 4);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    PreviewService& previews = PreviewService::Instance();
    connect(&previews, &PreviewService::pictureReady, this, &PictureFrame::Reload);
    connect(&previews, &PreviewService::pictureFailed, this, [this](const QString& file) {
        if (file == file_ && !QFileInfo::exists(file))
            setText(QString::fromUtf8(Tr("Keine Vorschau")));
    });
}

void PictureFrame::Reload(const QString& file) {
    if (file != file_)
        return;
    file_.clear();
    SetFile(file);
}

bool PictureFrame::HasPicture() const {
    return !pixmap().isNull();
}

void PictureFrame::SetFile(const QString& file) {
    if (file == file_)
        return;
    file_ = file;
    const int generation = ++generation_;
    clear();
    if (file.isEmpty())
        return;
    if (!QFileInfo::exists(file)) {
        // a preview picture on its way: Reload shows it when it is there
        setText(QString::fromUtf8(Tr("Vorschau wird berechnet …")));
        return;
    }
    QPointer<PictureFrame> self(this);
    QThreadPool::globalInstance()->start([self, file, generation] {
        QImage image(file);
        if (!image.isNull())
            image = image.scaled(kSide, kSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        QMetaObject::invokeMethod(
            qApp,
            [self, image, generation] {
                if (!self || generation != self->generation_)
                    return;
                if (!image.isNull())
                    self->setPixmap(QPixmap::fromImage(image));
                emit self->loaded();
            },
            Qt::QueuedConnection);
    });
}
