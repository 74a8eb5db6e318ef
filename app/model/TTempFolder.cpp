#include "model/TTempFolder.hpp"

#include "model/EWriteError.hpp"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <string>

namespace orvane {

TTempFolder::TTempFolder(std::string_view prefix, std::string_view what)
{
    std::error_code error;
    const std::filesystem::path base = std::filesystem::temp_directory_path(error);
    std::string name = ((error ? std::filesystem::path("/tmp") : base) / (std::string(prefix) + "-XXXXXX")).string();
    if (!::mkdtemp(name.data()))
        throw EWriteError("Cannot create a " + std::string(what) + " in \"" + base.string() + "\": " + std::strerror(errno));
    path_ = name;
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

TTempFolder::~TTempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace orvane
