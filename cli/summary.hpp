#pragma once
// What the runner prints per analysed set: how the set ended (the job's own
// account, or the report's when the engine gives none) and the results along
// the wall (the plot-data file this run wrote).

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
    bool extremesRead = false;  // the set's block of the plot-data file was read whole
    Extreme deflection, moment, shear;
    bool converged() const { return !exceeded && !notClosed; }
    // The report's warnings of the set, in its order and words.
    std::vector<std::string> warnings() const;
};

// How one data file's job went, ready to print as text or JSON.
struct JobSummary {
    enum class End { Failed, NotConverged, Converged };

    std::string path;          // the data file, absolute
    std::string readInPart;    // the reader's message when it read the file in part
    std::string outcome;       // completed, input-error, soil-stop, files-failed, refused, ...
    std::string message;       // what the summary says of the job
    std::string detail;        // the system's own words on a failure
    std::vector<std::string> errors;  // the report's error lines
    // The files of this run; empty when this run did not write them (whatever
    // an earlier run left there is not shown).
    std::string report, plotData, runNotes;
    std::vector<SetResult> sets;
    End end = End::Failed;
};

// The plain-text summary of one job, its lines ended with LF.
std::string formatJob(const JobSummary& job);

// The units of a set's results: length, force, moment.
const char* lengthUnit(int units);
const char* forceUnit(int units);
std::string momentUnit(int units);

// Whether the report ends with the line the engine writes last.
bool reportComplete(const std::filesystem::path& report);

// Iteration lines of the report, one per analysed set.
std::vector<SetResult> readReportSets(const std::filesystem::path& report);
// Lines of the report that carry an error message.
std::vector<std::string> readReportErrors(const std::filesystem::path& report);
// Fills the extremes of the first sets.size() results blocks of the plot-data
// file; a set whose block is missing or cut keeps extremesRead false.
void readPlotExtremes(const std::filesystem::path& plot, std::vector<SetResult>& sets);

std::string formatSet(int number, const SetResult& r);

}  // namespace orvane::cli
