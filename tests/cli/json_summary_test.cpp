// orvane-run --json: one JSON document with what the plain summary says, for
// every example, and the same exit status.

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_support.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using namespace orvane::test;
using nlohmann::json;

namespace {

// One set as the plain summary prints it.
struct PlainSet {
    int iteration = 0;
    bool converged = false;
    std::string status;
    struct Line {
        std::string value, unit, depth, depthUnit;
    } deflection, moment, shear;
};

// The sets of each file's summary, by file.
std::vector<std::vector<PlainSet>> plainSets(const std::string& output)
{
    std::vector<std::vector<PlainSet>> files;
    std::istringstream in(output);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != ' ') files.emplace_back();
        int number = 0, iteration = 0;
        char status[200] = {};
        if (std::sscanf(line.c_str(), "  set %d: iteration %d, %199[^\n]", &number, &iteration, status) == 3) {
            PlainSet s;
            s.iteration = iteration;
            s.status = status;
            s.converged = s.status.rfind("converged", 0) == 0;
            files.back().push_back(s);
            continue;
        }
        for (auto [label, field] : {std::pair{"    max deflection ", &PlainSet::deflection},
                                    std::pair{"    max moment     ", &PlainSet::moment},
                                    std::pair{"    max shear      ", &PlainSet::shear}})
            if (line.rfind(label, 0) == 0) {
                std::istringstream words(line.substr(std::string(label).size()));
                PlainSet::Line& l = files.back().back().*field;
                std::string at, depth;
                words >> l.value >> l.unit >> at >> depth >> l.depth >> l.depthUnit;
            }
    }
    return files;
}

std::string e4(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.4E", v);
    return buf;
}

std::string f3(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.3f", v);
    return buf;
}

void expectSame(const json& j, const PlainSet::Line& plain, const std::string& what)
{
    ASSERT_TRUE(j.is_object()) << what;
    EXPECT_EQ(e4(j.at("value").get<double>()), plain.value) << what;
    EXPECT_EQ(f3(j.at("depth").get<double>()), plain.depth) << what;
    EXPECT_EQ(j.at("unit").get<std::string>(), plain.unit) << what;
    EXPECT_EQ(j.at("depth_unit").get<std::string>(), plain.depthUnit) << what;
}

}  // namespace

TEST(JsonSummary, SaysWhatThePlainSummarySaysForEveryExample)
{
    JobFolder work;
    std::vector<fs::path> examples = copyExamples(work.dir());
    ASSERT_GE(examples.size(), 13u);
    std::vector<fs::path> withFailure = examples;
    withFailure.push_back(work.dir() / "missing.ov5d");
    struct Case {
        std::vector<fs::path> files;
        std::string options;
        int status;
    };
    for (const Case& c : {Case{examples, "", 0}, Case{examples, "-j 2 ", 0}, Case{withFailure, "", 1}}) {
        const std::string runner = "'" + runnerProgram().string() + "' " + c.options;
        const CommandRun plain = runCommand(runner + joined(c.files), false);
        const CommandRun js = runCommand(runner + "--json" + joined(c.files), false);
        ASSERT_EQ(plain.status, c.status) << plain.output;
        EXPECT_EQ(js.status, c.status);
        json doc;
        ASSERT_NO_THROW(doc = json::parse(js.output)) << js.output;  // one document and nothing after it
        const json& files = doc.at("files");
        ASSERT_EQ(files.size(), c.files.size());
        const auto sets = plainSets(plain.output);
        ASSERT_EQ(sets.size(), c.files.size()) << plain.output;
        int compared = 0;
        for (size_t f = 0; f < c.files.size(); ++f) {
            const json& file = files[f];
            const std::string name = c.files[f].string();
            EXPECT_EQ(file.at("path"), name);
            if (!fs::exists(c.files[f])) {
                EXPECT_EQ(file.at("outcome"), "unreadable");
                EXPECT_EQ(file.at("message"), "cannot read the data file: No such file or directory");
                EXPECT_TRUE(file.at("report").is_null());
                EXPECT_TRUE(file.at("sets").empty());
                continue;
            }
            EXPECT_EQ(file.at("outcome"), "completed") << name;
            EXPECT_EQ(file.at("message"), "job completed") << name;
            EXPECT_EQ(file.at("report"), fs::path(c.files[f]).replace_extension(".ov5o").string());
            EXPECT_EQ(file.at("plot_data"), fs::path(c.files[f]).replace_extension(".ov5p").string());
            EXPECT_EQ(file.at("run_notes"), fs::path(c.files[f]).replace_extension(".ov5r").string());
            ASSERT_EQ(file.at("sets").size(), sets[f].size()) << name;
            ASSERT_FALSE(sets[f].empty()) << name;
            for (size_t k = 0; k < sets[f].size(); ++k) {
                const json& s = file.at("sets")[k];
                const PlainSet& p = sets[f][k];
                const std::string what = name + " set " + std::to_string(k + 1);
                EXPECT_EQ(s.at("set"), k + 1) << what;
                // Labelled as the desktop's summary names the sets.
                const std::string stem = c.files[f].stem().string();
                const std::string label = stem == "short-long-term" ? (k == 0 ? "Short-term" : "Long-term")
                                          : stem == "three-stage"   ? "Stage " + std::to_string(k + 1)
                                          : sets[f].size() == 1     ? std::string("Analysis")
                                                                    : "Set " + std::to_string(k + 1);
                EXPECT_EQ(s.at("label"), label) << what;
                EXPECT_EQ(s.at("iterations"), p.iteration) << what;
                EXPECT_EQ(s.at("converged"), p.converged) << what;
                EXPECT_EQ(s.at("warnings").size(), p.status.find(", deflection off p-y curves") != std::string::npos)
                    << what;
                expectSame(s.at("deflection"), p.deflection, what + " deflection");
                expectSame(s.at("moment"), p.moment, what + " moment");
                expectSame(s.at("shear"), p.shear, what + " shear");
                ++compared;
            }
        }
        EXPECT_GT(compared, static_cast<int>(examples.size()));
    }
}

