#pragma once

#include "model/TRunOutcome.hpp"

#include <filesystem>
#include <memory>

namespace orvane {

class TAnalysisLock;
class TProject;

// Runs the analysis of a saved project: checks it, writes the control file
// into a fresh run folder, loads the engine library, calls its entry once
// with the interface number, unloads it and removes the run folder. The
// window or the runner shows the outcome.
//
// A command made with Loading::Held loads the library on its first run and
// keeps it until the command (and every copy of it) is gone, for a batch of
// runs in one process; its runs may be called from several threads at once
// and run side by side when the library has its job entry (which takes the
// run folder by name), one after the other otherwise.
class TRunCommand {
public:
    static constexpr const char* kLibraryName = "libOrvaneEngine.so";
    static constexpr const char* kEntryName = "_IORVANE";
    static constexpr int32_t kInterface = 8;

    enum class Loading { PerRun, Held };

    // The engine library beside the running program (or in ../lib of it).
    static std::filesystem::path defaultLibrary();

    explicit TRunCommand(std::filesystem::path library = defaultLibrary(), Loading loading = Loading::PerRun);
    ~TRunCommand();
    TRunCommand(const TRunCommand&);
    TRunCommand& operator=(const TRunCommand&);

    // Runs the project's data file as it is on disk; the caller saves first.
    // When another analysis of the file is in progress, it says so and runs
    // nothing.
    TRunOutcome run(const TProject& project) const;
    // The same, for a caller that holds the file's analysis lock (and reads
    // the files of the run under it).
    TRunOutcome run(const TProject& project, const TAnalysisLock& lock) const;
    // A held command loads its library now rather than in its first run
    // (which other runs started meanwhile would wait for); nothing otherwise.
    void load() const;

    const std::filesystem::path& library() const { return library_; }

private:
    struct Held;
    TRunOutcome call(const std::filesystem::path& dataFile) const;
    TRunOutcome checkedRun(const TProject& project, const TAnalysisLock* lock) const;

    std::filesystem::path library_;
    std::shared_ptr<Held> held_;  // the loaded library of a Held command
};

}  // namespace orvane
