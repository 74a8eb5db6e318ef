#pragma once
// Everything one analysis set reads from the data file, besides the station tables.

#include <array>
#include <string>
#include <vector>

#include "soil/soil_input.hpp"

namespace orvane::engine {

inline constexpr int kMaxRestraints = 20;
inline constexpr int kMaxCoupleLines = 50;
inline constexpr int kMaxCurves = 63;
inline constexpr int kMaxCurvePoints = 34;
inline constexpr int kMaxMeiSets = 20;
inline constexpr int kMaxMeiPoints = 100;
inline constexpr int kMaxPressurePoints = 2000;

// The set marker, the number after every set: 0 ends the job, 9 announces the
// long-term set; in a staged file it is the stage number, and the last
// stage's equals the stage count, which ends the job too.
inline constexpr int kEndMarker = 0;
inline constexpr int kLongTermMarker = 9;

// The p-y code of a set's control line, stored as read.
enum class PyCode : int {
    None = 0,
    UserCurves = 1,  // the user's curve sets only
    Generated = 2,   // generated from the soil layers (beside any user sets)
};

struct ControlLine {
    int units = 0;
    int NSDS = 0;     // restraint lines
    int NSTIFF = 0;   // stiffness lines
    int NPYMOD = 0;   // p-y modification lines
    soil::EarthPressureCode earthPressureCode = soil::EarthPressureCode::None;
    PyCode pyCode = PyCode::None;
    int NPYUSER = 0;  // user p-y curve sets
    int stageCount = 0;
    int NMEI = 0;     // moment-EI sets
    int NTIE = 0;     // tiebacks

    bool generatesEarthPressure() const { return soil::isGenerated(earthPressureCode); }
    bool userPressure() const { return earthPressureCode == soil::EarthPressureCode::User; }
    bool generatesCurves() const { return pyCode == PyCode::Generated; }
};

struct WallLine {
    int NI = 0;
    double h = 0;
    double DMAX = 0;
    double TOL = 0;
    double HFREE = 0;
    double Wa = 0;
};

struct Restraint {
    double deflection = 0;
    double slope = 0;
};

// What a restraint line imposes, by its case: 1 (and any case below) the
// deflection, 2 the slope, 3 (and any case above) both.
enum class RestraintKind { Deflection, Slope, DeflectionAndSlope };

constexpr RestraintKind restraintKind(int restraintCase)
{
    if (restraintCase <= 1) return RestraintKind::Deflection;
    if (restraintCase == 2) return RestraintKind::Slope;
    return RestraintKind::DeflectionAndSlope;
}

struct Couple {
    int station = 0;
    double value = 0;  // T / (2h)
};

struct PressurePoint {
    double depth = 0;
    double total = 0;
    double soil = 0;
    double surcharge = 0;
};

struct PyModification {
    double depth = 0;
    double pFactor = 1;
    double yFactor = 1;
};

struct MeiSet {
    int from = 0;
    int to = 0;
    std::vector<double> M;
    std::vector<double> EI;
};

// A curve of the table used by the iteration: p already multiplied by h.
struct PyCurve {
    int station = 0;
    int n = 0;
    int flag = 0;  // 1: the soil reaction varies linearly to the next curve
    std::array<double, kMaxCurvePoints> y{};
    std::array<double, kMaxCurvePoints> p{};
};

// A user curve set as read, with its multipliers applied (p not yet times h).
struct UserCurveSet {
    int station = 0;
    double pMultiplier = 1;
    double yMultiplier = 1;
    std::vector<double> y;
    std::vector<double> p;
};

struct SetData {
    ControlLine control;
    WallLine wall;
    std::vector<Restraint> restraints;
    std::vector<Couple> couples;
    double firstSupportDepth = 0;
    double lastSupportDepth = 0;
    std::vector<PressurePoint> pressure;  // as loaded (force per unit length of wall)
    std::vector<PyModification> pyModifications;
    std::vector<UserCurveSet> userCurves;
    std::vector<PyCurve> curves;
    std::vector<MeiSet> mei;

    bool generatesEarthPressure() const { return control.generatesEarthPressure(); }
    bool generatesCurves() const { return control.generatesCurves(); }
};

}  // namespace orvane::engine
