#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include "platform/qt/qpainter_device_context.h"
#include "platform/qt/qt_settings_store.h"

namespace {

TEST(QPainterDeviceContext, DrawsWithTheThreePens) {
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterDeviceContext dc(painter);
        const PixelPoint line[3] = {{5, 5}, {30, 5}, {30, 30}};
        dc.Polyline(line, 3);
        EXPECT_EQ(dc.SelectPen(Pen::Selection), Pen::Text);
        dc.Line({5, 20}, {20, 20});
        dc.SelectPen(Pen::Grid);
        dc.Line({5, 35}, {20, 35});
    }
    EXPECT_EQ(image.pixelColor(15, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(30, 20), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(10, 20), QColor(255, 0, 0));
    EXPECT_EQ(image.pixelColor(10, 35), QColor(175, 175, 175));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::white));
}

TEST(QPainterDeviceContext, InversionAndFocusFramesUndoThemselves) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QImage before = image;
    {
        QPainter painter(&image);
        QPainterDeviceContext dc(painter);
        dc.InvertRect({2, 2, 9, 9});
    }
    EXPECT_EQ(image.pixelColor(5, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(9, 9), QColor(Qt::white));  // right and bottom excluded
    {
        QPainter painter(&image);
        QPainterDeviceContext dc(painter);
        dc.InvertRect({2, 2, 9, 9});
        dc.FocusRect({1, 1, 15, 15});
        dc.FocusRect({1, 1, 15, 15});
    }
    EXPECT_EQ(image, before);
}

TEST(QtSettingsStore, KeepsValuesInIniFilesPerRoot) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    {
        QtSettingsStore store(dir.path());
        EXPECT_FALSE(store.Read(SettingsRoot::User, "Modeller", "Grid").has_value());
        store.Write(SettingsRoot::Machine, "Language", ".use", "english");
        store.Write(SettingsRoot::Machine, "1.0.0.1", "Name", "J\xF6rg");
        store.Write(SettingsRoot::User, "Modeller", "Gridvalue", "25");
        store.Write(SettingsRoot::User, "Pov", "Execute", "/usr/bin/povray");
    }
    QtSettingsStore reopened(dir.path());
    EXPECT_EQ(reopened.Read(SettingsRoot::Machine, "Language", ".use"), "english");
    EXPECT_EQ(reopened.Read(SettingsRoot::Machine, "1.0.0.1", "Name"), "J\xF6rg");
    EXPECT_EQ(reopened.Read(SettingsRoot::User, "Modeller", "Gridvalue"), "25");
    EXPECT_FALSE(reopened.Read(SettingsRoot::Machine, "Modeller", "Gridvalue").has_value());
    EXPECT_TRUE(QFile::exists(dir.path() + "/machine.ini"));
    EXPECT_TRUE(QFile::exists(dir.path() + "/user.ini"));
}

TEST(QtSettingsStore, AWriteThatCannotReachItsFileIsReportedOnce) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // a folder where the user's file should be: no write can replace it, not even as root
    ASSERT_TRUE(QDir(dir.path()).mkpath("user.ini"));
    QtSettingsStore store(dir.path());
    QStringList reports;
    store.SetFailureReporter([&reports](const QString& file) { reports << file; });
    store.Write(SettingsRoot::Machine, "Language", ".use", "english");
    EXPECT_TRUE(reports.isEmpty());
    store.Write(SettingsRoot::User, "Modeller", "Gridvalue", "25");
    store.Write(SettingsRoot::User, "Modeller", "Grid", "yes");
    ASSERT_EQ(reports.size(), 1);
    EXPECT_TRUE(reports[0].endsWith("/user.ini"));
    // the value is still there for the rest of the session
    EXPECT_EQ(store.Read(SettingsRoot::User, "Modeller", "Gridvalue"), "25");
}

TEST(QtSettingsStore, TheEnvironmentPointsTheDefaultFolderElsewhere) {
    qputenv("ORVANTA_CONFIG_DIR", "/tmp/orvanta-config-test");
    EXPECT_EQ(QtSettingsStore::DefaultFolder(), "/tmp/orvanta-config-test");
    qunsetenv("ORVANTA_CONFIG_DIR");
    EXPECT_TRUE(QtSettingsStore::DefaultFolder().endsWith("/orvanta"));
}

TEST(QtSettingsStore, TheSystemDefaultsFillWhatTheUsersFilesLack) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile defaults(dir.path() + "/defaults.ini");
    ASSERT_TRUE(defaults.open(QIODevice::WriteOnly));
    defaults.write(
        "[Pov]\nGenerate=3.0\nViewerParameters=-geometry 640x480 %s\n"
        "[Modeller]\nZoomvalue=40\n");
    defaults.close();
    qputenv("ORVANTA_SYSTEM_DEFAULTS", defaults.fileName().toLocal8Bit());
    {
        QtSettingsStore store(dir.path() + "/user");
        EXPECT_EQ(store.Read(SettingsRoot::Machine, "Pov", "Generate"), "3.0");
        EXPECT_EQ(store.Read(SettingsRoot::Machine, "Pov", "ViewerParameters"),
                  "-geometry 640x480 %s");
        EXPECT_EQ(store.Read(SettingsRoot::User, "Modeller", "Zoomvalue"), "40");
        EXPECT_FALSE(store.Read(SettingsRoot::User, "Modeller", "Grid").has_value());
        // the user's own value wins, and writes never touch the defaults
        store.Write(SettingsRoot::User, "Modeller", "Zoomvalue", "25");
        EXPECT_EQ(store.Read(SettingsRoot::User, "Modeller", "Zoomvalue"), "25");
    }
    ASSERT_TRUE(defaults.open(QIODevice::ReadOnly));
    EXPECT_TRUE(defaults.readAll().contains("Zoomvalue=40"));
    // the installed defaults file reads as written
    qputenv("ORVANTA_SYSTEM_DEFAULTS", ORVANTA_TEST_DATA_DIR "/../../packaging/defaults.ini");
    QtSettingsStore installed(dir.path() + "/other");
    EXPECT_EQ(installed.Read(SettingsRoot::Machine, "Pov", "ViewerParameters"), "%s");
    EXPECT_TRUE(installed.Read(SettingsRoot::Machine, "Pov", "Generate").has_value());
    qputenv("ORVANTA_SYSTEM_DEFAULTS", "");
    EXPECT_FALSE(QtSettingsStore(dir.path() + "/third")
                     .Read(SettingsRoot::Machine, "Pov", "Generate")
                     .has_value());
    qunsetenv("ORVANTA_SYSTEM_DEFAULTS");
}

}  // namespace
