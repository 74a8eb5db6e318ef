#pragma once

#include "model/TRunOutcome.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

class TProject;
struct TProgramData;

// The largest value of a result along the wall and the depth where it acts.
struct TExtreme {
    double value = 0;
    double depth = 0;
};

// How one analysed set ended and its largest results. From TRunSummary::of
// they are in the project's display units (deflection in in or m, moment in
// lbs-in or kN-m, shear in lbs or kN, depths in ft or m); from ofFiles, as
// the plot-data file holds them (depths in in or m).
struct TSetSummary {
    std::string name;  // "Analysis", "Short-term", "Long-term", "Stage n"; empty from ofFiles
    int iteration = 0;
    int units = 0;  // the plot-data file's unit system of the results: 1 English, 2 SI
    bool offCurve = false;
    bool exceeded = false;
    bool notClosed = false;
    bool extremesRead = false;  // the set's results were found whole in the plot-data file
    TExtreme deflection, moment, shear;

    bool converged() const { return !exceeded && !notClosed; }
    // "converged", or what ended the set in plain words.
    std::string ending() const;
    // The report's warnings of the set, in its words and order.
    std::vector<std::string> warnings() const;
};

// The outcome of a run at a glance, from the run's outcome, its report and
// its plot-data file. The desktop program shows it in a window; the runner
// prints it in its own text and JSON forms. How each set ended and its
// largest results are worked out here only.
class TRunSummary {
public:
    enum class End {
        Converged,     // every set converged
        Extrapolated,  // every set converged, a deflection lies beyond its p-y curve (a warning)
        NotConverged,  // the job ran to its end, a set did not converge
        InputError,    // the engine found an input error
        SoilStop,      // the soil package stopped the job
        Failed,        // the run did not get to the engine, or its files are not this run's
    };

    // The name of set `index` of `count`: "Analysis", "Short-term",
    // "Long-term", "Stage n" or "Set n".
    static std::string setName(const TProgramData& data, size_t index, size_t count);
    // The files are those beside the project's data file; they are read only
    // when the outcome says that the engine ran and the report ends as the
    // engine ends it, so what an earlier run left is never shown.
    // Sets named, depths in the project's display units.
    static TRunSummary of(const TProject& project, const TRunOutcome& outcome);
    // The same for the files beside `dataFile`, the results as the plot-data
    // file holds them and the sets unnamed. `report` is empty when the files
    // are not this run's, also when the engine refused the job.
    static TRunSummary ofFiles(const std::filesystem::path& dataFile, const TRunOutcome& outcome);

    End end = End::Failed;
    std::vector<TSetSummary> sets;
    // Input errors and soil-package stops in the report's own words (or the
    // engine's, or the run command's message when no report was written).
    std::vector<std::string> errors;
    std::filesystem::path report;  // empty when this run wrote none
    int units = 1;

    // One sentence on how the whole run went.
    std::string endText() const;
    // The run converged with nothing to warn of: no set's deflection lies
    // beyond its p-y curves, where the results are extrapolated.
    bool clean() const { return end == End::Converged; }
    // Unit texts of the columns, for the project's unit system.
    std::string deflectionUnit() const;
    std::string momentUnit() const;
    std::string shearUnit() const;
    std::string depthUnit() const;
    // The summary as plain text lines.
    std::vector<std::string> lines() const;

    // The pieces, on files of any run.
    static bool reportComplete(const std::filesystem::path& report);
    static std::vector<TSetSummary> readReportSets(const std::filesystem::path& report);
    static std::vector<std::string> readReportErrors(const std::filesystem::path& report);
    // Fills the extremes of the sets from the plot-data file's results blocks,
    // raw (in the engine's units: depths in in or m).
    static void readPlotExtremes(const std::filesystem::path& plot, std::vector<TSetSummary>& sets);
};

}  // namespace orvane
