#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace orvane {

// A file the program reads (data, stage, plot-data and report files): opened
// once and read through that one descriptor, so the file that was checked is
// the file that is read. Opening does not wait for a writer of a FIFO, and
// anything but a regular file (a folder, a FIFO, a device) is refused before a
// byte of it is read.
class TInputFile {
public:
    // Many times the largest project the tables can hold, all stages and
    // long-term sets together; no data file the program reads is longer.
    static constexpr size_t kLargestDataFile = 16u << 20;

    // Throws EReadError: Cannot open file "path": the system's reason, or that
    // it is a folder or not a regular file.
    explicit TInputFile(const std::filesystem::path& path);
    ~TInputFile();
    TInputFile(const TInputFile&) = delete;
    TInputFile& operator=(const TInputFile&) = delete;

    // Why the file cannot be read as a data file ("No such file or directory",
    // "it is a folder, not a data file"); nothing when it can.
    static std::optional<std::string> cannotOpen(const std::filesystem::path& path);

    // Up to `size` bytes into `buffer`; 0 at the end of the file. Throws
    // EReadError with the system's reason when reading fails.
    size_t read(char* buffer, size_t size);

    // The file's text, whole when it is at most `limit` bytes long; of a
    // longer one, the lines that end within its first `limit` bytes, since
    // nothing of a project lies beyond. Throws EReadError.
    static std::string readText(const std::filesystem::path& path, size_t limit = kLargestDataFile);

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
};

}  // namespace orvane
