// The settings sheets on screen: the program sheet's default zoom reaches the next new
// document, the scene sheet's OK marks the scene modified.
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "app/child_frame.h"
#include "document/orvanta_doc.h"
#include "props/qt/page_widget.h"
#include "props/qt/sheet_dialog.h"
#include "resources/command_ids.h"
#include "tests/app_shell/shell_fixture.h"
#include "view/qt/widgets/view_widget.h"

namespace {

// shows the tab with the title and types text into a field of it
void TypeInto(SheetDialog* dialog, const QString& tab, const std::string& field,
              const QString& text) {
    for (int i = 0; i < dialog->Tabs()->count(); ++i)
        if (dialog->Tabs()->tabText(i) == tab)
            dialog->Tabs()->setCurrentIndex(i);
    ASSERT_EQ(dialog->Tabs()->tabText(dialog->Tabs()->currentIndex()), tab);
    auto* edit = qobject_cast<QLineEdit*>(dialog->CurrentPage()->FieldWidget(field));
    ASSERT_NE(edit, nullptr) << field;
    edit->selectAll();
    QTest::keyClicks(edit, text);
}

TEST_F(ShellTest, TheProgramSheetChangesTheNextDocumentsZoomAndTheSceneSheetMarksItModified) {
    StartApp();
    ASSERT_TRUE(app->NewDocument());
    Settle();
    WithModal([&] { app->Frame()->RunCommand(ID_APP_SETTINGS); },
              [](QWidget* widget) {
                  auto* dialog = qobject_cast<SheetDialog*>(widget);
                  ASSERT_NE(dialog, nullptr);
                  EXPECT_EQ(dialog->windowTitle(), "Einstellungen des Orvanta Modellers");
                  QStringList tabs;
                  for (int i = 0; i < dialog->Tabs()->count(); ++i)
                      tabs << dialog->Tabs()->tabText(i);
                  EXPECT_TRUE(tabs.startsWith("Autor")) << tabs.join(", ").toStdString();
                  EXPECT_TRUE(tabs.endsWith("Modeller")) << tabs.join(", ").toStdString();
                  TypeInto(dialog, "Modeller", "zoomValue", "25");
                  Screenshot(dialog, "program-settings");
                  dialog->OkButton()->click();
              });
    EXPECT_EQ(ReadSetting(SettingsRoot::User, "Modeller", "Zoomvalue", ""), "25");
    // the open document keeps its views' zoom; the next one takes the new default
    EXPECT_EQ(app->Frame()->ChildFrames()[3]->GetViewWidget()->View().Zoom, 10);
    Trigger(ID_FILE_NEW);
    Settle();
    for (COrvantaMDIChildWnd* frame : app->Frame()->ChildFrames()) {
        if (frame->GetViewKind() != kCameraView) {
            EXPECT_EQ(frame->GetViewWidget()->View().Zoom, 25) << frame->GetViewKind();
        }
    }

    ASSERT_FALSE(app->Document()->IsModified());
    WithModal([&] { app->Frame()->RunCommand(ID_DOC_SETTINGS); },
              [](QWidget* widget) {
                  auto* dialog = qobject_cast<SheetDialog*>(widget);
                  ASSERT_NE(dialog, nullptr);
                  TypeInto(dialog, "Autor", "name", "Ada");
                  QTest::keyClick(dialog, Qt::Key_Return);
              });
    EXPECT_EQ(app->Document()->Author(), "Ada");
    EXPECT_TRUE(app->Document()->IsModified());
    // the change is one step: undo brings the empty author back and the document is clean again
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(app->Document()->Author(), "");
    EXPECT_FALSE(app->Document()->IsModified());
}

}  // namespace
