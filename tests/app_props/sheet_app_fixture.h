// Fixture for the property sheets on the desktop: the application with the example scene, the
// real editor host, recorded prompts, and helpers that act on a sheet once it is shown (the
// sheets are modal, so the actions are scheduled before the command that opens them).
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "props/qt/page_widget.h"
#include "props/qt/qt_editor_host.h"
#include "props/qt/sheet_dialog.h"
#include "resources/command_ids.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"

class SheetAppTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    std::unique_ptr<COrvantaApp> app;
    std::unique_ptr<QtEditorHost> host;
    std::string dir;
    bool acted = false;
    std::vector<std::shared_ptr<std::function<void()>>> polls_;

    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
        dir = MakeTempFolder();
        app = std::make_unique<COrvantaApp>();
        host = std::make_unique<QtEditorHost>(app->Frame());
        SetEditorHost(host.get());
        app->Frame()->resize(1200, 900);
        app->Frame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->Frame()));
    }
    void TearDown() override {
        SetEditorHost(nullptr);
        host.reset();
        app.reset();
        RemoveTree(dir);
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
    void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QTest::qWait(30);
    }
    void OpenExample() {
        ASSERT_TRUE(app->OpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om"));
        Settle();
    }
    ViewWidget* Activate(int kind) {
        for (COrvantaMDIChildWnd* f : app->Frame()->ChildFrames()) {
            if (f->GetViewKind() != kind)
                continue;
            app->Frame()->MdiArea()->setActiveSubWindow(f);
            Settle();
            return f->GetViewWidget();
        }
        return nullptr;
    }
    // the pixel of a world point (horizontal, vertical) in a top, front or side view
    static QPoint ViewPixel(ViewWidget* w, double x, double y) {
        const COrvantaView& v = w->View();
        const double h = v.GetWindowHeight() - 20;
        return QPoint(static_cast<int>(v.Zoom * (x - v.GetHorzOrigin())),
                      static_cast<int>(h - v.Zoom * (y - v.GetVertOrigin())));
    }
    static void Mouse(QWidget* target, QEvent::Type type, QPoint at) {
        const Qt::MouseButtons buttons =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, QPointF(at), target->mapToGlobal(QPointF(at)), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
    }
    // a double click as the mouse makes it: press, release, double click, release
    static void DoubleClick(QWidget* target, QPoint at) {
        Mouse(target, QEvent::MouseButtonPress, at);
        Mouse(target, QEvent::MouseButtonRelease, at);
        Mouse(target, QEvent::MouseButtonDblClick, at);
        Mouse(target, QEvent::MouseButtonRelease, at);
    }
    // Runs act on the next sheet dialog as soon as it is shown (a nested one: not `over`);
    // the flag returned, and `acted` for an outer one, tell that it ran.
    std::shared_ptr<bool> WhenSheetShows(std::function<void(SheetDialog&)> act,
                                         QWidget* over = nullptr) {
        auto ran = std::make_shared<bool>(false);
        if (!over)
            acted = false;
        auto poll = std::make_shared<std::function<void()>>();
        std::weak_ptr<std::function<void()>> self = poll;
        *poll = [this, act, ran, over, self] {
            auto* dialog = qobject_cast<SheetDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->isVisible() || dialog == over) {
                if (auto again = self.lock())
                    QTimer::singleShot(20, [again] { (*again)(); });
                return;
            }
            dialog->activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            *ran = true;
            if (!over)
                acted = true;
            act(*dialog);
        };
        polls_.push_back(poll);
        QTimer::singleShot(0, [poll] { (*poll)(); });
        return ran;
    }
    static QLineEdit* Edit(SheetDialog& d, const char* id) {
        return qobject_cast<QLineEdit*>(d.CurrentPage()->FieldWidget(id));
    }
    static void Retype(SheetDialog& d, const char* id, const QString& text) {
        QLineEdit* edit = Edit(d, id);
        ASSERT_NE(edit, nullptr) << id;
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }
    // a key pressed where the dialog's focus is
    static void Key(SheetDialog& d, Qt::Key key) {
        QTest::keyClick(d.focusWidget() ? d.focusWidget() : &d, key);
    }
    // a picture of the dialog for review, next to the test program
    static void Screenshot(SheetDialog& d, const char* name) {
        d.grab().save(QString("sheet-%1.png").arg(name));
    }
};
