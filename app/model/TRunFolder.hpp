#pragma once

#include <filesystem>

namespace orvane {

// A fresh private folder for one engine run (control file and the engine's
// scratch files), under the system's temporary folder, removed with
// everything in it when the run ends. Two runs, or two copies of the
// program, never share one. A batch of runs in one process may run job after
// job in one folder, cleared between them.
class TRunFolder {
public:
    // Throws EWriteError when no folder can be made.
    TRunFolder();
    ~TRunFolder();
    TRunFolder(const TRunFolder&) = delete;
    TRunFolder& operator=(const TRunFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Removes everything in the folder, so a batch can run its next job in
    // it as in a fresh one; false when something is left.
    bool clear() const;

private:
    std::filesystem::path path_;
};

}  // namespace orvane
