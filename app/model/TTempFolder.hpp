#pragma once

#include <filesystem>
#include <string_view>

namespace orvane {

// A fresh private folder "<prefix>-XXXXXX" under the system's temporary
// folder, removed with everything in it when the object goes. Two objects, or
// two copies of the program, never share one. The run command runs each
// engine job in one (a batch may run job after job in one folder, cleared
// between them); the tests make their files in one.
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

private:
    std::filesystem::path path_;
};

}  // namespace orvane