// A set that does not converge: its warning, and the exit status 3.
TEST(JsonSummary, ANotConvergedSetCarriesItsWarning)
{
    JobFolder work;
    std::ifstream in(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", std::ios::binary);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const size_t at = text.find("\r\n40 12\t10\t");
    ASSERT_NE(at, std::string::npos);
    text.replace(at, 11, "\r\n40 12\t0.001\t");
    std::ofstream(work.data(), std::ios::binary) << text;
    const CommandRun r = runCommand("'" + runnerProgram().string() + "' --json '" + work.data().string() + "'", false);
    EXPECT_EQ(r.status, 3);
    const json doc = json::parse(r.output);
    const json& set = doc.at("files").at(0).at("sets").at(0);
    EXPECT_EQ(set.at("converged"), false);
    const std::string report = readFile(fs::path(work.data()).replace_extension(".ov5o"));
    bool exceeded = false;
    for (const json& w : set.at("warnings")) {
        exceeded = exceeded || w == "MAX ALLOWABLE DEFLECTION EXCEEDED";
        EXPECT_NE(report.find(w.get<std::string>()), std::string::npos) << w;  // in the report's words
    }
    EXPECT_TRUE(exceeded) << set.at("warnings");
    EXPECT_TRUE(set.at("deflection").at("value").is_number());
}

// A soft wall on user p-y curves that reach 4 in deflects 192.3 in at the
// top: every set converged, on curves extended beyond their last point. The
// text and the JSON warn of it in the desktop program's words, a clean run
// says it converged; the exit status is 0 for both.
TEST(JsonSummary, DeflectionsBeyondThePYCurvesAreWarnedOf)
{
    JobFolder work;
    std::ifstream in(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", std::ios::binary);
    const std::string clean((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::string soft = clean;
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\r\n40 12\t10\t", "\r\n40 12\t1000\t"},
                                   {"\r\n0\t40\t1\t4.5E+09\r\n", "\r\n0\t40\t1\t4.5E+07\r\n"}}) {
        const size_t at = soft.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        soft.replace(at, from.size(), to);
    }
    const fs::path cleanFile = work.dir() / "clean.ov5d";
    std::ofstream(work.data(), std::ios::binary) << soft;
    std::ofstream(cleanFile, std::ios::binary) << clean;
    const std::string headline = "converged, but deflections lie beyond the p-y curves: the results are extrapolated";
    const std::string files = " '" + work.data().string() + "' '" + cleanFile.string() + "'";

    const CommandRun plain = runCommand("'" + runnerProgram().string() + "'" + files, false);
    EXPECT_EQ(plain.status, 0) << plain.output;
    EXPECT_NE(plain.output.find(", deflection off p-y curves\n"), std::string::npos) << plain.output;
    EXPECT_NE(plain.output.find("  job completed\n  " + headline + "\n  report: " +
                                fs::path(work.data()).replace_extension(".ov5o").string() + "\n" + cleanFile.string()),
              std::string::npos)
        << plain.output;
    EXPECT_EQ(plain.output.find(headline), plain.output.rfind(headline)) << "the clean file is not warned of";

    const CommandRun js = runCommand("'" + runnerProgram().string() + "' --json" + files, false);
    EXPECT_EQ(js.status, 0);
    const json doc = json::parse(js.output);
    const json& soft_ = doc.at("files").at(0);
    EXPECT_EQ(soft_.at("outcome"), "completed");
    EXPECT_EQ(soft_.at("headline"), headline);
    EXPECT_EQ(soft_.at("extrapolated"), true);
    const json& set = soft_.at("sets").at(0);
    EXPECT_EQ(set.at("converged"), true);
    EXPECT_EQ(set.at("extrapolated"), true);
    EXPECT_EQ(set.at("warnings"), json::array({"DEFLECTION OFF Q - W CURVES"}));
    EXPECT_NEAR(set.at("deflection").at("value").get<double>(), 192.3, 0.05);
    const json& clean_ = doc.at("files").at(1);
    EXPECT_EQ(clean_.at("headline"), "Every analysed set converged.");
    EXPECT_EQ(clean_.at("extrapolated"), false);
    EXPECT_EQ(clean_.at("sets").at(0).at("extrapolated"), false);
}

// A job that ends on an input error: its outcome, the report's error line and
// the report it wrote; the exit status 1.
TEST(JsonSummary, AnInputErrorCarriesTheReportsErrorLine)
{
    JobFolder work;
    std::ofstream(work.data(), std::ios::binary) << crlf("Bad\n1 0 1 0 0 0 0 1 0 0\n408 12 10 1E-05 0 12\n");
    const CommandRun r = runCommand("'" + runnerProgram().string() + "' --json '" + work.data().string() + "'", false);
    EXPECT_EQ(r.status, 1);
    const json doc = json::parse(r.output);
    const json& file = doc.at("files").at(0);
    EXPECT_EQ(file.at("outcome"), "input-error");
    EXPECT_EQ(file.at("message"), "job ended on an input error");
    EXPECT_EQ(file.at("errors"), json::array({"TOO MUCH DATA FOR AVAILABLE STORAGE"}));
    EXPECT_EQ(file.at("report"), fs::path(work.data()).replace_extension(".ov5o").string());
    EXPECT_TRUE(file.at("sets").empty());
    EXPECT_TRUE(file.contains("read_in_part"));  // the program's reader finds the file short as well
}

// A stop of the soil package: its outcome and the report's STOP line, in the
// plain summary and in JSON, exit 1; the report (which has no last line) is
// still this run's.
TEST(JsonSummary, ASoilStopCarriesTheReportsStopLine)
{
    JobFolder work;
    std::ofstream(work.data(), std::ios::binary)
        << crlf("Stop\n1 0 1 0 2 0 0 1 0 0\n20 12 10 1E-05 200 12\n0 20 1 1E9\n0\n0\n"
                "200 12 12 0 0 1 1 0\n0 0 0 0 0 0\n0\n1\n4 120\n0.07 0 30 0 50 0\n0.07 0 30 0 50 0\n0\n");
    const std::string stop = "STOP 1 -- THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE";
    const CommandRun plain = runCommand("'" + runnerProgram().string() + "' '" + work.data().string() + "'", false);
    EXPECT_EQ(plain.status, 1);
    EXPECT_NE(plain.output.find("  job stopped by the soil package\n  " + stop + "\n"), std::string::npos) << plain.output;
    const CommandRun r = runCommand("'" + runnerProgram().string() + "' --json '" + work.data().string() + "'", false);
    EXPECT_EQ(r.status, 1);
    const json file = json::parse(r.output).at("files").at(0);
    EXPECT_EQ(file.at("outcome"), "soil-stop");
    EXPECT_EQ(file.at("message"), "job stopped by the soil package");
    EXPECT_EQ(file.at("errors"), json::array({stop}));
    EXPECT_EQ(file.at("report"), fs::path(work.data()).replace_extension(".ov5o").string());
    EXPECT_TRUE(file.at("sets").empty());
}
