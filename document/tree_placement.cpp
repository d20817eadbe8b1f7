#include "document/tree_placement.h"

#include <algorithm>
#include <functional>
#include <system_error>
#include <thread>

#include "model/object_kinds.h"
#include "model/pov_object.h"
#include "model/shapes/pov_ttf.h"

namespace {

constexpr size_t kTreesBetweenBreaths = 1024;

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
        for (size_t i = 0; i < trees.size(); ++i) {
            if (!trees[i]->Parent)
                trees[i]->UpdateGeometry();
            if (breathe && (i + 1) % kTreesBetweenBreaths == 0)
                breathe();
        }
        return;
    }
    // Nobody looks at the document until all are placed: the second half's plain trees go to
    // a second thread (below kTreesForTwoThreads it costs more than it saves).
    std::vector<CPovObject*> own, shared;
    for (size_t i = 0; i < trees.size(); ++i)
        if (!trees[i]->Parent)
            (i >= trees.size() / 2 && IsPlainTree(*trees[i]) ? shared : own).push_back(trees[i]);
    auto place = [](const std::vector<CPovObject*>& list) {
        for (CPovObject* tree : list)
            tree->UpdateGeometry();
    };
    std::thread helper;
    try {
        helper = std::thread(place, std::cref(shared));
    } catch (const std::system_error&) {
        place(shared);
    }
    place(own);
    if (helper.joinable())
        helper.join();
}
