// The texture editors' and preview pictures' tests run inside one QApplication on a virtual X
// display, like the desktop application's.
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
