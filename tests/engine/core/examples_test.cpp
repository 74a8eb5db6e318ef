// Every example project: the job completes, every set converges, and the
// results are in static equilibrium. Every line-prefix of every example is
// fed to the engine as well: whatever is cut off, the job ends in order.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <filesystem>
#include <string>
#include <vector>

#include "job_fixture.hpp"

using namespace orvane::test;
using orvane::engine::JobEnd;

namespace {

std::vector<std::filesystem::path> examples()
{
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(std::string(ORVANE_SOURCE_DIR) + "/examples"))
        if (e.path().extension() == ".ov5d") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

double maxAbs(const ResultsBlock& b, size_t column)
{
    double m = 0;
    for (const auto& r : b.rows) m = std::max(m, std::fabs(r[column]));
    return m;
}

}  // namespace

TEST(Examples, ConvergeAndAreInEquilibrium)
{
    const auto files = examples();
    ASSERT_GE(files.size(), 4u);
    for (const auto& file : files) {
        SCOPED_TRACE(file.filename().string());
        JobFolder job;
        const auto outcome = job.run(readFile(file));
        ASSERT_EQ(outcome.end, JobEnd::Completed) << outcome.message;
        const auto blocks = resultsBlocks(job.plot(), static_cast<int>(outcome.sets.size()));
        for (size_t k = 0; k < blocks.size(); ++k) {
            SCOPED_TRACE("set " + std::to_string(k + 1));
            EXPECT_TRUE(outcome.sets[k].converged());
            const ResultsBlock& b = blocks[k];
            const auto& rows = b.rows;
            const size_t tip = rows.size() - 2;  // the last row is the station below the tip
            // Free wall: the net forces per station and their moments about
            // the top add up to nothing (to the 4 digits of the file).
            double force = 0, moment = 0, scale = 0, momentScale = 0;
            for (size_t s = 0; s <= tip; ++s) {
                force += rows[s][4];
                moment += rows[s][4] * rows[s][0];
                scale += std::fabs(rows[s][4]);
                momentScale += std::fabs(rows[s][4] * rows[s][0]);
            }
            EXPECT_LT(std::fabs(force), 1e-3 * scale);
            EXPECT_LT(std::fabs(moment), 1e-3 * momentScale);
            // Free ends carry no moment. An end station stands for half an
            // increment: the shear just outside the wall, the end station's
            // shear less the net force of its outer half, is zero.
            EXPECT_LT(std::fabs(rows[0][2]), 1e-6 * maxAbs(b, 2));
            EXPECT_LT(std::fabs(rows[tip][2]), 1e-3 * maxAbs(b, 2));
            EXPECT_LT(std::fabs(rows[0][3] - rows[0][4] / 2), 1e-3 * maxAbs(b, 3));
            EXPECT_LT(std::fabs(rows[tip][3] + rows[tip][4] / 2), 1e-3 * maxAbs(b, 3));
        }
    }
}

TEST(Examples, NetReactionAboveTheExcavationIsTheAppliedPressure)
{
    // The cantilever example: pressure rises linearly from 0 at the top to 55
    // at 180 in; stations above the excavation have no soil and no springs, so
    // their net reaction is h times the pressure at their depth.
    JobFolder job;
    job.run(readFile(std::string(ORVANE_SOURCE_DIR) + "/examples/cantilever-user-py.ov5d"));
    const auto rows = resultsBlocks(job.plot(), 1)[0].rows;
    for (int s = 1; s < 15; ++s) {
        const double z = 12.0 * s;
        EXPECT_NEAR(rows[static_cast<size_t>(s)][4], 12 * 55 * z / 180, 5e-4 * 12 * 55) << "station " << s;
    }
}

TEST(Robustness, EveryLinePrefixOfEveryExampleEndsInOrder)
{
    for (const auto& file : examples()) {
        const auto all = lines(readFile(file));
        for (size_t n = 0; n < all.size(); ++n) {
            std::string text;
            for (size_t k = 0; k < n; ++k) text += all[k] + "\n";
            JobFolder job;
            const auto outcome = job.run(text);
            SCOPED_TRACE(file.filename().string() + " cut after " + std::to_string(n) + " lines");
            EXPECT_NE(outcome.end, JobEnd::Completed);
            EXPECT_EQ(lines(job.report()).back(), "     END OF ANALYSIS" + std::string(29, ' '));
        }
    }
}

TEST(Robustness, GarbageAndWildNumbersEndInOrder)
{
    const std::vector<std::string> inputs = {
        "",
        "\n\n\n",
        "T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 NaN\n0\n0\n0\n",
        "T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E400\n0\n0\n0\n",
        "T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 2147483647 1 1E9\n0\n0\n0\n",
        "T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n-2147483648 10 1 1E9\n0\n0\n0\n",
        "T\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n1\n1 0 0 1E300 0 0\n0\n0\n",
        "T\n1 0 1 0 1 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n3\n0 0\n0 5\n1E9 5\n0\n",
        "T\n1 0 1 0 0 1 1 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n5 99 1 1\n",
        "T\n1 0 1 0 0 1 1 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n-5 2 1 1\n0 0\n1 1\n0\n",
        "T\n1 0 1 0 0 0 0 1 1 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n0 50 2\n0 1\n1 1\n0\n",
        "T\n1 0 1 0 0 0 0 1 0 1\n10 12 10 1E-05 0 12\n0 10 1 1E9\n0\n0\n5 1 1 0 0 0 100\n0\n",
    };
    for (const std::string& text : inputs) {
        JobFolder job;
        const auto outcome = job.run(text);
        SCOPED_TRACE(text);
        EXPECT_EQ(lines(job.report()).back(), "     END OF ANALYSIS" + std::string(29, ' '));
        if (outcome.end == JobEnd::Completed) {
            for (const auto& b : resultsBlocks(job.plot(), 1)) {
                for (const auto& r : b.rows) {
                    for (double v : r) EXPECT_FALSE(std::isnan(v));
                }
            }
        }
    }
}

TEST(Robustness, PathsLongerThan255CharactersAreUsedWhole)
{
    JobFolder job;
    std::filesystem::path deep = job.dir();
    while (deep.string().size() < 300) deep /= std::string(40, 'd');
    std::filesystem::create_directories(deep);
    const auto data = deep / "wall.ov5d";
    std::ofstream(data, std::ios::binary)
        << crlf("Long path\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n1\n1 0 0 100 0 0\n1\n0 10 1 100 0\n0\n");
    std::ofstream(job.dir() / "names.dat", std::ios::binary)
        << crlf("2015.5.8\n\n, \n0\n" + data.string() + "\n" + (deep / "wall.ov5o").string() + "\n" +
                (deep / "wall.ov5p").string() + "\n" + (deep / "wall.ov5r").string() + "\n");
    EXPECT_EQ(job.run().end, JobEnd::Completed);
    EXPECT_TRUE(std::filesystem::exists(deep / "wall.ov5o"));
    EXPECT_TRUE(std::filesystem::exists(deep / "wall.ov5p"));
    EXPECT_TRUE(std::filesystem::exists(deep / "wall.ov5r"));
}
