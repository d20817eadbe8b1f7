// The camera view's picture as data: projection, modes, clear colour and the scene's solid
// preview. The user-interface thread describes the document into a CameraScene; the render
// (RenderCameraScene) needs nothing else, so it may run on another thread while the document
// changes.
#pragma once

#include <array>
#include <cstddef>
#include <functional>

#include "model/solid_preview.h"

class COrvantaDoc;
class SolidPainter;

struct CameraScene {
    int width = 0;
    int height = 0;
    // the shape of the picture POV-Ray renders: the view shows it centred between black bars
    int pictureWidth = 4;
    int pictureHeight = 3;
    // the document's camera is deleted: the view stays empty
    bool cameraDeleted = false;
    // eye and look-at point in OpenGL's coordinates (x mirrored); without a scene camera the
    // default eye looks along z and sees 200 units
    std::array<double, 3> eye{0, 0, -20};
    std::array<double, 3> centre{0, 0, 0};
    double farPlane = 200.0;
    // the picture's height as an angle, in degrees: the modeller's camera sees 45 degrees, a
    // camera kept as POV-Ray text what POV-Ray's picture shows
    double fieldOfView = 45.0;
    bool filled = true;
    // wire frame only: depth test and lighting
    bool depthTest = false;
    bool lights = false;
    std::array<float, 4> clearColour{0, 0, 0, 0};
    SolidPreview preview;

    bool operator==(const CameraScene&) const = default;
};

struct CameraSceneOptions {
    int width = 0;
    int height = 0;
    int pictureWidth = 4;
    int pictureHeight = 3;
    bool wireframe = false;
    bool depthTest = false;
    bool lights = false;
    // shapes the scene had last time: room for them is made at once
    size_t expectedItems = 0;
};

// Describes what the camera view of the document shows.
CameraScene DescribeCameraScene(const COrvantaDoc& doc, const CameraSceneOptions& options);

struct CameraRenderResult {
    bool complete = false;
    // the lights the scene set up (each present light source counts, also beyond the eighth)
    int lightCount = 0;
};

// Renders the scene into the current OpenGL context: shapes outside the picture are left out,
// small ones drawn with less detail. stop is asked now and then; when it says yes the render
// ends early and is not complete.
CameraRenderResult RenderCameraScene(const CameraScene& scene, SolidPainter& painter,
                                     const std::function<bool()>& stop = {});
