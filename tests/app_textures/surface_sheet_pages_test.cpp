// Every page of the texture, pigment and halo sheets, the effect dialog and the fog's
// turbulence page on the desktop, in German and in English: the creation commands open their
// sheet, every page shows, no English text is missing, and a picture of each page is kept for
// review (surface-sheets/ next to the test program).
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>

#include "document/creation_commands.h"
#include "preview/qt/preview_frame.h"
#include "resources/string_table.h"
#include "resources/ui_text.h"
#include "tests/app_textures/texture_app_fixture.h"

namespace {

class SurfaceSheetPagesTest : public TextureAppTest,
                              public ::testing::WithParamInterface<UiLanguage> {
  protected:
    void SetUp() override {
        SetUiLanguage(GetParam());
        TextureAppTest::SetUp();
        QDir().mkpath("surface-sheets");
    }
    void TearDown() override {
        TextureAppTest::TearDown();
        SetUiLanguage(UiLanguage::German);
    }
    static QString Language() { return GetParam() == UiLanguage::English ? "en" : "de"; }
    static void Picture(QWidget& w, const QString& sheet, const QString& page) {
        w.grab().save(QString("surface-sheets/%1-%2-%3.png").arg(Language(), sheet, page));
    }
    // every tab in turn, each kept as a picture; returns the tabs' titles
    QStringList EveryTab(SheetDialog& d, const QString& sheet) {
        QStringList titles;
        for (int i = 0; i < d.Tabs()->count(); ++i) {
            d.Tabs()->setCurrentIndex(i);
            Settle();
            titles << d.Tabs()->tabText(i);
            Picture(d, sheet, QString::number(i + 1));
        }
        d.Tabs()->setCurrentIndex(0);
        return titles;
    }
    // waits for the live picture of the page, when POV-Ray is there to render it
    void WaitForLivePicture(SheetDialog& d) {
        if (std::system("command -v povray >/dev/null 2>&1") != 0)
            return;
        auto* preview = d.CurrentPage()->findChild<PreviewFrame*>("livePreview");
        ASSERT_NE(preview, nullptr);
        // the picture of the last change: the one shown after the render's message went away
        QTest::qWait(PreviewFrame::kLiveDelayMs + 100);
        for (int wait = 0; (!preview->HasPicture() || !preview->Message().isEmpty()) && wait < 300;
             ++wait)
            QTest::qWait(100);
    }
};

QStringList Translated(std::initializer_list<const char*> german) {
    QStringList titles;
    for (const char* g : german)
        titles << QString::fromUtf8(Tr(g));
    return titles;
}

}  // namespace

TEST_P(SurfaceSheetPagesTest, EveryPageOfTheSurfaceSheetsInBothLanguages) {
    PreparePreviewPictures(0);
    ASSERT_TRUE(app->NewDocument());
    Settle();
    ClearUntranslatedTexts();

    // "&Texture ...": the texture's five pages, the colour page's three panels, the effect
    // dialog
    bool effectShown = false;
    WhenSheetShows([&](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), LoadStringUtf8(IDS_CAPTION_TEXTURE));
        EXPECT_EQ(EveryTab(d, "texture"),
                  Translated({"Allgemein", "Farbe", "Beschaffenheit", "Reflektion", "Halo"}));
        ShowTab(d, QString::fromUtf8(Tr("Farbe")));
        ChooseInCombo(d, "kind", "Colormap");
        ChooseInCombo(d, "count", "4");
        WaitForLivePicture(d);
        Picture(d, "texture", "colormap");
        ChooseInCombo(d, "kind", "Imagemap");
        Settle();
        Picture(d, "texture", "imagemap");
        ChooseInCombo(d, "kind", "Pigmentmap");
        Settle();
        Picture(d, "texture", "pigmentmap");
        ChooseInCombo(d, "kind", "Colormap");
        WhenSheetShows(
            [&](SheetDialog& effect) {
                effectShown = true;
                EXPECT_EQ(effect.windowTitle(), QString::fromUtf8(Tr("Oberflächeneffekt")));
                // the turbulence values follow their check box
                auto* on =
                    qobject_cast<QCheckBox*>(effect.CurrentPage()->FieldWidget("turbulence"));
                ASSERT_NE(on, nullptr);
                QWidget* octaves = effect.CurrentPage()->FieldWidget("octaves");
                ASSERT_NE(octaves, nullptr);
                EXPECT_EQ(octaves->isEnabled(), on->isChecked());
                on->click();
                EXPECT_EQ(octaves->isEnabled(), on->isChecked());
                Picture(effect, "texture", "effect");
                effect.CancelButton()->click();
            },
            &d);
        Button(d, "effect")->click();
        d.CancelButton()->click();
    });
    app->Create(CreateKind::Texture);
    EXPECT_TRUE(acted);
    EXPECT_TRUE(effectShown);

    // "Pi&gment...": two pages
    WhenSheetShows([&](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), LoadStringUtf8(IDS_CAPTION_PIGMENT));
        EXPECT_EQ(EveryTab(d, "pigment"), Translated({"Allgemein", "Farbe"}));
        d.CancelButton()->click();
    });
    app->Create(CreateKind::Pigment);
    EXPECT_TRUE(acted);

    // "&Halo...": six pages
    WhenSheetShows([&](SheetDialog& d) {
        EXPECT_EQ(d.windowTitle().toStdString(), LoadStringUtf8(IDS_CAPTION_HALO));
        EXPECT_EQ(EveryTab(d, "halo"), Translated({"Allgemein", "Drehung", "Definitionen",
                                                   "Farbetabelle", "Sampling", "Turbulenz"}));
        d.CancelButton()->click();
    });
    app->Create(CreateKind::Halo);
    EXPECT_TRUE(acted);

    EXPECT_EQ(UntranslatedTexts(), std::vector<std::string>{});

    // the fog sheet has the same turbulence page
    WhenSheetShows([&](SheetDialog& d) {
        EXPECT_TRUE(EveryTab(d, "fog").contains(QString::fromUtf8(Tr("Turbulenz"))));
        d.CancelButton()->click();
    });
    app->Create(CreateKind::Fog);
    EXPECT_TRUE(acted);
}

INSTANTIATE_TEST_SUITE_P(Languages, SurfaceSheetPagesTest,
                         ::testing::Values(UiLanguage::German, UiLanguage::English),
                         [](const auto& info) {
                             return info.param == UiLanguage::English ? "English" : "German";
                         });
