// The font chooser of the text page: the system's TrueType faces (family and style) with a
// filter and a sample line.
#pragma once

#include <QDialog>
#include <optional>
#include <vector>

#include "props/sheet_services.h"

class QLabel;
class QLineEdit;
class QListWidget;

class FontChooser : public QDialog {
    Q_OBJECT

  public:
    FontChooser(const std::vector<FontFace>& faces, const std::string& current,
                QWidget* parent = nullptr);
    // the chosen face, after the dialog was accepted
    std::optional<FontFace> Chosen() const;
    QListWidget* List() const { return list_; }

  private:
    void Filter(const QString& text);
    void ShowSample();

    std::vector<FontFace> faces_;
    QLineEdit* filter_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* sample_ = nullptr;
};
