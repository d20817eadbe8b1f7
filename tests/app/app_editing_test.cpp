// Picking, dragging, resizing, view commands and the edit commands in the desktop application.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/message_box_prompts.h"
#include "app/orvanta_app.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "resources/command_ids.h"
#include "tests/app/desktop_fixture.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"

namespace {

void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class AppEditingTest : public DesktopTest {
  protected:
    // the pixel of a world point in a front view
    static QPoint FrontPixel(ViewWidget* w, double x, double y) {
        const COrvantaView& v = w->View();
        const double h = v.GetWindowHeight() - 20;
        return QPoint(static_cast<int>(v.Zoom * (x - v.GetHorzOrigin())),
                      static_cast<int>(h - v.Zoom * (y - v.GetVertOrigin())));
    }
};

TEST_F(AppEditingTest, PickDragSaveAndReopen) {
    ViewWidget* front = Activate(kFrontView);
    CPovObject* box = app->Create(CreateKind::Box);
    ASSERT_NE(box, nullptr);
    box->ScaleStep() = Vector(4, 4, 4);
    box->UpdateGeometry();
    front->View().Zoom = 10;
    // click on empty space: nothing selected
    QWidget* canvas = front->Canvas();
    const QPoint empty = FrontPixel(front, 15, 15);
    Mouse(canvas, QEvent::MouseButtonPress, empty, Qt::LeftButton, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseButtonRelease, empty, Qt::LeftButton, Qt::NoButton);
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Document()->CurrentObject, nullptr);
    EXPECT_EQ(app->Frame()->SelectionPane()->text(), "Keine Objekt selektiert");

    const QPoint at = FrontPixel(front, box->Translation().X + 0.5, box->Translation().Y + 0.5);
    Mouse(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Document()->CurrentObject, box);
    EXPECT_EQ(app->Frame()->SelectionPane()->text(), "Quader_000");
    const double x0 = box->Translation().X;
    Mouse(canvas, QEvent::MouseMove, at + QPoint(15, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseButtonRelease, at + QPoint(15, 0), Qt::LeftButton, Qt::NoButton);
    Settle();
    EXPECT_NEAR(box->Translation().X - x0, 1.5, 1e-9);
    EXPECT_FALSE(app->Frame()->CoordinatePane()->text().isEmpty());

    const QString path = QString::fromStdString(dir + "/moved.om");
    ASSERT_TRUE(app->SaveDocumentAs(path));
    const std::string saved = ReadFile(path.toStdString());
    char translate[64];
    std::snprintf(translate, sizeof translate, "  translate <%.4f,", x0 + 1.5);
    EXPECT_NE(saved.find(translate), std::string::npos) << saved;

    ASSERT_TRUE(app->OpenDocument(path));
    Settle();
    CPovObject* reopened = app->Document()->Objects;
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Name, "Quader_000");
    EXPECT_NEAR(reopened->Translation().X, x0 + 1.5, 1e-4);
    EXPECT_EQ(app->Frame()->ChildFrames().size(), 4u);
    EXPECT_EQ(app->Frame()->ChildFrames()[0]->GetViewKind(), kCameraView);
}

TEST_F(AppEditingTest, TheResizeToolEnlarges) {
    ViewWidget* front = Activate(kFrontView);
    CPovObject* box = app->Create(CreateKind::Box);
    box->ScaleStep() = Vector(4, 4, 4);
    box->UpdateGeometry();
    Trigger(ID_TOOL_RESIZE);
    EXPECT_TRUE(app->Frame()->Action(ID_TOOL_RESIZE)->isChecked());
    QWidget* canvas = front->Canvas();
    const QPoint at = FrontPixel(front, box->Translation().X + 1, box->Translation().Y + 1);
    Mouse(canvas, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseMove, at + QPoint(15, 0), Qt::NoButton, Qt::LeftButton);
    Mouse(canvas, QEvent::MouseButtonRelease, at + QPoint(15, 0), Qt::LeftButton, Qt::NoButton);
    EXPECT_NEAR(box->ScaleStep().X, 5.5, 1e-9);
    EXPECT_NEAR(box->ScaleStep().Y, 4.0, 1e-9);
    Trigger(ID_TOOL_MOVE);
    EXPECT_FALSE(app->Frame()->Action(ID_TOOL_RESIZE)->isChecked());
    EXPECT_TRUE(app->Frame()->Action(ID_TOOL_MOVE)->isChecked());
}

