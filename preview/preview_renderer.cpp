#include "preview/preview_renderer.h"

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/process_launcher.h"

namespace fs = std::filesystem;

namespace {

std::string MakeTempFolder() {
    std::error_code ec;
    fs::path base = fs::temp_directory_path(ec);
    if (ec)
        base = "/tmp";
    std::string pattern = (base / "orvanta-preview-XXXXXX").string();
    if (!::mkdtemp(pattern.data()))
        return base.string();
    return pattern;
}

// the lines of POV-Ray's output that say what went wrong, at most a few; else its last line
std::string ErrorLines(const std::string& output) {
    std::istringstream lines(output);
    std::string line, errors, last;
    int count = 0;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            last = line;
        const bool problem = line.find("rror") != std::string::npos ||
                             line.rfind("Failed", 0) == 0 || line.rfind("Problem", 0) == 0;
        if (!problem || line.rfind("Render failed", 0) == 0 || count >= 4)
            continue;
        errors += (errors.empty() ? "" : "\n") + line;
        ++count;
    }
    if (!errors.empty())
        return errors;
    return last.empty() ? std::string("POV-Ray failed without a message") : last;
}

// Puts the rendered file in place in one step: copied next to the target, then renamed, so
// that a reader never sees half a picture.
bool PutInPlace(const fs::path& rendered, const fs::path& picture, std::string& error) {
    std::error_code ec;
    if (picture.has_parent_path())
        fs::create_directories(picture.parent_path(), ec);
    const fs::path part = picture.string() + ".part";
    fs::copy_file(rendered, part, fs::copy_options::overwrite_existing, ec);
    if (!ec)
        fs::rename(part, picture, ec);
    if (ec) {
        fs::remove(part, ec);
        error = "cannot write " + picture.string() + ": " + ec.message();
        return false;
    }
    return true;
}

}  // namespace

PreviewRenderer::PreviewRenderer(IProcessLauncher& launcher, PreviewRenderSettings settings,
                                 Listener listener)
    : launcher_(launcher),
      settings_(std::move(settings)),
      listener_(std::move(listener)),
      tempFolder_(MakeTempFolder()) {}

PreviewRenderer::~PreviewRenderer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        queue_.clear();
        live_.reset();
        for (Running& r : running_)
            r.cancel->store(true);
    }
    wake_.notify_all();
    for (std::thread& t : workers_)
        t.join();
    std::error_code ec;
    if (tempFolder_.find("orvanta-preview-") != std::string::npos)
        fs::remove_all(tempFolder_, ec);
}

void PreviewRenderer::StartWorkersLocked() {
    const size_t wanted = static_cast<size_t>(std::max(1, settings_.processes));
    while (workers_.size() < wanted)
        workers_.emplace_back([this] { Work(); });
}

void PreviewRenderer::Enqueue(PreviewJob job, bool urgent) {
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return;
        for (const Running& r : running_)
            if (!r.live && r.picture == job.picture)
                return;
        auto waiting = std::find_if(queue_.begin(), queue_.end(),
                                    [&](const PreviewJob& q) { return q.picture == job.picture; });
        if (waiting != queue_.end()) {
            if (!urgent)
                return;
            queue_.erase(waiting);
            --progress_.total;
        }
        if (urgent)
            queue_.push_front(std::move(job));
        else
            queue_.push_back(std::move(job));
        ++progress_.total;
        StartWorkersLocked();
    }
    wake_.notify_one();
}

long PreviewRenderer::RenderLive(PreviewJob job) {
    long serial;
    {
        std::lock_guard lock(mutex_);
        if (stopping_)
            return 0;
        serial = ++liveSerial_;
        live_ = std::move(job);
        waitingLiveSerial_ = serial;
        for (Running& r : running_)
            if (r.live)
                r.cancel->store(true);
        StartWorkersLocked();
    }
    wake_.notify_one();
    return serial;
}

void PreviewRenderer::CancelLive() {
    std::lock_guard lock(mutex_);
    live_.reset();
    for (Running& r : running_)
        if (r.live)
            r.cancel->store(true);
}

void PreviewRenderer::CancelAll() {
    {
        std::lock_guard lock(mutex_);
        queue_.clear();
        live_.reset();
        for (Running& r : running_)
            r.cancel->store(true);
        progress_.total = progress_.finished +
                          static_cast<int>(std::count_if(running_.begin(), running_.end(),
                                                         [](const Running& r) { return !r.live; }));
    }
    idle_.notify_all();
}

bool PreviewRenderer::IsIdleLocked() const {
    return queue_.empty() && !live_ && running_.empty();
}

void PreviewRenderer::WaitIdle() {
    std::unique_lock lock(mutex_);
    idle_.wait(lock, [this] { return IsIdleLocked(); });
}

PreviewRenderer::Progress PreviewRenderer::GetProgress() const {
    std::lock_guard lock(mutex_);
    return progress_;
}

void PreviewRenderer::Work() {
    std::unique_lock lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stopping_ || live_ || !queue_.empty(); });
        if (stopping_)
            return;
        PreviewJob job;
        Running running;
        running.cancel = std::make_shared<std::atomic<bool>>(false);
        if (live_) {
            job = std::move(*live_);
            live_.reset();
            running.live = true;
            running.serial = waitingLiveSerial_;
        } else {
            job = std::move(queue_.front());
            queue_.pop_front();
        }
        running.picture = job.picture;
        running_.push_back(running);
        const long id = nextJobId_++;

        lock.unlock();
        PreviewResult result = Render(job, *running.cancel, id);
        result.live = running.live;
        result.liveSerial = running.serial;
        if (listener_)
            listener_(result);
        lock.lock();

        running_.erase(std::find_if(running_.begin(), running_.end(),
                                    [&](const Running& r) { return r.cancel == running.cancel; }));
        if (!running.live)
            ++progress_.finished;
        if (IsIdleLocked()) {
            progress_ = {};
            idle_.notify_all();
        }
    }
}

PreviewResult PreviewRenderer::Render(const PreviewJob& job, const std::atomic<bool>& cancel,
                                      long id) {
    PreviewResult result;
    result.picture = job.picture;
    const fs::path scene = fs::path(tempFolder_) / ("job" + std::to_string(id) + ".pov");
    const fs::path output = fs::path(tempFolder_) / ("job" + std::to_string(id) + ".png");
    {
        std::ofstream out(scene, std::ios::binary);
        out << job.scene;
        if (!out) {
            result.error = "cannot write " + scene.string();
            return result;
        }
    }
    std::vector<std::string> arguments = {
        "+I" + scene.string(),
        "+O" + output.string(),
        "+FN",
        "+W" + std::to_string(settings_.width),
        "+H" + std::to_string(settings_.height),
        "+A0.3",
        "-D",
        "-P",
        "+WT" + std::to_string(std::max(1, settings_.threadsPerProcess)),
    };
    for (const std::string& folder : job.libraryPaths)
        if (!folder.empty())  // POV-Ray refuses a bare "+L"
            arguments.push_back("+L" + folder);

    const ProcessResult run =
        launcher_.RunCancellable(settings_.program, arguments, tempFolder_, cancel);
    std::error_code ec;
    if (cancel.load()) {
        result.cancelled = true;
    } else if (!run.started) {
        result.error = "cannot start POV-Ray (" + settings_.program + "): " + run.error;
    } else if (run.exitCode != 0 || !fs::is_regular_file(output, ec)) {
        result.error = ErrorLines(run.output);
    } else {
        result.ok = PutInPlace(output, job.picture, result.error);
    }
    fs::remove(scene, ec);
    fs::remove(output, ec);
    return result;
}
