// The two examples with generated earth pressure: analysed by orvane-run as a
// user runs them, and the anchored wall loaded with the trapezoid worked out
// by hand.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "job_fixture.hpp"
#include "set_analysis.hpp"
#include "soil_fixtures.hpp"

namespace fs = std::filesystem;
using namespace orvane;
using namespace orvane::test;

namespace {

std::string example(const std::string& name) { return std::string(ORVANE_SOURCE_DIR) + "/examples/" + name; }

// Runs a command; its output and exit status.
std::pair<int, std::string> run(const std::string& command)
{
    std::string output;
    FILE* p = popen((command + " 2>&1").c_str(), "r");
    if (!p) return {-1, output};
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) output.append(buf.data(), n);
    const int s = pclose(p);
    return {WIFEXITED(s) ? WEXITSTATUS(s) : -1, output};
}

// Half a unit in the last digit of an E10.3 field holding v.
double e103Rounding(double v) { return 0.5 * std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 2) * (1 + 1e-9); }

}  // namespace

TEST(GeneratedPressureExamples, ConvergeThroughTheRunner)
{
    JobFolder work;
    for (const char* name : {"sand-cantilever-generated-pressure.ov5d", "anchored-trapezoid.ov5d"}) {
        SCOPED_TRACE(name);
        fs::copy_file(example(name), work.dir() / name);
        const auto [status, output] = run((fs::path(ORVANE_BIN_DIR) / "orvane-run").string() + " " +
                                          (work.dir() / name).string());
        EXPECT_EQ(status, 0) << output;
        EXPECT_NE(output.find("  set 1: iteration"), std::string::npos) << output;
        EXPECT_NE(output.find(", converged"), std::string::npos) << output;
        EXPECT_NE(output.find("  job completed"), std::string::npos) << output;
        EXPECT_EQ(output.find("  set 2:"), std::string::npos) << output;
    }
}

TEST(GeneratedPressureExamples, AnchoredWallCarriesTheTrapezoid)
{
    // Sand gamma = 0.069444444, phi = 32, H = 300, Wa = 12, h = 12; one tieback
    // at 8 ft = 96 in. F_a = gamma Ka H^2 / 2 (the points are one inch apart);
    // peak 1.3 F_a / (2H/3); rise to 2/3 * 96 = 64, flat over H/3 = 100, fall
    // over 2/3 (300 - 96) = 136 to 0 at H.
    std::string text = readFile(example("anchored-trapezoid.ov5d"));
    const SetAnalysis a = analyse(text.substr(text.find('\n') + 1));
    EXPECT_EQ(a.end.notClosed, 0);
    EXPECT_FALSE(a.end.offCurve);

    const double gamma = 0.069444444, Ka = soil::test::rankineActive(32), H = 300, h = 12, Wa = 12;
    const double peak = f32(1.3) * (0.5 * gamma * Ka * H * H) / (2 * H / 3);
    auto trapezoid = [&](double z) {
        if (z < 64) return peak * z / 64;
        if (z <= 164) return peak;
        return peak - (z - 164) * peak / 136;
    };
    // The tieback: Q = -F cos(alpha) Wa / s with s = 8 ft, alpha = 15 degrees.
    const double tieback = -60000 * std::cos(15 * f32(3.1416) / 180) * Wa / (8 * 12);
    for (int s = 1; s < 25; ++s) {
        const double soil = h * Wa * trapezoid(h * s);
        const double expected = soil + (s == 8 ? tieback : 0.0);
        EXPECT_NEAR(a.tables.Q(s), expected, h * Wa * e103Rounding(soil / (h * Wa))) << "station " << s;
    }
}
