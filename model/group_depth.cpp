#include "model/group_depth.h"

#include <algorithm>

#include "model/pov_object.h"

int GroupHeight(const CPovObject& object) {
    // the tree is at most kMaxGroupDepth deep, so the recursion is too
    int height = 0;
    for (const CPovObject* c = object.FirstChild; c; c = c->NextSibling)
        if (c->FirstChild)
            height = std::max(height, GroupHeight(*c));
    return object.FirstChild ? height + 1 : 0;
}

bool FitsIntoGroup(const CPovObject& object, const CPovObject& group) {
    // the outermost group then holds the object's levels, the group's and those above it
    int levels = GroupHeight(object) + 1;
    for (const CPovObject* g = group.Parent; g; g = g->Parent)
        ++levels;
    return levels <= kMaxGroupDepth;
}
