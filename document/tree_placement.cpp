#include "document/tree_placement.h"

#if defined(__linux__)
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <functional>
#include <iterator>
#include <system_error>
#include <thread>

#include "model/object_kinds.h"
#include "model/pov_object.h"
#include "model/shapes/pov_ttf.h"

namespace {

constexpr size_t kTreesBetweenBreaths = 1024;
// trees handed over or taken at a time: fewer turns of the lock
constexpr size_t kBatch = 64;

// breathe (when given) lets the window have its turn now and then
void PlaceTops(const std::vector<CPovObject*>& trees,
               const std::function<void()>& breathe = nullptr) {
    for (size_t i = 0; i < trees.size(); ++i) {
        if (trees[i] && !trees[i]->Parent)
            trees[i]->UpdateGeometry();
        if (breathe && (i + 1) % kTreesBetweenBreaths == 0)
            breathe();
    }
}

}  // namespace

bool IsPlainTree(const CPovObject& object) {
    switch (object.GetType()) {
        case kKindCubic:
        case kKindCone:
        case kKindSphere:
        case kKindCylinder:
        case kKindTorus:
        case kKindPlane:
        case kKindLathe:
        case kKindTriangle:
            return true;
        case kKindPolygon:
            return dynamic_cast<const CPovTTF*>(&object) == nullptr;
        case kKindCSG:
        case kKindUserObject:
        case kKindBlob:
            for (const CPovObject* c = object.FirstChild; c; c = c->NextSibling)
                if (!IsPlainTree(*c))
                    return false;
            return true;
        default:
            return false;
    }
}

void PlaceFinishedTrees(const std::vector<CPovObject*>& trees, const std::function<void()>& breathe,
                        size_t twoThreadsFrom) {
    // a member is placed with its group
    if (breathe || trees.size() < std::max<size_t>(twoThreadsFrom, 2)) {
        PlaceTops(trees, breathe);
        return;
    }
    // Nobody looks at the document until all are placed: the second half's plain trees go to
    // a second thread (below kTreesForTwoThreads it costs more than it saves).
    std::vector<CPovObject*> own, shared;
    for (size_t i = 0; i < trees.size(); ++i)
        if (!trees[i]->Parent)
            (i >= trees.size() / 2 && IsPlainTree(*trees[i]) ? shared : own).push_back(trees[i]);
    std::thread helper;
    try {
        helper = std::thread([&shared] { PlaceTops(shared); });
    } catch (const std::system_error&) {
        PlaceTops(shared);
    }
    PlaceTops(own);
    if (helper.joinable())
        helper.join();
}

TreePlacer::TreePlacer(const TreePlacement& placement)
    : background_(placement.background),
      backgroundFrom_(placement.backgroundFrom),
      lag_(placement.lag),
      wakeAt_(std::max<size_t>(placement.wakeAt, 1)) {}

TreePlacer::~TreePlacer() {
    Stop();
}

void TreePlacer::Finished(CPovObject* tree) {
    all_.push_back(tree);
    if (!background_)
        return;
    if (!IsPlainTree(*tree)) {
        own_.push_back(tree);
        return;
    }
    held_.push_back(tree);
    const size_t batch = std::clamp<size_t>(lag_, 1, kBatch);
    if (held_.size() >= lag_ + batch)
        HandOver(batch);
    if (all_.size() >= backgroundFrom_ && !worker_.joinable() && !closing_) {
        try {
            worker_ = std::thread(&TreePlacer::Work, this);
        } catch (const std::system_error&) {
            // no second thread: the end of the read places all
            closing_ = true;
        }
    }
}

void TreePlacer::HandOver(size_t count) {
    bool wake;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        handed_.insert(handed_.end(), held_.begin(), held_.begin() + count);
        wake = handed_.size() - taken_ >= wakeAt_;
    }
    held_.erase(held_.begin(), held_.begin() + count);
    if (wake)
        work_.notify_one();
}

void TreePlacer::Claim(CPovObject* tree) {
    if (!background_)
        return;
    // mostly the tree was finished just before: it is still held
    if (auto it = std::find(held_.rbegin(), held_.rend(), tree); it != held_.rend()) {
        held_.erase(std::next(it).base());
        own_.push_back(tree);
        return;
    }
    std::unique_lock<std::mutex> lock(mutex_);
    for (size_t i = handed_.size(); i > taken_; --i)
        if (handed_[i - 1] == tree) {
            handed_[i - 1] = nullptr;
            own_.push_back(tree);
            return;
        }
    // taken or never handed over: whatever is taken is placed first
    done_.wait(lock, [this] { return placed_ == taken_; });
    if (IsPlainTree(*tree))
        own_.push_back(tree);
}

void TreePlacer::Settled(CPovObject* tree) {
    if (!background_ || tree->Parent || own_.empty() || own_.back() != tree || !IsPlainTree(*tree))
        return;
    own_.pop_back();
    held_.push_back(tree);
}

bool TreePlacer::PlaceNextBatch(std::unique_lock<std::mutex>& lock) {
    if (taken_ == handed_.size())
        return false;
    const size_t n = std::min(kBatch, handed_.size() - taken_);
    const std::vector<CPovObject*> batch(handed_.begin() + static_cast<std::ptrdiff_t>(taken_),
                                         handed_.begin() + static_cast<std::ptrdiff_t>(taken_ + n));
    taken_ += n;
    lock.unlock();
    PlaceTops(batch);
    lock.lock();
    placed_ += n;
    done_.notify_all();
    return true;
}

void TreePlacer::Work() {
#if defined(__linux__)
    // the read itself waits for nobody: this thread takes what time the others leave
    setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
#endif
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        if (taken_ == handed_.size())
            work_.wait(lock, [this] { return handed_.size() - taken_ >= wakeAt_ || closing_; });
        if (!PlaceNextBatch(lock) && closing_)
            return;
    }
}

void TreePlacer::PlaceAll(const std::function<void()>& breathe) {
    if (!worker_.joinable()) {
        PlaceFinishedTrees(all_, breathe);
    } else {
        HandOver(held_.size());
        std::unique_lock<std::mutex> lock(mutex_);
        closing_ = true;
        work_.notify_all();
        // the calling thread shares what the second thread has not taken yet
        size_t sinceBreath = 0;
        while (PlaceNextBatch(lock)) {
            sinceBreath += kBatch;
            if (breathe && sinceBreath >= kTreesBetweenBreaths) {
                sinceBreath = 0;
                lock.unlock();
                breathe();
                lock.lock();
            }
        }
        lock.unlock();
        worker_.join();
        PlaceTops(own_, breathe);
    }
    all_.clear();
    held_.clear();
    own_.clear();
    handed_.clear();
    taken_ = placed_ = 0;
    closing_ = false;
}

void TreePlacer::Stop() {
    if (!worker_.joinable())
        return;
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        closing_ = true;
    }
    work_.notify_all();
    worker_.join();
}
