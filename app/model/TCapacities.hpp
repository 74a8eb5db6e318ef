#pragma once

namespace orvane {

// What the engine's tables hold: the most that a count in a data file can
// ask for. A larger count is no project (the engine refuses it as too much
// data), so the readers stop at it instead of reading rows without end.
struct TCapacities {
    static constexpr int kIncrements = 407;  // 414 stations with the fictitious ones
    static constexpr int kStations = 414;
    static constexpr int kRestraints = 20;
    static constexpr int kLoadLines = 50;
    static constexpr int kPressurePoints = 2000;
    static constexpr int kSoilLayers = 10;
    static constexpr int kCurves = 63;
    static constexpr int kCurvePoints = 34;
    static constexpr int kMeiSets = 20;
    static constexpr int kMeiPoints = 100;
    // Lines that the engine applies station by station (stiffness, springs,
    // tiebacks, p-y modifications, surcharges): one per station at most.
    static constexpr int kStationLines = kStations;
};

}  // namespace orvane
