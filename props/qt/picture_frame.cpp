#include "props/qt/picture_frame.h"

#include <QCoreApplication>
#include <QImage>
#include <QPixmap>
#include <QPointer>
#include <QThreadPool>

namespace {
constexpr int kSide = 96;
}

PictureFrame::PictureFrame(QWidget* parent) : QLabel(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setFixedSize(kSide + 4, kSide + 4);
    setAlignment(Qt::AlignCenter);
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
