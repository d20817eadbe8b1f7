// The render thread of one camera view. The user-interface thread hands it described scenes
// (Request); the thread renders the newest one and delivers its picture. A request that arrives
// while a render runs supersedes it: that render stops at its next look at the clock and its
// picture is never delivered, so an older picture never follows a newer one.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

#include "view/camera_scene.h"

// A rendered picture: RGBA bytes, top row first, and the request it answers.
struct CameraPicture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> pixels;
    uint64_t generation = 0;
};

class CameraRenderWorker {
  public:
    // Renders a scene on the render thread; nothing when stop() said yes on the way or the
    // render failed.
    using RenderFunction = std::function<std::optional<CameraPicture>(
        const CameraScene& scene, const std::function<bool()>& stop)>;
    // Takes a finished picture, on the render thread.
    using DeliverFunction = std::function<void(CameraPicture picture)>;
    // Runs on the render thread when it ends (its OpenGL context goes with it).
    using FinishFunction = std::function<void()>;

    // Without a thread of its own (threaded false) every request renders at once in the
    // caller's thread: for platforms whose OpenGL cannot render on another thread.
    CameraRenderWorker(RenderFunction render, DeliverFunction deliver, FinishFunction finish = {},
                       bool threaded = true);
    // Stops the render in flight and waits for the thread.
    ~CameraRenderWorker();
    CameraRenderWorker(const CameraRenderWorker&) = delete;
    CameraRenderWorker& operator=(const CameraRenderWorker&) = delete;

    // Asks for a picture of the scene; returns the request's generation (1, 2, ...).
    uint64_t Request(std::shared_ptr<const CameraScene> scene);
    // the generation of the newest request
    uint64_t Latest() const;
    // renders started so far (superseded ones included)
    int RendersStarted() const;
    // no request waits and no render runs
    bool Idle() const;

  private:
    void Run();
    void Serve(const CameraScene& scene, uint64_t generation);

    RenderFunction render_;
    DeliverFunction deliver_;
    FinishFunction finish_;
    const bool threaded_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<const CameraScene> waiting_;  // the newest request not yet taken
    uint64_t latest_ = 0;
    bool rendering_ = false;
    bool quit_ = false;
    int started_ = 0;
    std::thread thread_;
};
