// The texture editors' and preview pictures' tests run inside one QApplication on a virtual X
// display, like the desktop application's. POV-Ray is started for real (live previews, the
// rendered scene); the preview pictures go into a cache folder of the test's own.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "platform/qt/qprocess_launcher.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    // both outlive the application, whose preview service renders into the folder with POV-Ray
    QTemporaryDir cache;
    ::setenv("XDG_CACHE_HOME", cache.path().toLocal8Bit().constData(), 1);
    QProcessLauncher launcher;
    SetProcessLauncher(&launcher);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
