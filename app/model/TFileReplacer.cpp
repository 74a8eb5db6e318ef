#include "model/TFileReplacer.hpp"

#include "model/EWriteError.hpp"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

namespace fs = std::filesystem;

// Room for the marker, the pid and the random letters within a name's 255 bytes.
constexpr size_t kNameKept = 200;
constexpr size_t kRandomLetters = 6;
constexpr std::string_view kLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
// Names tried before giving up, each taken by another file already.
constexpr int kAttempts = 100;

class Replacement {
public:
    Replacement(const fs::path& path, std::string_view what) : path_(path), what_(what) {}

    void write(std::string_view bytes)
    {
        const std::optional<mode_t> kept = keptPermissions();
        removeStaleTemporaries();
        const int fd = createTemporary();
        if (kept && ::fchmod(fd, *kept) != 0) abandon(fd, errno);
        if (!writeAll(fd, bytes) || ::fsync(fd) != 0) abandon(fd, errno);
        if (::close(fd) != 0) abandon(-1, errno);
        if (::rename(temporary_.c_str(), path_.c_str()) != 0) abandon(-1, errno);
        syncFolder();
    }

private:
    [[noreturn]] void fail(const std::string& reason) const
    {
        throw EWriteError("Cannot write " + std::string(what_) + " \"" + path_.string() + "\": " + reason);
    }

    // Removes the temporary file and fails with the error that stopped the write.
    [[noreturn]] void abandon(int fd, int error) const
    {
        if (fd >= 0) ::close(fd);
        ::unlink(temporary_.c_str());
        fail(std::strerror(error));
    }

    fs::path folder() const { return path_.has_parent_path() ? path_.parent_path() : fs::path("."); }

    // ".<name>.orvane-tmp.": the start of every temporary name of this target.
    std::string prefix() const
    {
        const std::string name = path_.filename().string();
        return "." + name.substr(0, kNameKept) + std::string(TFileReplacer::kMarker);
    }

    // The permission bits of a regular file there, nothing for no file or a
    // symlink (which the new file replaces); fails for anything else.
    std::optional<mode_t> keptPermissions() const
    {
        if (!path_.has_filename()) fail(std::strerror(EISDIR));
        struct stat st {};
        if (::lstat(path_.c_str(), &st) != 0) {
            if (errno == ENOENT) return std::nullopt;
            fail(std::strerror(errno));
        }
        if (S_ISREG(st.st_mode)) return st.st_mode & 0777;
        if (S_ISLNK(st.st_mode)) return std::nullopt;
        if (S_ISDIR(st.st_mode)) fail(std::strerror(EISDIR));
        if (S_ISFIFO(st.st_mode)) fail("Not a regular file but a FIFO");
        if (S_ISSOCK(st.st_mode)) fail("Not a regular file but a socket");
        fail("Not a regular file but a device");
    }

    // The pid in a temporary name of this target, 0 for any other name.
    pid_t writerOf(const std::string& name) const
    {
        const std::string start = prefix();
        if (name.compare(0, start.size(), start) != 0) return 0;
        const std::string rest = name.substr(start.size());
        const size_t dot = rest.find('.');
        if (dot == 0 || dot == std::string::npos || rest.size() - dot - 1 != kRandomLetters || dot > 9) return 0;
        pid_t pid = 0;
        for (size_t i = 0; i < dot; ++i) {
            if (rest[i] < '0' || rest[i] > '9') return 0;
            pid = pid * 10 + (rest[i] - '0');
        }
        for (size_t i = dot + 1; i < rest.size(); ++i)
            if (kLetters.find(rest[i]) == std::string_view::npos) return 0;
        return pid;
    }

    // What writers of this target left when they died before their rename;
    // a live writer's file is its own business.
    void removeStaleTemporaries() const
    {
        std::error_code error;
        for (const auto& entry : fs::directory_iterator(folder(), error)) {
            const pid_t pid = writerOf(entry.path().filename().string());
            if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH) ::unlink(entry.path().c_str());
        }
    }

    std::string randomLetters() const
    {
        static thread_local std::mt19937 engine{std::random_device{}()};
        std::uniform_int_distribution<size_t> pick(0, kLetters.size() - 1);
        std::string letters;
        for (size_t i = 0; i < kRandomLetters; ++i) letters += kLetters[pick(engine)];
        return letters;
    }

    int createTemporary()
    {
        const std::string start = prefix() + std::to_string(::getpid()) + ".";
        for (int attempt = 0; attempt < kAttempts; ++attempt) {
            temporary_ = folder() / (start + randomLetters());
            const int fd = ::open(temporary_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
            if (fd >= 0) return fd;
            if (errno != EEXIST) fail(std::strerror(errno));
        }
        fail(std::strerror(EEXIST));
    }

    static bool writeAll(int fd, std::string_view bytes)
    {
        while (!bytes.empty()) {
            const ssize_t written = ::write(fd, bytes.data(), bytes.size());
            if (written < 0) {
                if (errno == EINTR) continue;
                return false;
            }
            bytes.remove_prefix(static_cast<size_t>(written));
        }
        return true;
    }

    // The rename itself on disk as well; the file is whole either way.
    void syncFolder() const
    {
        const int fd = ::open(folder().c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (fd < 0) return;
        ::fsync(fd);
        ::close(fd);
    }

    const fs::path& path_;
    std::string_view what_;
    fs::path temporary_;
};

}  // namespace

void TFileReplacer::replace(const std::filesystem::path& path, std::string_view bytes, std::string_view what)
{
    Replacement(path, what).write(bytes);
}

std::optional<std::string> TFileReplacer::tryReplace(const std::filesystem::path& path, std::string_view bytes,
                                                     std::string_view what)
{
    try {
        replace(path, bytes, what);
        return std::nullopt;
    } catch (const EWriteError& e) {
        return std::string(e.what());
    }
}

}  // namespace orvane
