// Headless OpenGL for tests: a context with an off-screen frame buffer, and the pixel helpers
// that the drawing tests share.
#pragma once

#include <cstdint>
#include <vector>

#include "platform/headless_gl.h"

struct Rgba {
    uint8_t r, g, b, a;
};

class GlTestCanvas {
  public:
    // Creates the context; Ok() tells whether OpenGL is available at all.
    GlTestCanvas(int width, int height);
    bool Ok() const { return ok_; }
    const char* Error() const { return gl_.Error().c_str(); }
    // the context itself, for code that renders into a HeadlessGl
    HeadlessGl& Gl() { return gl_; }
    // Perspective camera as the camera view sets it up without a scene camera.
    void SetUpDefaultCamera() const;
    // Reads the frame buffer (top row first).
    void Capture();
    Rgba At(int x, int y) const;
    // number of pixels brighter than the given grey level in any channel
    int CountLit(int threshold = 8) const;

  private:
    HeadlessGl gl_;
    bool ok_ = false;
    std::vector<uint8_t> pixels_;
};
