#include "preview/qt/preview_icons.h"

#include <QComboBox>
#include <QFile>
#include <QIcon>
#include <QPainter>
#include <QPixmap>

#include "model/cp1252.h"
#include "preview/preview_pictures.h"
#include "preview/qt/preview_service.h"

namespace {

QIcon Placeholder(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(150, 150, 150), 1, Qt::DashLine));
    painter.setBrush(QColor(225, 225, 225));
    painter.drawEllipse(QRectF(3.5, 3.5, size - 7, size - 7));
    return QIcon(pixmap);
}

PreviewSubject SubjectOf(const QComboBox* combo, int item) {
    return PreviewSubject::Texture(orv::Utf8ToCp1252(combo->itemText(item).toStdString()));
}

void Decorate(QComboBox* combo, int size) {
    const QIcon placeholder = Placeholder(size);
    for (int i = 0; i < combo->count(); ++i) {
        const auto found = FindPreviewPicture(SubjectOf(combo, i));
        combo->setItemIcon(
            i, found ? QIcon(QPixmap(QFile::decodeName(QByteArray::fromStdString(*found)))
                                 .scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation))
                     : placeholder);
    }
}

}  // namespace

void ShowPreviewIcons(QComboBox* combo, int iconSize) {
    combo->setIconSize(QSize(iconSize, iconSize));
    Decorate(combo, iconSize);
    PreviewService& service = PreviewService::Instance();
    if (!combo->property("orvantaPreviewIcons").toBool()) {
        combo->setProperty("orvantaPreviewIcons", true);
        QObject::connect(
            &service, &PreviewService::pictureReady, combo, [combo, iconSize](const QString& path) {
                const QIcon icon(QPixmap(path).scaled(iconSize, iconSize, Qt::KeepAspectRatio,
                                                      Qt::SmoothTransformation));
                PreviewService& s = PreviewService::Instance();
                for (int i = 0; i < combo->count(); ++i)
                    if (s.RenderPath(SubjectOf(combo, i)) == path)
                        combo->setItemIcon(i, icon);
            });
    }
    service.RenderMissing();
}
