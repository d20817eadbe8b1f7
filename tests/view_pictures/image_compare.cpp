#include "tests/view_pictures/image_compare.h"

#include <QDir>
#include <QString>
#include <algorithm>
#include <cstdlib>

namespace {

QString ReferencePath(const std::string& name) {
    return QString::fromStdString(std::string(ORVANTA_TEST_DATA_DIR) + "/view/" + name);
}

QString FailurePath(const std::string& name, const char* suffix) {
    QDir().mkpath("picture-failures");
    std::string base = name.substr(0, name.rfind('.'));
    return QString::fromStdString("picture-failures/" + base + suffix + ".png");
}

int ChannelDelta(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

::testing::AssertionResult MatchesReference(const QImage& picture, const std::string& referenceName,
                                            PictureTolerance tolerance) {
    if (picture.isNull())
        return ::testing::AssertionFailure() << "no picture was rendered";
    const QImage actual = picture.convertToFormat(QImage::Format_RGB32);
    const char* update = std::getenv("ORVANTA_UPDATE_PICTURES");
    if (update && std::string(update) == "1") {
        if (!actual.save(ReferencePath(referenceName), "PNG"))
            return ::testing::AssertionFailure() << "cannot write the reference " << referenceName;
        return ::testing::AssertionSuccess() << "reference written";
    }

    const QImage reference(ReferencePath(referenceName));
    if (reference.isNull())
        return ::testing::AssertionFailure()
               << "no reference " << ReferencePath(referenceName).toStdString()
               << " (ORVANTA_UPDATE_PICTURES=1 writes it)";
    const QImage expected = reference.convertToFormat(QImage::Format_RGB32);
    if (expected.size() != actual.size()) {
        actual.save(FailurePath(referenceName, "-actual"), "PNG");
        return ::testing::AssertionFailure()
               << "size " << actual.width() << "x" << actual.height() << ", reference "
               << expected.width() << "x" << expected.height();
    }

    QImage diff(expected.size(), QImage::Format_RGB32);
    int differing = 0;
    int worst = 0;
    for (int y = 0; y < expected.height(); ++y) {
        for (int x = 0; x < expected.width(); ++x) {
            const QRgb e = expected.pixel(x, y);
            const int delta = ChannelDelta(e, actual.pixel(x, y));
            worst = std::max(worst, delta);
            if (delta > tolerance.channelTolerance) {
                ++differing;
                diff.setPixel(x, y, qRgb(255, 0, 0));
            } else {
                const int grey = 192 + qGray(e) / 4;
                diff.setPixel(x, y, qRgb(grey, grey, grey));
            }
        }
    }
    if (differing <= tolerance.allowedPixels)
        return ::testing::AssertionSuccess();
    const QString actualPath = FailurePath(referenceName, "-actual");
    const QString diffPath = FailurePath(referenceName, "-diff");
    actual.save(actualPath, "PNG");
    diff.save(diffPath, "PNG");
    return ::testing::AssertionFailure()
           << differing << " pixels differ (at most " << tolerance.allowedPixels
           << " may; largest channel difference " << worst << "); see "
           << QDir(actualPath).absolutePath().toStdString() << " and "
           << QDir(diffPath).absolutePath().toStdString();
}
