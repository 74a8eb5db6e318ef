#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace orvane {

// How a run ended.
enum class TRunResult {
    NotSaved,        // the project has no file yet: nothing to run, nothing to show
    CheckFailed,     // the project check warned
    AlreadyRunning,  // another run is in progress in this process
    WriteFailed,     // the run folder or the control file could not be written
    LibraryFailed,   // the engine library could not be loaded or has no entry
    Refused,         // the engine refused the interface number
    Completed,       // the engine ran; its findings are in the report and run notes
};

struct TRunOutcome {
    TRunResult result = TRunResult::NotSaved;
    std::string message;  // text for the user; empty for NotSaved
    std::string detail;   // the system's own words on a failure, for logs
    int32_t engineResult = 0;
    std::filesystem::path plotFile;  // the plot-data file, when the run left one

    bool completed() const { return result == TRunResult::Completed; }
};

}  // namespace orvane