TEST_F(AppEditingTest, ZoomAndGridCommandsAreCheckedInTheMenu) {
    ViewWidget* front = Activate(kFrontView);
    Trigger(ID_VIEW_ZOOM_100);
    EXPECT_EQ(front->View().Zoom, 100);
    EXPECT_EQ(app->Document()->ZoomFront, 100);
    EXPECT_TRUE(app->Frame()->Action(ID_VIEW_ZOOM_100)->isChecked());
    EXPECT_FALSE(app->Frame()->Action(ID_VIEW_ZOOM_10)->isChecked());
    Trigger(ID_VIEW_GRID_1_0);
    EXPECT_EQ(front->View().Grid, 1.0);
    EXPECT_EQ(app->Document()->GridFront, 1.0);
    EXPECT_TRUE(app->Frame()->Action(ID_VIEW_GRID_1_0)->isChecked());
    const QImage picture = front->Canvas()->grab().toImage();
    int grey = 0;  // grid lines are drawn in RGB(175, 175, 175)
    for (int y = 0; y < picture.height(); y += 3)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixelColor(x, y) == QColor(175, 175, 175))
                ++grey;
    EXPECT_GT(grey, 100);

    // the camera view has no zoom or grid commands
    Activate(kCameraView);
    app->Frame()->UpdateCommandStates();
    EXPECT_FALSE(app->Frame()->Action(ID_VIEW_ZOOM_10)->isEnabled());
    EXPECT_FALSE(app->Frame()->Action(ID_VIEW_GRID_1_0)->isEnabled());
    EXPECT_FALSE(app->Frame()->Action(ID_CREATE_SPHERE)->isEnabled());
}

TEST_F(AppEditingTest, CutPasteAndUndoFromTheMenuAndTheContextMenu) {
    Activate(kFrontView);
    CPovObject* sphere = app->Create(CreateKind::Sphere);
    ASSERT_EQ(app->Document()->CurrentObject, sphere);
    Trigger(ID_EDIT_CUT);
    EXPECT_FALSE(sphere->IsPresent());
    Trigger(ID_EDIT_UNDO);
    EXPECT_TRUE(sphere->IsPresent());

    // the same commands from the views' context menu
    sphere->Select(app->Frame()->ActiveViewWidget()->View());
    app->Frame()->UpdateCommandStates();
    QAction* cut = nullptr;
    QAction* paste = nullptr;
    for (QAction* a : app->Frame()->ContextMenu()->actions()) {
        if (a->data().toInt() == ID_EDIT_CUT)
            cut = a;
        if (a->data().toInt() == ID_EDIT_PASTE)
            paste = a;
    }
    ASSERT_TRUE(cut && paste);
    ASSERT_TRUE(cut->isEnabled());
    cut->trigger();
    Settle();
    EXPECT_FALSE(sphere->IsPresent());
    app->Frame()->UpdateCommandStates();
    ASSERT_TRUE(paste->isEnabled());
    paste->trigger();
    Settle();
    CPovObject* pasted = app->Document()->Objects;
    EXPECT_NE(pasted, sphere);
    EXPECT_TRUE(pasted->IsPresent());
    EXPECT_EQ(app->Document()->CurrentObject, pasted);
}

TEST_F(AppEditingTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
    app->Create(CreateKind::Sphere);
    prompts.threeWayAnswer = IPrompts::Answer::Cancel;
    EXPECT_FALSE(app->NewDocument());
    ASSERT_EQ(prompts.questions.size(), 1u);
    EXPECT_EQ(prompts.questions[0], "\xC4nderungen in Script speichern?");
    EXPECT_NE(app->Document()->Objects, nullptr);
    prompts.threeWayAnswer = IPrompts::Answer::No;
    EXPECT_TRUE(app->NewDocument());
    EXPECT_EQ(app->Document()->Objects, nullptr);
}

TEST_F(AppEditingTest, AFileThatDoesNotExistLeavesANewDocumentAndAMessage) {
    EXPECT_FALSE(app->OpenDocument(QString::fromStdString(dir + "/missing.om")));
    ASSERT_NE(app->Document(), nullptr);
    EXPECT_EQ(app->Document()->GetTitle(), "Script");
    EXPECT_EQ(app->Frame()->ChildFrames().size(), 4u);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_NE(prompts.messages[0].find("Fehler beim \xD6"
                                       "ffnen des Dokuments."),
              std::string::npos);
}

