#pragma once
// The result word of the engine's C entries, as the library, the desktop
// program and the runner must read it alike. No dependencies: the programs
// include it without the rest of the engine.

#include <cstdint>

namespace orvane::engine {

// The low byte of a result word: how the job ended.
enum class ResultWord : int32_t {
    Completed = 0,       // every set analysed
    Refused = 1,         // interface number refused by the entry itself
    InputError = 2,      // the report names the error
    SoilStop = 3,        // stopped by the soil package; the report says why
    FilesNotOpened = 4,  // control file missing or short, or a file not opened
    WriteFailed = 5,     // a file of the job could not be written in full
};

// The files a job writes, as named in a write failure.
enum class JobFile : int32_t {
    None = 0,
    Report = 1,
    PlotData = 2,
    RunNotes = 3,
    Scratch = 4,  // the p-y exchange or earth-pressure file the job reads back
};

constexpr int32_t toWord(ResultWord kind) { return static_cast<int32_t>(kind); }

// A write failure is 5 + 256 * file + 65536 * errno: bits 8-15 hold the
// JobFile, bits 16-30 the system's error number (ENOSPC for a full disk), so a
// caller can say which file and why. Every word but 0 is a failure.
inline constexpr int32_t kWriteFailedWord = toWord(ResultWord::WriteFailed);
constexpr int32_t writeFailedWord(JobFile file, int error)
{
    const int32_t e = error < 0 || error > 0x7fff ? 0x7fff : error;
    return kWriteFailedWord | (static_cast<int32_t>(file) & 0xff) << 8 | e << 16;
}
constexpr int32_t wordKind(int32_t word) { return word & 0xff; }
constexpr ResultWord kindOf(int32_t word) { return static_cast<ResultWord>(wordKind(word)); }
constexpr JobFile wordFile(int32_t word) { return static_cast<JobFile>(word >> 8 & 0xff); }
constexpr int wordError(int32_t word) { return word >> 16 & 0x7fff; }

}  // namespace orvane::engine
