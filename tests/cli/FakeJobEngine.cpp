// Stand-ins for the engine library that end every job with a chosen result
// word and touch no file: with the job entry (and a message naming the report
// from the control file) or with the working-folder entry only, as an older
// library has. Each load is logged to $FAKE_ENGINE_LOAD_LOG when it is set.

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>

#include "core/job_entry.h"

#define ORVANE_EXPORT extern "C" __attribute__((visibility("default")))

__attribute__((constructor)) static void logLoad()
{
    if (const char* log = std::getenv("FAKE_ENGINE_LOAD_LOG")) std::ofstream(log, std::ios::app) << "loaded\n";
}

ORVANE_EXPORT int32_t _IORVANE(int32_t interfaceNumber)
{
    return interfaceNumber == 8 ? FAKE_WORD : 1;
}

#if defined(FAKE_JOB_ENTRY)
ORVANE_EXPORT int32_t IORVANE_JOB(int32_t interfaceNumber, const char* workDir, const OrvaneJobSink* sink)
{
    if (interfaceNumber != 8) return 1;
    std::ifstream control(std::string(workDir) + "/names.dat", std::ios::binary);
    std::string line;
    for (int k = 0; k < 6 && std::getline(control, line); ++k) {
    }
    line = line.substr(0, line.find('\r'));
    const std::string message = "The output report " + line + " cannot be written: Permission denied";
    if (sink && sink->message) sink->message(sink->context, message.c_str());
    return FAKE_WORD;
}
#endif
