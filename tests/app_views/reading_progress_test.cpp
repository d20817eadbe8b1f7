// The status bar while a scene is read: the reader's texts a few times a second, the window
// painting and running its timers meanwhile, the user's input held off until the end.
#include <gtest/gtest.h>

#include <QApplication>
#include <QMainWindow>
#include <QPushButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QTest>
#include <cstdio>

#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "app/reading_progress.h"
#include "bench/scene_generator.h"
#include "document/atomic_file.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "tests/support/model_test.h"
#include "tests/support/window_watch.h"
#include "view/read_progress.h"

namespace {

using namespace std::chrono_literals;

TEST(ReadProgressPacerTest, AFewTextsASecondAndTheWindowsTurnEveryFortyMilliseconds) {
    const auto start = ReadProgressPacer::Clock::now();
    ReadProgressPacer pacer(start);
    int shown = 0, breaths = 0;
    // a text every 100 microseconds for two seconds
    for (int i = 1; i <= 20000; ++i) {
        const ReadProgressPacer::Step step = pacer.Report(start + i * 100us);
        shown += step.show ? 1 : 0;
        breaths += step.breathe ? 1 : 0;
        EXPECT_TRUE(step.breathe || !step.show);
    }
    EXPECT_EQ(shown, 7);
    EXPECT_EQ(breaths, 50);
    // nothing in the first moments: a small file reads without a flicker in the status bar
    ReadProgressPacer quick(start);
    EXPECT_FALSE(quick.Report(start + 39ms).breathe);
    EXPECT_FALSE(quick.Report(start + 200ms).show);
}

class ReadingProgressTest : public ModelTest {
  protected:
    MemorySettingsStore settings;
    ScopedRecordingPrompts prompts;
    void SetUp() override {
        ModelTest::SetUp();
        SetSettingsStore(&settings);
    }
    void TearDown() override {
        SetSettingsStore(nullptr);
        ModelTest::TearDown();
    }
};

TEST_F(ReadingProgressTest, TextsShowInTheStatusBarAndClicksWaitForTheEnd) {
    QMainWindow frame;
    auto* button = new QPushButton("x", &frame);
    frame.setCentralWidget(button);
    frame.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    QSignalSpy clicks(button, &QPushButton::clicked);
    {
        ReadingProgress progress(frame);
        EXPECT_TRUE(ReadingProgress::Active());
        const SceneProgress report = progress.Callback();
        report("Lade Objekt 1, Name: Kugel_000");
        QTest::qSleep(260);
        report("Lade Objekt 2, Name: Kugel_001");
        EXPECT_EQ(frame.statusBar()->currentMessage(), "Lade Objekt 2, Name: Kugel_001");
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(clicks.count(), 0);
    }
    EXPECT_FALSE(ReadingProgress::Active());
    EXPECT_TRUE(frame.statusBar()->currentMessage().isEmpty());
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 1);
}

TEST_F(ReadingProgressTest, OpeningALargeSceneShowsTheCountAndKeepsTheWindowGoing) {
    const std::string path = ::testing::TempDir() + "orvanta-reading-progress.om";
    WriteFileAtomically(path, scene_generator::MixedScene(4000));
    COrvantaApp app;
    app.Frame()->resize(800, 600);
    app.Frame()->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(app.Frame()));

    const auto [ok, texts, ticks, took] =
        WatchWindow(*app.Frame(), [&] { return app.OpenDocument(QString::fromStdString(path)); });
    ASSERT_TRUE(ok);
    std::remove(path.c_str());

    // the texts come at most four times a second, the count among them when the read is long
    EXPECT_LE(texts.count(), 2 * (took / 250 + 1));
    if (took > 400) {
        EXPECT_TRUE(texts.filter("Lade Objekt ").count() > 0) << took << " ms";
        EXPECT_GT(ticks, 0);
    }
    EXPECT_TRUE(app.Frame()->statusBar()->currentMessage().isEmpty());
}

}  // namespace
