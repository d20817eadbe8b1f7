#include "tests/support/gl_test.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <dlfcn.h>
#include <link.h>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include <string>
#include <string_view>
#include <vector>

namespace {

// Mesa unloads its driver when the display is terminated. What the driver keeps until exit
// (compiled shaders and the like) is then reported by the leak checker with frames that name no
// library, and the driver suppressions cannot match them. Keeping the driver loaded keeps its
// frames named.
void KeepGlDriversLoaded() {
    std::vector<std::string> drivers;
    dl_iterate_phdr(
        [](dl_phdr_info* info, size_t, void* data) {
            const std::string_view name = info->dlpi_name ? info->dlpi_name : "";
            if (name.find("_dri.so") != std::string_view::npos ||
                name.find("libgallium") != std::string_view::npos)
                static_cast<std::vector<std::string>*>(data)->emplace_back(name);
            return 0;
        },
        &drivers);
    // the handles stay open on purpose
    for (const std::string& driver : drivers)
        dlopen(driver.c_str(), RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE);
}

// Mesa loses two small blocks when a context draws for the first time, in frames the leak
// suppressions cannot see; one triangle drawn with leak checking paused takes that loss.
void DrawFirstTriangle() {
#if defined(__SANITIZE_ADDRESS__)
    __lsan_disable();
#endif
    glBegin(GL_TRIANGLES);
    glVertex3d(0, 0, 0);
    glVertex3d(1, 0, 0);
    glVertex3d(0, 1, 0);
    glEnd();
    glFinish();
#if defined(__SANITIZE_ADDRESS__)
    __lsan_enable();
#endif
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

}  // namespace

GlTestCanvas::GlTestCanvas(int width, int height) {
    ok_ = gl_.Create(width, height);
    if (ok_)
        KeepGlDriversLoaded();
    if (ok_)
        DrawFirstTriangle();
}

void GlTestCanvas::SetUpDefaultCamera() const {
    glViewport(0, 0, gl_.Width(), gl_.Height());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, 1.33, 1.0, 200.0);
    gluLookAt(0, 0, -20, 0, 0, 0, 0, 1, 0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_DEPTH_TEST);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void GlTestCanvas::Capture() {
    glFinish();
    pixels_ = gl_.ReadPixels();
}

Rgba GlTestCanvas::At(int x, int y) const {
    const size_t i = (static_cast<size_t>(y) * gl_.Width() + x) * 4;
    return {pixels_[i], pixels_[i + 1], pixels_[i + 2], pixels_[i + 3]};
}

int GlTestCanvas::CountLit(int threshold) const {
    int n = 0;
    for (size_t i = 0; i + 3 < pixels_.size(); i += 4)
        if (pixels_[i] > threshold || pixels_[i + 1] > threshold || pixels_[i + 2] > threshold)
            ++n;
    return n;
}
