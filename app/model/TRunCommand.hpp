#pragma once

#include "model/TRunOutcome.hpp"

#include <filesystem>

namespace orvane {

class TProject;

// Runs the analysis of a saved project: checks it, writes the control file
// into a fresh run folder, loads the engine library, calls its entry once
// with the interface number, unloads it and removes the run folder. The
// window or the runner shows the outcome.
class TRunCommand {
public:
    static constexpr const char* kLibraryName = "libOrvaneEngine.so";
    static constexpr const char* kEntryName = "_IORVANE";
    static constexpr int32_t kInterface = 8;

    // The engine library beside the running program (or in ../lib of it).
    static std::filesystem::path defaultLibrary();

    explicit TRunCommand(std::filesystem::path library = defaultLibrary()) : library_(std::move(library)) {}

    // Runs the project's data file as it is on disk; the caller saves first.
    TRunOutcome run(const TProject& project) const;

private:
    TRunOutcome call(const std::filesystem::path& dataFile) const;

    std::filesystem::path library_;
};

}  // namespace orvane
