#pragma once
// Fixed-width unit labels of the report; the driver selects a set per analysis set.

#include <string>

namespace orvane::io {

struct UnitLabels {
    std::string L3, F4, L2, F3;

    static UnitLabels generic() { return {"  L", "   F", " L", "  F"}; }
    static UnitLabels english() { return {" IN", " LBS", "IN", "LBS"}; }
    static UnitLabels si() { return {"  M", "  KN", " M", " KN"}; }

    // Code 1 English, 2 SI; any other code keeps the current selection.
    void select(int unitCode)
    {
        if (unitCode == 1) *this = english();
        else if (unitCode == 2) *this = si();
    }
};

}  // namespace orvane::io
