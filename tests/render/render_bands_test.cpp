// Bands of rows for a live render: every row once, a small band first and then the rest, and
// bands sized by the measured trace time when the rest is slow.
#include <gtest/gtest.h>

#include <random>

#include "render/render_bands.h"

namespace {

TEST(RenderBandsTest, EveryRowIsTracedOnceWhateverTheSceneCosts) {
    std::mt19937 random(3);
    for (int round = 0; round < 300; ++round) {
        const int height = static_cast<int>(random() % 2000) + 1;
        const double perRow = (random() % 100) * 0.002;
        RenderBands bands(height);
        std::vector<RowSpan> running;
        std::vector<int> traced(static_cast<size_t>(height), 0);
        int runs = 0;
        while (true) {
            // two bands in flight, as the render session keeps them
            while (running.size() < 2) {
                const RowSpan band = bands.Next();
                if (band.Empty())
                    break;
                running.push_back(band);
                ++runs;
            }
            if (running.empty())
                break;
            const RowSpan done = running.front();
            running.erase(running.begin());
            for (int y = done.first; y < done.end; ++y)
                ++traced[static_cast<size_t>(y)];
            bands.Finished(done, perRow * done.Count(), perRow * done.Count() + 0.6);
            // as the session does: a band still running that is better split is called back
            for (size_t i = 0; i < running.size(); ++i)
                if (bands.WorthSplitting(running[i])) {
                    bands.Recall(running[i]);
                    running.erase(running.begin() + static_cast<std::ptrdiff_t>(i));
                    break;
                }
        }
        for (int y = 0; y < height; ++y)
            ASSERT_EQ(traced[static_cast<size_t>(y)], 1) << "row " << y << " of " << height;
        EXPECT_EQ(bands.RowsLeft(), 0);
        EXPECT_LE(runs, height);
        // a quick scene takes two runs (one when the first band holds every row)
        if (perRow * height < 2.0) {
            EXPECT_EQ(runs, height <= 8 ? 1 : 2) << height << " rows at " << perRow;
        }
    }
}

TEST(RenderBandsTest, TheFirstRowsComeSoonAndAQuickSceneKeepsItsSecondRun) {
    RenderBands bands(480);
    const RowSpan first = bands.Next();
    EXPECT_EQ(first.Count(), 30);
    const RowSpan rest = bands.Next();
    EXPECT_EQ(rest.first, 30);
    EXPECT_EQ(rest.end, 480);
    EXPECT_TRUE(bands.Next().Empty());
    // 30 rows in 0.02 s of tracing: the rest takes well under a second
    bands.Finished(first, 0.02, 0.7);
    EXPECT_FALSE(bands.WorthSplitting(rest));
    EXPECT_NEAR(bands.TraceSecondsPerRow(), 0.02 / 30, 1e-12);

    // known from the last render: a quick picture in one run, a slow one as before
    EXPECT_EQ(RenderBands(480, 1.0).Next().Count(), 480);
    EXPECT_EQ(RenderBands(480, 30.0).Next().Count(), 30);
}

TEST(RenderBandsTest, ASlowRestIsCalledBackAndTracedInBandsOfAFewSeconds) {
    RenderBands bands(1080);
    const RowSpan first = bands.Next();
    const RowSpan rest = bands.Next();
    // a second per row: the rest would take many minutes
    bands.Finished(first, first.Count() * 1.0, first.Count() * 1.0 + 0.6);
    ASSERT_TRUE(bands.WorthSplitting(rest));
    bands.Recall(rest);
    const RowSpan band = bands.Next();
    EXPECT_EQ(band.first, rest.first);
    EXPECT_GE(band.Count(), 1080 / 32);
    EXPECT_LE(band.Count(), 40);
}

}  // namespace
