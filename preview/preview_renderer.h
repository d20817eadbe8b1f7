// Renders preview pictures with POV-Ray in the background: a queue of pictures worked off by a
// few POV-Ray processes at once, plus one live picture (the texture being edited) that goes
// before the queue and is cancelled when a newer one is asked for. Nothing here blocks its
// caller; the listener hears of every finished picture, on a worker thread.
#pragma once

#include <atomic>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

class IProcessLauncher;

struct PreviewJob {
    // the whole POV-Ray scene, Windows-1252
    std::string scene;
    // where the finished PNG goes; its folder is made when missing
    std::string picture;
    // folders POV-Ray searches for include and image files
    std::vector<std::string> libraryPaths;
};

struct PreviewResult {
    std::string picture;
    bool ok = false;
    // ended early (cancelled or replaced by a newer live picture)
    bool cancelled = false;
    bool live = false;
    // the live picture's number, counting from 1 in the order they were asked for
    long liveSerial = 0;
    // why the picture was not made: POV-Ray's error lines, or why it could not start
    std::string error;
};

struct PreviewRenderSettings {
    std::string program = "povray";
    // POV-Ray processes at once
    int processes = 2;
    int width = 128;
    int height = 128;
    // render threads of each POV-Ray process
    int threadsPerProcess = 1;
};

class PreviewRenderer {
  public:
    using Listener = std::function<void(const PreviewResult&)>;

    PreviewRenderer(IProcessLauncher& launcher, PreviewRenderSettings settings, Listener listener);
    // Drops what waits, ends what runs and waits for the workers.
    ~PreviewRenderer();
    PreviewRenderer(const PreviewRenderer&) = delete;
    PreviewRenderer& operator=(const PreviewRenderer&) = delete;

    // Queues a picture. A picture already waiting is not queued twice (an urgent request moves
    // it to the front); one being rendered is not queued again.
    void Enqueue(PreviewJob job, bool urgent = false);
    // The live picture: replaces a waiting live picture and ends a running one; it is
    // rendered before every queued picture. Returns its serial number.
    long RenderLive(PreviewJob job);
    void CancelLive();
    // Drops the waiting pictures and ends the running ones.
    void CancelAll();
    // Blocks until nothing waits or runs (the batch tool, tests).
    void WaitIdle();

    // Queued pictures finished and asked for since the renderer was last idle.
    struct Progress {
        int finished = 0;
        int total = 0;
    };
    Progress GetProgress() const;

  private:
    struct Running {
        std::string picture;
        bool live = false;
        long serial = 0;
        std::shared_ptr<std::atomic<bool>> cancel;
    };

    void StartWorkersLocked();
    void Work();
    PreviewResult Render(const PreviewJob& job, const std::atomic<bool>& cancel, long id);
    bool IsIdleLocked() const;

    IProcessLauncher& launcher_;
    const PreviewRenderSettings settings_;
    const Listener listener_;
    std::string tempFolder_;

    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::condition_variable idle_;
    std::deque<PreviewJob> queue_;
    std::optional<PreviewJob> live_;
    long liveSerial_ = 0;
    long waitingLiveSerial_ = 0;
    std::vector<Running> running_;
    long nextJobId_ = 0;
    Progress progress_;
    bool stopping_ = false;
    std::vector<std::thread> workers_;
};
