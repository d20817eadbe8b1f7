// The shell's windows: the first start's language dialog, the tool bars, the object browser
// and go-to, the about box, help, the POV-Ray reference, printing and the start window.
#include <QDesktopServices>
#include <QLabel>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

#include "app/child_frame.h"
#include "app/help_window.h"
#include "app/language_dialog.h"
#include "app/logic/object_browser_model.h"
#include "app/object_browser_dialog.h"
#include "app/print_view.h"
#include "app/start_window.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "props/pov_reference.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "tests/app_shell/shell_fixture.h"
#include "tests/support/cli_runner.h"
#include "view/qt/widgets/view_widget.h"

namespace {

// records the addresses the program asks the desktop to open
class UrlRecorder : public QObject {
    Q_OBJECT

  public:
    UrlRecorder() {
        for (const char* scheme : {"https", "file"})
            QDesktopServices::setUrlHandler(scheme, this, "Open");
    }
    ~UrlRecorder() override {
        for (const char* scheme : {"https", "file"})
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url) { urls << url; }
};

TEST_F(ShellTest, TheFirstStartAsksForTheLanguageOnce) {
    WithModal([] { ChooseStartupLanguage(nullptr); },
              [](QWidget* dialog) {
                  EXPECT_EQ(dialog->objectName(), "languageDialog");
                  EXPECT_EQ(dialog->windowTitle(),
                            QString::fromUtf8("Sprache wählen / Select language"));
                  dialog->findChild<QRadioButton*>("englishChoice")->click();
                  QTest::keyClick(dialog, Qt::Key_Return);
              });
    EXPECT_EQ(ReadSetting(SettingsRoot::Machine, "Language", ".use", ""), "english");
    EXPECT_EQ(ReadSetting(SettingsRoot::Machine, "Language", ".default", ""), "english");
    EXPECT_EQ(GetUiLanguage(), UiLanguage::English);
    // chosen once: the next start asks nothing
    SetUiLanguage(UiLanguage::German);
    ChooseStartupLanguage(nullptr);
    EXPECT_EQ(GetUiLanguage(), UiLanguage::English);
    SetUiLanguage(UiLanguage::German);
}

TEST_F(ShellTest, TheLanguageCommandsStoreTheChoiceAndKeepTheRunningLanguage) {
    StartApp();
    WithModal([&] { app->Frame()->RunCommand(ID_LANGUAGE_ENGLISH); },
              [](QWidget* box) {
                  EXPECT_TRUE(VisibleTexts(box).contains(QString::fromUtf8(
                      "Diese Einstellung wird erst beim Neustart des Programmes aktiv.")));
                  QTest::keyClick(box, Qt::Key_Return);
              });
    EXPECT_EQ(ReadSetting(SettingsRoot::Machine, "Language", ".use", ""), "english");
    app->Frame()->UpdateCommandStates();
    EXPECT_TRUE(app->Frame()->Action(ID_LANGUAGE_GERMAN)->isChecked());
    EXPECT_FALSE(app->Frame()->Action(ID_LANGUAGE_ENGLISH)->isChecked());
    EXPECT_EQ(app->Frame()->Action(ID_FILE_NEW)->text(), "&Neu\tStrg+N");
}

TEST_F(ShellTest, TheToolBarsCreateASphereAndRunCutAndPaste) {
    StartApp();
    ASSERT_TRUE(app->NewDocument());
    Settle();
    app->Frame()->MdiArea()->setActiveSubWindow(app->Frame()->ChildFrames()[3]);
    Settle();
    QToolBar* objects = app->Frame()->StandardObjectsToolBar();
    QToolBar* main = app->Frame()->MainToolBar();
    EXPECT_EQ(app->Frame()->toolBarArea(objects), Qt::LeftToolBarArea);
    EXPECT_EQ(app->Frame()->toolBarArea(main), Qt::TopToolBarArea);
    auto click = [&](QToolBar* bar, int id) {
        app->Frame()->UpdateCommandStates();
        auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(app->Frame()->Action(id)));
        ASSERT_NE(button, nullptr) << id;
        EXPECT_FALSE(button->icon().isNull()) << id;
        EXPECT_FALSE(button->toolTip().isEmpty()) << id;
        QTest::mouseClick(button, Qt::LeftButton);
        Settle();
    };
    click(objects, ID_CREATE_SPHERE);
    COrvantaDoc* doc = app->Document();
    CPovObject* sphere = doc->CurrentObject;
    ASSERT_NE(sphere, nullptr);
    EXPECT_EQ(sphere->Name, "Kugel_000");
    click(main, ID_EDIT_CUT);
    EXPECT_FALSE(sphere->IsPresent());
    click(main, ID_EDIT_PASTE);
    ASSERT_NE(doc->Objects, sphere);
    EXPECT_TRUE(doc->Objects->IsPresent());
    EXPECT_EQ(doc->Objects->GetType(), kKindSphere);

    // "Sta&ndard Objekte" and "&Symbolleiste" hide and show the bars
    Trigger(ID_VIEW_STANDARD_OBJECTS);
    EXPECT_FALSE(objects->isVisible());
    EXPECT_FALSE(app->Frame()->Action(ID_VIEW_STANDARD_OBJECTS)->isChecked());
    Trigger(ID_VIEW_STANDARD_OBJECTS);
    EXPECT_TRUE(objects->isVisible());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_FALSE(main->isVisible());
    Trigger(ID_VIEW_TOOLBAR);
    EXPECT_TRUE(main->isVisible());
    // the status bar shows a button's help text while the mouse is on it
    Screenshot(app->Frame(), "tool-bars");
}

