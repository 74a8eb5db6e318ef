#pragma once

#include <filesystem>
#include <string_view>

namespace orvane {

// A fresh private folder "<prefix>-<pid>-XXXXXX" under the system's temporary
// folder, removed with everything in it when the object goes. Two objects, or
// two copies of the program, never share one. The run command runs each
// engine job in one (a batch may run job after job in one folder, cleared
// between them); the tests make their files in one.
//
// A process killed outright cannot remove its folders: the first folder of
// a prefix that a process makes removes those of the prefix whose makers are
// gone. A folder is locked (flock on the folder itself) while it lives, and
// its name holds its maker's pid: a folder is stale when it is not locked and
// no process has that pid. The lock keeps the folder of a live process whose
// pid is not seen here (another pid namespace on a shared /tmp); the pid keeps
// a folder that is being made and not locked yet.
class TTempFolder {
public:
    // Throws EWriteError naming `what` when no folder can be made. Without
    // arguments: a run folder of the run command.
    explicit TTempFolder(std::string_view prefix = "orvane-run", std::string_view what = "run folder");
    ~TTempFolder();
    TTempFolder(const TTempFolder&) = delete;
    TTempFolder& operator=(const TTempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Removes everything in the folder, so it serves again as a fresh one;
    // false when something is left.
    bool clear() const;

    // Removes the folders of `prefix` in `base` whose makers are gone: only
    // folders (never a symbolic link), only the user's own.
    static void removeStale(const std::filesystem::path& base, std::string_view prefix);

private:
    std::filesystem::path path_;
    int lock_ = -1;  // the folder, open and locked
};

}  // namespace orvane
