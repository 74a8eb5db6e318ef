#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

// How a run ended.
enum class TRunResult {
    NotSaved,        // the project has no file yet: nothing to run, nothing to show
    CheckFailed,     // the project check warned
    AlreadyRunning,  // another run is in progress in this process
    BeingAnalysed,   // another analysis of the data file (another process) is in progress
    WriteFailed,     // the run folder or the control file could not be written
    LibraryFailed,   // the engine library could not be loaded or has no entry
    Refused,         // the engine refused the interface number
    Completed,       // the engine ran; its findings are in the report and run notes
    FilesFailed,     // the engine could not read its control file or open or write its
                     // files: the report, plot data and run notes are not this run's
};

// How one analysed set ended, as the engine tells it.
struct TSetEnd {
    int iteration = 0;
    bool offCurve = false;   // a deflection went past the end of a p-y curve
    int exceeded = 0;        // nonzero: the allowable deflection was exceeded
    int notClosed = 0;       // nonzero: not closed within the tolerance
    bool converged() const { return exceeded == 0 && notClosed == 0; }
};

struct TRunOutcome {
    TRunResult result = TRunResult::NotSaved;
    std::string message;  // text for the user; empty for NotSaved
    std::string detail;   // the system's own words on a failure, for logs
    int32_t engineResult = 0;
    std::filesystem::path plotFile;  // the plot-data file, when the run left one
    // The job's own account, when the engine library gives one (its job
    // entry); otherwise only engineResult is known and the report tells.
    bool hasSets = false;
    std::vector<TSetEnd> sets;   // one per analysed set, in order
    std::string engineMessage;   // the engine's words on a job that did not complete

    bool completed() const { return result == TRunResult::Completed; }
};

}  // namespace orvane
