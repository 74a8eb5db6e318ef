#pragma once
// A fresh private folder for one engine run, removed with the object.

#include <filesystem>

namespace orvane::cli {

class RunFolder {
public:
    RunFolder();  // throws std::runtime_error when no folder can be made
    ~RunFolder();
    RunFolder(const RunFolder&) = delete;
    RunFolder& operator=(const RunFolder&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

}  // namespace orvane::cli
