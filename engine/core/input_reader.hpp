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
#include "soil/soil_input.hpp"

namespace orvane::engine {

// The set asks for an analysis that this engine cannot do yet; the message
// says which.
class NotAvailable : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The ten integers of a set's control line.
ControlLine readControlLine(io::FreeReader& in);

class SetReader {
public:
    SetReader(io::FreeReader& in, Report& report, PlotData& plot, std::filesystem::path workDir)
        : in_(in), report_(report), plot_(plot), workDir_(std::move(workDir))
    {
    }

    // Reads the rest of the set; throws InputError or io::DataError on bad
    // input and NotAvailable after reading a set it cannot analyse.
    void read(SetData& set, StationTables& tables, soil::SoilBlock& soilBlock);

private:
    void readWallLine(SetData& set);
    void readRestraints(SetData& set, StationTables& tables);
    void readStiffness(SetData& set, StationTables& tables);
    void readConcentratedLoads(SetData& set, StationTables& tables);
    void readSpringsAndTiebacks(SetData& set, StationTables& tables);
    void readPyModifications(SetData& set);
    void readUserPressure(SetData& set);
    void readSoilBlock(SetData& set, soil::SoilBlock& soilBlock);
    void loadEarthPressure(SetData& set, StationTables& tables);
    void checkBeyondTip(const SetData& set, const StationTables& tables);
    void readCurves(SetData& set);
    void readMomentEiSets(SetData& set);
    void markUnavailable(const std::string& what);

    io::FreeReader& in_;
    Report& report_;
    PlotData& plot_;
    std::filesystem::path workDir_;
    std::string unavailable_;
};

}  // namespace orvane::engine
