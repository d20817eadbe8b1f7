#include "document/tree_placement.h"

#include <algorithm>
#include <system_error>
#include <thread>

#include "model/object_kinds.h"
#include "model/pov_object.h"
#include "model/shapes/pov_ttf.h"

namespace {

constexpr size_t kTreesBetweenBreaths = 1024;

// A tree whose geometry depends on nothing but its own values: no font or image to load,
// which go through shared caches.
bool Plain(const CPovObject& object) {
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
                if (!Plain(*c))
                    return false;
            return true;
        default:
            return false;
    }
}

}  // namespace

void PlaceFinishedTrees(const std::vector<CPovObject*>& trees, const std::function<void()>& breathe,
                        size_t twoThreadsFrom) {
    // The second half's plain trees go to a second thread, when nobody looks at the document
    // until all are placed.
    std::vector<CPovObject*> shared;
    size_t own = trees.size();
    // (below kTreesForTwoThreads a second thread costs more than it saves)
    if (!breathe && trees.size() >= std::max<size_t>(twoThreadsFrom, 2)) {
        own = trees.size() / 2;
        for (size_t i = own; i < trees.size(); ++i)
            if (!trees[i]->Parent && Plain(*trees[i]))
                shared.push_back(trees[i]);
    }
    std::thread helper;
    if (!shared.empty()) {
        try {
            helper = std::thread([&shared] {
                for (CPovObject* tree : shared)
                    tree->UpdateGeometry();
            });
        } catch (const std::system_error&) {
            for (CPovObject* tree : shared)
                tree->UpdateGeometry();
        }
    }
    for (size_t i = 0; i < trees.size(); ++i) {
        CPovObject* tree = trees[i];
        // a member is placed with its group; the shared trees are the helper's
        if (!tree->Parent && (i < own || !Plain(*tree)))
            tree->UpdateGeometry();
        if (breathe && (i + 1) % kTreesBetweenBreaths == 0)
            breathe();
    }
    if (helper.joinable())
        helper.join();
}
