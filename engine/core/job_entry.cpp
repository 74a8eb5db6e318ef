// IORVANE_JOB: a job in an explicit folder, its outcome handed to the caller.
// Jobs share no state, so threads may call it at the same time, each with its
// own folder.

#include "core/job_entry.h"

#include <cstdint>
#include <filesystem>

#include "core/engine_api.hpp"

#define ORVANE_EXPORT __attribute__((visibility("default")))

extern "C" ORVANE_EXPORT int32_t IORVANE_JOB(int32_t interfaceNumber, const char* workDir, const OrvaneJobSink* sink)
{
    using orvane::engine::ResultWord;
    using orvane::engine::toWord;
    if (interfaceNumber != 8) return toWord(ResultWord::Refused);
    if (!workDir || !*workDir) return toWord(ResultWord::FilesNotOpened);
    try {
        const orvane::engine::JobOutcome outcome = orvane::engine::runJob(std::filesystem::path(workDir));
        const int32_t word = orvane::engine::resultWord(outcome);
        if (sink && sink->set)
            for (const orvane::engine::SetSummary& s : outcome.sets) {
                const OrvaneSetEnd end{s.iteration, s.offCurve ? 1 : 0, s.exceeded, s.notClosed};
                sink->set(sink->context, &end);
            }
        if (sink && sink->message && word != toWord(ResultWord::Completed) && !outcome.message.empty())
            sink->message(sink->context, outcome.message.c_str());
        return word;
    } catch (...) {
        // Nothing may leave the library: a failure is a result word, not a crash.
        return toWord(ResultWord::FilesNotOpened);
    }
}
