#pragma once
// Fixed-width unit labels of the report; the driver selects a set per analysis set.

#include <string>

namespace orvane::io {

// The unit code of a set's control line. It is kept as read and printed as
// such; a code that names neither system is a consistent system of its own.
inline constexpr int kEnglishUnits = 1;  // pounds and inches
inline constexpr int kSiUnits = 2;       // kN and metres

struct UnitLabels {
    std::string L3, F4, L2, F3;

    static UnitLabels generic() { return {"  L", "   F", " L", "  F"}; }
    static UnitLabels english() { return {" IN", " LBS", "IN", "LBS"}; }
    static UnitLabels si() { return {"  M", "  KN", " M", " KN"}; }

    // Any other code keeps the current selection.
    void select(int unitCode)
    {
        if (unitCode == kEnglishUnits) *this = english();
        else if (unitCode == kSiUnits) *this = si();
    }
};

}  // namespace orvane::io
