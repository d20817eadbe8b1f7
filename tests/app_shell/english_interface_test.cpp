// The English user interface: the menus, tool bars and every dialog the shell opens show no
// German text, and the catalogue lacks none of the texts they asked for.
#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QToolBar>

#include "app/child_frame.h"
#include "app/help_window.h"
#include "app/qt_translations.h"
#include "app/start_window.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "tests/app_shell/shell_fixture.h"

namespace {

std::string Listed(const QStringList& texts) {
    return texts.join("\n  ").toStdString();
}

class EnglishInterfaceTest : public ShellTest {
  protected:
    void SetUp() override {
        ShellTest::SetUp();
        SetUiLanguage(UiLanguage::English);
        InstallQtTranslations(UiLanguage::English);
        ClearUntranslatedTexts();
    }
    void TearDown() override {
        InstallQtTranslations(UiLanguage::German);
        ShellTest::TearDown();
    }
    // the texts of the modal window start() opens (a picture of it under the name shot, when
    // one is given); it is closed with Escape
    QStringList ModalTexts(const std::function<void()>& start, const char* shot = nullptr) {
        QStringList texts;
        WithModal(start, [&texts, shot](QWidget* modal) {
            texts = VisibleTexts(modal);
            if (shot)
                Screenshot(modal, shot);
            QTest::keyClick(modal, Qt::Key_Escape);
        });
        return texts;
    }
};

TEST_F(EnglishInterfaceTest, MenusToolBarsAndDialogsShowNoGermanText) {
    StartApp();
    QStringList texts;
    // the menus without a document
    app->Frame()->CloseAllViews();
    for (QMenu* menu : app->Frame()->menuBar()->findChildren<QMenu*>())
        texts << MenuTexts(menu);
    ASSERT_TRUE(app->NewDocument());
    Settle();
    app->Frame()->MdiArea()->setActiveSubWindow(app->Frame()->ChildFrames()[3]);
    for (CreateKind kind :
         {CreateKind::Sphere, CreateKind::Texture, CreateKind::Halo, CreateKind::Pigment})
        app->Create(kind);
    app->Document()->Objects->SetPresent(false);
    Settle();

    texts << VisibleTexts(app->Frame());
    for (QMenu* menu : app->Frame()->menuBar()->findChildren<QMenu*>())
        texts << MenuTexts(menu);
    for (QToolBar* bar : {app->Frame()->MainToolBar(), app->Frame()->StandardObjectsToolBar()}) {
        texts << bar->windowTitle();
        for (QAction* a : bar->actions())
            texts << a->toolTip() << a->statusTip();
    }
    for (COrvantaMDIChildWnd* frame : app->Frame()->ChildFrames())
        texts << frame->windowTitle();
    app->Frame()->UpdateStatusPanes();
    texts << app->Frame()->SelectionPane()->text();

    // every dialog the shell opens
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_OBJECT_BROWSER); }, "object-browser");
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_GO_TO); });
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_APP_ABOUT); }, "about");
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_LANGUAGE_ENGLISH); });
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_VIEW_ZOOM_USER); });
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_DOC_SETTINGS); }, "scene-settings");
    texts << ModalTexts([&] { app->Frame()->RunCommand(ID_APP_SETTINGS); }, "program-settings");

    QTextBrowser* manual = ShowManual(app->Frame(), ManualPage::Contents);
    texts << VisibleTexts(manual->window());
    ShowManual(app->Frame(), ManualPage::UsingHelp);
    texts << manual->toPlainText();
    manual->window()->close();
    // the save-changes question, then the example scene
    ASSERT_TRUE(app->OpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om"));
    texts << QString::fromStdString(prompts.questions.empty() ? "" : prompts.questions.back());
    Settle();
    QTest::qWait(300);
    for (COrvantaMDIChildWnd* frame : app->Frame()->ChildFrames())
        texts << frame->windowTitle();
    Screenshot(app->Frame(), "main-window");
    StartWindow* start = StartWindow::Show(app->Frame());
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    Screenshot(start, "start-window");
    start->close();

    texts.removeDuplicates();
    EXPECT_TRUE(UntranslatedTexts().empty())
        << "texts without English in resources/english/*.tsv or the string table:\n  " << [] {
               QStringList missing;
               for (const std::string& t : UntranslatedTexts())
                   missing << QString::fromStdString(t);
               return Listed(missing);
           }();
    EXPECT_TRUE(GermanLooking(texts).empty())
        << "German texts left in the English interface:\n  " << Listed(GermanLooking(texts));
    EXPECT_TRUE(texts.contains("&File"));
    EXPECT_TRUE(texts.contains("Objects"));
}

TEST_F(EnglishInterfaceTest, QtsOwnButtonsFollowTheProgramsLanguage) {
    QMessageBox english(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(english.button(QMessageBox::Cancel)->text(), "Cancel");
    ASSERT_TRUE(InstallQtTranslations(UiLanguage::German));
    QMessageBox german(QMessageBox::Question, "", "", QMessageBox::Yes | QMessageBox::Cancel);
    EXPECT_EQ(german.button(QMessageBox::Cancel)->text(), "Abbrechen");
    EXPECT_EQ(german.button(QMessageBox::Yes)->text().remove('&'), "Ja");
}

}  // namespace