TEST_F(AppEditingTest, ReadErrorsAreListedAndWhatWasReadStays) {
    const std::string path = dir + "/broken.om";
    {
        FILE* f = std::fopen(path.c_str(), "wb");
        std::fputs(
            "#declare A = box {\r\n  <-0.5,-0.5,-0.5>\r\n  <0.5,0.5,0.5>\r\n}\r\n"
            "object {\r\n  A\r\n}\r\n\r\n#declare B = sphere { ] ] }\r\n",
            f);
        std::fclose(f);
    }
    ASSERT_TRUE(app->OpenDocument(QString::fromStdString(path)));
    Settle();
    ASSERT_NE(app->Document()->Objects, nullptr);
    EXPECT_EQ(app->Document()->Objects->Name, "A");
    ASSERT_FALSE(app->LastReadProblems().empty());
    EXPECT_EQ(app->LastReadProblems()[0].line, 9);
    auto* list = app->Frame()->findChild<QDialog*>("readProblemsDialog");
    ASSERT_NE(list, nullptr);
    list->grab().save(QString(ORVANTA_TEST_BUILD_DIR) + "/read-problems.png");
    const std::string text = ReadFile(path);

    // Saving over the file asks first, with the real message box: Escape cancels
    MessageBoxPrompts boxes(app->Frame());
    SetPrompts(&boxes);
    QString question;
    QTimer::singleShot(200, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        question = box->findChild<QLabel*>("qt_msgbox_label")->text();
        box->grab().save(QString(ORVANTA_TEST_BUILD_DIR) + "/save-incomplete-question.png");
        QTest::keyClick(box, Qt::Key_Escape);
    });
    EXPECT_FALSE(app->SaveDocument());
    SetPrompts(&prompts);
    EXPECT_EQ(question.toStdString(),
              "Die Datei wurde nicht vollst\xC3\xA4ndig gelesen; beim Speichern gehen die nicht "
              "gelesenen Teile verloren.");
    EXPECT_EQ(ReadFile(path), text);
    // "Trotzdem speichern" writes it; after that the file holds the whole scene
    prompts.choice = 1;
    EXPECT_TRUE(app->SaveDocument());
    EXPECT_EQ(prompts.choiceButtons,
              (std::vector<std::string>{"Speichern unter", "Trotzdem speichern", "Abbrechen"}));
    EXPECT_NE(ReadFile(path), text);
    EXPECT_FALSE(app->Document()->IsIncompleteRead());
    const size_t asked = prompts.questions.size();
    EXPECT_TRUE(app->SaveDocument());
    EXPECT_EQ(prompts.questions.size(), asked);
}

}  // namespace

namespace {

TEST_F(AppEditingTest, NewWindowsAndClosingTheDocument) {
    Activate(kFrontView);
    Trigger(ID_WINDOW_NEW_CAMERA);
    const auto& frames = app->Frame()->ChildFrames();
    ASSERT_EQ(frames.size(), 5u);
    EXPECT_EQ(frames[4]->GetViewKind(), kCameraView);
    EXPECT_EQ(frames[4]->windowTitle(), "Script:5 Kamera");
    // the plain new-window command repeats the last kind
    app->Frame()->RunCommand(ID_WINDOW_NEW);
    Settle();
    ASSERT_EQ(frames.size(), 6u);
    EXPECT_EQ(frames[5]->GetViewKind(), kCameraView);
    // closing windows renumbers the others; one window alone has no number
    while (frames.size() > 1) {
        frames.back()->close();
        Settle();
    }
    EXPECT_EQ(frames[0]->windowTitle(), "Script Draufsicht");

    Trigger(ID_FILE_CLOSE);
    EXPECT_EQ(app->Document(), nullptr);
    EXPECT_TRUE(app->Frame()->ChildFrames().empty());
    EXPECT_EQ(app->Frame()->Action(ID_PROPERTIES), nullptr);  // the menus without a document
    ASSERT_NE(app->Frame()->Action(ID_FILE_NEW), nullptr);
    Trigger(ID_FILE_NEW);
    EXPECT_EQ(app->Frame()->ChildFrames().size(), 4u);
}

TEST_F(AppEditingTest, RecentFilesKeepTheNewestFour) {
    for (int i = 0; i < 5; ++i) {
        const QString path = QString::fromStdString(dir + "/scene" + std::to_string(i) + ".om");
        ASSERT_TRUE(app->SaveDocumentAs(path));
    }
    const QStringList recent = app->RecentFiles();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_TRUE(recent[0].endsWith("scene4.om"));
    EXPECT_TRUE(recent[3].endsWith("scene1.om"));
    ASSERT_NE(app->Frame()->Action(ID_FILE_MRU_FIRST + 3), nullptr);
    EXPECT_EQ(app->Frame()->Action(ID_FILE_MRU_FIRST)->text(), "&1 " + recent[0]);
}

}  // namespace
