// Builds the geometry of the top-level objects a mapping has finished. In a large scene the
// plain ones are built on a second thread while the mapping goes on; the rest, and all of a
// small scene, when the mapping is done.
#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <thread>
#include <vector>

class CPovObject;

namespace pov {

class ShapePlacer {
  public:
    // secondThread: whether the scene is large enough for a second thread to pay
    explicit ShapePlacer(bool secondThread);
    ~ShapePlacer();
    ShapePlacer(const ShapePlacer&) = delete;
    ShapePlacer& operator=(const ShapePlacer&) = delete;

    // a finished top-level object: nothing may change it until Finish
    void Add(CPovObject* tree);
    // builds what is left; afterwards every object added has its geometry
    void Finish();
    // waits until the second thread has built what it was handed, builds nothing else (the
    // objects may go then)
    void Stop();

  private:
    using Batch = std::vector<CPovObject*>;
    void Run();
    void Hand(Batch batch);
    bool Take(Batch& batch);

    Batch filling_;
    // objects that only the calling thread builds (fonts, images), or all without a thread
    Batch own_;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<Batch> queue_;
    bool done_ = false;
    std::thread thread_;
};

}  // namespace pov
