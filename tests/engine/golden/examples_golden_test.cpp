// Every example and every benchmark job, run with a fixed clock: its report,
// plot data, run notes, "tavrel.001" and "soildata" must equal the committed
// bytes under expected/<name>/ (the run folder written as "{DIR}"). A file the
// job does not write is recorded as absent and must stay absent.
//
// ORVANE_UPDATE_GOLDEN=1 writes the expected files from the running code
// instead of comparing; the diff then shows what changed.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench_jobs.hpp"
#include "job_fixture.hpp"

using namespace orvane::test;
namespace fs = std::filesystem;

namespace {

const fs::path kExpected = fs::path(ORVANE_SOURCE_DIR) / "tests/engine/golden/expected";
const char* const kFiles[] = {"wall.ov5o", "wall.ov5p", "wall.ov5r", "tavrel.001", "soildata"};
const char* const kAbsent = "<absent>\n";

struct GoldenCase {
    std::string name;
    std::string data;
};

std::vector<GoldenCase> cases()
{
    std::vector<GoldenCase> out;
    std::vector<fs::path> files;
    for (const auto& e : fs::directory_iterator(fs::path(ORVANE_SOURCE_DIR) / "examples"))
        if (e.path().extension() == ".ov5d") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    for (const auto& f : files) out.push_back({f.stem().string(), readFile(f)});
    out.push_back({"bench-nonlinear-400", orvane::bench::nonlinearJob()});
    out.push_back({"bench-linear-400", orvane::bench::linearJob()});
    out.push_back({"bench-generated-400", orvane::bench::generatedJob()});
    return out;
}

std::string replaceAll(std::string s, const std::string& from, const std::string& to)
{
    for (size_t at = s.find(from); at != std::string::npos; at = s.find(from, at + to.size())) s.replace(at, from.size(), to);
    return s;
}

std::string produced(const JobFolder& job, const char* file)
{
    const fs::path p = job.dir() / file;
    if (!fs::exists(p)) return kAbsent;
    return replaceAll(readFile(p), job.dir().string(), "{DIR}");
}

// The first differing line, for a readable failure.
std::string firstDifference(const std::string& expected, const std::string& actual)
{
    size_t at = 0;
    while (at < expected.size() && at < actual.size() && expected[at] == actual[at]) ++at;
    const size_t lineStart = expected.rfind('\n', at == 0 ? 0 : at - 1);
    const size_t from = lineStart == std::string::npos ? 0 : lineStart + 1;
    auto lineAt = [&](const std::string& s) { return s.substr(from, s.find('\n', from) - from); };
    return "byte " + std::to_string(at) + "\n expected: " + lineAt(expected) + "\n actual:   " + lineAt(actual);
}

bool updating()
{
    const char* u = std::getenv("ORVANE_UPDATE_GOLDEN");
    return u && std::string(u) == "1";
}

class ExamplesGolden : public ::testing::TestWithParam<GoldenCase> {};

void checkFiles(const JobFolder& job, const std::string& name)
{
    for (const char* file : kFiles) {
        const std::string actual = produced(job, file);
        const fs::path expectedPath = kExpected / name / file;
        if (updating()) {
            fs::create_directories(expectedPath.parent_path());
            std::ofstream(expectedPath, std::ios::binary) << actual;
            continue;
        }
        ASSERT_TRUE(fs::exists(expectedPath)) << expectedPath;
        const std::string expected = readFile(expectedPath);
        EXPECT_TRUE(expected == actual) << name << "/" << file << " differs at " << firstDifference(expected, actual);
    }
}

}  // namespace

TEST_P(ExamplesGolden, FiveFilesByteForByte)
{
    const GoldenCase& c = GetParam();
    JobFolder job;
    job.run(c.data);
    checkFiles(job, c.name);
}

// A second run in the same folder replaces every file it writes: the bytes are
// those of a first run, however long the old files were.
TEST_P(ExamplesGolden, RerunInTheSameFolderGivesTheSameBytes)
{
    const GoldenCase& c = GetParam();
    if (updating()) GTEST_SKIP();
    JobFolder job;
    job.run(c.data);
    // Longer leftovers that a truncating writer would have to cut.
    for (const char* file : kFiles) {
        if (!fs::exists(job.dir() / file)) continue;
        std::ofstream(job.dir() / file, std::ios::binary | std::ios::app) << std::string(70000, 'x');
    }
    job.run(c.data);
    checkFiles(job, c.name);
}

INSTANTIATE_TEST_SUITE_P(AllJobs, ExamplesGolden, ::testing::ValuesIn(cases()),
                         [](const auto& info) {
                             std::string n = info.param.name;
                             std::replace(n.begin(), n.end(), '-', '_');
                             return n;
                         });
