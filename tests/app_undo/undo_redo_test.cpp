// Undo and redo in the desktop application: drag, resize, undo twice, redo once, from the
// keyboard; the views, the status panes and the menu entries follow.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "resources/command_ids.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"

namespace {

void Mouse(QWidget* target, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons buttons) {
    QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), button, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

class UndoRedoAppTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    std::unique_ptr<COrvantaApp> app;

    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
        app = std::make_unique<COrvantaApp>();
        app->Frame()->resize(1200, 900);
        app->Frame()->show();
        app->Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
        ASSERT_TRUE(app->NewDocument());
        Settle();
    }
    void TearDown() override {
        app.reset();
        SetUiLanguage(UiLanguage::German);
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
    void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QTest::qWait(30);
    }
    ViewWidget* Activate(int kind) {
        for (COrvantaMDIChildWnd* f : app->Frame()->ChildFrames())
            if (f->GetViewKind() == kind) {
                app->Frame()->MdiArea()->setActiveSubWindow(f);
                Settle();
                return f->GetViewWidget();
            }
        return nullptr;
    }
    // the pixel of a world point in a front view
    static QPoint FrontPixel(ViewWidget* w, double x, double y) {
        const COrvantaView& v = w->View();
        const double h = v.GetWindowHeight() - 20;
        return QPoint(static_cast<int>(v.Zoom * (x - v.GetHorzOrigin())),
                      static_cast<int>(h - v.Zoom * (y - v.GetVertOrigin())));
    }
    void Drag(ViewWidget* view, QPoint from, QPoint by) {
        QWidget* canvas = view->Canvas();
        Mouse(canvas, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        for (int i = 1; i <= 3; ++i)
            Mouse(canvas, QEvent::MouseMove, from + by * i / 3, Qt::NoButton, Qt::LeftButton);
        Mouse(canvas, QEvent::MouseButtonRelease, from + by, Qt::LeftButton, Qt::NoButton);
        Settle();
    }
    void Keys(QKeyCombination keys) {
        // shortcuts reach the application while one of its windows is active
        app->Frame()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
        QTest::keyClick(app->Frame(), keys.key(), keys.keyboardModifiers());
        Settle();
    }
    QString MenuText(int id) {
        app->Frame()->UpdateCommandStates();
        return app->Frame()->Action(id)->text();
    }
    QImage Picture(ViewWidget* view) { return view->Canvas()->grab().toImage(); }
};

TEST_F(UndoRedoAppTest, DragResizeUndoTwiceRedoOnceFromTheKeyboard) {
    ViewWidget* front = Activate(kFrontView);
    ViewWidget* top = nullptr;
    for (COrvantaMDIChildWnd* f : app->Frame()->ChildFrames())
        if (f->GetViewKind() == kTopView)
            top = f->GetViewWidget();
    CPovObject* box = app->Create(CreateKind::Box);
    ASSERT_NE(box, nullptr);
    Settle();
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Rückgängig: Erzeugen Quader_000\tStrg+Z");
    EXPECT_FALSE(app->Frame()->Action(ID_EDIT_REDO)->isEnabled());
    app->Frame()->UpdateStatusPanes();
    const QString createdAt = app->Frame()->PositionPane()->text();
    const QImage frontBefore = Picture(front);
    const QImage topBefore = Picture(top);
    const Vector place = box->Translation();

    const QPoint at = FrontPixel(front, place.X, place.Y);
    Drag(front, at, QPoint(30, -20));  // 3 and 2 world units
    EXPECT_NEAR(box->Translation().X, place.X + 3, 1e-9);
    EXPECT_NEAR(box->Translation().Y, place.Y + 2, 1e-9);
    app->Frame()->UpdateStatusPanes();
    const QString movedAt = app->Frame()->PositionPane()->text();
    EXPECT_NE(movedAt, createdAt);
    const QImage frontMoved = Picture(front);

    app->Frame()->RunCommand(ID_TOOL_RESIZE);
    Drag(front, FrontPixel(front, box->Translation().X, box->Translation().Y), QPoint(20, 0));
    EXPECT_NEAR(box->ScaleStep().X, 3.0, 1e-9);
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Rückgängig: Größe ändern Quader_000\tStrg+Z");

    Keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_NEAR(box->ScaleStep().X, 1.0, 1e-9);
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Wiederherstellen: Größe ändern Quader_000\tStrg+Y");
    Keys(Qt::ALT | Qt::Key_Backspace);
    EXPECT_EQ(box->Translation(), place);
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Rückgängig: Erzeugen Quader_000\tStrg+Z");
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Wiederherstellen: Verschieben Quader_000\tStrg+Y");
    // the views and the status panes show the box where it was made
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Frame()->PositionPane()->text(), createdAt);
    EXPECT_EQ(app->Frame()->SelectionPane()->text(), "Quader_000");
    EXPECT_EQ(Picture(front), frontBefore);
    EXPECT_EQ(Picture(top), topBefore);
    app->Frame()->grab().save("undo-twice.png");

    Keys(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
    EXPECT_NEAR(box->Translation().X, place.X + 3, 1e-9);
    EXPECT_NEAR(box->ScaleStep().X, 1.0, 1e-9);
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Frame()->PositionPane()->text(), movedAt);
    EXPECT_EQ(Picture(front), frontMoved);
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Wiederherstellen: Größe ändern Quader_000\tStrg+Y");
    EXPECT_TRUE(app->Document()->IsModified());
    // the edit menu as a user opens it
    for (QAction* top : app->Frame()->menuBar()->actions())
        if (top->text() == "&Bearbeiten") {
            top->menu()->popup(app->Frame()->mapToGlobal(QPoint(60, 20)));
            Settle();
            top->menu()->grab().save("undo-edit-menu.png");
            top->menu()->hide();
        }

    // Ctrl+Y redoes as well; undoing everything leaves an empty scene and the clean mark
    Keys(Qt::CTRL | Qt::Key_Y);
    EXPECT_NEAR(box->ScaleStep().X, 3.0, 1e-9);
    for (int i = 0; i < 3; ++i)
        Keys(Qt::CTRL | Qt::Key_Z);
    EXPECT_EQ(app->Document()->Objects, nullptr);
    EXPECT_FALSE(app->Document()->IsModified());
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Rückgängig\tStrg+Z");
    EXPECT_FALSE(app->Frame()->Action(ID_EDIT_UNDO)->isEnabled());
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Frame()->SelectionPane()->text(), "Keine Objekt selektiert");
    app->Frame()->grab().save("undo-all.png");
}

TEST_F(UndoRedoAppTest, TheEntriesNameTheStepInEnglish) {
    SetUiLanguage(UiLanguage::English);
    ClearUntranslatedTexts();
    ViewWidget* front = Activate(kFrontView);
    CPovObject* sphere = app->Create(CreateKind::Sphere);
    Drag(front, FrontPixel(front, sphere->Translation().X, sphere->Translation().Y), QPoint(10, 0));
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo: Move Kugel_000\tCtrl+Z");
    app->Frame()->RunCommand(ID_EDIT_UNDO);
    EXPECT_EQ(MenuText(ID_EDIT_REDO), "&Redo: Move Kugel_000\tCtrl+Y");
    EXPECT_EQ(MenuText(ID_EDIT_UNDO), "&Undo: Create Kugel_000\tCtrl+Z");
    EXPECT_TRUE(UntranslatedTexts().empty());
}

}  // namespace
