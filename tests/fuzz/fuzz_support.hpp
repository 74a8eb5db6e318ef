#pragma once
// Shared by the fuzz harnesses: a property failure aborts with its reason, so
// libFuzzer keeps the input as a crash reproducer; a private folder on a
// memory file system holds the files a harness must put on disk.

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

namespace orvane::fuzz {

[[noreturn]] inline void propertyFailed(const std::string& what)
{
    std::fprintf(stderr, "PROPERTY FAILED: %s\n", what.c_str());
    std::abort();
}

inline void require(bool holds, const std::string& what)
{
    if (!holds) propertyFailed(what);
}

// /dev/shm when there is one, else the temporary folder; one per process, so
// parallel fuzzing jobs do not share files.
inline const std::filesystem::path& privateFolder()
{
    static const std::filesystem::path dir = [] {
        std::error_code ec;
        const std::filesystem::path base =
            std::filesystem::is_directory("/dev/shm", ec) ? std::filesystem::path("/dev/shm")
                                                          : std::filesystem::temp_directory_path();
        std::filesystem::path d = base / ("orvane-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(d);
        return d;
    }();
    return dir;
}

inline void writeBytes(const std::filesystem::path& path, std::string_view bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) propertyFailed("cannot write the harness's own file " + path.string());
}

inline std::string_view text(const uint8_t* data, size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

}  // namespace orvane::fuzz
