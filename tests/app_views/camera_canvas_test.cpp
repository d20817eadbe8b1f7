// The camera view's canvas in a window: it renders when what it shows changed, and only then.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "document/orvanta_doc.h"
#include "model/solids/pov_cubic.h"
#include "model/solids/pov_sphere.h"
#include "tests/support/model_test.h"
#include "view/qt/widgets/camera_canvas.h"
#include "view/qt/widgets/view_widget.h"

namespace {

class CameraCanvasTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        NextViewKind = kCameraView;
        ViewCount = 0;
        doc = std::make_unique<COrvantaDoc>();
        doc->Settings->Modeller.OpenGL = 1;
        doc->Settings->Modeller.Wireframe = 0;
        auto* box = new CPovCubic();
        box->ScaleStep() = Vector(4, 4, 4);
        doc->InsertObject(box);
        widget = std::make_unique<ViewWidget>(*doc);
        widget->resize(340, 260);
        widget->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
        canvas = widget->Camera();
        ASSERT_NE(canvas, nullptr);
        ASSERT_TRUE(WaitForPicture());
    }
    void TearDown() override {
        widget.reset();
        doc.reset();
        ModelTest::TearDown();
    }
    bool WaitForPicture() {
        return QTest::qWaitFor(
            [&] { return !canvas->PictureOutstanding() && !canvas->Picture().isNull(); }, 20000);
    }
    // lit pixels of the picture shown
    int Lit() const {
        const QImage& p = canvas->Picture();
        int lit = 0;
        for (int y = 0; y < p.height(); ++y)
            for (int x = 0; x < p.width(); ++x)
                lit += qGray(p.pixel(x, y)) > 20 ? 1 : 0;
        return lit;
    }

    std::unique_ptr<COrvantaDoc> doc;
    std::unique_ptr<ViewWidget> widget;
    CameraCanvas* canvas = nullptr;
};

TEST_F(CameraCanvasTest, ExposesShowTheKeptPictureAndChangesRenderOnce) {
    const int first = canvas->PictureRequests();
    const QSize size = canvas->Picture().size();
    EXPECT_EQ(size, canvas->size());
    const int boxOnly = Lit();
    EXPECT_GT(boxOnly, 100);

    // exposes, a hide and show, and a document notice that changes nothing render nothing
    canvas->repaint();
    widget->hide();
    widget->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(widget.get()));
    doc->UpdateAllViews();
    QTest::qWait(300);
    EXPECT_EQ(canvas->PictureRequests(), first);

    // a second object: one new picture that shows it
    auto* sphere = new CPovSphere();
    sphere->ScaleStep() = Vector(2, 2, 2);
    sphere->SetPosition(Vector(5, 0, 0));
    doc->InsertObject(sphere);
    doc->UpdateAllViews();
    doc->UpdateAllViews();
    ASSERT_TRUE(WaitForPicture());
    EXPECT_EQ(canvas->PictureRequests(), first + 1);
    EXPECT_GT(Lit(), boxOnly + 100);
}

TEST_F(CameraCanvasTest, AResizeRendersOnceWhenTheSizeHasSettled) {
    const int first = canvas->PictureRequests();
    // a window edge dragged over a few sizes
    for (int i = 1; i <= 5; ++i) {
        widget->resize(340 + 10 * i, 260 + 6 * i);
        QApplication::processEvents();
    }
    ASSERT_TRUE(WaitForPicture());
    EXPECT_EQ(canvas->PictureRequests(), first + 1);
    EXPECT_EQ(canvas->Picture().size(), canvas->size());
}

}  // namespace
