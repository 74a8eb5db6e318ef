// Stand-ins for the engine library, built in several variants: the normal one
// reads the control file from the working folder and writes the report (the
// working folder, then the control file as read), the plot data and the run
// notes it names, plus a scratch file in the working folder.

#include <chrono>
#include <cstdint>
#include <fstream>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

#define ORVANE_EXPORT extern "C" __attribute__((visibility("default")))

#if defined(FAKE_ENGINE_UNBOUND)
extern "C" int orvane_symbol_nobody_defines();
#elif defined(FAKE_ENGINE_DEPENDENT)
extern "C" int fake_engine_dependency();
#endif

namespace {

[[maybe_unused]] int32_t analyse()
{
    std::ifstream control("names.dat", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(control, line);) lines.push_back(line.substr(0, line.find('\r')));
    if (lines.size() != 8) return 2;
    char folder[4096] = {};
    if (!::getcwd(folder, sizeof folder)) return 2;
    std::ofstream report(lines[5], std::ios::binary);
    report << folder << "\n";
    std::ifstream again("names.dat", std::ios::binary);
    report << again.rdbuf();
    std::ofstream(lines[6]) << "plot data\n";
    std::ofstream(lines[7]) << "run notes\n";
    std::ofstream("tavrel.001") << "scratch\n";
    return 0;
}

}  // namespace

#if defined(FAKE_ENGINE_NO_ENTRY)
ORVANE_EXPORT int32_t IORVANE_OTHER(int32_t) { return 0; }
#else
ORVANE_EXPORT int32_t _IORVANE(int32_t interfaceNumber)
{
#if defined(FAKE_ENGINE_REFUSES)
    (void)interfaceNumber;
    return 1;
#else
#if defined(FAKE_ENGINE_UNBOUND)
    if (orvane_symbol_nobody_defines()) return 2;
#elif defined(FAKE_ENGINE_DEPENDENT)
    if (fake_engine_dependency()) return 2;
#elif defined(FAKE_ENGINE_SLOW)
    std::this_thread::sleep_for(std::chrono::milliseconds(400));
#endif
    if (interfaceNumber != 8) return 1;
    return analyse();
#endif
}
#endif
