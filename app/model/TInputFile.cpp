#include "model/TInputFile.hpp"

#include "model/EReadError.hpp"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

// The reason a descriptor's file is no data file, or nothing for a regular file.
std::optional<std::string> notRegular(int fd)
{
    struct stat st {};
    if (::fstat(fd, &st) != 0) return std::string(std::strerror(errno));
    if (S_ISDIR(st.st_mode)) return std::string("it is a folder, not a data file");
    if (!S_ISREG(st.st_mode)) return std::string("it is not a regular file");
    return std::nullopt;
}

// O_NONBLOCK only for the open, where a FIFO would wait for a writer; the
// reads of a regular file block as usual.
int openOnce(const std::filesystem::path& path, std::string& reason)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    if (fd < 0) {
        reason = std::strerror(errno);
        return -1;
    }
    if (const auto why = notRegular(fd)) {
        reason = *why;
        ::close(fd);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

TInputFile::TInputFile(const std::filesystem::path& path) : path_(path)
{
    std::string reason;
    fd_ = openOnce(path, reason);
    if (fd_ < 0) throw EReadError("Cannot open file \"" + path.string() + "\": " + reason);
}

TInputFile::~TInputFile()
{
    if (fd_ >= 0) ::close(fd_);
}

std::optional<std::string> TInputFile::cannotOpen(const std::filesystem::path& path)
{
    std::string reason;
    const int fd = openOnce(path, reason);
    if (fd < 0) return reason;
    ::close(fd);
    return std::nullopt;
}

size_t TInputFile::read(char* buffer, size_t size)
{
    for (;;) {
        const ssize_t n = ::read(fd_, buffer, size);
        if (n >= 0) return static_cast<size_t>(n);
        if (errno != EINTR) throw EReadError("Cannot read file \"" + path_.string() + "\": " + std::strerror(errno));
    }
}

std::string TInputFile::readText(const std::filesystem::path& path, size_t limit)
{
    TInputFile file(path);
    std::string text;
    char chunk[65536];
    while (text.size() <= limit) {
        const size_t got = file.read(chunk, std::min(sizeof chunk, limit + 1 - text.size()));
        if (got == 0) return text;
        text.append(chunk, got);
    }
    const size_t lastEnd = text.rfind('\n', limit - 1);
    text.resize(lastEnd == std::string::npos ? 0 : lastEnd + 1);
    return text;
}

}  // namespace orvane
