// The Targa decoder on whole, partial and broken streams.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "render/targa_stream.h"

namespace {

std::vector<std::uint32_t> RandomPicture(int width, int height, std::mt19937& random) {
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (std::uint32_t& p : pixels)
        p = 0xFF000000u | (random() & 0xFFFFFFu);
    return pixels;
}

// The picture run-length encoded, bottom row first, with alpha: the other way of storing it.
std::string EncodeRleBottomUp(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string out(18, '\0');
    out[2] = 10;
    out[12] = static_cast<char>(width);
    out[14] = static_cast<char>(height);
    out[16] = 32;
    out[17] = 0x08;
    std::vector<std::uint32_t> order;
    for (int y = height - 1; y >= 0; --y)
        for (int x = 0; x < width; ++x)
            order.push_back(pixels[static_cast<size_t>(y * width + x)]);
    auto put = [&](std::uint32_t p) {
        out += static_cast<char>(p & 0xFF);
        out += static_cast<char>((p >> 8) & 0xFF);
        out += static_cast<char>((p >> 16) & 0xFF);
        out += static_cast<char>(0xFF);
    };
    for (size_t i = 0; i < order.size();) {
        size_t run = 1;
        while (i + run < order.size() && run < 128 && order[i + run] == order[i])
            ++run;
        if (run > 1) {
            out += static_cast<char>(0x80 | (run - 1));
            put(order[i]);
        } else {
            out += static_cast<char>(0);
            put(order[i]);
        }
        i += run;
    }
    return out;
}

// Feeds in random pieces; checks that the rows reported are those decoded, each once.
void FeedAndCheckRows(TargaStream& stream, const std::string& bytes, std::mt19937& random) {
    std::vector<int> seen;
    for (size_t at = 0; at < bytes.size();) {
        const size_t n = std::min<size_t>(bytes.size() - at, random() % 200 + 1);
        ASSERT_TRUE(stream.Feed(std::string_view(bytes).substr(at, n))) << stream.Error();
        at += n;
        const RowSpan rows = stream.TakeChangedRows();
        for (int y = rows.first; y < rows.end; ++y)
            seen.push_back(y);
    }
    std::sort(seen.begin(), seen.end());
    ASSERT_EQ(static_cast<int>(seen.size()), stream.Height());
    for (int y = 0; y < stream.Height(); ++y)
        EXPECT_EQ(seen[static_cast<size_t>(y)], y);
}

TEST(TargaStreamTest, WholeStreamsInAnyPiecesGiveThePictureBack) {
    std::mt19937 random(11);
    for (int round = 0; round < 12; ++round) {
        const int w = static_cast<int>(random() % 40) + 1;
        const int h = static_cast<int>(random() % 30) + 1;
        std::vector<std::uint32_t> picture = RandomPicture(w, h, random);
        // runs for the run-length encoder
        for (size_t i = 0; i + 1 < picture.size(); i += 3)
            picture[i + 1] = picture[i];

        TargaStream plain;
        FeedAndCheckRows(plain, EncodeTarga(w, h, picture), random);
        EXPECT_TRUE(plain.Complete());
        EXPECT_EQ(plain.Pixels(), picture);

        TargaStream rle;
        FeedAndCheckRows(rle, EncodeRleBottomUp(w, h, picture), random);
        EXPECT_TRUE(rle.Complete());
        EXPECT_EQ(rle.Pixels(), picture);

        // a band of a whole-size picture: its rows only, either way of storing
        const RowSpan band{h / 3, (2 * h) / 3 + 1};
        for (const std::string& bytes :
             {EncodeTarga(w, h, picture), EncodeRleBottomUp(w, h, picture)}) {
            TargaStream part;
            part.SetRowsWanted(band);
            FeedAndCheckRows(part, bytes, random);
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x) {
                    const size_t i = static_cast<size_t>(y * w + x);
                    ASSERT_EQ(part.Pixels()[i], y >= band.first && y < band.end ? picture[i] : 0u);
                }
        }
    }
}

TEST(TargaStreamTest, APartialStreamShowsTheRowsThatArrived) {
    std::mt19937 random(5);
    const std::vector<std::uint32_t> picture = RandomPicture(10, 8, random);
    const std::string bytes = EncodeTarga(10, 8, picture);
    TargaStream stream;
    // the header, three rows and half of the fourth
    ASSERT_TRUE(stream.Feed(std::string_view(bytes).substr(0, 18 + 35 * 3)));
    EXPECT_FALSE(stream.Complete());
    EXPECT_EQ(stream.RowsDone(), 3);
    const RowSpan rows = stream.TakeChangedRows();
    EXPECT_EQ(rows.first, 0);
    EXPECT_EQ(rows.end, 3);
    for (size_t i = 0; i < picture.size(); ++i)
        EXPECT_EQ(stream.Pixels()[i], i < 35 ? picture[i] : 0u) << i;
    EXPECT_TRUE(stream.TakeChangedRows().Empty());
}

TEST(TargaStreamTest, PovRaysOwnPictureWithItsFooter) {
    std::ifstream in(std::string(ORVANTA_TEST_DATA_DIR) + "/povray/tiny_40x30.tga",
                     std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    TargaStream stream;
    ASSERT_TRUE(stream.Feed(bytes)) << stream.Error();
    ASSERT_TRUE(stream.Complete());
    EXPECT_EQ(stream.Width(), 40);
    EXPECT_EQ(stream.Height(), 30);
    // a sphere lit only by the ambient light, in the middle, on black
    EXPECT_EQ(stream.Pixels()[0], 0xFF000000u);
    EXPECT_EQ(stream.Pixels()[15 * 40 + 20], 0xFF1A1A1Au);
}

TEST(TargaStreamTest, WhatItCannotShowIsRefusedWithAReason) {
    std::string mapped(18, '\0');
    mapped[1] = 1;
    mapped[2] = 1;  // colour-mapped
    TargaStream a;
    EXPECT_FALSE(a.Feed(mapped));
    EXPECT_NE(a.Error().find("type 1"), std::string::npos);

    std::string huge = EncodeTarga(1, 1, {0});
    huge[12] = huge[13] = huge[14] = huge[15] = static_cast<char>(0xFF);
    TargaStream b;
    EXPECT_FALSE(b.Feed(huge));
    EXPECT_TRUE(b.Failed());
    EXPECT_FALSE(b.Feed("more"));
}

}  // namespace
