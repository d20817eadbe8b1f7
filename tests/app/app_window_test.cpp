#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMdiSubWindow>
#include <QSet>
#include <QTest>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/camera_canvas.h"
#include "view/qt/widgets/view_widget.h"

namespace {

class AppTest : public ModelTest {
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
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app->Frame()));
    }
    void TearDown() override {
        app.reset();
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
    void Settle() {
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QTest::qWait(50);
    }
};

TEST_F(AppTest, ANewDocumentHasFourViewsInOrder) {
    ASSERT_TRUE(app->NewDocument());
    Settle();
    const auto& frames = app->Frame()->ChildFrames();
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0]->GetViewKind(), 0);
    EXPECT_EQ(frames[1]->GetViewKind(), 4);
    EXPECT_EQ(frames[2]->GetViewKind(), 2);
    EXPECT_EQ(frames[3]->GetViewKind(), 1);
    EXPECT_EQ(frames[0]->windowTitle(), "Script:1 Draufsicht");
    EXPECT_EQ(frames[1]->windowTitle(), "Script:2 Kamera");
    EXPECT_EQ(frames[2]->windowTitle(), "Script:3 Seitenansicht");
    EXPECT_EQ(frames[3]->windowTitle(), "Script:4 Frontansicht");
    app->Frame()->grab().save("/tmp/orvanta-new-document.png");
}

TEST_F(AppTest, ObjectsShowInEveryView) {
    ASSERT_TRUE(app->NewDocument());
    Settle();
    app->Create(CreateKind::Camera);
    app->Create(CreateKind::Light);
    app->Create(CreateKind::Sphere);
    app->Create(CreateKind::Box);
    Settle();
    QTest::qWait(300);
    app->Frame()->grab().save("/tmp/orvanta-objects.png");
}

}  // namespace

namespace {

class AppExampleTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
};

TEST_F(AppExampleTest, TheExampleSceneShowsItsObjects) {
    SetSettingsStore(&settings);
    {
        COrvantaApp app;
        app.Frame()->resize(1200, 900);
        app.Frame()->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(app.Frame()));
        ASSERT_TRUE(app.OpenDocument(ORVANTA_EXAMPLES_DIR "/beispiel.om"));
        for (int i = 0; i < 5; ++i)
            QApplication::processEvents();
        QTest::qWait(300);
        EXPECT_TRUE(app.LastReadProblems().empty());
        EXPECT_TRUE(prompts.messages.empty());
        const auto& frames = app.Frame()->ChildFrames();
        ASSERT_EQ(frames.size(), 4u);
        EXPECT_EQ(frames[0]->windowTitle(), "beispiel.om:1 Kamera");
        app.Frame()->grab().save("/tmp/orvanta-example.png");

        // the top view shows outlines: dark pixels on white
        const QImage top = frames[1]->GetViewWidget()->Canvas()->grab().toImage();
        int dark = 0;
        for (int y = 0; y < top.height(); ++y)
            for (int x = 0; x < top.width(); ++x)
                if (qGray(top.pixel(x, y)) < 100)
                    ++dark;
        EXPECT_GT(dark, 200);

        // the camera view is shaded: many different colours, not just a few flat ones
        CameraCanvas* canvas = frames[0]->GetViewWidget()->Camera();
        ASSERT_NE(canvas, nullptr);
        ASSERT_TRUE(QTest::qWaitFor([&] { return !canvas->PictureOutstanding(); }, 20000));
        const QImage camera = canvas->Picture();
        QSet<QRgb> colours;
        for (int y = 0; y < camera.height(); y += 2)
            for (int x = 0; x < camera.width(); x += 2)
                colours.insert(camera.pixel(x, y));
        EXPECT_GT(colours.size(), 50);
    }
    SetSettingsStore(nullptr);
}

}  // namespace
