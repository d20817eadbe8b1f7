// The sphere of the example scene edited in its sheet: opened by a double click, changed, OK,
// Cancel, a refused value.
#include "tests/app_props/sheet_app_fixture.h"

namespace {

class SphereSheetAppTest : public SheetAppTest {
  protected:
    CPovObject* Sphere() {
        for (CPovObject* o = app->Document()->Objects; o; o = o->NextSibling)
            if (o->Name == "Kugel_000")
                return o;
        return nullptr;
    }
    // in the top view, left of the centre: no other object of the example covers it there
    QPoint SpherePixel(ViewWidget* top) {
        return ViewPixel(top, Sphere()->Translation().X - 0.5, Sphere()->Translation().Z);
    }
};

TEST_F(SphereSheetAppTest, DoubleClickOpensTheSheetAndOkChangesViewsPaneAndFile) {
    OpenExample();
    ViewWidget* front = Activate(kTopView);
    ASSERT_NE(Sphere(), nullptr);
    const QImage before = front->Canvas()->grab().toImage();
    std::string opened;
    SetUrlOpener([&opened](const std::string& url) { opened = url; });
    WhenSheetShows([](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Eigenschaften Kugel");
        ASSERT_GE(d.Tabs()->count(), 2);
        EXPECT_EQ(d.Tabs()->tabText(0), "Allgemein");
        EXPECT_EQ(d.Tabs()->tabText(1), "Drehung");
        // "Referenz": POV-Ray's reference at the sphere
        ASSERT_NE(d.ReferenceButton(), nullptr);
        d.ReferenceButton()->click();
        // the name has the focus: typing replaces it
        EXPECT_EQ(d.focusWidget(), Edit(d, "name"));
        EXPECT_EQ(Edit(d, "name")->text(), "Kugel_000");
        Screenshot(d, "sphere");
        Retype(d, "name", "Ball");
        Retype(d, "pos.x", "2");
        d.Tabs()->setCurrentIndex(2);
        Screenshot(d, "sphere-texture");
        Key(d, Qt::Key_Return);
    });
    DoubleClick(front->Canvas(), SpherePixel(front));
    ASSERT_TRUE(acted);
    SetUrlOpener(nullptr);
    EXPECT_NE(opened.find("r3_4.html#r3_4_5_1_12"), std::string::npos) << opened;
    Settle();
    CPovObject* sphere = Sphere();
    EXPECT_EQ(sphere, nullptr);  // renamed
    sphere = app->Document()->CurrentObject;
    ASSERT_NE(sphere, nullptr);
    EXPECT_EQ(sphere->Name, "Ball");
    EXPECT_EQ(sphere->Translation().X, 2.0);
    EXPECT_TRUE(app->Document()->IsModified());
    app->Frame()->UpdateStatusPanes();
    EXPECT_EQ(app->Frame()->SelectionPane()->text(), "Ball");
    EXPECT_NE(front->Canvas()->grab().toImage(), before);

    const QString path = QString::fromStdString(dir + "/ball.om");
    ASSERT_TRUE(app->SaveDocumentAs(path));
    const std::string saved = ReadFile(path.toStdString());
    EXPECT_NE(saved.find("#declare Ball = sphere"), std::string::npos);
    EXPECT_NE(saved.find("  translate <2.0000,1.0000,0.5000>"), std::string::npos);
}

TEST_F(SphereSheetAppTest, CancelAndEscapeChangeNothing) {
    OpenExample();
    ViewWidget* front = Activate(kTopView);
    const QString path = QString::fromStdString(dir + "/same.om");
    ASSERT_TRUE(app->SaveDocumentAs(path));
    const std::string before = ReadFile(path.toStdString());
    WhenSheetShows([](SheetDialog& d) {
        Retype(d, "name", "Anders");
        Retype(d, "size.y", "3");
        d.Tabs()->setCurrentIndex(1);
        Retype(d, "angle.x", "90");
        Key(d, Qt::Key_Escape);
    });
    DoubleClick(front->Canvas(), SpherePixel(front));
    ASSERT_TRUE(acted);
    // Alt+Enter opens it too; Abbrechen cancels
    WhenSheetShows([](SheetDialog& d) {
        Retype(d, "pos.z", "7");
        d.CancelButton()->click();
    });
    app->Frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(app->Frame()));
    app->Frame()->UpdateCommandStates();
    QTest::keyClick(app->Frame(), Qt::Key_Return, Qt::AltModifier);
    ASSERT_TRUE(acted);
    EXPECT_FALSE(app->Document()->IsModified());
    ASSERT_TRUE(app->SaveDocumentAs(path));
    EXPECT_EQ(ReadFile(path.toStdString()), before);
}

TEST_F(SphereSheetAppTest, ARefusedValueKeepsTheSheetOpenOnItsField) {
    OpenExample();
    ViewWidget* front = Activate(kTopView);
    bool stillOpen = false;
    WhenSheetShows([&](SheetDialog& d) {
        Retype(d, "size.z", "1000.5");
        d.Tabs()->setCurrentIndex(1);  // leaving the page is refused as well
        EXPECT_EQ(d.Tabs()->currentIndex(), 0);
        Key(d, Qt::Key_Return);
        stillOpen = d.isVisible();
        EXPECT_EQ(d.focusWidget(), Edit(d, "size.z"));
        Retype(d, "size.z", "1000");
        Key(d, Qt::Key_Return);
    });
    DoubleClick(front->Canvas(), SpherePixel(front));
    ASSERT_TRUE(acted);
    EXPECT_TRUE(stillOpen);
    ASSERT_EQ(prompts.messages.size(), 2u);
    EXPECT_EQ(prompts.messages[0], "Geben Sie bitte eine Zahl zwischen 0 und 1000 ein.");
    EXPECT_EQ(app->Document()->CurrentObject->ScaleStep().Z, 1000.0);
}

}  // namespace
