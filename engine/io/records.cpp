#include "records.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <map>

namespace orvane::io {
namespace {

// Kept scratch files by path. Each job runs on one thread, so jobs that run
// side by side never see each other's files.
thread_local std::map<std::string, std::string> kept;
thread_local WriteFunction writeFunction;

// Writes all of p; false with errno set when a write fails. A write that
// takes nothing (as a full device may) is a failure, not a reason to loop.
bool writeAll(const std::string& path, int fd, const char* p, size_t n)
{
    while (n > 0) {
        const ssize_t w = writeFunction ? writeFunction(path, fd, p, n) : ::write(fd, p, n);
        if (w < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (w == 0) {
            errno = ENOSPC;
            return false;
        }
        p += w;
        n -= static_cast<size_t>(w);
    }
    return true;
}

}  // namespace

WriteFailure::WriteFailure(std::string path, int error)
    : std::runtime_error(path + ": " + std::strerror(error)), path_(std::move(path)), error_(error)
{
}

void setWriteFunction(WriteFunction write) { writeFunction = std::move(write); }

bool Records::open(const std::filesystem::path& path, bool keep)
{
    close();
    path_ = path.string();
    keep_ = keep;
    failed_ = false;
    error_ = 0;
    buf_.clear();
    // An existing file is replaced; where it cannot be unlinked (a folder
    // that refuses it) it is truncated as before.
    ::unlink(path_.c_str());
    fd_ = ::open(path_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd_ < 0) error_ = errno;
    if (fd_ >= 0 && !keep_) buf_.reserve(kFlushAt + 4096);
    return fd_ >= 0;
}

void Records::fail(int error)
{
    if (!failed_) error_ = error;
    failed_ = true;
}

bool Records::flush()
{
    // After a failure nothing more is written: the file is already short.
    if (fd_ >= 0 && !failed_ && !buf_.empty() && !writeAll(path_, fd_, buf_.data(), buf_.size())) fail(errno);
    if (!keep_) buf_.clear();
    return !failed_;
}

bool Records::close()
{
    if (fd_ < 0) return !failed_;
    flush();
    // close can report a write the file system deferred (a quota, NFS).
    if (::close(fd_) != 0) fail(errno);
    fd_ = -1;
    if (keep_) {
        if (failed_) kept.erase(path_);
        else kept[path_] = std::move(buf_);
    }
    buf_.clear();
    return !failed_;
}

bool readWholeFile(const std::filesystem::path& path, std::string& out, size_t limit)
{
    out.clear();
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (st.st_size > 0) out.reserve(std::min(static_cast<size_t>(st.st_size), limit));
    char chunk[65536];
    bool ok = true;
    while (out.size() < limit) {
        const ssize_t n = ::read(fd, chunk, std::min(sizeof chunk, limit - out.size()));
        if (n < 0) {
            if (errno == EINTR) continue;
            ok = false;
            break;
        }
        if (n == 0) break;
        out.append(chunk, static_cast<size_t>(n));
    }
    if (ok && out.size() >= limit) {
        char more = 0;
        if (::read(fd, &more, 1) > 0) out.erase(out.rfind('\n') == std::string::npos ? 0 : out.rfind('\n') + 1);
    }
    ::close(fd);
    return ok;
}

bool readScratch(const std::filesystem::path& path, std::string& out)
{
    const auto it = kept.find(path.string());
    if (it != kept.end()) {
        out = std::move(it->second);
        kept.erase(it);
        return true;
    }
    return readWholeFile(path, out);
}

void clearScratch() { kept.clear(); }

}  // namespace orvane::io
