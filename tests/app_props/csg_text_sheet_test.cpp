// Sheets that creation commands open first: a CSG difference built from two objects, saved
// and rendered by POV-Ray; the text's sheet; a polygon's points dragged with the mouse.
#include <QComboBox>
#include <QListWidget>

#include "document/creation_commands.h"
#include "model/groups/pov_csg.h"
#include "model/shapes/pov_polygon.h"
#include "props/qt/point_area.h"
#include "props/shapes/point_editor.h"
#include "tests/app_props/sheet_app_fixture.h"

namespace {

bool HavePovRay() {
    return std::system("command -v povray >/dev/null 2>&1") == 0;
}

class CreationSheetAppTest : public SheetAppTest {
  protected:
    void SetUp() override {
        SheetAppTest::SetUp();
        ASSERT_TRUE(app->NewDocument());
        Settle();
        Activate(kFrontView);
    }
    static void SelectRows(QListWidget* list, std::initializer_list<int> rows) {
        list->clearSelection();
        for (int row : rows)
            list->item(row)->setSelected(true);
    }
    static void ClickButton(SheetDialog& d, const char* id) {
        auto* button = qobject_cast<QPushButton*>(d.CurrentPage()->FieldWidget(id));
        ASSERT_NE(button, nullptr) << id;
        button->click();
    }
};

TEST_F(CreationSheetAppTest, TheCsgPageBuildsADifferenceThatPovRayRenders) {
    CPovObject* box = app->Create(CreateKind::Box);
    box->ScaleStep() = Vector(2, 2, 2);
    box->UpdateGeometry();
    CPovObject* sphere = app->Create(CreateKind::Sphere);
    const Vector& corner = box->Translation();
    sphere->Translation() = Vector(corner.X + 1, corner.Y + 1, corner.Z - 1);
    sphere->UpdateGeometry();
    WhenSheetShows([](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Eigenschaften CSG");
        d.Tabs()->setCurrentIndex(3);
        ASSERT_EQ(d.Tabs()->tabText(3), "Elemente");
        auto* available = qobject_cast<QListWidget*>(d.CurrentPage()->FieldWidget("available"));
        auto* members = qobject_cast<QListWidget*>(d.CurrentPage()->FieldWidget("members"));
        ASSERT_EQ(available->count(), 2);
        SelectRows(available, {0, 1});
        ClickButton(d, "add");
        EXPECT_EQ(available->count(), 0);
        ASSERT_EQ(members->count(), 2);
        // the box is the base the sphere is cut from
        for (int i = 0; i < members->count(); ++i)
            if (members->item(i)->text() == "Quader_000")
                SelectRows(members, {i});
        ClickButton(d, "base");
        EXPECT_EQ(members->item(0)->text(), "Quader_000");
        auto* operation = qobject_cast<QComboBox*>(d.CurrentPage()->FieldWidget("operation"));
        operation->setCurrentIndex(2);
        emit operation->activated(2);
        Screenshot(d, "csg");
        d.OkButton()->click();
    });
    auto* csg = static_cast<CPovCSG*>(app->Create(CreateKind::Csg));
    ASSERT_TRUE(acted);
    EXPECT_EQ(csg->Operation, "difference");
    ASSERT_EQ(csg->FirstChild, box);
    EXPECT_EQ(box->NextSibling, sphere);
    EXPECT_EQ(app->Document()->Objects, csg);
    EXPECT_EQ(csg->NextSibling, nullptr);

    const std::string path = dir + "/differenz.om";
    ASSERT_TRUE(app->SaveDocumentAs(QString::fromStdString(path)));
    const std::string saved = ReadFile(path);
    EXPECT_NE(saved.find("difference {\r\n\tobject { Quader_000 }\r\n\tobject { Kugel_000 }"),
              std::string::npos)
        << saved;
    if (!HavePovRay())
        GTEST_SKIP() << "povray is not installed";
    const CliRun run = RunCli("povray " + path + " -o " + dir + "/differenz.tga --size 64x48");
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_TRUE(std::filesystem::exists(dir + "/differenz.tga")) << run.out << run.err;
}

TEST_F(CreationSheetAppTest, TheTextSheetOpensOnCreation) {
    WhenSheetShows([](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle(), "Eigenschaften Text");
        d.Tabs()->setCurrentIndex(3);
        EXPECT_EQ(d.Tabs()->tabText(3), "Font && Text");
        Retype(d, "text", "Orvanta");
        Retype(d, "font", "timrom.ttf");
        Screenshot(d, "text");
        d.OkButton()->click();
    });
    CPovObject* text = app->Create(CreateKind::Text);
    ASSERT_TRUE(acted);
    const std::string path = dir + "/text.om";
    ASSERT_TRUE(app->SaveDocumentAs(QString::fromStdString(path)));
    EXPECT_NE(ReadFile(path).find("  ttf \"timrom.ttf\"\r\n  \"Orvanta\"\r\n"), std::string::npos);
    EXPECT_FALSE(text->Outline.empty());  // the outline was read from POV-Ray's font
}

TEST_F(CreationSheetAppTest, PolygonPointsAreDraggedWithTheMouse) {
    WhenSheetShows([this](SheetDialog& d) {
        d.Tabs()->setCurrentIndex(3);
        WhenSheetShows(
            [](SheetDialog& editor) {
                EXPECT_EQ(editor.windowTitle(), "Bearbeiten der Stützstellen");
                EXPECT_EQ(editor.OkButton()->text(), "Schließen");
                auto* area = dynamic_cast<PointArea*>(editor.CurrentPage()->FieldWidget("points"));
                ASSERT_NE(area, nullptr);
                // the first corner (-0.75, -0.75) dragged to (0, 0.5)
                const QPoint from = area->ToPixel(-750, -750).toPoint();
                const QPoint to = area->ToPixel(0, 500).toPoint();
                QTest::mousePress(area, Qt::LeftButton, Qt::NoModifier, from);
                QMouseEvent move(QEvent::MouseMove, QPointF(to), area->mapToGlobal(QPointF(to)),
                                 Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(area, &move);
                QTest::mouseRelease(area, Qt::LeftButton, Qt::NoModifier, to);
                EXPECT_NEAR(Edit(editor, "y")->text().toDouble(), 0.5, 0.01);
                Screenshot(editor, "points");
                editor.OkButton()->click();
            },
            &d);
        ClickButton(d, "edit");
        d.OkButton()->click();
    });
    // the polygon command opens the sheet before it places the object
    auto* polygon = static_cast<CPovPolygon*>(app->Create(CreateKind::Polygon));
    ASSERT_TRUE(acted);
    // a pixel of the area is a few thousandths
    EXPECT_NEAR(polygon->Points[0].X, 0.0, 0.01);
    EXPECT_NEAR(polygon->Points[0].Y, 0.5, 0.01);
    EXPECT_EQ(polygon->Points[1].X, 0.75);
}

}  // namespace
