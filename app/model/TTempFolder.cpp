#include "model/TTempFolder.hpp"

#include "model/EWriteError.hpp"

#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <mutex>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {

namespace {

constexpr size_t kRandomPart = 6;  // mkdtemp's XXXXXX

// The pid in a folder name "<prefix>-<pid>-XXXXXX"; 0 when it is no such name.
pid_t makerOf(std::string_view name, std::string_view prefix)
{
    if (name.size() <= prefix.size() + 1 + kRandomPart + 1 || name.substr(0, prefix.size()) != prefix ||
        name[prefix.size()] != '-' || name[name.size() - kRandomPart - 1] != '-')
        return 0;
    const std::string_view digits = name.substr(prefix.size() + 1, name.size() - prefix.size() - kRandomPart - 2);
    if (digits.empty() || digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return 0;
    return static_cast<pid_t>(std::stol(std::string(digits)));
}

bool isGone(pid_t pid) { return ::kill(pid, 0) != 0 && errno == ESRCH; }

// Removes the folder if nobody holds its lock and its maker is gone; opened
// without following a link, and only the user's own.
void removeIfStale(const std::filesystem::path& base, int baseFd, const char* name, pid_t maker)
{
    struct stat st {};
    if (::fstatat(baseFd, name, &st, AT_SYMLINK_NOFOLLOW) != 0 || !S_ISDIR(st.st_mode) || st.st_uid != ::geteuid())
        return;
    const int folder = ::openat(baseFd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (folder < 0) return;
    // Removed under the lock: a sweep of another process sees it taken.
    if (::flock(folder, LOCK_EX | LOCK_NB) == 0 && isGone(maker)) {
        std::error_code ignored;
        std::filesystem::remove_all(base / name, ignored);
    }
    ::close(folder);
}

// Each prefix is swept once in a process, when its first folder is made.
void removeStaleOnce(const std::filesystem::path& base, std::string_view prefix)
{
    static std::mutex mutex;
    static std::set<std::string, std::less<>> swept;
    const std::lock_guard<std::mutex> lock(mutex);
    if (!swept.insert(base.string() + "/" + std::string(prefix)).second) return;
    TTempFolder::removeStale(base, prefix);
}

}  // namespace

void TTempFolder::removeStale(const std::filesystem::path& base, std::string_view prefix)
{
    DIR* dir = ::opendir(base.c_str());
    if (!dir) return;
    const int fd = ::dirfd(dir);
    for (const dirent* entry; (entry = ::readdir(dir));) {
        if (const pid_t maker = makerOf(entry->d_name, prefix); maker > 0)
            removeIfStale(base, fd, entry->d_name, maker);
    }
    ::closedir(dir);
}

TTempFolder::TTempFolder(std::string_view prefix, std::string_view what)
{
    std::error_code error;
    const std::filesystem::path found = std::filesystem::temp_directory_path(error);
    const std::filesystem::path base = error ? std::filesystem::path("/tmp") : found;
    removeStaleOnce(base, prefix);
    std::string name = (base / (std::string(prefix) + "-" + std::to_string(::getpid()) + "-XXXXXX")).string();
    if (!::mkdtemp(name.data()))
        throw EWriteError("Cannot create a " + std::string(what) + " in \"" + base.string() + "\": " + std::strerror(errno));
    path_ = name;
    // Where the file system has no flock (some network file systems), the
    // pid alone tells the folder of a live maker.
    lock_ = ::open(path_.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (lock_ >= 0) ::flock(lock_, LOCK_EX | LOCK_NB);
}

bool TTempFolder::clear() const
{
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(path_, error)) {
        std::error_code ignored;
        std::filesystem::remove_all(entry.path(), ignored);
    }
    return !error && std::filesystem::is_empty(path_, error) && !error;
}

// Removed while its lock is held, so no sweep of another process takes it
// for a dead process's folder meanwhile.
TTempFolder::~TTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
    if (lock_ >= 0) ::close(lock_);
}

}  // namespace orvane
