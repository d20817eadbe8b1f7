// The camera view's OpenGL render. One routine for the desktop widget's context and the
// headless one, so that the picture on screen and the batch tool's picture are the same.
#include <GL/gl.h>
#include <GL/glu.h>

#include "document/orvanta_doc.h"
#include "model/environment/pov_background.h"
#include "model/pov_object.h"
#include "render/render_presets.h"
#include "view/orvanta_view.h"
#include "view/view_navigation.h"

namespace {
// at most seven OpenGL lights are switched on
constexpr int kMaxLights = 7;
constexpr int kGlLightSlots = 8;
}  // namespace

bool COrvantaView::RenderCamera(IGlSurface& surface) {
    // Another request is being served: it renders once more when it is done.
    if (PendingRenders.fetch_add(1) + 1 != 1)
        return false;
    do {
        PendingRenders.store(1);
        if (!surface.MakeCurrent()) {
            PendingRenders.store(0);
            return false;
        }
        RenderCameraScene();
        glFinish();
        surface.DoneCurrent();
    } while (PendingRenders.fetch_sub(1) - 1 != 0);
    return true;
}

void COrvantaView::RenderCameraScene() {
    const COrvantaDoc& doc = document_;
    const int width = clientWidth_;
    const int height = clientHeight_;
    const bool filled = !Wireframe;

    // The picture has the shape of the one POV-Ray renders (the chosen render size, 4:3
    // unless chosen otherwise), centred between black bars: a sphere stays round.
    glDisable(GL_SCISSOR_TEST);
    glViewport(0, 0, width, height);
    glClearColor(0, 0, 0, 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    CPovObject* camera = doc.Camera;
    if (camera && !camera->IsPresent())
        return;  // a deleted camera shows nothing
    const RenderChoice picture = LoadRenderChoice();
    const double aspect = static_cast<double>(picture.width) / picture.height;
    const view_nav::Rect frame = view_nav::AspectRect(width, height, picture.width, picture.height);
    // OpenGL counts rows from the bottom
    const int bottom = height - frame.y - frame.height;
    glViewport(frame.x, bottom, frame.width, frame.height);
    glScissor(frame.x, bottom, frame.width, frame.height);
    glEnable(GL_SCISSOR_TEST);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    if (camera) {
        gluPerspective(45.0, aspect, 1.0, 4000.0);
        const Vector& eye = camera->Translation();
        Vector centre;
        if (camera->FirstChild && !camera->FirstChild->Steps.empty())
            centre = camera->FirstChild->Translation();
        gluLookAt(-eye.X, eye.Y, eye.Z, -centre.X, centre.Y, centre.Z, 0, 1, 0);
    } else {
        gluPerspective(45.0, aspect, 1.0, 200.0);
        gluLookAt(0, 0, -20, 0, 0, 0, 0, 1, 0);
    }

    if (filled) {
        glEnable(GL_DEPTH_TEST);
        glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    } else {
        if (DepthTest)
            glEnable(GL_DEPTH_TEST);
        else
            glDisable(GL_DEPTH_TEST);
        glPolygonMode(GL_FRONT_AND_BACK, GL_LINE);
    }
    glDisable(GL_CULL_FACE);
    glEnable(GL_NORMALIZE);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();

    // the lights set themselves up as OpenGL lights LightCount, LightCount + 1, ...
    LightCount = 0;
    for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (IsLightKind(o->GetType()))
            o->Draw(*this, nullptr, 0, 0, width, height, Zoom);
    if (LightCount > kMaxLights)
        LightCount = kMaxLights;
    for (int i = 0; i < kGlLightSlots; ++i) {
        if (i < LightCount)
            glEnable(GL_LIGHT0 + i);
        else
            glDisable(GL_LIGHT0 + i);
    }
    if (filled || Lights)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);

    const auto* background = dynamic_cast<const CPovBackground*>(doc.Background);
    if (background && filled) {
        const PovColor c = background->BackgroundColor;
        glClearColor(static_cast<float>(c & 0xFF) / 255.0f,
                     static_cast<float>((c >> 8) & 0xFF) / 255.0f,
                     static_cast<float>((c >> 16) & 0xFF) / 255.0f, 1.0f);
    } else {
        glClearColor(0, 0, 0, 0);
    }
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    const float white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, white);

    for (CPovObject* o = doc.Objects; o; o = o->NextSibling)
        if (!IsLightKind(o->GetType()))
            o->Draw(*this, nullptr, 0, 0, width, height, Zoom);
    glDisable(GL_SCISSOR_TEST);
}
