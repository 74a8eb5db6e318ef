#pragma once

#include "model/TLayout.hpp"

#include <string>
#include <string_view>

namespace orvane {

// The file name of a project not yet saved: a name of the current layout.
inline constexpr const char* kNewFileName = "NewWall.ov5d";
static_assert(std::string_view(kNewFileName).ends_with(kDataExtension));

// Every single value of a project: title, unit system, option switches, wall
// and configuration values, stage bookkeeping. Lengths are in the base length
// of the unit system (in, m). The tables live in TProjectTables.
struct TProgramData {
    std::string FileName = kNewFileName;
    std::string Title = "New Wall";
    int Units = 1;

    // 0 none (only after reading a file with earth-pressure code 0),
    // 1 user-specified, 2 triangular, 3 trapezoidal.
    int EarthPressureChoice = 2;
    bool UserEarthPressure = false;
    bool GeneratedEarthPressure = false;
    bool GeneratePYCurves = true;
    bool UseExternalPY = false;
    bool UseMEICurves = false;
    bool UsePYModification = false;
    bool UseConcentratedLoads = false;
    bool UseSprings = false;
    bool UseTiebacks = false;
    bool UseSurcharges = false;
    bool UseRestraints = false;
    bool UseLongTerm = false;

    // Derived when the data file is written.
    int EarthPressureCode = 0;
    int PYCode = 0;
    int MEICount = 0;
    int TiebackCount = 0;

    int Increments = 0;
    double IncrementLength = 0;
    double MaxDeflection = 100;
    double Tolerance = 0.00001;
    double WallHeight = 0;
    double ActiveWidth = 0;
    double PYWidth = 0;
    double WaterDepthBackfill = 0;
    double WaterDepthExcavation = 0;
    double ActivePressureFactor = 1.0;
    int ConfigFlag = 1;
    double BackfillSlope = 0;
    double SurchargePressure = 0;

    // The single surcharge of the older layouts.
    double SurchargeDistance = 0;
    double PointLoad = 0;
    double LineLoad = 0;
    double StripLoad = 0;
    double StripWidth = 0;

    int StageCount = 1;
    int CurrentStage = 1;
    std::string StageFileName;
    int SetMarker = 0;
    int PressurePointCount = 0;
    bool Layout2013 = true;
    bool Layout2015 = true;
    // Read only in part: FileName still names the damaged file (its stage
    // files live beside it), but the project has no path of its own until it
    // is saved under a name the user chooses.
    bool Recovered = false;
    std::string SavePath;
    std::string PreviousPath;
};

}  // namespace orvane
