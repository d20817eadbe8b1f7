// Bounding boxes of evaluated object statements, where they can be computed (an infinite
// plane or an unknown shape has none).
#pragma once

#include "import/pov_transform.h"
#include "import/pov_value.h"

namespace pov {

struct Box3 {
    Vec3 min{};
    Vec3 max{};
};

// The world bounding box of an object statement with all its transformations; false when
// the object is unbounded or of a kind whose extent is not known.
bool ComputeBounds(const Block& object, Box3& box);

}  // namespace pov