TEST_F(ShellTest, CtrlBListsTheExampleSceneAndGoToCentresTheViewOnAnObject) {
    StartApp();
    ASSERT_TRUE(app->OpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om"));
    Settle();
    COrvantaMDIChildWnd* top = app->Frame()->ChildFrames()[1];
    ASSERT_EQ(top->GetViewKind(), kTopView);
    app->Frame()->MdiArea()->setActiveSubWindow(top);
    Settle();

    WithModal([&] { PressKey(Qt::Key_B, Qt::ControlModifier); },
              [](QWidget* dialog) {
                  auto* tree = dialog->findChild<QTreeWidget*>("objectTree");
                  ASSERT_NE(tree, nullptr);
                  ASSERT_EQ(tree->topLevelItemCount(), 2);
                  QTreeWidgetItem* objects = tree->topLevelItem(0);
                  EXPECT_EQ(objects->text(0), "Objekte");
                  QStringList names;
                  for (int i = 0; i < objects->childCount(); ++i)
                      names << objects->child(i)->text(0);
                  EXPECT_EQ(names.join(", ").toStdString(),
                            "Ebene_000, Hindergrund, Kamera_0, Kugel_000, Lichtquelle_000, "
                            "Quader_000, Ring_000");
                  EXPECT_EQ(tree->topLevelItem(1)->text(0), QString::fromUtf8("Oberflächen"));
                  EXPECT_TRUE(dialog->findChild<QPushButton*>("editButton")->isVisible());
                  EXPECT_FALSE(dialog->findChild<QPushButton*>("goToButton")->isVisible());
                  Screenshot(dialog, "object-browser");
                  QTest::keyClick(dialog, Qt::Key_Escape);
              });

    ViewWidget* view = top->GetViewWidget();
    CPovObject* ring = nullptr;
    for (CPovObject* o = app->Document()->Objects; o; o = o->NextSibling)
        if (o->Name == "Ring_000")
            ring = o;
    ASSERT_NE(ring, nullptr);
    WithModal([&] { PressKey(Qt::Key_G, Qt::ControlModifier); },
              [&](QWidget* widget) {
                  auto* dialog = qobject_cast<ObjectBrowserDialog*>(widget);
                  ASSERT_NE(dialog, nullptr);
                  EXPECT_EQ(dialog->Tree()->topLevelItemCount(), 1);
                  dialog->Tree()->setCurrentItem(dialog->ItemOf(ring));
                  QTest::keyClick(dialog, Qt::Key_Return);
              });
    EXPECT_TRUE(ring->IsSelected());
    const ScrollPositions expected =
        GoToScrollPositions(*ring, kTopView, view->View().Zoom, view->View().ClientWidth(),
                            view->View().ClientHeight());
    EXPECT_EQ(view->Position(ScrollBar::Horizontal), expected.horizontal);
    EXPECT_EQ(view->Position(ScrollBar::Vertical), expected.vertical);
    const Vector centre = view->View().GetViewCentre();
    EXPECT_NEAR(centre.X, ring->Translation().X, 1.0);
    EXPECT_NEAR(centre.Z, ring->Translation().Z, 1.0);
}

TEST_F(ShellTest, AboutHelpReferenceAndStartWindow) {
    StartApp();
    ASSERT_TRUE(app->NewDocument());
    Settle();
    WithModal([&] { app->Frame()->RunCommand(ID_APP_ABOUT); },
              [](QWidget* box) {
                  EXPECT_TRUE(box->findChild<QLabel*>("memoryLabel")->text().contains("KB"));
                  EXPECT_TRUE(box->findChild<QLabel*>("diskLabel")->text().contains("KB"));
                  QTest::keyClick(box, Qt::Key_Return);
              });

    PressKey(Qt::Key_F1);
    Settle();
    auto* help = app->Frame()->findChild<QTextBrowser*>("helpBrowser");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(help->source(), QUrl("qrc:/manual/de/index.html"));
    EXPECT_TRUE(help->toPlainText().contains("Benutzerhandbuch"));
    Trigger(ID_HELP_USING);
    EXPECT_EQ(help->source(), QUrl("qrc:/manual/de/help.html"));
    help->window()->close();

    {
        UrlRecorder recorder;
        SetPovRayReferenceFolder("/no/such/folder");
        Trigger(ID_POVRAY_REFERENCE);
        SetPovRayReferenceFolder("");
        ASSERT_EQ(recorder.urls.size(), 1);
        EXPECT_EQ(recorder.urls[0].toString(),
                  "https://www.povray.org/documentation/3.7.0/index.html");
    }

    StartWindow* start = StartWindow::Show(app->Frame());
    QPointer<StartWindow> watched(start);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(start));
    EXPECT_FALSE(start->pixmap().isNull());
    Screenshot(start, "start-window");
    QTest::keyClick(app->Frame(), Qt::Key_Shift);
    Settle();
    EXPECT_TRUE(watched.isNull());
}

TEST_F(ShellTest, PrintingTheActiveViewIntoAPdfFile) {
    StartApp();
    ASSERT_TRUE(app->OpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om"));
    Settle();
    const std::string dir = MakeTempFolder();
    const QString pdf = QString::fromStdString(dir + "/view.pdf");
    for (COrvantaMDIChildWnd* frame :
         {app->Frame()->ChildFrames()[0], app->Frame()->ChildFrames()[1]}) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        ASSERT_TRUE(PrintView(*frame->GetViewWidget(), printer));
        EXPECT_GT(QFileInfo(pdf).size(), 1000);
        QFile::remove(pdf);
    }
    RemoveTree(dir);
}

}  // namespace

#include "shell_window_test.moc"
