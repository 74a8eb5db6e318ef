// The exported entry of the engine library. Interface number 8 runs a job in
// the current folder; any other number is refused with 1 and touches no file.

#include <cstdint>
#include <filesystem>

#include "core/engine_api.hpp"

#define ORVANE_EXPORT __attribute__((visibility("default")))

extern "C" ORVANE_EXPORT int32_t IORVANE(int32_t interfaceNumber)
{
    using orvane::engine::ResultWord;
    using orvane::engine::toWord;
    if (interfaceNumber != 8) return toWord(ResultWord::Refused);
    try {
        std::error_code ec;
        const auto here = std::filesystem::current_path(ec);
        if (ec) return toWord(ResultWord::FilesNotOpened);
        return orvane::engine::resultWord(orvane::engine::runJob(here));
    } catch (...) {
        // Nothing may leave the library: a failure is a result word, not a crash.
        return toWord(ResultWord::FilesNotOpened);
    }
}

// The same function under its second exported name.
extern "C" ORVANE_EXPORT int32_t IORVANE_second_name(int32_t interfaceNumber) __asm__("_IORVANE");
extern "C" int32_t IORVANE_second_name(int32_t interfaceNumber) { return IORVANE(interfaceNumber); }
