#pragma once

#include <filesystem>

namespace orvane {

// Makes a folder the process's working folder for the life of the object and
// restores the previous one afterwards. The engine's C entry reads its control
// file from the working folder, so the run command needs this around the
// call. The working folder belongs to the whole process: only one run may be
// in progress at a time (the run command guards this), and other threads
// must not rely on the working folder meanwhile.
class TWorkingFolder {
public:
    // Throws EWriteError when the folder cannot be entered.
    explicit TWorkingFolder(const std::filesystem::path& folder);
    ~TWorkingFolder();
    TWorkingFolder(const TWorkingFolder&) = delete;
    TWorkingFolder& operator=(const TWorkingFolder&) = delete;

private:
    int previous_;  // descriptor of the previous folder: restores it even if it was renamed
};

}  // namespace orvane
