// orvane-run --graphs on every example after its analysis: the deflection
// curves of the JSON document against the results tables of the report.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "../support/command_run.hpp"
#include "job_fixture.hpp"

namespace fs = std::filesystem;
using nlohmann::json;
using namespace orvane::test;

namespace {

// Standard output only; the messages go to the terminal.
CommandRun stdoutOf(const std::string& command) { return runCommand(command, false); }

const fs::path kRunner = fs::path(ORVANE_BIN_DIR) / "orvane-run";

// One row of a results table: depth and deflection as printed, with the
// half unit of the last printed digit of each.
struct ReportRow {
    double depth, depthTolerance;
    double deflection, deflectionTolerance;
};

struct ReportTable {
    bool inches = false;  // the depth column is headed IN (else M)
    std::vector<ReportRow> rows;
};

// Half a unit of the last mantissa digit of a value printed as 0.ddd E+xx.
double halfLastDigit(const std::string& field)
{
    const size_t point = field.find('.');
    const size_t e = field.find_first_of("Ee");
    const int digits = static_cast<int>(e - point - 1);
    const int exponent = std::stoi(field.substr(e + 1));
    return 0.5 * std::pow(10.0, exponent - digits);
}

// Every results table of the report ("STA I" heading, units line, rule,
// then rows "I X DEFL. ..." until a line that is not a row).
std::vector<ReportTable> reportTables(const fs::path& report)
{
    std::vector<ReportTable> tables;
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        if (line.find("STA I") == std::string::npos || line.find("DEFL.") == std::string::npos) continue;
        ReportTable table;
        std::getline(in, line);
        std::istringstream units(line);
        std::string depthUnit;
        units >> depthUnit;
        table.inches = depthUnit == "IN";
        std::getline(in, line);  // the rule
        while (std::getline(in, line)) {
            std::istringstream row(line);
            int station;
            std::string x, deflection;
            if (!(row >> station >> x >> deflection)) break;
            table.rows.push_back({std::stod(x), halfLastDigit(x), std::stod(deflection), halfLastDigit(deflection)});
        }
        tables.push_back(table);
    }
    return tables;
}

const json& graph(const json& document, const std::string& id)
{
    for (const json& g : document.at("graphs"))
        if (g.at("id") == id) return g;
    throw std::runtime_error("no graph " + id);
}

class GraphsOfExamples : public ::testing::TestWithParam<std::string> {};

TEST_P(GraphsOfExamples, DeflectionCurvesAreTheReportsResults)
{
    JobFolder work;
    const fs::path data = work.dir() / GetParam();
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / GetParam(), data);
    const CommandRun analysis = stdoutOf(kRunner.string() + " " + data.string());
    ASSERT_EQ(analysis.status, 0) << analysis.output;
    const CommandRun graphs = stdoutOf(kRunner.string() + " --graphs " + data.string());
    ASSERT_EQ(graphs.status, 0) << graphs.output;
    const json document = json::parse(graphs.output);

    EXPECT_TRUE(document.at("results_available").get<bool>());
    const std::vector<std::string> ids{"pltPY", "pltDef", "pltMom", "pltShear", "pltSoil", "pltDMS", "pltLD", "PltCombine"};
    ASSERT_EQ(document.at("graphs").size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(document.at("graphs")[i].at("id"), ids[i]);

    const std::vector<ReportTable> tables = reportTables(fs::path(data).replace_extension(".ov5o"));
    ASSERT_FALSE(tables.empty());
    const json& lines = graph(document, "pltDef").at("lines");
    EXPECT_EQ(document.at("case_count").get<size_t>(), tables.size());
    ASSERT_EQ(lines.size(), tables.size());
    for (size_t k = 0; k < tables.size(); ++k) {
        const ReportTable& table = tables[k];
        const json& points = lines[k].at("points");
        // The curve has the table's stations, the top to the tip, and not
        // the plot data's one below the tip.
        ASSERT_EQ(points.size(), table.rows.size()) << "set " << k + 1;
        const double feet = table.inches ? 12 : 1;
        for (size_t j = 0; j < table.rows.size(); ++j) {
            const ReportRow& row = table.rows[j];
            const double x = points[j][0].get<double>(), y = points[j][1].get<double>();
            // The report prints one digit less than the plot data; both round.
            EXPECT_NEAR(y * feet, row.depth, 1.1 * row.depthTolerance + 1e-9) << "set " << k + 1 << " station " << j;
            EXPECT_NEAR(x, row.deflection, 1.1 * row.deflectionTolerance + 1e-12)
                << "set " << k + 1 << " station " << j;
        }
    }
}

std::vector<std::string> examples()
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(ORVANE_SOURCE_DIR) / "examples"))
        if (entry.path().extension() == ".ov5d") names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

INSTANTIATE_TEST_SUITE_P(Examples, GraphsOfExamples, ::testing::ValuesIn(examples()),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                             std::string name = fs::path(info.param).stem().string();
                             for (char& c : name)
                                 if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
                             return name;
                         });

TEST(Graphs, WithoutPlotDataTheDocumentSaysSoAndTheStatusIsOne)
{
    JobFolder work;
    const fs::path data = work.dir() / "cantilever-user-py.ov5d";
    fs::copy_file(fs::path(ORVANE_SOURCE_DIR) / "examples" / "cantilever-user-py.ov5d", data);
    CommandRun r = stdoutOf(kRunner.string() + " --graphs " + data.string() + " 2>/dev/null");
    EXPECT_EQ(r.status, 1);
    json document = json::parse(r.output);
    EXPECT_FALSE(document.at("results_available").get<bool>());
    EXPECT_EQ(document.at("graphs").size(), 8u);
    EXPECT_EQ(document.at("case_count").get<int>(), 0);  // nothing read

    // A plot-data file that ends early.
    std::ofstream(fs::path(data).replace_extension(".ov5p")) << "2\n0 1 1 0\n";
    r = stdoutOf(kRunner.string() + " --graphs " + data.string() + " 2>/dev/null");
    EXPECT_EQ(r.status, 1);
    document = json::parse(r.output);
    EXPECT_FALSE(document.at("results_available").get<bool>());
    EXPECT_EQ(graph(document, "pltLD").at("lines")[0].at("points")[0][0].get<double>(), 1);
    // One that stops inside the p-y block: the one case the reader counts
    // from the start.
    std::ofstream(fs::path(data).replace_extension(".ov5p")) << "1\n0 1 1 0\n1 2\n24 2\n0 0\n";
    r = stdoutOf(kRunner.string() + " --graphs " + data.string() + " 2>/dev/null");
    EXPECT_EQ(r.status, 1);
    document = json::parse(r.output);
    EXPECT_EQ(document.at("case_count").get<int>(), 1);

    r = stdoutOf(kRunner.string() + " --graphs " + (work.dir() / "missing.ov5d").string() + " 2>/dev/null");
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.output.empty());
    r = stdoutOf(kRunner.string() + " --graphs 2>/dev/null");
    EXPECT_EQ(r.status, 2);
}

}  // namespace
