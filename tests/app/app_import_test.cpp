// "&Datei" > "&Importieren...": a POV-Ray scene with a loop of spheres and a CSG difference
// comes in as editable objects that the views show; one "Rückgängig" takes the whole import
// back and "Wiederherstellen" brings it again. A long import keeps the window going.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QListView>
#include <QRegularExpression>
#include <QStatusBar>
#include <QTest>

#include <fstream>

#include "app/child_frame.h"
#include "app/main_frame.h"
#include "app/orvanta_app.h"
#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/fake/recording_prompts.h"
#include "platform/memory_settings_store.h"
#include "resources/command_ids.h"
#include "tests/app/desktop_fixture.h"
#include "tests/support/cli_runner.h"
#include "tests/support/model_test.h"
#include "tests/support/window_watch.h"
#include "view/qt/widgets/view_widget.h"

namespace {

class AppImportTest : public DesktopTest {
  protected:
    // waits longer than the fixture's Settle
    void Settle() {
        for (int i = 0; i < 10; ++i) {
            QApplication::processEvents();
            QTest::qWait(30);
        }
    }
    // the pixels of each orthographic view that differ from its corner (the background)
    std::vector<int> DrawnPixels() {
        std::vector<int> counts;
        for (auto* frame : app->Frame()->ChildFrames()) {
            if (frame->GetViewKind() == kCameraView) {
                continue;
            }
            const QImage image = frame->GetViewWidget()->grab().toImage();
            const QRgb background = image.pixel(2, 2);
            int count = 0;
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    count += image.pixel(x, y) != background ? 1 : 0;
                }
            }
            counts.push_back(count);
        }
        return counts;
    }
    void Trigger(int id) {
        app->Frame()->UpdateCommandStates();
        QAction* action = app->Frame()->Action(id);
        ASSERT_TRUE(action->isEnabled()) << action->text().toStdString();
        action->trigger();
        Settle();
    }
    static void Screenshot(QWidget* widget, const char* name) {
        const QString folder = qEnvironmentVariable("ORVANTA_SCREENSHOTS");
        if (!folder.isEmpty()) {
            EXPECT_TRUE(widget->grab().save(QString("%1/%2.png").arg(folder, name)));
        }
    }
};

int Count(const COrvantaDoc& doc, int kind) {
    int n = 0;
    for (const CPovObject* o = doc.Objects; o; o = o->NextSibling) {
        n += o->GetType() == kind ? 1 : 0;
    }
    return n;
}

TEST_F(AppImportTest, ImportShowsSpheresAndGroupAndOneUndoTakesItBack) {
    app->Frame()->UpdateCommandStates();
    EXPECT_TRUE(app->Frame()->Action(ID_FILE_IMPORT)->isEnabled());
    EXPECT_TRUE(app->Frame()->Action(ID_FILE_IMPORT)->text().startsWith("&Importieren..."));

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
    const std::vector<int> empty = DrawnPixels();
    ASSERT_TRUE(app->ImportDocument(QString::fromStdString(scene)));
    Settle();
    const COrvantaDoc* doc = app->Document();
    ASSERT_NE(doc, nullptr);
    EXPECT_EQ(Count(*doc, kKindSphere), 5);
    EXPECT_EQ(Count(*doc, kKindCSG), 1);
    EXPECT_NE(doc->Camera, nullptr);
    // an imported scene has no file yet: saving asks for a name
    EXPECT_TRUE(doc->GetPathName().empty());
    const std::vector<int> imported = DrawnPixels();
    ASSERT_EQ(imported.size(), 3u);
    for (size_t i = 0; i < imported.size(); ++i) {
        EXPECT_GT(imported[i], empty[i] + 200) << "view " << i;
    }
    // the report lists what came in, with file and line
    auto* report = app->Frame()->findChild<QListView*>("importReport");
    ASSERT_NE(report, nullptr);
    QStringList lines;
    for (int row = 0; row < report->model()->rowCount(); ++row)
        lines << report->model()->index(row, 0).data().toString();
    EXPECT_TRUE(lines.contains("loop.pov:5: sphere: bearbeitbares Objekt (5 mal)"))
        << lines.join('\n').toStdString();
    EXPECT_TRUE(lines.contains("loop.pov:7: difference: bearbeitbares Objekt"));
    // Ctrl+A, Ctrl+C: every line to the clipboard, in order
    report->window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(report->window()));
    report->setFocus();
    QTest::keyClick(report, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(report, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), lines.join('\n') + '\n');
    Screenshot(app->Frame(), "import");
    Screenshot(report->window(), "import-report");
    // Return is OK
    QTest::keyClick(report, Qt::Key_Return);
    Settle();
    EXPECT_EQ(app->Frame()->findChild<QListView*>("importReport"), nullptr);

    app->Frame()->UpdateCommandStates();
    EXPECT_EQ(app->Frame()->Action(ID_EDIT_UNDO)->text(),
              "&Rückgängig: Importieren loop.pov\tStrg+Z");
    Trigger(ID_EDIT_UNDO);
    EXPECT_EQ(doc->Objects, nullptr);
    EXPECT_EQ(doc->Camera, nullptr);
    EXPECT_EQ(DrawnPixels(), empty);
    app->Frame()->UpdateCommandStates();
    EXPECT_FALSE(app->Frame()->Action(ID_EDIT_UNDO)->isEnabled());

    Trigger(ID_EDIT_REDO);
    EXPECT_EQ(Count(*doc, kKindSphere), 5);
    EXPECT_EQ(Count(*doc, kKindCSG), 1);
    EXPECT_EQ(DrawnPixels(), imported);
}

TEST_F(AppImportTest, ALongImportShowsWhereItIsAndKeepsTheWindowGoing) {
    // plain statements handed over while the scene is evaluated, a long loop that hands over
    // nothing, then statements that are mapped only when the evaluation has ended
    const std::string scene = dir + "/long.pov";
    std::ofstream(scene) << R"(#version 3.7;
#for (I, 1, 3000) sphere { <I, 0, 0>, 0.5 } #end
#declare N = 0;
#while (N < 300000) #declare N = N + 1; #end
#declare S = sphere { 0, 1 }
#for (I, 1, 3000) object { S translate <0, I, 0> } #end
)";
    const auto [ok, texts, ticks, took] = WatchWindow(
        *app->Frame(), [&] { return app->ImportDocument(QString::fromStdString(scene)); });
    ASSERT_TRUE(ok);

    EXPECT_EQ(Count(*app->Document(), kKindSphere), 6000);
    EXPECT_LE(texts.filter(QRegularExpression("^\\S")).count(), 2 * (took / 250 + 1));
    if (took > 400) {
        EXPECT_GE(ticks, 3) << took << " ms";
        EXPECT_GT(
            texts.filter(QRegularExpression("^Lese long.pov, Zeile [0-9]+$")).count() +
                texts.filter(QRegularExpression("^Übernehme Anweisung [0-9]+ von [0-9]+$")).count(),
            0)
            << texts.join("\n").toStdString();
    }
    EXPECT_TRUE(app->Frame()->statusBar()->currentMessage().isEmpty());
}

}  // namespace
