// A desktop application with a new document for the desktop tests, and the little helpers
// they share: settling the event loop, a view of a kind, commands as the menus run them, and
// screenshots for review.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMdiArea>
#include <QTest>
#include <memory>
#include <string>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"

class DesktopTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    std::unique_ptr<COrvantaApp> app;
    std::string dir;

    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
        dir = MakeTempFolder();
        app = std::make_unique<COrvantaApp>();
        app->Frame()->resize(1200, 900);
        app->Frame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->Frame()));
        ASSERT_TRUE(app->NewDocument());
        Settle();
    }
    void TearDown() override {
        app.reset();
        RemoveTree(dir);
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
    static void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QTest::qWait(30);
    }
    COrvantaMDIChildWnd* FrameOfKind(int kind) {
        for (COrvantaMDIChildWnd* f : app->Frame()->ChildFrames())
            if (f->GetViewKind() == kind)
                return f;
        return nullptr;
    }
    ViewWidget* Activate(int kind) {
        COrvantaMDIChildWnd* frame = FrameOfKind(kind);
        app->Frame()->MdiArea()->setActiveSubWindow(frame);
        Settle();
        return frame->GetViewWidget();
    }
    void Trigger(int id) {
        app->Frame()->UpdateCommandStates();
        QAction* action = app->Frame()->Action(id);
        ASSERT_NE(action, nullptr) << id;
        ASSERT_TRUE(action->isEnabled()) << id;
        action->trigger();
        Settle();
    }
    // a picture of a widget for review, in the build folder
    static void Screenshot(QWidget* widget, const char* name) {
        QDir().mkpath(ORVANTA_SCREENSHOT_DIR);
        widget->grab().save(QStringLiteral(ORVANTA_SCREENSHOT_DIR "/%1.png").arg(name));
    }
};

class FirstHourTest : public DesktopTest {};
