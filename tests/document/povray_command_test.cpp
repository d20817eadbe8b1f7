#include <gtest/gtest.h>

#include "document/povray_command.h"

namespace {

TEST(PovRayCommand, ImageNameReplacesAShortExtension) {
    EXPECT_EQ(ImageFileName("/scenes/ball.om"), "/scenes/ball.tga");
    EXPECT_EQ(ImageFileName("/scenes/ball.pov"), "/scenes/ball.tga");
    EXPECT_EQ(ImageFileName("/scenes/ball.scene"), "/scenes/ball.scene.tga");
    EXPECT_EQ(ImageFileName("/scenes.d/ball"), "/scenes.d/ball.tga");
    EXPECT_EQ(ImageFileName("/x/a.b"), "/x/a.tga");
    EXPECT_EQ(ImageFileName(""), ".tga");
}

TEST(PovRayCommand, ProgramFromTheSettingsOrThePath) {
    COrvantaOptions::ExecutablesPage settings;
    CommandLine line = PovRayCommandLine(settings, "/s/ball.om");
    EXPECT_EQ(line.ToString(), "povray -i/s/ball.om -o/s/ball.tga +FT");
    settings.Execute = "/opt/povray/bin/povray";
    settings.Configuration = "/etc/povray.ini";
    line = PovRayCommandLine(settings, "/s/ball.om");
    EXPECT_EQ(line.program, "/opt/povray/bin/povray");
    EXPECT_EQ(line.arguments.back(), "/etc/povray.ini");
}

TEST(PovRayCommand, ViewerParametersAroundTheImageName) {
    COrvantaOptions::ExecutablesPage settings;
    settings.Viewer = "/usr/bin/viewer";
    settings.ViewerParameters = "--fit %s --title=x";
    EXPECT_EQ(ViewerCommandLine(settings, "/s/a.tga").ToString(),
              "/usr/bin/viewer --fit /s/a.tga --title=x");
    settings.ViewerParameters = "--slideshow";
    EXPECT_EQ(ViewerCommandLine(settings, "/s/a.tga").ToString(), "/usr/bin/viewer --slideshow");
}

TEST(PovRayCommand, ALiveRenderStreamsItsPictureAndAsksForItsRows) {
    COrvantaOptions::ExecutablesPage settings;
    RenderOptions options;
    options.width = 800;
    options.height = 600;
    options.antialias = true;
    options.firstRow = 0;
    options.endRow = 38;
    EXPECT_EQ(StreamingCommandLine(settings, "/tmp/r/scene.pov", options).ToString(),
              "povray +I/tmp/r/scene.pov +O- +FT -D +W800 +H600 +A0.3 "
              "Declare=ORVANTA_INVOKED=1 +SR1 +ER38");
    // a configuration file comes first, so that the render's own options win
    settings.Configuration = "/tmp/r/config.ini";
    options.antialias = false;
    options.endRow = 0;
    options.format = 'N';
    EXPECT_EQ(StreamingCommandLine(settings, "/tmp/r/scene.pov", options).ToString(),
              "povray /tmp/r/config.ini +I/tmp/r/scene.pov +O- +FN -D +W800 +H600 -A "
              "Declare=ORVANTA_INVOKED=1");
}

TEST(PovRayCommand, TheImageFormatFollowsTheExtension) {
    EXPECT_EQ(ImageFormatFor("/a/b.png"), 'N');
    EXPECT_EQ(ImageFormatFor("/a/b.PNG"), 'N');
    EXPECT_EQ(ImageFormatFor("b.ppm"), 'P');
    EXPECT_EQ(ImageFormatFor("b.tga"), 'T');
    EXPECT_EQ(ImageFormatFor("b.jpg"), 'T');
    EXPECT_EQ(ImageFormatFor("/a.png/b"), 'T');
    EXPECT_EQ(ImageFormatFor(""), 'T');
}

TEST(PovRayCommand, ProgramsAreFoundOnThePath) {
    EXPECT_EQ(FindProgram("sh", "/nonexistent:/bin:/usr/bin"), "/bin/sh");
    EXPECT_EQ(FindProgram("sh", "/nonexistent"), "");
    // a folder of that name is no program
    EXPECT_EQ(FindProgram("bin", "/usr:/"), "");
    EXPECT_EQ(FindProgram("/bin/sh", ""), "/bin/sh");
    EXPECT_EQ(FindProgram("", "/bin"), "");
}

TEST(PovRayCommand, TheImageNameStaysOneArgumentWhereverItStands) {
    COrvantaOptions::ExecutablesPage settings;
    settings.Viewer = "/usr/bin/viewer";
    settings.ViewerParameters = "-f%s.x  --page 1";
    const CommandLine line = ViewerCommandLine(settings, "/Bäume und mehr/a.tga");
    ASSERT_EQ(line.arguments.size(), 3u);
    EXPECT_EQ(line.arguments[0], "-f/Bäume und mehr/a.tga.x");
    EXPECT_EQ(line.arguments[2], "1");
}

}  // namespace
