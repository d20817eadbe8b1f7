// Bands of rows for a live render: every row once, small bands first, then bands sized by
// the measured trace time.
#include <gtest/gtest.h>

#include <random>

#include "render/render_bands.h"

namespace {

TEST(RenderBandsTest, EveryRowIsHandedOutOnceInOrder) {
    std::mt19937 random(3);
    for (int round = 0; round < 200; ++round) {
        const int height = static_cast<int>(random() % 2000) + 1;
        RenderBands bands(height);
        std::vector<RowSpan> running;
        int next = 0;
        int count = 0;
        while (true) {
            // two bands in flight, as the render session keeps them
            while (running.size() < 2) {
                const RowSpan band = bands.Next();
                if (band.Empty())
                    break;
                ASSERT_EQ(band.first, next);
                next = band.end;
                running.push_back(band);
                ++count;
            }
            if (running.empty())
                break;
            const RowSpan done = running.front();
            running.erase(running.begin());
            const double perRow = (random() % 100) * 0.001;
            bands.Finished(done, perRow * done.Count(), perRow * done.Count() + 0.6);
        }
        EXPECT_EQ(next, height);
        EXPECT_EQ(bands.RowsLeft(), 0);
        EXPECT_LE(count, height);
    }
}

TEST(RenderBandsTest, TheFirstRowsComeSoonAndAFastSceneNeedsFewRuns) {
    RenderBands bands(480);
    const RowSpan first = bands.Next();
    EXPECT_EQ(first.Count(), 30);
    const RowSpan second = bands.Next();
    EXPECT_EQ(second.Count(), 60);
    // 30 rows in 0.02 s of tracing: the rest is one band
    bands.Finished(first, 0.02, 0.7);
    const RowSpan rest = bands.Next();
    EXPECT_EQ(rest.first, 90);
    EXPECT_EQ(rest.end, 480);
}

TEST(RenderBandsTest, ASlowSceneGetsBandsOfAFewSeconds) {
    RenderBands bands(1080);
    const RowSpan first = bands.Next();
    bands.Next();
    // a second per row: bands of about three times the start-up time, at least 1.5 s
    bands.Finished(first, first.Count() * 1.0, first.Count() * 1.0 + 0.6);
    const RowSpan band = bands.Next();
    EXPECT_GE(band.Count(), 1080 / 32);
    EXPECT_LE(band.Count(), 40);
}

}  // namespace
