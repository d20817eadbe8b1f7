// The texture editor on the desktop: a sphere's texture page creates a texture, its colour page
// makes a checker of two colours picked in the colour dialog, its finish page a highlight; the
// saved scene renders in POV-Ray as a checkered sphere.
#include <QCheckBox>
#include <QListView>

#include "document/creation_commands.h"
#include "document/povray_command.h"
#include "model/surfaces/pov_texture.h"
#include "platform/qt/qprocess_launcher.h"
#include "preview/qt/preview_frame.h"
#include "preview/qt/preview_service.h"
#include "tests/app_textures/texture_app_fixture.h"

namespace {

// the colour of a pixel: clearly red, clearly blue, or neither
char Hue(const QImage& image, int x, int y) {
    const QColor c = image.pixelColor(x, y);
    if (c.red() > c.green() + 60 && c.red() > c.blue() + 60)
        return 'r';
    if (c.blue() > c.red() + 60 && c.blue() > c.green() + 60)
        return 'b';
    return '-';
}

}  // namespace

TEST_F(TextureAppTest, ACheckeredSphereFromTheTexturePage) {
    if (std::system("command -v povray >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "povray is not installed";
    PreparePreviewPictures(20);
    ASSERT_TRUE(app->NewDocument());
    Settle();
    COrvantaDoc* doc = app->Document();
    doc->Pov3() = 1;
    CPovObject* camera = doc->OnCreate(CreateKind::Camera);
    camera->FirstChild->SetPosition(Vector(0, 0, 0));
    camera->SetPosition(Vector(0, 0, -4));
    doc->OnCreate(CreateKind::Light)->SetPosition(Vector(-5, 8, -6));
    CPovObject* sphere = doc->OnCreate(CreateKind::Sphere);
    sphere->SetPosition(Vector(0, 0, 0));

    bool textureSheetRan = false;
    WhenSheetShows([&](SheetDialog& outer) {
        ShowTab(outer, "Oberfläche");
        // the predefined textures with their pictures
        ClickRadio(outer, "mode", "&Standard/Include");
        QComboBox* list = Combo(outer, "standard");
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(list->iconSize(), QSize(32, 32));
        list->showPopup();
        Settle();
        list->view()->window()->grab().save("texture-list.png");
        list->hidePopup();
        ChooseInCombo(outer, "standard", "Jade");
        Settle();
        outer.grab().save("texture-page.png");

        ClickRadio(outer, "mode", "&Benutzerdefiniert");
        WhenSheetShows(
            [&](SheetDialog& d) {
                textureSheetRan = true;
                EXPECT_EQ(d.windowTitle(), "Eigenschaften Oberfläche");
                EXPECT_EQ(d.Tabs()->count(), 5);
                ShowTab(d, "Farbe");
                ChooseInCombo(d, "kind", "Checker");
                WhenColorDialogShows(Qt::red);
                Button(d, "c1.pick")->click();
                WhenColorDialogShows(Qt::blue);
                Button(d, "c2.pick")->click();
                // the live picture of the texture being edited
                // (no early return here: the dialog must be closed whatever happens)
                auto* preview = d.CurrentPage()->findChild<PreviewFrame*>("livePreview");
                EXPECT_NE(preview, nullptr);
                for (int wait = 0; preview && !preview->HasPicture() && wait < 600; ++wait)
                    QTest::qWait(100);
                EXPECT_TRUE(preview && preview->HasPicture())
                    << (preview ? preview->Message().toStdString() : "");
                const QImage live = preview ? preview->grab().toImage() : QImage();
                d.grab().save("texture-pigment.png");
                int red = 0, blue = 0;
                for (int y = 0; y < live.height(); y += 2)
                    for (int x = 0; x < live.width(); x += 2) {
                        red += Hue(live, x, y) == 'r';
                        blue += Hue(live, x, y) == 'b';
                    }
                EXPECT_GT(red, 20);
                EXPECT_GT(blue, 20);

                ShowTab(d, "Reflektion");
                qobject_cast<QCheckBox*>(d.CurrentPage()->FieldWidget("phong"))->click();
                Retype(d, "phong.value", "0.9");
                d.OkButton()->click();
            },
            &outer);
        Button(outer, "new")->click();
        EXPECT_EQ(Combo(outer, "user")->currentText(), "Textur_0");
        outer.OkButton()->click();
    });
    sphere->EditProperties();
    ASSERT_TRUE(acted);
    ASSERT_TRUE(textureSheetRan);

    ASSERT_NE(doc->Textures, nullptr);
    auto* texture = static_cast<CPovTexture*>(doc->Textures);
    EXPECT_EQ(texture->PigmentKind, kPigmentChecker);
    EXPECT_EQ(sphere->TextureName, "Textur_0");

    const std::string scene = dir + "/checker.pov";
    ASSERT_TRUE(app->SaveDocumentAs(QString::fromStdString(scene)));
    const std::string text = ReadFile(scene);
    EXPECT_NE(text.find("\t\tchecker\r\n\t\tcolor rgb < 1.000 0.000 0.000 > filter 0.0\r\n"
                        "\t\tcolor rgb < 0.000 0.000 1.000 > filter 0.0\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("\t\tphong 0.90\r\n"), std::string::npos);

    // POV-Ray renders the saved file: left and right below the sphere's centre (away from the
    // highlight, which the light puts on the upper left) lie in neighbouring cells of the
    // checker
    COrvantaOptions::ExecutablesPage povray;
    CommandLine line = PovRayCommandLine(povray, scene);
    const std::string picture = dir + "/checker.png";
    line.arguments[1] = "-o" + picture;
    line.arguments.insert(line.arguments.end(), {"+FN", "-D", "+W160", "+H120"});
    QProcessLauncher launcher;
    const ProcessResult run = launcher.RunAndWait(line.program, line.arguments, dir);
    ASSERT_EQ(run.exitCode, 0) << run.output;
    const QImage rendered(QString::fromStdString(picture));
    ASSERT_FALSE(rendered.isNull());
    rendered.save("checker-render.png");  // for review
    const char left = Hue(rendered, 80 - 12, 60 + 12);
    const char right = Hue(rendered, 80 + 12, 60 + 12);
    EXPECT_NE(left, '-');
    EXPECT_NE(right, '-');
    EXPECT_NE(left, right);
}
