// The camera view's render thread: described scenes in, pictures out (view/render_worker.h).
#pragma once

#include <cstdint>
#include <vector>

#include "view/camera_scene.h"
#include "view/render_worker.h"

// A rendered picture: RGBA bytes, top row first, and the request it answers.
struct CameraPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    uint64_t generation = 0;
};

using CameraRenderWorker = RenderWorker<CameraScene, CameraPicture>;
