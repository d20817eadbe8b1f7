// An OpenGL compatibility context without a window (Mesa's surfaceless EGL platform) that
// renders into an off-screen colour and depth buffer. Used by the batch tool and the tests;
// the desktop application draws the same scene into its own widget context.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class HeadlessGl {
  public:
    HeadlessGl() = default;
    ~HeadlessGl();
    HeadlessGl(const HeadlessGl&) = delete;
    HeadlessGl& operator=(const HeadlessGl&) = delete;

    // Creates the context and a width x height frame buffer and makes it current.
    // Returns false (with Error() telling why) when no context can be made.
    bool Create(int width, int height);
    bool MakeCurrent();
    const std::string& Error() const { return error_; }
    int Width() const { return width_; }
    int Height() const { return height_; }

    // The frame buffer as RGBA bytes, top row first.
    std::vector<uint8_t> ReadPixels() const;

  private:
    void* display_ = nullptr;
    void* context_ = nullptr;
    unsigned framebuffer_ = 0;
    unsigned renderbuffers_[2] = {0, 0};
    int width_ = 0;
    int height_ = 0;
    std::string error_;
};
