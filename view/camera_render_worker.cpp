#include "view/camera_render_worker.h"

CameraRenderWorker::CameraRenderWorker(RenderFunction render, DeliverFunction deliver,
                                       FinishFunction finish, bool threaded)
    : render_(std::move(render)),
      deliver_(std::move(deliver)),
      finish_(std::move(finish)),
      threaded_(threaded) {
    if (threaded_)
        thread_ = std::thread([this] { Run(); });
}

CameraRenderWorker::~CameraRenderWorker() {
    if (!threaded_) {
        if (finish_)
            finish_();
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        quit_ = true;
    }
    wake_.notify_all();
    thread_.join();
}

uint64_t CameraRenderWorker::Request(std::shared_ptr<const CameraScene> scene) {
    const std::shared_ptr<const CameraScene> shared = std::move(scene);
    uint64_t generation = 0;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        generation = ++latest_;
        waiting_ = shared;
    }
    if (!threaded_) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            waiting_.reset();
        }
        Serve(*shared, generation);
        return generation;
    }
    wake_.notify_all();
    return generation;
}

uint64_t CameraRenderWorker::Latest() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return latest_;
}

int CameraRenderWorker::RendersStarted() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return started_;
}

bool CameraRenderWorker::Idle() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return !waiting_ && !rendering_;
}

void CameraRenderWorker::Run() {
    for (;;) {
        std::shared_ptr<const CameraScene> scene;
        uint64_t generation = 0;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return quit_ || waiting_; });
            if (quit_)
                break;
            scene = std::move(waiting_);
            waiting_.reset();
            generation = latest_;
            rendering_ = true;
        }
        Serve(*scene, generation);
        std::lock_guard<std::mutex> lock(mutex_);
        rendering_ = false;
    }
    if (finish_)
        finish_();
}

void CameraRenderWorker::Serve(const CameraScene& scene, uint64_t generation) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        ++started_;
    }
    auto superseded = [this, generation] {
        std::lock_guard<std::mutex> lock(mutex_);
        return quit_ || latest_ != generation;
    };
    std::optional<CameraPicture> picture = render_(scene, superseded);
    // a newer request may have come in while the last shapes were drawn: its picture follows
    if (!picture || superseded())
        return;
    picture->generation = generation;
    deliver_(std::move(*picture));
}
