// The engine job on a fuzzed data file: a private folder on a memory file
// system with the control file, the job run with a fixed clock. Any crash,
// hang or leak is a fault; a job that completed or stopped on an input error
// must have closed its report with "END OF ANALYSIS".

#include <ctime>
#include <string>

#include "core/engine_api.hpp"
#include "fuzz_support.hpp"
#include "io/records.hpp"

using namespace orvane;

namespace {

std::tm fixedClock()
{
    std::tm t{};
    t.tm_year = 2026 - 1900;
    t.tm_mon = 11;
    t.tm_mday = 10;
    t.tm_hour = 6;
    t.tm_min = 30;
    return t;
}

const std::filesystem::path& jobFolder()
{
    static const std::filesystem::path dir = [] {
        const std::filesystem::path d = fuzz::privateFolder() / "job";
        std::filesystem::create_directories(d);
        fuzz::writeBytes(d / "names.dat", "2015.5.8\r\n\r\n, \r\n0\r\n" + (d / "wall.ov5d").string() + "\r\n" +
                                              (d / "wall.ov5o").string() + "\r\n" + (d / "wall.ov5p").string() +
                                              "\r\n" + (d / "wall.ov5r").string() + "\r\n");
        return d;
    }();
    return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::filesystem::path& dir = jobFolder();
    fuzz::writeBytes(dir / "wall.ov5d", fuzz::text(data, size));
    const engine::JobOutcome outcome = engine::runJob(dir, fixedClock);
    if (outcome.end == engine::JobEnd::Completed || outcome.end == engine::JobEnd::InputError) {
        std::string report;
        fuzz::require(io::readWholeFile(dir / "wall.ov5o", report), "the report of a finished job cannot be read");
        fuzz::require(report.find("END OF ANALYSIS") != std::string::npos,
                      "a job that ended in order left no END OF ANALYSIS: " + outcome.message);
    }
    if (outcome.end != engine::JobEnd::Completed)
        fuzz::require(!outcome.message.empty(), "a job that did not complete gave no message");
    return 0;
}
