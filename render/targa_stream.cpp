#include "render/targa_stream.h"

#include <algorithm>

namespace {
constexpr size_t kHeaderBytes = 18;

int Word(const std::string& bytes, size_t at) {
    return static_cast<unsigned char>(bytes[at]) | (static_cast<unsigned char>(bytes[at + 1]) << 8);
}
}  // namespace

bool TargaStream::Fail(std::string message) {
    if (error_.empty())
        error_ = std::move(message);
    return false;
}

bool TargaStream::ParseHeader() {
    const std::string& h = pending_;
    const int idLength = static_cast<unsigned char>(h[0]);
    const int mapType = static_cast<unsigned char>(h[1]);
    const int type = static_cast<unsigned char>(h[2]);
    const int mapLength = Word(h, 5);
    const int mapDepth = static_cast<unsigned char>(h[7]);
    width_ = Word(h, 12);
    height_ = Word(h, 14);
    depth_ = static_cast<unsigned char>(h[16]);
    const int descriptor = static_cast<unsigned char>(h[17]);
    if (type != 2 && type != 3 && type != 10 && type != 11)
        return Fail("not a true-colour or grey Targa picture (type " + std::to_string(type) + ")");
    rle_ = type >= 10;
    grey_ = type == 3 || type == 11;
    if (grey_ ? depth_ != 8 : depth_ != 16 && depth_ != 24 && depth_ != 32)
        return Fail("unsupported Targa pixel depth " + std::to_string(depth_));
    if (width_ == 0 || height_ == 0)
        return Fail("the Targa picture is empty");
    total_ = static_cast<long long>(width_) * height_;
    if (total_ > kMaxPixels)
        return Fail("the Targa picture is too large");
    topDown_ = (descriptor & 0x20) != 0;
    rightToLeft_ = (descriptor & 0x10) != 0;
    skip_ =
        static_cast<size_t>(idLength) +
        (mapType ? static_cast<size_t>(mapLength) * static_cast<size_t>((mapDepth + 7) / 8) : 0);
    pixels_.assign(static_cast<size_t>(total_), 0);
    headerDone_ = true;
    pending_.clear();
    return true;
}

void TargaStream::Put(const unsigned char* p) {
    const long long row = decoded_ / width_;
    const long long y = topDown_ ? row : height_ - 1 - row;
    if (y < wanted_.first || y >= wanted_.end) {
        ++decoded_;
        return;
    }
    std::uint32_t r, g, b;
    if (grey_) {
        r = g = b = p[0];
    } else if (depth_ == 16) {
        const int v = p[0] | (p[1] << 8);
        r = static_cast<std::uint32_t>(((v >> 10) & 31) * 255 / 31);
        g = static_cast<std::uint32_t>(((v >> 5) & 31) * 255 / 31);
        b = static_cast<std::uint32_t>((v & 31) * 255 / 31);
    } else {
        b = p[0];
        g = p[1];
        r = p[2];
    }
    long long column = decoded_ % width_;
    if (rightToLeft_)
        column = width_ - 1 - column;
    pixels_[static_cast<size_t>(y * width_ + column)] = 0xFF000000u | (r << 16) | (g << 8) | b;
    ++decoded_;
}

bool TargaStream::Feed(std::string_view bytes) {
    if (Failed())
        return false;
    size_t at = 0;
    while (at < bytes.size() && !Complete()) {
        if (!headerDone_) {
            const size_t take = std::min(kHeaderBytes - pending_.size(), bytes.size() - at);
            pending_.append(bytes.substr(at, take));
            at += take;
            if (pending_.size() == kHeaderBytes && !ParseHeader())
                return false;
            continue;
        }
        if (skip_ > 0) {
            const size_t take = std::min(skip_, bytes.size() - at);
            skip_ -= take;
            at += take;
            continue;
        }
        const size_t size = PixelBytes();
        if (rle_ && packetLeft_ == 0) {
            const auto head = static_cast<unsigned char>(bytes[at++]);
            repeat_ = (head & 0x80) != 0;
            packetLeft_ = (head & 0x7F) + 1;
            repeatPixel_.clear();
            continue;
        }
        if (rle_ && repeat_ && repeatPixel_.size() == size) {
            // a repeated pixel: no bytes needed until the packet is used up
            Put(reinterpret_cast<const unsigned char*>(repeatPixel_.data()));
            --packetLeft_;
            continue;
        }
        // whole uncompressed pixels straight from the bytes
        if (!rle_ && pending_.empty()) {
            const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
            while (bytes.size() - at >= size && !Complete()) {
                Put(data + at);
                at += size;
            }
            if (Complete() || at == bytes.size())
                continue;
        }
        // gather one pixel
        const size_t take = std::min(size - pending_.size(), bytes.size() - at);
        pending_.append(bytes.substr(at, take));
        at += take;
        if (pending_.size() < size)
            continue;
        if (rle_ && repeat_) {
            repeatPixel_ = pending_;
        } else {
            Put(reinterpret_cast<const unsigned char*>(pending_.data()));
            if (rle_)
                --packetLeft_;
        }
        pending_.clear();
    }
    // a repeat packet can finish without further bytes
    while (rle_ && repeat_ && packetLeft_ > 0 && repeatPixel_.size() == PixelBytes() &&
           !Complete()) {
        Put(reinterpret_cast<const unsigned char*>(repeatPixel_.data()));
        --packetLeft_;
    }
    return true;
}

int TargaStream::RowsDone() const {
    return width_ > 0 ? static_cast<int>(decoded_ / width_) : 0;
}

RowSpan TargaStream::TakeChangedRows() {
    const int done = RowsDone();
    if (done == reportedRows_)
        return {};
    RowSpan span =
        topDown_ ? RowSpan{reportedRows_, done} : RowSpan{height_ - done, height_ - reportedRows_};
    reportedRows_ = done;
    return span;
}

std::string EncodeTarga(int width, int height, const std::vector<std::uint32_t>& pixels) {
    std::string out(kHeaderBytes, '\0');
    out[2] = 2;
    out[12] = static_cast<char>(width & 0xFF);
    out[13] = static_cast<char>((width >> 8) & 0xFF);
    out[14] = static_cast<char>(height & 0xFF);
    out[15] = static_cast<char>((height >> 8) & 0xFF);
    out[16] = 24;
    out[17] = 0x20;  // top row first
    const size_t count =
        std::min(pixels.size(), static_cast<size_t>(width) * static_cast<size_t>(height));
    out.reserve(kHeaderBytes + count * 3);
    for (size_t i = 0; i < count; ++i) {
        const std::uint32_t p = pixels[i];
        out += static_cast<char>(p & 0xFF);
        out += static_cast<char>((p >> 8) & 0xFF);
        out += static_cast<char>((p >> 16) & 0xFF);
    }
    return out;
}
