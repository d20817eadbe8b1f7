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

}  // namespace
