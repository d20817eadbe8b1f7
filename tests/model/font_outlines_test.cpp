// TrueType outlines through FreeType, the font file lookup, and the text object on real fonts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "model/shapes/font_file_lookup.h"
#include "model/shapes/freetype_font_outlines.h"
#include "model/shapes/pov_ttf.h"
#include "platform/fake/recording_prompts.h"
#include "platform/fake/scripted_editor_host.h"
#include "resources/string_table.h"
#include "tests/support/model_test.h"

namespace {

namespace fs = std::filesystem;

const char* const kTimesRoman = "/usr/share/povray-3.7/include/timrom.ttf";
const char* const kDejaVuSans = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

struct Contour {
    std::vector<std::pair<double, double>> points;
    // shoelace area: negative when the contour runs clockwise
    double Area() const {
        double a = 0;
        for (size_t i = 0; i < points.size(); ++i) {
            const auto& p = points[i];
            const auto& q = points[(i + 1) % points.size()];
            a += p.first * q.second - q.first * p.second;
        }
        return a / 2;
    }
};

struct Outline {
    int result = 0;
    std::vector<Contour> contours;
    double minX = 1e9, maxX = -1e9, minY = 1e9, maxY = -1e9;
};

Outline Read(IFontOutlines& fonts, int handle, std::string_view text, double spacing = 0.0) {
    Outline o;
    o.result = fonts.Outline(handle, text, spacing, [&o](double x, double y, int flags) {
        if ((flags & kFontContourStart) || o.contours.empty())
            o.contours.emplace_back();
        o.contours.back().points.emplace_back(x, y);
        o.minX = std::min(o.minX, x);
        o.maxX = std::max(o.maxX, x);
        o.minY = std::min(o.minY, y);
        o.maxY = std::max(o.maxY, y);
    });
    return o;
}

class FontOutlinesTest : public ModelTest {
  protected:
    void SetUp() override {
        ModelTest::SetUp();
        if (!fs::exists(kTimesRoman))
            GTEST_SKIP() << "povray-includes is not installed";
    }
};

TEST_F(FontOutlinesTest, HelloInTimesRomanHasSevenContoursOfEmSizedGlyphs) {
    CFreeTypeFontOutlines fonts;
    const int handle = fonts.Open(kTimesRoman);
    ASSERT_GT(handle, 0);
    EXPECT_DOUBLE_EQ(fonts.GetScale(handle), 1.0);
    const Outline hello = Read(fonts, handle, "Hello");
    EXPECT_EQ(hello.result, 0);
    // H, e (2), l, l, o (2)
    ASSERT_EQ(hello.contours.size(), 7u);
    // one em is one unit: capitals about two thirds high, the base line at 0
    EXPECT_NEAR(hello.minY, 0.0, 0.03);
    EXPECT_GT(hello.maxY, 0.6);
    EXPECT_LT(hello.maxY, 0.8);
    EXPECT_GE(hello.minX, 0.0);
    EXPECT_LT(hello.minX, 0.1);
    EXPECT_GT(hello.maxX, 1.8);
    EXPECT_LT(hello.maxX, 2.6);
    // filled to the right: the outer contour of H clockwise, the hole of e the other way
    EXPECT_LT(hello.contours[0].Area(), 0.0);
    EXPECT_GT(hello.contours[0].points.size(), 3u);
    int holes = 0;
    for (const Contour& c : hello.contours)
        holes += c.Area() > 0;
    EXPECT_EQ(holes, 2);
    // curves are flattened: the o has more than a handful of points
    EXPECT_GT(hello.contours[5].points.size(), 12u);

    // spacing is added after every character
    const Outline tight = Read(fonts, handle, "ll");
    const Outline wide = Read(fonts, handle, "ll", 0.5);
    ASSERT_EQ(wide.contours.size(), 2u);
    EXPECT_NEAR(wide.maxX - tight.maxX, 0.5, 1e-9);
    EXPECT_NEAR(wide.minX, tight.minX, 1e-9);
    fonts.Close(handle);
    EXPECT_EQ(Read(fonts, handle, "l").result, kFontReadError);  // closed
}

TEST_F(FontOutlinesTest, OpenFailuresCarryTheirCodes) {
    CFreeTypeFontOutlines fonts;
    EXPECT_EQ(fonts.Open("/nonexistent/folder/missing.ttf"), kFontOpenError);
    EXPECT_EQ(fonts.Open(""), kFontOpenError);
    const fs::path notAFont = fs::path(testing::TempDir()) / "orvanta-not-a-font.ttf";
    std::ofstream(notAFont) << "this is no TrueType font";
    EXPECT_EQ(fonts.Open(notAFont.string()), kFontReadError);
    fs::remove(notAFont);
}

TEST_F(FontOutlinesTest, FontFilesAreFoundBySceneFolderIncludeFoldersAndSystemFonts) {
    EXPECT_EQ(ResolveFontFile("timrom.ttf", ""), kTimesRoman);
    EXPECT_EQ(ResolveFontFile(kTimesRoman, ""), kTimesRoman);
    EXPECT_EQ(ResolveFontFile("C:\\Windows\\Fonts\\timrom.ttf", ""), kTimesRoman);
    EXPECT_EQ(ResolveFontFile("nowhere-at-all.ttf", "/tmp"), "nowhere-at-all.ttf");

    // the scene's folder comes before the include folders
    const fs::path scene = fs::path(testing::TempDir()) / "orvanta-scene-fonts";
    fs::create_directories(scene);
    fs::copy_file(kTimesRoman, scene / "timrom.ttf", fs::copy_options::overwrite_existing);
    EXPECT_EQ(ResolveFontFile("timrom.ttf", scene.string()), (scene / "timrom.ttf").string());

    // POVINC names further include folders
    fs::copy_file(kTimesRoman, scene / "private.ttf", fs::copy_options::overwrite_existing);
    EXPECT_EQ(ResolveFontFile("private.ttf", ""), "private.ttf");
    setenv("POVINC", scene.c_str(), 1);
    EXPECT_EQ(ResolveFontFile("private.ttf", ""), (scene / "private.ttf").string());
    unsetenv("POVINC");
    fs::remove_all(scene);

    // system fonts through fontconfig, the name compared without regard to case
    if (fs::exists(kDejaVuSans)) {
        EXPECT_EQ(ResolveFontFile("dejavusans.TTF", ""), kDejaVuSans);
    }
}

TEST_F(FontOutlinesTest, TextObjectReadsItsOutlineAndKeepsItWhenTheFontGoesMissing) {
    FakeSceneHost host;
    ScopedRecordingPrompts prompts;
    ScopedEditorHost editor;
    CPovTTF text;
    text.SetDocument(&host);
    editor.edit = [](CPovObject& o) {
        auto& t = static_cast<CPovTTF&>(o);
        t.SetFontFile("timrom.ttf");
        t.SetText("Hello");
    };
    ASSERT_EQ(text.EditProperties(), kDialogOk);
    EXPECT_TRUE(prompts.messages.empty());
    int contours = 0;
    for (const GlyphPoint& g : text.GlyphOutline)
        contours += g.Index == 0;
    EXPECT_EQ(contours, 7);
    EXPECT_EQ(text.Outline.size(), 2 * text.GlyphOutline.size());
    EXPECT_NEAR(text.MinZ, 0.0, 1e-12);
    EXPECT_NEAR(text.MaxZ, 1.0, 1e-12);
    const std::vector<GlyphPoint> before = text.GlyphOutline;

    editor.edit = [](CPovObject& o) {
        static_cast<CPovTTF&>(o).SetFontFile("no-such-font-anywhere.ttf");
    };
    host.modifications = 0;
    ASSERT_EQ(text.EditProperties(), kDialogOk);
    ASSERT_EQ(prompts.messages.size(), 1u);
    EXPECT_EQ(prompts.messages[0], LoadString(IDS_FONT_OPEN_ERROR));
    EXPECT_EQ(text.GlyphOutline.size(), before.size());
    EXPECT_GT(host.modifications, 0);
    EXPECT_TRUE(host.IsModified());
    SceneText out;
    text.WriteScene(out);
    EXPECT_NE(out.Text().find("  ttf \"no-such-font-anywhere.ttf\"\r\n"), std::string::npos);
}

}  // namespace
