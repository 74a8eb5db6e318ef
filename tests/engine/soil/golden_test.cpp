// The report sections of the earth-pressure package and the scratch file
// "tavrel.001" against golden files built by hand from their layouts (each
// golden line ends in "|" so trailing blanks are visible).
//
// The case: English units, a clay 0-9 in over sand 9-40 in, excavation at
// 12 in, backfill water at 6 in, backfill slope 5 degrees, a uniform pressure
// and a point, a line and a strip load. The clay layers above the excavation
// draw the slope warning, the top clay has a tension zone, the sand between
// the water table and the excavation carries water forces, and the wall
// (24 in) ends above the bottom of the profile.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "job_fixture.hpp"

using namespace orvane::test;

namespace {

std::string goldenDir() { return std::string(ORVANE_SOURCE_DIR) + "/tests/engine/soil/golden/"; }

std::vector<std::string> golden(const std::string& name)
{
    std::vector<std::string> out;
    for (std::string line : lines(readFile(goldenDir() + name))) {
        EXPECT_FALSE(line.empty() || line.back() != '|') << name << ": golden line without its end marker";
        if (!line.empty()) line.pop_back();
        out.push_back(line);
    }
    return out;
}

void expectSameLines(const std::vector<std::string>& expected, const std::vector<std::string>& actual,
                     const std::string& what)
{
    const size_t n = std::max(expected.size(), actual.size());
    for (size_t i = 0; i < n; ++i) {
        const std::string e = i < expected.size() ? expected[i] : "<no line>";
        const std::string a = i < actual.size() ? actual[i] : "<no line>";
        EXPECT_EQ(a, e) << what << " line " << i + 1;
    }
}

}  // namespace

TEST(SoilGolden, ReportSectionsAndPressureFile)
{
    JobFolder job;
    job.write(readFile(goldenDir() + "sections.ov5d"));
    ASSERT_EQ(job.run().end, orvane::engine::JobEnd::Completed);

    // The package's sections and the pressure table the core lists from its
    // file come between the stiffness data and the second case line.
    const std::vector<std::string> report = lines(job.report());
    const std::string title = "      *                WALL INFORMATION                *";
    const auto first = std::find(report.begin(), report.end(), title);
    ASSERT_NE(first, report.end());
    const std::string caseText = std::string(6, ' ') + "Golden earth pressure" + std::string(49, ' ');  // A70
    const auto caseLine = std::find(first, report.end(), caseText);
    ASSERT_NE(caseLine, report.end());
    expectSameLines(golden("sections.ov5o.golden"), {first - 3, caseLine - 1}, "report");

    const std::string file = readFile(job.dir() / "tavrel.001");
    EXPECT_EQ(file.find('\n'), file.find("\r\n") + 1) << "records end in CR LF";
    expectSameLines(golden("tavrel.001.golden"), lines(file), "tavrel.001");
}
