// A view of a document drawn into an image, as the desktop application shows it: the
// wire-frame views with QPainter through the device context, the camera view with OpenGL in a
// headless context. Used by the batch tool's render command and the picture tests.
#pragma once

#include <QImage>
#include <optional>
#include <string>

class COrvantaDoc;
class HeadlessGl;

struct ViewImageOptions {
    int viewKind = 0;  // 0 top, 1 front, 2 side, 4 camera
    int width = 640;
    int height = 480;
    // Pixels per world unit; without one the view takes the document's stored zoom (the
    // modeller setting when the document has none).
    std::optional<double> zoom;
    // Grid spacing; without one the view takes the document's stored grid.
    std::optional<double> grid;
    // The scroll positions (the left edge's world value, the negated bottom edge's), kept
    // inside the scroll ranges as in the desktop view; without them the world origin is put
    // at the centre of the picture.
    std::optional<int> scrollH;
    std::optional<int> scrollV;
    // name of an object to show selected (Windows-1252), empty for none
    std::string select;
    // camera view: OpenGL wire frame instead of filled polygons
    bool wireframe = false;
};

// Draws the view. The camera view needs gl, a headless context of the picture's size. On
// failure the image is null and error says why.
QImage RenderViewImage(COrvantaDoc& document, const ViewImageOptions& options, HeadlessGl* gl,
                       std::string* error = nullptr);
