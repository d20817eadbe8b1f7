// Placing the object trees a read has finished: each tree's geometry is built once, from its
// top. A large batch of trees of plain shapes is shared with a second thread, unless the caller
// lets others look at the document in between (its breaths).
#pragma once

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

class CPovObject;

// Whether a tree's geometry depends on nothing but its own values (no font or image to load,
// which go through shared caches), so that any thread may build it.
bool IsPlainTree(const CPovObject& tree);

// trees: the finished objects in reading order (members of groups are placed with their group);
// breathe, when set, is called every so many trees on the calling thread. Two threads share
// the work from twoThreadsFrom trees on.
inline constexpr size_t kTreesForTwoThreads = 8192;
void PlaceFinishedTrees(const std::vector<CPovObject*>& trees, const std::function<void()>& breathe,
                        size_t twoThreadsFrom = kTreesForTwoThreads);

// Places the trees of a read while the read goes on, where nobody looks at the document until
// the read ends (a batch read): from backgroundFrom finished trees on, a second thread places
// the trees of plain shapes that the read has left behind, at a low priority (the read waits
// for nobody; what is left at the end is shared). A tree stays with the read for a while after
// it is finished (its instance follows it, a group takes it as a member) and goes to the
// second thread once lag further trees have followed it or its instance. A read that changes a
// tree it has finished claims it first: it waits until the second thread has let go of it, and
// the tree is placed again at the end.
struct TreePlacement {
    // whether the trees may be placed on a second thread
    bool background = true;
    size_t backgroundFrom = kTreesForTwoThreads / 2;
    size_t lag = 256;
    // the second thread sleeps until this many trees wait for it
    size_t wakeAt = 512;
};

class TreePlacer {
  public:
    explicit TreePlacer(const TreePlacement& placement);
    ~TreePlacer();
    TreePlacer(const TreePlacer&) = delete;
    TreePlacer& operator=(const TreePlacer&) = delete;

    // a top-level object whose statement has ended
    void Finished(CPovObject* tree);
    // before the read changes a tree it has finished
    void Claim(CPovObject* tree);
    // the read is done with a tree it claimed
    void Settled(CPovObject* tree);
    // Places what is left, on the calling thread (with the second thread's help, where it
    // runs); breathe as in PlaceFinishedTrees. The placer may take new trees afterwards.
    void PlaceAll(const std::function<void()>& breathe);

  private:
    void HandOver(size_t count);
    void Work();
    // takes the next batch of handed trees and places it, the lock let go meanwhile; false
    // when none is left
    bool PlaceNextBatch(std::unique_lock<std::mutex>& lock);
    void Stop();

    const bool background_;
    const size_t backgroundFrom_;
    const size_t lag_;
    const size_t wakeAt_;
    // every tree in reading order, for a read that never reaches backgroundFrom
    std::vector<CPovObject*> all_;
    // plain trees still with the read, oldest first
    std::deque<CPovObject*> held_;
    // trees only the calling thread places: of other kinds, or claimed and not settled
    std::vector<CPovObject*> own_;

    std::mutex mutex_;
    std::condition_variable work_, done_;
    // trees handed to the second thread; taken_ of them are taken, placed_ of those placed
    std::vector<CPovObject*> handed_;
    size_t taken_ = 0, placed_ = 0;
    bool closing_ = false;
    std::thread worker_;
};
