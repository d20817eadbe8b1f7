// Cascading keeps useful sizes, the window menu lists the views, the wheel scrolls and zooms,
// Escape and Delete act on the picked object, the world axes show, and the camera view keeps
// the shape of the rendered picture.
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QWheelEvent>

#include "app/render_controller.h"
#include "app/render_window.h"
#include "document/creation_commands.h"
#include "document/orvanta_doc.h"
#include "model/environment/pov_background.h"
#include "model/pov_object.h"
#include "resources/command_ids.h"
#include "tests/app/desktop_fixture.h"
#include "view/qt/widgets/camera_canvas.h"

namespace {

QMenu* MenuTitled(QMenuBar* bar, const QString& title) {
    for (QAction* a : bar->actions())
        if (a->text() == title)
            return a->menu();
    return nullptr;
}

// a wheel turn over a point of the view's canvas
void Wheel(ViewWidget* view, QPoint at, int delta, Qt::KeyboardModifiers keys) {
    const QPoint inView = view->Canvas()->mapTo(view, at);
    QWheelEvent event(QPointF(inView), view->mapToGlobal(QPointF(inView)), QPoint(),
                      QPoint(0, delta), Qt::NoButton, keys, Qt::NoScrollPhase, false);
    QApplication::sendEvent(view, &event);
}

TEST_F(FirstHourTest, CascadingKeepsUsefulSizesAndShowsEveryTitle) {
    Trigger(ID_WINDOW_CASCADE);
    const QRect area = app->Frame()->MdiArea()->viewport()->rect();
    const auto& frames = app->Frame()->ChildFrames();
    ASSERT_EQ(frames.size(), 4u);
    for (size_t i = 0; i < frames.size(); ++i) {
        const QRect g = frames[i]->geometry();
        EXPECT_TRUE(area.contains(g)) << i;
        EXPECT_GE(g.width(), area.width() / 2) << i;
        EXPECT_GE(g.height(), area.height() / 2) << i;
        if (i > 0) {
            EXPECT_GT(g.top(), frames[i - 1]->geometry().top()) << i;
            EXPECT_GT(g.left(), frames[i - 1]->geometry().left()) << i;
        }
    }
    Screenshot(app->Frame(), "cascaded-views");
}

TEST_F(FirstHourTest, TheWindowMenuListsTheViewsWithTheActiveOneChecked) {
    QMenu* menu = MenuTitled(app->Frame()->menuBar(), "&Fenster");
    ASSERT_NE(menu, nullptr);
    Activate(kSideView);
    emit menu->aboutToShow();
    QStringList titles;
    QString checked;
    for (QAction* a : menu->actions()) {
        if (a->isCheckable() && !a->data().isValid()) {
            titles << a->text();
            if (a->isChecked())
                checked = a->text();
        }
    }
    ASSERT_EQ(titles.size(), 4);
    EXPECT_EQ(titles[0], "&1 Script:1 Draufsicht");
    EXPECT_EQ(checked, "&3 Script:3 Seitenansicht");
    // choosing an entry activates its view; the list is made anew each time
    for (QAction* a : menu->actions())
        if (a->text() == titles[3])
            a->trigger();
    Settle();
    EXPECT_EQ(app->Frame()->MdiArea()->activeSubWindow(), FrameOfKind(kFrontView));
    emit menu->aboutToShow();
    int entries = 0;
    for (QAction* a : menu->actions())
        entries += a->isCheckable() && !a->data().isValid();
    EXPECT_EQ(entries, 4);
}

TEST_F(FirstHourTest, WheelScrollsAndControlWheelZooms) {
    ViewWidget* front = Activate(kFrontView);
    COrvantaView& view = front->View();
    const int vertical = front->Position(ScrollBar::Vertical);
    const int horizontal = front->Position(ScrollBar::Horizontal);
    Wheel(front, QPoint(50, 50), 120, Qt::NoModifier);
    Settle();
    EXPECT_LT(front->Position(ScrollBar::Vertical), vertical);
    Wheel(front, QPoint(50, 50), -120, Qt::ShiftModifier);
    Settle();
    EXPECT_GT(front->Position(ScrollBar::Horizontal), horizontal);
    const double zoom = view.Zoom;
    Wheel(front, QPoint(50, 50), 240, Qt::ControlModifier);
    Settle();
    EXPECT_GT(view.Zoom, zoom);
    EXPECT_EQ(app->Document()->ZoomFront, static_cast<int>(view.Zoom));
}

TEST_F(FirstHourTest, EscapeLetsGoAndDeleteCutsWhatUndoBringsBack) {
    ViewWidget* front = Activate(kFrontView);
    CPovObject* sphere = app->Create(CreateKind::Sphere);
    ASSERT_EQ(app->Document()->CurrentObject, sphere);
    front->Canvas()->setFocus();
    QTest::keyClick(front->Canvas(), Qt::Key_Escape);
    Settle();
    EXPECT_EQ(app->Document()->CurrentObject, nullptr);
    app->Frame()->UpdateCommandStates();
    EXPECT_FALSE(app->Frame()->Action(ID_EDIT_DELETE)->isEnabled());

    sphere->Select(front->View());
    EXPECT_TRUE(app->Frame()->Action(ID_EDIT_DELETE)->shortcuts().contains(QKeySequence("Del")));
    Trigger(ID_EDIT_DELETE);
    EXPECT_FALSE(sphere->IsPresent());
    Trigger(ID_EDIT_UNDO);
    EXPECT_TRUE(sphere->IsPresent());
}

TEST_F(FirstHourTest, ShowAllFitsTheSceneAndTheAxesShow) {
    for (CreateKind kind : {CreateKind::Sphere, CreateKind::Box, CreateKind::Cone})
        app->Create(kind);
    ViewWidget* front = Activate(kFrontView);
    EXPECT_TRUE(app->Frame()->Action(ID_VIEW_ZOOM_FIT)->shortcuts().contains(QKeySequence("Home")));
    Trigger(ID_VIEW_ZOOM_FIT);
    EXPECT_GT(front->View().Zoom, 10.0);
    Screenshot(FrameOfKind(kFrontView), "front-view-axes");
    Trigger(ID_WINDOW_TILE_HORZ);
    Screenshot(app->Frame(), "tiled-views-axes");
}

TEST_F(FirstHourTest, TheCameraViewShowsThePicturesShapeBetweenBars) {
    app->Create(CreateKind::Sphere);
    auto* background = dynamic_cast<CPovBackground*>(app->Create(CreateKind::Background));
    ASSERT_NE(background, nullptr);
    background->BackgroundColor = 0xFF0000;  // blue, to tell the picture from the bars
    COrvantaMDIChildWnd* frame = FrameOfKind(kCameraView);
    ASSERT_NE(frame, nullptr);
    CameraCanvas* canvas = frame->GetViewWidget()->Camera();
    ASSERT_NE(canvas, nullptr);
    struct Case {
        QSize frameSize;
        const char* name;
    };
    for (const Case& c :
         {Case{{320, 700}, "camera-view-tall"}, Case{{900, 300}, "camera-view-wide"}}) {
        frame->showNormal();
        frame->resize(c.frameSize);
        canvas->SceneChanged();
        ASSERT_TRUE(QTest::qWaitFor(
            [&] {
                return canvas->Picture().size() == canvas->size() && !canvas->PictureOutstanding();
            },
            20000))
            << c.name;
        Screenshot(frame, c.name);
        // the blue picture: 4:3, centred, touching two opposite edges
        const QImage image = canvas->Picture();
        QRect picture;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qBlue(image.pixel(x, y)) > 128)
                    picture |= QRect(x, y, 1, 1);
        ASSERT_FALSE(picture.isEmpty()) << c.name;
        EXPECT_NEAR(picture.width() * 3.0, picture.height() * 4.0, 8) << c.name;
        EXPECT_LE(std::abs(picture.left() - (image.width() - 1 - picture.right())), 1) << c.name;
        EXPECT_LE(std::abs(picture.top() - (image.height() - 1 - picture.bottom())), 1) << c.name;
        EXPECT_TRUE(picture.width() == image.width() || picture.height() == image.height())
            << c.name;
        EXPECT_EQ(qGray(image.pixel(0, 0)), 0) << c.name;  // a bar
    }

    // choosing a wide render size in the render window reshapes the view at once
    auto* size = app->Render().Window()->findChild<QComboBox*>();
    ASSERT_NE(size, nullptr);
    size->setCurrentIndex(7);
    ASSERT_EQ(size->currentText(), QString::fromUtf8("1920 × 1080"));
    emit size->activated(7);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QImage image = canvas->Picture();
            return !canvas->PictureOutstanding() &&
                   qBlue(image.pixel(image.width() / 2 - image.height() * 8 / 9 + 4, 10)) > 128;
        },
        20000));
}

}  // namespace
