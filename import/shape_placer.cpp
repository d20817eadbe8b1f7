#include "import/shape_placer.h"

#include <system_error>
#include <utility>

#include "document/tree_placement.h"
#include "model/pov_object.h"

namespace pov {

namespace {

// objects handed to the second thread at once: few locks, and little left at the end
constexpr size_t kBatch = 256;

void Place(const std::vector<CPovObject*>& trees) {
    for (CPovObject* tree : trees) {
        tree->UpdateGeometry();
    }
}

}  // namespace

ShapePlacer::ShapePlacer(bool secondThread) {
    if (!secondThread) {
        return;
    }
    try {
        thread_ = std::thread(&ShapePlacer::Run, this);
    } catch (const std::system_error&) {
        // without a second thread everything is built at the end
    }
}

ShapePlacer::~ShapePlacer() {
    Stop();
}

void ShapePlacer::Add(CPovObject* tree) {
    if (!thread_.joinable() || !IsPlainTree(*tree)) {
        own_.push_back(tree);
        return;
    }
    if (filling_.capacity() == 0) {
        filling_.reserve(kBatch);
    }
    filling_.push_back(tree);
    if (filling_.size() >= kBatch) {
        Hand(std::exchange(filling_, {}));
    }
}

void ShapePlacer::Finish() {
    if (!filling_.empty()) {
        Hand(std::exchange(filling_, {}));
    }
    // the calling thread takes its share of what the second thread has not begun
    Batch batch;
    while (Take(batch)) {
        Place(batch);
    }
    Stop();
    Place(own_);
    own_.clear();
}

void ShapePlacer::Run() {
    Batch batch;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(mutex_);
            ready_.wait(lock, [this] { return done_ || !queue_.empty(); });
            if (queue_.empty()) {
                return;
            }
            batch = std::move(queue_.back());
            queue_.pop_back();
        }
        Place(batch);
    }
}

void ShapePlacer::Hand(Batch batch) {
    if (!thread_.joinable()) {
        Place(batch);
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        queue_.push_back(std::move(batch));
    }
    ready_.notify_one();
}

bool ShapePlacer::Take(Batch& batch) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.empty()) {
        return false;
    }
    batch = std::move(queue_.back());
    queue_.pop_back();
    return true;
}

void ShapePlacer::Stop() {
    if (!thread_.joinable()) {
        return;
    }
    {
        std::lock_guard<std::mutex> lock(mutex_);
        done_ = true;
    }
    ready_.notify_one();
    thread_.join();
}

}  // namespace pov
