// Fixture for the texture editors on the desktop: the sheets' application fixture, preview
// pictures prepared so that nothing renders in the background unasked, and helpers that act on
// the colour dialog and on a sheet's tabs, combo boxes and radio buttons.
#pragma once

#include <QColorDialog>
#include <QComboBox>
#include <QRadioButton>
#include <filesystem>

#include "model/surfaces/predefined_textures.h"
#include "preview/preview_set.h"
#include "props/preview_pictures.h"
#include "tests/app_props/sheet_app_fixture.h"

class TextureAppTest : public SheetAppTest {
  protected:
    // The first entries of the texture list get real pictures, all others a stand-in, so that
    // nothing is rendered in the background while the test runs.
    void PreparePreviewPictures(int real) {
        const std::string folder = RenderFolder();
        std::string names;
        for (int i = 0; i < real; ++i)
            names += std::string(i ? "," : "") + kPredefinedTextures[i];
        if (real > 0) {
            const CliRun run = RunCli("previews -o " + folder + " --missing --only " + names);
            ASSERT_EQ(run.status, 0) << run.err;
        }
        QImage standIn(16, 16, QImage::Format_RGB32);
        standIn.fill(QColor(200, 200, 200));
        for (const PreviewSubject& s : PreviewSet()) {
            const std::string file = folder + "/" + RenderedPictureName(s);
            if (!std::filesystem::exists(file))
                standIn.save(QString::fromStdString(file));
        }
    }
    // Runs act on the colour dialog as soon as it is shown.
    void WhenColorDialogShows(QColor color) {
        auto poll = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> self = poll;
        *poll = [color, self] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible()) {
                if (auto again = self.lock())
                    QTimer::singleShot(20, [again] { (*again)(); });
                return;
            }
            dialog->setCurrentColor(color);
            dialog->accept();
        };
        polls_.push_back(poll);
        QTimer::singleShot(0, [poll] { (*poll)(); });
    }
    static QAbstractButton* Button(SheetDialog& d, const char* id) {
        return qobject_cast<QAbstractButton*>(d.CurrentPage()->FieldWidget(id));
    }
    static QComboBox* Combo(SheetDialog& d, const char* id) {
        return qobject_cast<QComboBox*>(d.CurrentPage()->FieldWidget(id));
    }
    static void ChooseInCombo(SheetDialog& d, const char* id, const QString& text) {
        QComboBox* combo = Combo(d, id);
        ASSERT_NE(combo, nullptr) << id;
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << text.toStdString();
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    static void ShowTab(SheetDialog& d, const QString& title) {
        for (int i = 0; i < d.Tabs()->count(); ++i)
            if (d.Tabs()->tabText(i) == title)
                d.Tabs()->setCurrentIndex(i);
        ASSERT_EQ(d.Tabs()->tabText(d.Tabs()->currentIndex()), title);
    }
    static void ClickRadio(SheetDialog& d, const char* id, const QString& text) {
        for (QRadioButton* radio : d.CurrentPage()->FieldWidget(id)->findChildren<QRadioButton*>())
            if (radio->text() == text)
                radio->click();
    }
};
