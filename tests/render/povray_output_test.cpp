// POV-Ray's standard error as it arrives: progress, problems with their place, statistics.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "render/povray_output.h"

namespace {

std::string ReadSample(const std::string& name) {
    std::ifstream in(std::string(ORVANTA_TEST_DATA_DIR) + "/povray/" + name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// the same stream cut into random pieces, down to single bytes
PovRayOutput FeedInPieces(const std::string& text, unsigned seed) {
    std::mt19937 random(seed);
    PovRayOutput out;
    for (size_t at = 0; at < text.size();) {
        const size_t n = std::min<size_t>(text.size() - at, random() % 40 + 1);
        out.Feed(std::string_view(text).substr(at, n));
        at += n;
    }
    out.Finish();
    return out;
}

TEST(PovRayOutputTest, ARenderReportsItsProgressAndTimes) {
    const std::string text = ReadSample("render_stderr.txt");
    for (unsigned seed = 0; seed < 20; ++seed) {
        const PovRayOutput out = FeedInPieces(text, seed);
        EXPECT_EQ(out.RenderedPixels(), 1200);
        EXPECT_EQ(out.TotalPixels(), 1200);
        EXPECT_GE(out.TraceSeconds(), 0.0);
        EXPECT_GE(out.ParseSeconds(), 0.0);
        // the sample scene states no version: POV-Ray warns twice, without a place
        ASSERT_EQ(out.Messages().size(), 2u);
        EXPECT_FALSE(out.Messages()[0].error);
        EXPECT_NE(out.Messages()[1].text.find("#version directive"), std::string::npos);
        EXPECT_EQ(out.Messages()[0].text.rfind("Parse Warning: assumed_gamma not specified", 0),
                  0u);
        EXPECT_EQ(out.FirstError(), nullptr);
    }
    // progress lines in the middle of the stream count as they arrive
    PovRayOutput live;
    live.Feed("Rendered 320 of 1000 pixels (32%)\rRendered 640 of 1000 pi");
    EXPECT_EQ(live.RenderedPixels(), 320);
    live.Feed("xels (64%)\r");
    EXPECT_EQ(live.RenderedPixels(), 640);
    EXPECT_EQ(live.TotalPixels(), 1000);
}

TEST(PovRayOutputTest, AParseErrorNamesFileAndLineAcrossItsWrappedLines) {
    const PovRayOutput out = FeedInPieces(ReadSample("parse_error_stderr.txt"), 7);
    const PovRayMessage* error = out.FirstError();
    ASSERT_NE(error, nullptr);
    EXPECT_EQ(error->file, "bad_scene.pov");
    EXPECT_EQ(error->line, 4);
    EXPECT_EQ(error->text,
              "Parse Error: No matching } in 'sphere', undeclared identifier 'scalex' found "
              "instead");
    // the summary that follows is an error without a place
    ASSERT_EQ(out.Messages().size(), 2u);
    EXPECT_EQ(out.Messages()[1].line, 0);
    EXPECT_EQ(out.Messages()[1].text, "Fatal error in parser: Cannot parse input.");
    EXPECT_NE(out.Tail().find("Render failed"), std::string::npos);
}

TEST(PovRayOutputTest, APossibleErrorIsAWarning) {
    const PovRayOutput out = FeedInPieces(ReadSample("missing_include_stderr.txt"), 3);
    ASSERT_GE(out.Messages().size(), 2u);
    const PovRayMessage& possible = out.Messages()[0];
    EXPECT_FALSE(possible.error);
    EXPECT_EQ(possible.line, 1);
    EXPECT_NE(possible.text.find("even after trying"), std::string::npos);
    ASSERT_NE(out.FirstError(), nullptr);
    EXPECT_EQ(out.FirstError()->text, "Parse Error: Cannot open include file missing.inc.");
}

}  // namespace
