#include "model/TAnalysisLock.hpp"

#include "model/EWriteError.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

bool sameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Takes the lock on the open file; with `wait`, calls `waiting` once (when
// another holds it) and waits. False only when another holds it and there is
// no wait: a file system without flock (ENOLCK) leaves the analysis unguarded
// rather than refused.
bool lockFile(int fd, bool wait, const std::function<void()>& waiting, bool& waited)
{
    int taken;
    while ((taken = ::flock(fd, LOCK_EX | LOCK_NB)) != 0 && errno == EINTR) {
    }
    if (taken == 0 || errno != EWOULDBLOCK) return true;
    if (!wait) return false;
    if (!waited && waiting) waiting();
    waited = true;
    while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
    }
    return true;
}

[[noreturn]] void cannotLock(const std::filesystem::path& dataFile, const std::string& why)
{
    throw EWriteError("Cannot lock the analysis of " + dataFile.string() + ": " + why);
}

}  // namespace

std::filesystem::path TAnalysisLock::name(const std::filesystem::path& dataFile)
{
    std::filesystem::path lock = dataFile;
    return lock += ".lock";
}

TAnalysisLock::TAnalysisLock(const std::filesystem::path& dataFile, Wait wait, const std::function<void()>& waiting)
    : dataFile_(dataFile), lockFile_(name(dataFile))
{
    bool waited = false;
    for (;;) {
        // Created with the usual permissions (0666 less the umask), so every
        // user who may analyse the file may take its lock.
        fd_ = ::open(lockFile_.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
        // A lock file made by another user, or in a folder this user may not
        // write, is still taken: flock needs no write permission.
        if (fd_ < 0 && (errno == EACCES || errno == EROFS || errno == EPERM))
            fd_ = ::open(lockFile_.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd_ < 0) {
            const int error = errno;
            if (error == ELOOP)
                cannotLock(dataFile_, lockFile_.string() + " is a symbolic link, which is not followed");
            if (error == EISDIR) cannotLock(dataFile_, lockFile_.string() + " is not a regular file");
            if (error != ENOENT && error != EACCES && error != EROFS && error != EPERM)
                cannotLock(dataFile_, lockFile_.string() + ": " + std::strerror(error));
            lockFile_.clear();
            break;
        }
        struct stat held {};
        if (::fstat(fd_, &held) != 0 || !S_ISREG(held.st_mode)) {
            ::close(fd_);
            fd_ = -1;
            cannotLock(dataFile_, lockFile_.string() + " is not a regular file");
        }
        if (!lockFile(fd_, wait == Wait::Yes, waiting, waited)) {
            ::close(fd_);
            fd_ = -1;
            return;
        }
        // The holder before may have removed the file while this one waited
        // on it: a lock on a removed file guards nothing.
        struct stat named {};
        if (::lstat(lockFile_.c_str(), &named) == 0 && sameFile(held, named)) {
            held_ = true;
            return;
        }
        ::close(fd_);
        fd_ = -1;
    }
    // No lock file can be made beside the outputs: the data file stands in
    // for it. A data file that cannot be opened cannot be analysed either.
    fd_ = ::open(dataFile_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        held_ = true;
        return;
    }
    held_ = lockFile(fd_, wait == Wait::Yes, waiting, waited);
    if (!held_) {
        ::close(fd_);
        fd_ = -1;
    }
}

// The file is removed while the lock is held, and only when it is still the
// one locked, so a taker that waits on it sees that it went and takes anew.
TAnalysisLock::~TAnalysisLock()
{
    if (fd_ < 0) return;
    struct stat held {}, named {};
    if (!lockFile_.empty() && ::fstat(fd_, &held) == 0 && ::lstat(lockFile_.c_str(), &named) == 0 &&
        sameFile(held, named))
        ::unlink(lockFile_.c_str());
    ::close(fd_);
}

}  // namespace orvane
