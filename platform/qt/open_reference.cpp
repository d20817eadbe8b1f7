#include "platform/qt/open_reference.h"

#include <QDesktopServices>
#include <QUrl>

#include "platform/povray_reference.h"

bool OpenPovRayReference(const std::string& keyword) {
    return QDesktopServices::openUrl(QUrl(QString::fromStdString(PovRayReferenceUrl(keyword))));
}
