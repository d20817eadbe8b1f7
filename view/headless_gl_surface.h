// The headless OpenGL context as the camera view's render surface.
#pragma once

#include "platform/headless_gl.h"
#include "view/view_window.h"

class HeadlessGlSurface : public IGlSurface {
  public:
    explicit HeadlessGlSurface(HeadlessGl& gl) : gl_(gl) {}
    bool MakeCurrent() override { return gl_.MakeCurrent(); }
    // The context stays current: the caller reads the picture back right after the render.
    void DoneCurrent() override {}

  private:
    HeadlessGl& gl_;
};
