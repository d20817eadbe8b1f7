// POV-Ray renders the preview pictures: three standard textures come out as three different,
// non-blank pictures under the names the modeller looks them up by.
#include <gtest/gtest.h>

#include <QImage>
#include <cstdlib>

#include "tests/support/cli_runner.h"

namespace {

// mean absolute difference per channel, 0 ... 255
double Difference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) +
                   std::abs(qBlue(p) - qBlue(q));
        }
    return sum / (3.0 * a.width() * a.height());
}

// how far the pixels of the picture's middle spread around their mean (0 for a flat picture)
double Spread(const QImage& image) {
    double sum = 0, squares = 0;
    int n = 0;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
            const double v = qGray(image.pixel(x, y));
            sum += v;
            squares += v * v;
            ++n;
        }
    const double mean = sum / n;
    return std::sqrt(squares / n - mean * mean);
}

}  // namespace

TEST(PreviewRenderTest, ThreeStandardTexturesGiveThreeDifferentPictures) {
    if (std::system("command -v povray >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "povray is not installed";
    const std::string folder = MakeTempFolder();
    const CliRun run =
        RunCli("previews -o " + folder + " --only Jade,Polished_Chrome,Cherry_Wood --size 64");
    ASSERT_EQ(run.status, 0) << run.err;

    // Jade, Polished_Chrome and Cherry_Wood are the predefined textures 0, 43 and 16
    const QImage jade(QString::fromStdString(folder + "/0.png"));
    const QImage chrome(QString::fromStdString(folder + "/43.png"));
    const QImage cherry(QString::fromStdString(folder + "/16.png"));
    ASSERT_FALSE(jade.isNull() || chrome.isNull() || cherry.isNull()) << run.err;
    EXPECT_EQ(jade.size(), QSize(64, 64));
    for (const QImage* image : {&jade, &chrome, &cherry})
        EXPECT_GT(Spread(*image), 8.0);
    EXPECT_GT(Difference(jade, chrome), 10.0);
    EXPECT_GT(Difference(jade, cherry), 10.0);
    EXPECT_GT(Difference(chrome, cherry), 10.0);
    RemoveTree(folder);
}
