#pragma once
// What the runner prints per data file: the findings of the checks before a
// run, and per analysed set how it ended and the results along the wall.
// Both are worked out by the model (TRunSummary, TRunWarnings), as for the
// desktop program; here they are only put into the runner's words.

#include <filesystem>
#include <string>
#include <vector>

#include "model/TRunSummary.hpp"
#include "model/TRunWarnings.hpp"

namespace orvane::cli {

// The sets as the plot-data file holds them (depths in in or m).
using Extreme = TExtreme;
using SetResult = TSetSummary;

// How one data file's job went, ready to print as text or JSON.
struct JobSummary {
    enum class End { Failed, NotConverged, Converged };

    std::string path;          // the data file, absolute
    std::string readInPart;    // the reader's message when it read the file in part
    std::vector<TRunWarning> findings;  // the checks before the run; they do not stop it
    std::string outcome;       // completed, input-error, soil-stop, files-failed, refused, ...
    std::string message;       // what the summary says of the job
    std::string detail;        // the system's own words on a failure
    std::vector<std::string> errors;  // the report's error lines
    // The files of this run; empty when this run did not write them (whatever
    // an earlier run left there is not shown).
    std::string report, plotData, runNotes;
    std::vector<SetResult> sets;
    End end = End::Failed;
    // How the run the engine ended went, in the desktop program's words
    // (TRunSummary::endText); empty when the job did not get that far.
    std::string headline;
    // Every set converged, but a deflection lies beyond its p-y curves: the
    // results are extrapolated, which the summary warns of.
    bool extrapolated = false;
};

// The plain-text summary of one job, its lines ended with LF.
std::string formatJob(const JobSummary& job);
std::string formatSet(int number, const SetResult& r);

// The units of a set's results: length, force, moment.
const char* lengthUnit(int units);
const char* forceUnit(int units);
std::string momentUnit(int units);

inline bool reportComplete(const std::filesystem::path& report) { return TRunSummary::reportComplete(report); }
inline std::vector<SetResult> readReportSets(const std::filesystem::path& report)
{
    return TRunSummary::readReportSets(report);
}
inline void readPlotExtremes(const std::filesystem::path& plot, std::vector<SetResult>& sets)
{
    TRunSummary::readPlotExtremes(plot, sets);
}

}  // namespace orvane::cli
