// Placing the object trees a read has finished: each tree's geometry is built once, from its
// top. A large batch of trees of plain shapes is shared with a second thread, unless the caller
// lets others look at the document in between (its breaths).
#pragma once

#include <cstddef>
#include <functional>
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
