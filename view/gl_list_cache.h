// The camera view's OpenGL drawing of each object, kept in display lists of the view's
// context: an object is drawn through its list until its drawing version
// (CPovObject::DrawingVersion) or the view's polygon mode changes, then the list is compiled
// again while the object draws. Scenes of many quadrics render several times faster so.
//
// Objects must not compile display lists of their own while they draw.
#pragma once

#include <cstddef>
#include <unordered_map>

class CPovObject;
class IViewPort;

class GlListCache {
  public:
    GlListCache() = default;
    GlListCache(const GlListCache&) = delete;
    GlListCache& operator=(const GlListCache&) = delete;

    // Draws the object (in the current context) through its list.
    void Draw(CPovObject& object, IViewPort& view, int width, int height, double zoom);
    // Frees the lists of the objects that were not drawn since the last call.
    void EndPass();
    // Frees every list; the context must be current.
    void Release();
    // Forgets every list without freeing it: the context is gone, and its lists with it.
    void Forget() { entries_.clear(); }
    size_t Size() const { return entries_.size(); }
    // lists compiled so far, for tests and measurements
    unsigned long long Compiles() const { return compiles_; }

  private:
    struct Entry {
        unsigned list = 0;
        unsigned long long version = 0;
        bool wireframe = false;
        bool used = false;
    };
    // Only compared, never followed: an object freed and another made at its address has
    // another drawing version.
    std::unordered_map<const CPovObject*, Entry> entries_;
    unsigned long long compiles_ = 0;
};
