// Decodes a Targa picture while its bytes arrive (POV-Ray writes one to standard output with
// "+O-"): true-colour and grey pictures, uncompressed or run-length encoded, 8, 16, 24 or 32
// bits per pixel, stored from the top or from the bottom. The rows decoded so far can be shown
// at once; a stream that ends early leaves the rest of the picture empty.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// rows first .. end - 1 of a picture, counted from the top
struct RowSpan {
    int first = 0;
    int end = 0;
    bool Empty() const { return end <= first; }
    int Count() const { return end > first ? end - first : 0; }
};

class TargaStream {
  public:
    // the largest picture taken, in pixels (a quarter of a gigabyte of memory)
    static constexpr long long kMaxPixels = 64LL * 1024 * 1024;

    // Takes the next bytes; false once the stream is broken (Error says why). Bytes after the
    // last pixel (POV-Ray's extension area and footer) are ignored.
    bool Feed(std::string_view bytes);
    // Only these rows (counted from the top) are decoded; the others are passed over and stay
    // empty. A render in bands wants the band's rows of a whole-size picture.
    void SetRowsWanted(RowSpan rows) { wanted_ = rows; }

    bool HasHeader() const { return headerDone_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // 0xFFRRGGBB per pixel, top row first; rows not decoded yet are 0
    const std::vector<std::uint32_t>& Pixels() const { return pixels_; }
    // rows decoded completely, in the order the file stores them
    int RowsDone() const;
    bool Complete() const { return headerDone_ && decoded_ == total_; }
    bool Failed() const { return !error_.empty(); }
    const std::string& Error() const { return error_; }
    // Rows decoded completely since the last call (top-down files fill from the top,
    // bottom-up ones from the bottom).
    RowSpan TakeChangedRows();

  private:
    bool Fail(std::string message);
    bool ParseHeader();
    void Put(const unsigned char* pixel);
    size_t PixelBytes() const { return static_cast<size_t>(depth_ / 8); }

    std::string error_;
    std::string pending_;  // bytes of a header, packet or pixel not complete yet
    bool headerDone_ = false;
    size_t skip_ = 0;  // identification and colour-map bytes still to skip
    int width_ = 0, height_ = 0, depth_ = 0;
    bool rle_ = false, grey_ = false, topDown_ = false, rightToLeft_ = false;
    long long total_ = 0;
    long long decoded_ = 0;
    // run-length packets: pixels left in the current packet and whether it repeats one pixel
    int packetLeft_ = 0;
    bool repeat_ = false;
    std::string repeatPixel_;
    std::vector<std::uint32_t> pixels_;
    int reportedRows_ = 0;
    RowSpan wanted_{0, 1 << 30};
};

// An uncompressed 24-bit Targa file of the picture, top row first.
std::string EncodeTarga(int width, int height, const std::vector<std::uint32_t>& pixels);
