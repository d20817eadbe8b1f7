// "&Datei" > "&Importieren...": a POV-Ray scene with a loop of spheres and a CSG difference
// comes in as editable objects that the views show.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>

#include <fstream>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"

namespace {

class ImportCommand : public ModelTest {
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
    }
    void TearDown() override {
        app.reset();
        SetSettingsStore(nullptr);
        RemoveTree(dir);
        ModelTest::TearDown();
    }
    void Settle() {
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            QTest::qWait(30);
        }
    }
    // the number of pixels of a view that differ from its corner (the background)
    static int DrawnPixels(QWidget* view) {
        const QImage image = view->grab().toImage();
        const QRgb background = image.pixel(2, 2);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += image.pixel(x, y) != background ? 1 : 0;
            }
        }
        return count;
    }
};

TEST_F(ImportCommand, ImportShowsTheSpheresAndTheGroupInTheViews) {
    // the command stands in the file menu
    QAction* command = nullptr;
    for (QAction* menu : app->Frame()->menuBar()->actions()) {
        if (menu->menu() && menu->text() == "&Datei") {
            for (QAction* a : menu->menu()->actions()) {
                if (a->text().startsWith("&Importieren...")) {
                    command = a;
                }
            }
        }
    }
    ASSERT_NE(command, nullptr);
    EXPECT_TRUE(command->isEnabled());

    const std::string scene = dir + "/loop.pov";
    std::ofstream(scene) << R"(#version 3.7;
camera { location <0, 6, -12> look_at <0, 0, 0> }
light_source { <10, 20, -20> color rgb 1 }
#for (I, 0, 4)
  sphere { <I * 2 - 4, 0, 0>, 0.6 pigment { rgb <1, I / 4, 0> } }
#end
difference {
  box { <-1, -1, -1>, <1, 1, 1> }
  sphere { 0, 1.3 }
  translate <0, 0, 3>
  pigment { rgb <0.3, 0.6, 1> }
}
)";
    ASSERT_TRUE(app->NewDocument());
    Settle();
    const auto& before = app->Frame()->ChildFrames();
    ASSERT_EQ(before.size(), 4u);
    const int emptyTop = DrawnPixels(before[0]->GetViewWidget());

    ASSERT_TRUE(app->ImportDocument(QString::fromStdString(scene)));
    Settle();
    const COrvantaDoc* doc = app->Document();
    ASSERT_NE(doc, nullptr);
    int spheres = 0, groups = 0;
    for (const CPovObject* o = doc->Objects; o; o = o->NextSibling) {
        spheres += o->GetType() == kKindSphere ? 1 : 0;
        groups += o->GetType() == kKindCSG ? 1 : 0;
    }
    EXPECT_EQ(spheres, 5);
    EXPECT_EQ(groups, 1);
    EXPECT_NE(doc->Camera, nullptr);
    // an imported scene has no file yet: saving asks for a name
    EXPECT_TRUE(doc->GetPathName().empty());

    const auto& frames = app->Frame()->ChildFrames();
    ASSERT_EQ(frames.size(), 4u);
    for (auto* frame : frames) {
        if (frame->GetViewKind() != 4) {
            EXPECT_GT(DrawnPixels(frame->GetViewWidget()), emptyTop + 200)
                << "view " << frame->GetViewKind();
        }
    }
    // the report lists what came in
    auto* report = app->Frame()->findChild<QPlainTextEdit*>("importReport");
    ASSERT_NE(report, nullptr);
    EXPECT_TRUE(report->toPlainText().contains("loop.pov:5: sphere: bearbeitbares Objekt (5 mal)"))
        << report->toPlainText().toStdString();
    EXPECT_TRUE(report->toPlainText().contains("loop.pov:7: difference: bearbeitbares Objekt"));
    app->Frame()->grab().save("/work/brief/import-pictures/gui-import.png");
}

}  // namespace
