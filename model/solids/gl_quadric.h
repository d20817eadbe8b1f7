// A GLU quadric for one drawing pass: made with outside orientation and smooth normals, freed
// when the pass ends. Each camera render runs on its own thread, so no quadric is shared.
#pragma once

#include <GL/glu.h>

class GlQuadric {
  public:
    GlQuadric() {
        quadric_ = gluNewQuadric();
        if (quadric_) {
            gluQuadricOrientation(quadric_, GLU_OUTSIDE);
            gluQuadricNormals(quadric_, GLU_SMOOTH);
        }
    }
    ~GlQuadric() {
        if (quadric_)
            gluDeleteQuadric(quadric_);
    }
    GlQuadric(const GlQuadric&) = delete;
    GlQuadric& operator=(const GlQuadric&) = delete;

    // null when GLU could not make one; callers then draw nothing
    GLUquadric* Get() const { return quadric_; }

  private:
    GLUquadric* quadric_ = nullptr;
};
