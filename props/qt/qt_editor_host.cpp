#include "props/qt/qt_editor_host.h"

#include <QApplication>
#include <QLocale>

#include "props/qt/preview_fields.h"
#include "props/qt/sheet_dialog.h"
#include "props/sheet_factory.h"
#include "props/sheet_field.h"

QtEditorHost::QtEditorHost(QWidget* parent) : parent_(parent), services_(parent) {
    const QString point = QLocale().decimalPoint();
    SetDecimalSeparator(point.isEmpty() ? '.' : point.at(0).toLatin1());
    RegisterPreviewFields();
}

int QtEditorHost::EditProperties(CPovObject& object, const std::string& caption) {
    return RunObjectSheet(object, caption, services_, [this](SheetModel& sheet) {
        // a sheet opened from another sheet ("&Neu..." of the texture page) stands over it
        QWidget* modal = QApplication::activeModalWidget();
        SheetDialog dialog(sheet, modal ? modal : parent_);
        return dialog.Run();
    });
}
