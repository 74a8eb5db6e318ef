#pragma once

#include <filesystem>
#include <functional>

namespace orvane {

// The right to analyse one data file: its report, plot data and run notes
// are written by one analysis at a time, whichever process runs it (the
// runner, the desktop program). An advisory lock (flock) on the file
// "<data file>.lock" beside them. Its holder removes the file before the lock
// goes, and a taker whose file was removed meanwhile takes the new one, so
// no two analyses ever hold the lock of one name. Where no lock file can be
// made (a read-only folder), the data file itself is locked.
class TAnalysisLock {
public:
    static std::filesystem::path name(const std::filesystem::path& dataFile);

    enum class Wait { Yes, No };
    // With Wait::Yes, waits for another analysis of the file to end, calling
    // `waiting` once before the wait when there is one; with Wait::No, held()
    // is false when another analysis holds the lock. Throws EWriteError when
    // the lock cannot be taken (a symbolic link or a special file at its name
    // is never followed or opened as one).
    TAnalysisLock(const std::filesystem::path& dataFile, Wait wait, const std::function<void()>& waiting = {});
    ~TAnalysisLock();
    TAnalysisLock(const TAnalysisLock&) = delete;
    TAnalysisLock& operator=(const TAnalysisLock&) = delete;

    bool held() const { return held_; }
    const std::filesystem::path& dataFile() const { return dataFile_; }

private:
    std::filesystem::path dataFile_;
    std::filesystem::path lockFile_;  // empty when the data file itself is locked
    int fd_ = -1;
    bool held_ = false;
};

}  // namespace orvane
