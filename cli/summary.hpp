#pragma once
// What the runner prints per analysed set, taken from the report (iteration
// and warnings) and the plot-data file (results along the wall).

#include <filesystem>
#include <string>
#include <vector>

namespace orvane::cli {

struct Extreme {
    double value = 0;
    double depth = 0;
};

struct SetResult {
    int iteration = 0;
    bool offCurve = false;
    bool exceeded = false;
    bool notClosed = false;
    int units = 0;
    Extreme deflection, moment, shear;
    bool converged() const { return !exceeded && !notClosed; }
};

// Iteration lines of the report, one per analysed set.
std::vector<SetResult> readReportSets(const std::filesystem::path& report);
// Lines of the report that carry an error message.
std::vector<std::string> readReportErrors(const std::filesystem::path& report);
// Fills the extremes of the first sets.size() results blocks of the plot-data file.
void readPlotExtremes(const std::filesystem::path& plot, std::vector<SetResult>& sets);

std::string formatSet(int number, const SetResult& r);

}  // namespace orvane::cli
