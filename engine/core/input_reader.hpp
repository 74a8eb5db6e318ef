#pragma once
// Reads one analysis set after its control line: wall line, restraints,
// stiffness, loads, springs and tiebacks, p-y modification lines, earth
// pressure, the soil block, p-y curves and moment-EI sets. Builds the station
// tables and echoes every record into the report.

#include <filesystem>
#include <string>

#include "core/plot_data.hpp"
#include "core/report.hpp"
#include "core/set_data.hpp"
#include "core/stations.hpp"
#include "io/free_reader.hpp"
#include "soil/earth_pressure.hpp"
#include "soil/soil_input.hpp"

namespace orvane::engine {

// Soil data and package state that outlive one set.
struct SoilState {
    soil::SoilBlock block;  // kept until a later set reads another
    soil::EarthPressurePackage package;
};

// The ten integers of a set's control line.
ControlLine readControlLine(io::FreeReader& in);

class SetReader {
public:
    SetReader(io::FreeReader& in, Report& report, PlotData& plot, io::Records& notes, std::filesystem::path workDir)
        : in_(in), report_(report), plot_(plot), notes_(notes), workDir_(std::move(workDir))
    {
    }

    // Reads the rest of the set; throws InputError (or one of its kinds) on
    // bad input and soil::SoilStop when the soil package stops.
    void read(SetData& set, StationTables& tables, SoilState& soil);

private:
    void readWallLine(SetData& set);
    void readRestraints(SetData& set, StationTables& tables);
    void readStiffness(SetData& set, StationTables& tables);
    void readConcentratedLoads(SetData& set, StationTables& tables);
    void readSpringsAndTiebacks(SetData& set, StationTables& tables);
    void readPyModifications(SetData& set);
    void readUserPressure(SetData& set);
    void readSoilBlock(SetData& set, soil::SoilBlock& soilBlock);
    void generateEarthPressure(SetData& set, SoilState& soil);
    void addSurcharges(SetData& set, const SoilState& soil);
    void loadEarthPressure(SetData& set, StationTables& tables);
    void checkBeyondTip(const SetData& set, const StationTables& tables);
    void readCurves(SetData& set, SoilState& soil);
    void readMomentEiSets(SetData& set);
    int supportCount_ = 0;
    int pressureStep_ = 1;  // every k-th pressure point is listed

    io::FreeReader& in_;
    Report& report_;
    PlotData& plot_;
    io::Records& notes_;
    std::filesystem::path workDir_;
};

}  // namespace orvane::engine
