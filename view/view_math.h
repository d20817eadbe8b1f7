// Small numeric helpers of the view: the integer part of a real number as the views take it,
// safe for values that do not fit an int (a damaged scene file can hold any number).
#pragma once

#include <cmath>
#include <limits>

namespace view_math {

// Integer part towards zero; NaN gives 0 and values beyond the int range the nearest limit.
inline int TruncToInt(double value) {
    if (std::isnan(value))
        return 0;
    if (value >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (value <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace view_math
