#pragma once
// C++ entry of the engine: runs one job in an explicit working folder and says
// how it ended. The exported C entry runs the same job in the current folder.

#include <cstdint>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace orvane::engine {

enum class JobEnd {
    Completed,         // every set analysed
    InputError,        // the report names the error; "END OF ANALYSIS" written
    SoilStop,          // the soil package stopped the job; files keep what was written
    ControlFileError,  // names.dat missing or short: nothing analysed
    FileError,         // the data file or an output file could not be opened
    WriteError,        // a file of the job could not be written in full (a full disk)
};

// The files a job writes, as named in a write failure.
enum class JobFile : int32_t {
    None = 0,
    Report = 1,
    PlotData = 2,
    RunNotes = 3,
    Scratch = 4,  // the p-y exchange or earth-pressure file the job reads back
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

// The result word of the C entry for an outcome:
//   0 completed, 1 interface number refused (the entry itself), 2 input error,
//   3 stopped by the soil package, 4 control file missing or a file not opened,
//   5 + 256 * file + 65536 * errno: a file of the job could not be written in
//     full; bits 8-15 hold the JobFile, bits 16-30 the system's error number
//     (ENOSPC for a full disk), so a caller can say which file and why.
// Every word but 0 is a failure; the low byte says which kind.
inline constexpr int32_t kWriteFailedWord = 5;
constexpr int32_t writeFailedWord(JobFile file, int error)
{
    const int32_t e = error < 0 || error > 0x7fff ? 0x7fff : error;
    return kWriteFailedWord | (static_cast<int32_t>(file) & 0xff) << 8 | e << 16;
}
constexpr int32_t wordKind(int32_t word) { return word & 0xff; }
constexpr JobFile wordFile(int32_t word) { return static_cast<JobFile>(word >> 8 & 0xff); }
constexpr int wordError(int32_t word) { return word >> 16 & 0x7fff; }

int32_t resultWord(const JobOutcome& outcome);

using Clock = std::function<std::tm()>;

// Runs the job described by the control file in `workDir`. `clock` supplies the
// date and time printed in the report (local time when empty).
JobOutcome runJob(const std::filesystem::path& workDir, Clock clock = {});

}  // namespace orvane::engine
