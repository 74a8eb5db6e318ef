#pragma once
// A text file written record by record with CR LF line ends. Records gather in
// one buffer that goes to the file in large writes; an existing file is
// replaced (unlinked and created anew) rather than truncated in place, which
// spares the file system the flush it gives a truncated file on close.
//
// A scratch file (kept) stays in memory after it is closed, so the engine
// reads back the bytes it has just written instead of the disk copy.
//
// Every write and close is checked: a write that fails while records are
// gathered throws WriteFailure, so the job stops instead of computing results
// nobody will see; close() says whether the whole file reached the disk.

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "fortran_format.hpp"

namespace orvane::io {

// A file of the job could not be written (a full disk, a file too large, a
// lost folder): its path and the system's error number.
class WriteFailure : public std::runtime_error {
public:
    WriteFailure(std::string path, int error);
    const std::string& path() const { return path_; }
    int error() const { return error_; }

private:
    std::string path_;
    int error_;
};

// The function every Records writes through: ::write, unless a test puts in
// one that fails as a full disk does. Set per thread, like the kept files; an
// empty function restores ::write.
using WriteFunction = std::function<ssize_t(const std::string& path, int fd, const void* data, size_t size)>;
void setWriteFunction(WriteFunction write);

class Records {
public:
    Records() = default;
    ~Records() { close(); }
    Records(const Records&) = delete;
    Records& operator=(const Records&) = delete;

    bool open(const std::filesystem::path& path, bool keep = false);
    bool isOpen() const { return fd_ >= 0; }
    // Writes what is left and closes; false when any write of the file failed.
    bool close();
    bool failed() const { return failed_; }
    int error() const { return error_; }  // errno of the first failure
    const std::string& path() const { return path_; }

    void rec(std::string_view text)
    {
        buf_.append(text);
        buf_.append("\r\n", 2);
        if (buf_.size() >= kFlushAt && !keep_ && !flush()) throw WriteFailure(path_, error_);
    }
    void rec(const fortran::Line& line) { rec(line.view()); }
    void blank(int n = 1) { for (int k = 0; k < n; ++k) rec(std::string_view()); }

private:
    static constexpr size_t kFlushAt = 1 << 16;
    bool flush();  // false when this or an earlier write failed
    void fail(int error);

    int fd_ = -1;
    bool keep_ = false;
    bool failed_ = false;
    int error_ = 0;
    std::string path_;
    std::string buf_;
};

// The whole of a regular file; false when it cannot be read or is no regular
// file (a FIFO, a device, a folder: its open does not wait for a writer).
// Past `limit` bytes nothing more is read, and the text ends at its last
// whole line: what lies beyond is no part of any input.
bool readWholeFile(const std::filesystem::path& path, std::string& out, size_t limit = SIZE_MAX);

// A scratch file's bytes: those kept when this thread last wrote it, else the
// file itself (false when neither exists). Kept bytes are handed over once.
bool readScratch(const std::filesystem::path& path, std::string& out);
// Forgets every kept scratch file of this thread (at the start and end of a job).
void clearScratch();

}  // namespace orvane::io
