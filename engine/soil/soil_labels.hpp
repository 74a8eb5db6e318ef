#pragma once
// Unit labels of the earth-pressure sections of the report, chosen by the unit
// code of the set: 1 English (pounds and inches), 2 SI (kN and metres), any
// other code consistent units shown as F and L.

#include <string>

#include "io/unit_labels.hpp"

namespace orvane::soil {

struct SoilLabels {
    std::string length;
    std::string force;
    std::string forcePerLength;
    std::string pressure;  // also the unit of stresses
    std::string unitWeight;

    static SoilLabels forUnits(int unitCode)
    {
        if (unitCode == io::kEnglishUnits) return {"IN", "LBS", "LBS/IN", "PSI", "PCI"};
        if (unitCode == io::kSiUnits) return {"M", "kN", "kN/M", "kPa", "kN/M^3"};
        return {"L", "F", "F/L", "F/L^2", "F/L^3"};
    }
};

}  // namespace orvane::soil
