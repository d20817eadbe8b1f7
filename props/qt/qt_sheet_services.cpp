#include "props/qt/qt_sheet_services.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>

#include "props/qt/font_chooser.h"
#include "props/qt/sheet_dialog.h"
#include "props/sheet_model.h"

QWidget* QtSheetServices::Parent() const {
    // a nested dialog belongs to the dialog in front
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    return parent_;
}

std::optional<uint32_t> QtSheetServices::PickColor(uint32_t initial) {
    const QColor start(initial & 0xFF, (initial >> 8) & 0xFF, (initial >> 16) & 0xFF);
    const QColor chosen = QColorDialog::getColor(start, Parent());
    if (!chosen.isValid())
        return std::nullopt;
    return static_cast<uint32_t>(chosen.red()) | (static_cast<uint32_t>(chosen.green()) << 8) |
           (static_cast<uint32_t>(chosen.blue()) << 16);
}

std::optional<std::string> QtSheetServices::OpenFileName(const std::string& title,
                                                         const std::string& filter,
                                                         const std::string& initial) {
    const QString file = QFileDialog::getOpenFileName(Parent(), QString::fromStdString(title),
                                                      QString::fromStdString(initial),
                                                      QString::fromStdString(filter));
    if (file.isEmpty())
        return std::nullopt;
    return file.toStdString();
}

std::optional<FontFace> QtSheetServices::ChooseFont(const std::vector<FontFace>& faces,
                                                    const std::string& current) {
    FontChooser chooser(faces, current, Parent());
    if (chooser.exec() != QDialog::Accepted)
        return std::nullopt;
    return chooser.Chosen();
}

int QtSheetServices::RunSheet(SheetModel& sheet) {
    sheet.SetServices(this);
    SheetDialog dialog(sheet, Parent());
    return dialog.Run();
}
