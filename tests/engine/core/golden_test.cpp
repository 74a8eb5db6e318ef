// Report, plot-data file and run notes against golden files built by hand from
// the layouts (each golden line ends in "|" so trailing blanks are visible;
// "{DIR}" stands for the run folder).

#include <gtest/gtest.h>

#include <string>

#include "job_fixture.hpp"

using namespace orvane::test;

namespace {

std::string goldenDir() { return std::string(ORVANE_SOURCE_DIR) + "/tests/engine/core/golden/"; }

std::vector<std::string> golden(const std::string& name, const std::string& dir)
{
    std::vector<std::string> out;
    for (std::string line : lines(readFile(goldenDir() + name))) {
        EXPECT_FALSE(line.empty() || line.back() != '|') << name << ": golden line without its end marker";
        if (!line.empty()) line.pop_back();
        const size_t at = line.find("{DIR}");
        if (at != std::string::npos) line.replace(at, 5, dir);
        out.push_back(line);
    }
    return out;
}

void expectSameLines(const std::vector<std::string>& expected, const std::string& actualText, const std::string& what)
{
    // Every record ends in CR LF.
    ASSERT_FALSE(actualText.empty()) << what;
    EXPECT_EQ(actualText.substr(actualText.size() - 2), "\r\n") << what;
    size_t lf = 0, crlf = 0;
    for (size_t i = 0; i < actualText.size(); ++i) {
        if (actualText[i] == '\n') {
            ++lf;
            if (i > 0 && actualText[i - 1] == '\r') ++crlf;
        }
    }
    EXPECT_EQ(lf, crlf) << what << ": a record without CR LF";

    const std::vector<std::string> actual = lines(actualText);
    const size_t n = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string e = i < expected.size() ? expected[i] : "<no line>";
        const std::string a = i < actual.size() ? actual[i] : "<no line>";
        EXPECT_EQ(a, e) << what << " line " << i + 1;
    }
}

void runGolden(const std::string& name, bool withNotes)
{
    JobFolder job;
    job.write(readFile(goldenDir() + name + ".ov5d"));
    job.run();
    const std::string dir = job.dir().string();
    expectSameLines(golden(name + ".ov5o.golden", dir), job.report(), name + " report");
    expectSameLines(golden(name + ".ov5p.golden", dir), job.plot(), name + " plot data");
    if (withNotes) expectSameLines(golden(name + ".ov5r.golden", dir), job.notes(), name + " run notes");
}

}  // namespace

// Header, every echo form (restraints, stiffness lines starting, ending and
// holding a stretch, loads, springs, a tieback, user pressure, user curves in
// the three set-line forms) and a storage error that ends the job.
TEST(Golden, EchoOfEveryInputKindAndAnErrorEnd) { runGolden("echo", false); }

// Results table with all three warnings, on a wall whose deflections are all
// imposed (W = s^2 / 8), so every printed value is exact and computed by hand.
TEST(Golden, ResultsWithWarnings) { runGolden("results", true); }
