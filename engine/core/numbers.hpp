#pragma once
#include <climits>
#include <cmath>

namespace orvane::engine {

// Nearest integer, halves away from zero; values beyond the int range are
// clamped so that a wild input still gives a station the checks can reject.
inline int nearestInt(double v)
{
    if (std::isnan(v)) return 0;
    if (v >= static_cast<double>(INT_MAX)) return INT_MAX;
    if (v <= static_cast<double>(INT_MIN)) return INT_MIN;
    return static_cast<int>(std::lround(v));
}

}  // namespace orvane::engine
