// The preview picture widget and the preview icons of a texture list, with a fake POV-Ray
// that paints a picture in the colour its scene names.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QSignalSpy>
#include <QTest>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/fake/fake_process_launcher.h"
#include "preview/qt/preview_frame.h"
#include "preview/qt/preview_icons.h"
#include "preview/qt/preview_service.h"
#include "props/preview_pictures.h"
#include "props/qt/picture_frame.h"
#include "tests/support/cli_runner.h"

namespace {

std::string Option(const std::vector<std::string>& arguments, const std::string& prefix) {
    for (const std::string& a : arguments)
        if (a.rfind(prefix, 0) == 0)
            return a.substr(prefix.size());
    return {};
}

class PreviewWidgetsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder = MakeTempFolder();
        oldCache = std::getenv("XDG_CACHE_HOME") ? std::getenv("XDG_CACHE_HOME") : "";
        ::setenv("XDG_CACHE_HOME", folder.c_str(), 1);
        launcher.behaviour = [this](const std::vector<std::string>& arguments,
                                    const std::atomic<bool>&) {
            std::ifstream in(Option(arguments, "+I"));
            std::stringstream scene;
            scene << in.rdbuf();
            {
                std::lock_guard lock(mutex);
                scenes.push_back(scene.str());
            }
            ProcessResult r;
            r.started = true;
            if (scene.str().find("broken") != std::string::npos) {
                r.exitCode = 1;
                r.output = "File 'x.pov' line 1: Parse Error: broken texture\n";
                return r;
            }
            QImage image(32, 32, QImage::Format_RGB32);
            image.fill(scene.str().find("Jade") != std::string::npos ? Qt::green : Qt::blue);
            image.save(QString::fromStdString(Option(arguments, "+O")), "PNG");
            r.exitCode = 0;
            return r;
        };
        PreviewRenderSettings settings;
        settings.processes = 2;
        service = std::make_unique<PreviewService>(launcher, settings);
        PreviewService::SetInstance(service.get());
    }
    void TearDown() override {
        service->Shutdown();
        PreviewService::SetInstance(nullptr);
        service.reset();
        ::setenv("XDG_CACHE_HOME", oldCache.c_str(), 1);
        RemoveTree(folder);
    }

    size_t CallsWith(const std::string& text) {
        std::lock_guard lock(mutex);
        return static_cast<size_t>(std::count_if(scenes.begin(), scenes.end(), [&](auto& s) {
            return s.find(text) != std::string::npos;
        }));
    }

    std::string folder;
    std::string oldCache;
    std::mutex mutex;
    std::vector<std::string> scenes;
    FakeProcessLauncher launcher;
    std::unique_ptr<PreviewService> service;
};

}  // namespace

TEST_F(PreviewWidgetsTest, PlaceholderUntilThePictureIsRenderedThenThePicture) {
    PreviewFrame picture;
    picture.resize(132, 132);
    picture.show();
    picture.ShowSubject(PreviewSubject::Texture("Jade"));
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_FALSE(picture.Message().isEmpty());  // the placeholder says what happens

    QTRY_VERIFY_WITH_TIMEOUT(picture.HasPicture(), 10000);
    EXPECT_TRUE(picture.PicturePath().endsWith("/orvanta/previews/0.png"));
    EXPECT_TRUE(picture.Message().isEmpty());
    EXPECT_EQ(picture.grab().toImage().pixelColor(66, 66), QColor(Qt::green));

    // the rest of the set follows in the background; a picture that is there shows at once
    QTRY_VERIFY_WITH_TIMEOUT(service->Progress().total == 0, 20000);
    picture.ShowSubject(PreviewSubject::Sky("S_Cloud2"));
    EXPECT_TRUE(picture.HasPicture());
    EXPECT_EQ(launcher.Calls().size(), 127u);               // each picture rendered once
    picture.ShowSubject(PreviewSubject::Sky("Pigment_0"));  // a pigment as sky: no picture
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_TRUE(picture.Message().isEmpty());
}

TEST_F(PreviewWidgetsTest, LivePictureWaitsForTheLastChangeAndReportsWhatWillNotRender) {
    PreviewFrame picture;
    picture.show();
    picture.ShowLive("scene one");
    picture.ShowLive("scene two");
    picture.ShowLive("scene Jade", {}, "Halos zeigt POV-Ray 3.7 nicht.");
    QTRY_VERIFY_WITH_TIMEOUT(picture.HasPicture(), 10000);
    EXPECT_EQ(launcher.Calls().size(), 1u);  // one render for three quick changes
    EXPECT_EQ(CallsWith("scene Jade"), 1u);
    EXPECT_EQ(picture.grab().toImage().pixelColor(66, 30), QColor(Qt::green));

    picture.ShowLive("broken");
    QTRY_VERIFY_WITH_TIMEOUT(picture.Message().contains("broken texture"), 10000);
    EXPECT_FALSE(picture.HasPicture());
    EXPECT_TRUE(picture.toolTip().contains("Parse Error"));
}

TEST_F(PreviewWidgetsTest, TextureListIconsArriveAsPicturesAreRendered) {
    QComboBox combo;
    combo.addItems({"Jade", "Glass", "Textur_0"});
    ShowPreviewIcons(&combo);
    QTRY_VERIFY_WITH_TIMEOUT(service->Progress().total == 0, 20000);
    QCoreApplication::processEvents();
    const QImage jade = combo.itemIcon(0).pixmap(40, 40).toImage();
    const QImage glass = combo.itemIcon(1).pixmap(40, 40).toImage();
    EXPECT_EQ(jade.pixelColor(20, 20), QColor(Qt::green));
    EXPECT_EQ(glass.pixelColor(20, 20), QColor(Qt::blue));
}

TEST_F(PreviewWidgetsTest, APagesPictureFrameShowsAPlaceholderUntilThePictureIsThere) {
    // a page looks its preview up: the picture is missing, so it is rendered, and the frame
    // gets the file it will be written to
    const std::optional<std::string> pending = PreviewPicture("Ground_Fog");
    ASSERT_TRUE(pending);
    PictureFrame frame;
    frame.show();
    frame.SetFile(QString::fromStdString(*pending));
    QSignalSpy loaded(&frame, &PictureFrame::loaded);
    QTRY_VERIFY_WITH_TIMEOUT(frame.HasPicture(), 10000);
    EXPECT_EQ(PreviewPicture("Ground_Fog"), pending);                    // now it is there
    EXPECT_EQ(PreviewPicture("Pigment_3"), PreviewPicture("Textur_9"));  // unknown: 1000
}
