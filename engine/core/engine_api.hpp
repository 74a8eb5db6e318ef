#pragma once
// C++ entry of the engine: runs one job in an explicit working folder and says
// how it ended. The exported C entry runs the same job in the current folder.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/result_word.hpp"

namespace orvane::engine {

enum class JobEnd {
    Completed,         // every set analysed
    InputError,        // the report names the error; "END OF ANALYSIS" written
    SoilStop,          // the soil package stopped the job; files keep what was written
    ControlFileError,  // names.dat missing or short: nothing analysed
    FileError,         // the data file or an output file could not be opened
    WriteError,        // a file of the job could not be written in full (a full disk)
};

struct SetSummary {
    int iteration = 0;
    bool offCurve = false;
    int exceeded = 0;
    int notClosed = 0;
    bool converged() const { return exceeded == 0 && notClosed == 0; }
};

struct JobOutcome {
    JobEnd end = JobEnd::Completed;
    std::string message;              // for every end but Completed
    std::vector<SetSummary> sets;     // one per analysed set
    JobFile failedFile = JobFile::None;  // for WriteError: the file
    int error = 0;                       // for WriteError: the system's error number
};

// The result word of the C entry for an outcome (core/result_word.hpp).
int32_t resultWord(const JobOutcome& outcome);

using Clock = std::function<std::tm()>;

// Runs the job described by the control file in `workDir`. `clock` supplies the
// date and time printed in the report (local time when empty).
JobOutcome runJob(const std::filesystem::path& workDir, Clock clock = {});

}  // namespace orvane::engine
