#include "view/qt/view_image.h"

#include <QPainter>

#include "document/orvanta_doc.h"
#include "model/pov_object.h"
#include "platform/headless_gl.h"
#include "platform/qt/qpainter_device_context.h"
#include "view/headless_gl_surface.h"
#include "view/orvanta_view.h"
#include "view/scroll_bars.h"
#include "view/view_math.h"

namespace {

CPovObject* FindByName(CPovObject* first, const std::string& name) {
    for (CPovObject* o = first; o; o = o->NextSibling) {
        if (o->Name == name)
            return o;
        if (CPovObject* child = FindByName(o->FirstChild, name))
            return child;
    }
    return nullptr;
}

void Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
}

QImage RenderCamera(COrvantaView& view, HeadlessGl* gl, std::string* error) {
    if (!gl || !gl->MakeCurrent()) {
        Fail(error, gl ? gl->Error() : "the camera view needs OpenGL");
        return {};
    }
    HeadlessGlSurface surface(*gl);
    if (!view.RenderCamera(surface)) {
        Fail(error, "the camera view could not be rendered: " + gl->Error());
        return {};
    }
    const std::vector<uint8_t> pixels = gl->ReadPixels();
    // the window shows the colour alone; the cleared alpha means nothing there
    QImage image(pixels.data(), gl->Width(), gl->Height(), gl->Width() * 4,
                 QImage::Format_RGBX8888);
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

QImage RenderViewImage(COrvantaDoc& document, const ViewImageOptions& options, HeadlessGl* gl,
                       std::string* error) {
    const int kind = options.viewKind;
    if (kind != kTopView && kind != kFrontView && kind != kSideView && kind != kCameraView) {
        Fail(error, "unknown view kind");
        return {};
    }
    const int width = options.width;
    const int height = options.height;
    NextViewKind = kind;
    ScrollBarValues bars;
    COrvantaView view(document, bars);
    if (kind != kCameraView) {
        if (options.zoom)
            view.Zoom = *options.zoom;
        if (options.grid)
            view.Grid = *options.grid;
    } else {
        view.UseOpenGL = 1;
        view.Wireframe = options.wireframe ? 1 : 0;
    }
    // the outer window is the client area with room for the scroll bars
    view.OnCreate(width + 20, height + 20, width, height);
    view.OnSize(width, height, width + 20, height + 20);
    if (kind != kCameraView) {
        bars.SetPosition(ScrollBar::Horizontal,
                         options.scrollH.value_or(-view_math::TruncToInt((width / 2) / view.Zoom)));
        bars.SetPosition(ScrollBar::Vertical,
                         options.scrollV.value_or(view_math::TruncToInt((height / 2) / view.Zoom)));
    }

    if (!options.select.empty()) {
        CPovObject* object = FindByName(document.Objects, options.select);
        if (!object) {
            Fail(error, "no object named '" + options.select + "'");
            return {};
        }
        object->Select(view);
    }

    if (kind == kCameraView)
        return RenderCamera(view, gl, error);

    const uint32_t text = view.PenColor(Pen::Text);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        QPainterDeviceContext dc(painter,
                                 QColor(text & 0xFF, (text >> 8) & 0xFF, (text >> 16) & 0xFF));
        view.OnDraw(dc);
    }
    return image;
}
