// render: draws one view of a scene file into a PNG picture, as the desktop application
// shows it.
#include <QBuffer>
#include <QByteArray>
#include <charconv>
#include <map>
#include <string>

#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/read_scene.h"
#include "document/atomic_file.h"
#include "document/orvanta_doc.h"
#include "model/cp1252.h"
#include "platform/headless_gl.h"
#include "platform/view_port.h"
#include "view/qt/view_image.h"

namespace {

bool ParseNumber(const std::string& text, double& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseInt(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool ParseSize(const std::string& text, int& width, int& height) {
    const size_t x = text.find('x');
    return x != std::string::npos && ParseInt(text.substr(0, x), width) &&
           ParseInt(text.substr(x + 1), height) && width > 0 && height > 0 && width <= 16384 &&
           height <= 16384;
}

bool ParseScroll(const std::string& text, int& h, int& v) {
    const size_t comma = text.find(',');
    return comma != std::string::npos && ParseInt(text.substr(0, comma), h) &&
           ParseInt(text.substr(comma + 1), v);
}

constexpr const char* kUsage =
    "FILE --view top|front|side|camera [--size WxH] [--zoom Z] [--grid G] [--scroll H,V] "
    "[--select NAME] [--wireframe] [--logs DIR] -o OUT.png";

}  // namespace

int RunRender(const CommandArgs& argv) {
    Arguments args(argv,
                   {"-o", "--view", "--size", "--zoom", "--grid", "--scroll", "--select", "--logs"},
                   {"--wireframe"});
    if (!args.Ok() || args.Positional().size() != 1 || !args.Value("-o") || !args.Value("--view")) {
        ReportError(args.Ok() ? std::string("usage: orvanta-cli render ") + kUsage : args.Error());
        return 2;
    }
    static const std::map<std::string, int> kinds = {
        {"top", kTopView}, {"front", kFrontView}, {"side", kSideView}, {"camera", kCameraView}};
    ViewImageOptions options;
    auto kind = kinds.find(*args.Value("--view"));
    if (kind == kinds.end()) {
        ReportError("--view wants top, front, side or camera, not '" + *args.Value("--view") + "'");
        return 2;
    }
    options.viewKind = kind->second;
    if (auto size = args.Value("--size");
        size && !ParseSize(*size, options.width, options.height)) {
        ReportError("--size wants WIDTHxHEIGHT, e.g. 640x480, not '" + *size + "'");
        return 2;
    }
    if (auto text = args.Value("--zoom")) {
        double zoom = 0;
        if (!ParseNumber(*text, zoom) || !(zoom >= 1.0 && zoom <= 10000.0)) {
            ReportError("--zoom wants pixels per unit from 1 to 10000, not '" + *text + "'");
            return 2;
        }
        options.zoom = zoom;
    }
    if (auto text = args.Value("--grid")) {
        double grid = 0;
        if (!ParseNumber(*text, grid) || !(grid >= 0.0 && grid <= 1e6)) {
            ReportError("--grid wants a spacing of 0 or more, not '" + *text + "'");
            return 2;
        }
        options.grid = grid;
    }
    if (auto text = args.Value("--scroll")) {
        int h = 0, v = 0;
        if (!ParseScroll(*text, h, v)) {
            ReportError("--scroll wants two whole numbers H,V, not '" + *text + "'");
            return 2;
        }
        options.scrollH = h;
        options.scrollV = v;
    }
    if (auto name = args.Value("--select"))
        options.select = orv::Utf8ToCp1252(*name);
    options.wireframe = args.Has("--wireframe");

    COrvantaDoc document;
    SceneReadResult read;
    if (!OpenScene(document, args.Positional()[0], args, read))
        return 1;
    // what was read before a problem is drawn, as the modeller shows it
    PrintProblems(read.problems, stderr);

    // Kept until the process ends: Mesa's driver goes with the last context, and what it
    // keeps until then is no concern of this short-lived program.
    static HeadlessGl* gl = nullptr;
    if (options.viewKind == kCameraView) {
        gl = new HeadlessGl();
        if (!gl->Create(options.width, options.height)) {
            ReportError("no OpenGL for the camera view: " + gl->Error());
            return 1;
        }
    }
    std::string error;
    const QImage image = RenderViewImage(document, options, gl, &error);
    if (image.isNull()) {
        ReportError(error);
        return 1;
    }
    // encoded in memory, then saved as every file is: whole, or not at all
    const std::string out = *args.Value("-o");
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) {
        ReportError("cannot encode the picture as PNG");
        return 1;
    }
    const FileResult saved = WriteFileAtomically(
        out, std::string_view(png.constData(), static_cast<size_t>(png.size())));
    if (!saved.ok) {
        ReportError(saved.error);
        return 1;
    }
    return 0;
}
