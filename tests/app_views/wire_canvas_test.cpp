// The top, front and side views in a window: the kept picture serves exposes and drags, and a
// large scene's picture is drawn on the render thread.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "document/orvanta_doc.h"
#include "model/solids/pov_cubic.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/view_widget.h"
#include "view/qt/widgets/wire_canvas.h"

namespace {

class WireCanvasTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        ViewCount = 0;
        doc = std::make_unique<COrvantaDoc>();
    }
    void TearDown() override {
        widget.reset();
        doc.reset();
        ModelTest::TearDown();
    }
    CPovCubic* AddBox(const Vector& at, double size) {
        auto* box = new CPovCubic();
        box->ScaleStep() = Vector(size, size, size);
        box->SetPosition(at);
        doc->InsertObject(box);
        return box;
    }
    void Show() {
        NextViewKind = kFrontView;
        widget = std::make_unique<ViewWidget>(*doc);
        widget->resize(420, 320);
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        canvas = widget->Wire();
        ASSERT_NE(canvas, nullptr);
        // the world origin near the middle, at zoom 10
        const int h = canvas->width() / 20, v = canvas->height() / 20;
        widget->SetPosition(ScrollBar::Horizontal, -h);
        widget->SetPosition(ScrollBar::Vertical, v);
        origin = QPoint(10 * h, canvas->height() - 10 * v);
        widget->Redraw();
        ASSERT_TRUE(WaitForPicture());
    }
    bool WaitForPicture() {
        return QTest::qWaitFor(
            [&] { return !canvas->PictureOutstanding() && !canvas->Picture().isNull(); }, 20000);
    }
    // dark pixels of the canvas as it shows now, in a square around a point
    int DarkAround(QPoint at, int half = 4) {
        const QImage shown = canvas->grab().toImage();
        int dark = 0;
        for (int y = at.y() - half; y <= at.y() + half; ++y)
            for (int x = at.x() - half; x <= at.x() + half; ++x)
                if (shown.valid(x, y) && qGray(shown.pixel(x, y)) < 128)
                    ++dark;
        return dark;
    }

    std::unique_ptr<COrvantaDoc> doc;
    std::unique_ptr<ViewWidget> widget;
    WireCanvas* canvas = nullptr;
    // where the world origin is on the canvas
    QPoint origin;
};

TEST_F(WireCanvasTest, ExposesAndDragStepsPaintWithoutANewPicture) {
    AddBox(Vector(0, 0, 0), 4);  // 40 pixels across in the middle
    Show();
    const QPoint middle = origin;
    EXPECT_GT(DarkAround(middle + QPoint(20, 0), 2), 0);  // its right edge

    // a click picks the box: one picture without it, which is then drawn over it
    QTest::mousePress(canvas, Qt::LeftButton, {}, middle);
    ASSERT_TRUE(WaitForPicture());
    const int requests = canvas->PictureRequests();
    canvas->repaint();
    widget->hide();
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));

    // dragged 60 pixels to the right: its right edge follows
    for (int i = 1; i <= 6; ++i)
        QTest::mouseMove(canvas, middle + QPoint(10 * i, 0));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, middle + QPoint(60, 0));
    QApplication::processEvents();
    EXPECT_FALSE(canvas->PictureOutstanding());
    EXPECT_EQ(canvas->PictureRequests(), requests);
    EXPECT_NEAR(doc->Objects->Translation().X, 6.0, 0.2);
    EXPECT_GT(DarkAround(middle + QPoint(80, 0), 2), 0);
    EXPECT_EQ(DarkAround(middle + QPoint(20, -10), 2), 0);  // nothing left where it was
}

TEST_F(WireCanvasTest, ALargeScenesPictureIsDrawnOnTheRenderThread) {
    // a grid of boxes on the left: more primitives than are drawn at once
    for (int i = 0; i < 1600; ++i)
        AddBox(Vector(-20 + (i % 40) * 0.5, -15 + (i / 40) * 0.75, 0), 0.5);
    Show();
    const int first = canvas->PictureRequests();
    const QPoint middle = origin;
    EXPECT_GT(DarkAround(middle - QPoint(100, 0)), 0);  // the box at (-10, 0)

    // two changes in a row: the window shows the scene with both
    AddBox(Vector(10, 5, 0), 2);
    doc->UpdateAllViews();
    AddBox(Vector(10, -5, 0), 2);
    doc->UpdateAllViews();
    ASSERT_TRUE(WaitForPicture());
    EXPECT_EQ(canvas->PictureRequests(), first + 1);
    // their right edges at x = 11
    EXPECT_GT(DarkAround(middle + QPoint(110, -50), 1), 0);
    EXPECT_GT(DarkAround(middle + QPoint(110, 50), 1), 0);
}

}  // namespace
