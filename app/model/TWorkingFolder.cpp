#include "model/TWorkingFolder.hpp"

#include "model/EWriteError.hpp"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <unistd.h>

namespace orvane {

TWorkingFolder::TWorkingFolder(const std::filesystem::path& folder)
    : previous_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC))
{
    if (previous_ < 0 || ::chdir(folder.c_str()) != 0) {
        const int error = errno;
        if (previous_ >= 0) ::close(previous_);
        throw EWriteError("Cannot enter folder \"" + folder.string() + "\": " + std::strerror(error));
    }
}

TWorkingFolder::~TWorkingFolder()
{
    [[maybe_unused]] const int restored = ::fchdir(previous_);
    ::close(previous_);
}

}  // namespace orvane
