// The render thread of one view. The user-interface thread hands it what to draw, described as
// data of its own (an Order); the thread draws the newest one and delivers the picture. A
// request that arrives while a render runs supersedes it: that render stops at its next look
// at stop() and its picture is never delivered, so an older picture never follows a newer one.
//
// Order is what to draw; Picture needs a member `uint64_t generation`, which the worker sets
// to the request's.
#pragma once

#include <sys/resource.h>
#include <unistd.h>

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

template <class Order, class Picture>
class RenderWorker {
  public:
    // Renders a request on the render thread; nothing when stop() said yes on the way or the
    // render failed.
    using RenderFunction = std::function<std::optional<Picture>(const Order& request,
                                                                const std::function<bool()>& stop)>;
    // Takes a finished picture, on the render thread.
    using DeliverFunction = std::function<void(Picture picture)>;
    // Runs on the render thread when it ends (an OpenGL context goes with it).
    using FinishFunction = std::function<void()>;

    // Without a thread of its own (threaded false) every request renders at once in the
    // caller's thread: for platforms whose OpenGL cannot render on another thread.
    RenderWorker(RenderFunction render, DeliverFunction deliver, FinishFunction finish = {},
                 bool threaded = true)
        : render_(std::move(render)),
          deliver_(std::move(deliver)),
          finish_(std::move(finish)),
          threaded_(threaded) {
        if (threaded_)
            thread_ = std::thread([this] { Run(); });
    }
    // Stops the render in flight and waits for the thread.
    ~RenderWorker() {
        if (threaded_) {
            {
                std::lock_guard<std::mutex> lock(mutex_);
                quit_ = true;
            }
            wake_.notify_all();
            thread_.join();
        } else if (finish_) {
            finish_();
        }
    }
    RenderWorker(const RenderWorker&) = delete;
    RenderWorker& operator=(const RenderWorker&) = delete;

    // Asks for a picture of the request; returns its generation (1, 2, ...).
    uint64_t Request(std::shared_ptr<const Order> request) {
        uint64_t generation = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            generation = ++latest_;
            if (threaded_)
                waiting_ = request;
        }
        if (threaded_)
            wake_.notify_all();
        else
            Serve(*request, generation);
        return generation;
    }
    // Renders the request at once in the caller's thread and returns its picture (nothing
    // when the render failed); what the render thread has in hand is superseded.
    std::optional<Picture> RenderNow(const Order& request) {
        uint64_t generation = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            generation = ++latest_;
            waiting_.reset();
            ++started_;
        }
        std::optional<Picture> picture = render_(request, [] { return false; });
        if (picture)
            picture->generation = generation;
        return picture;
    }
    // the generation of the newest request
    uint64_t Latest() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return latest_;
    }
    // renders started so far (superseded ones included)
    int RendersStarted() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return started_;
    }
    // no request waits and no render runs
    bool Idle() const {
        std::lock_guard<std::mutex> lock(mutex_);
        return !waiting_ && !rendering_;
    }

  private:
    static constexpr int kNiceness = 10;

    void Run() {
        // the render thread gives way to the user-interface thread when both want the processor
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), kNiceness);
        for (;;) {
            std::shared_ptr<const Order> request;
            uint64_t generation = 0;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait(lock, [this] { return quit_ || waiting_; });
                if (quit_)
                    break;
                request = std::move(waiting_);
                waiting_.reset();
                generation = latest_;
                rendering_ = true;
            }
            Serve(*request, generation);
            std::lock_guard<std::mutex> lock(mutex_);
            rendering_ = false;
        }
        if (finish_)
            finish_();
    }

    void Serve(const Order& request, uint64_t generation) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            ++started_;
        }
        auto superseded = [this, generation] {
            std::lock_guard<std::mutex> lock(mutex_);
            return quit_ || latest_ != generation;
        };
        std::optional<Picture> picture = render_(request, superseded);
        // a newer request may have come in while the last shapes were drawn: its picture
        // follows instead
        if (!picture || superseded())
            return;
        picture->generation = generation;
        deliver_(std::move(*picture));
    }

    RenderFunction render_;
    DeliverFunction deliver_;
    FinishFunction finish_;
    const bool threaded_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::shared_ptr<const Order> waiting_;  // the newest request not yet taken
    uint64_t latest_ = 0;
    bool rendering_ = false;
    bool quit_ = false;
    int started_ = 0;
    std::thread thread_;
};
