#include "model/TControlFile.hpp"
#include "model/TProject.hpp"
#include "model/TRunSummary.hpp"

#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <array>

namespace orvane {
namespace {

// One set's blocks of a plot-data file: one pressure point, no p-y curves,
// and the results rows "depth deflection moment shear reaction"; the last
// row is the fictitious station below the tip.
std::string plotSet(int units, const std::vector<std::array<double, 5>>& rows)
{
    std::string text = "1\r\n 0.0E+00 1.0E+00 1.0E+00 0.0E+00\r\n" + std::to_string(units) + " 0\r\n";
    text += "1 " + std::to_string(rows.size()) + " " + std::to_string(units) + "\r\n";
    for (const auto& r : rows) {
        for (double v : r) text += " " + std::to_string(v);
        text += "\r\n";
    }
    return text;
}

const std::vector<std::array<double, 5>> kRows = {
    {0, -0.5, 0, 10, 0},       // largest deflection by size, negative, at the top
    {120, 0.25, -9000, -40, 1},  // largest moment, negative, at 10 ft
    {240, 0.1, 5000, 60, 2},     // largest shear at 20 ft
    {252, 9.0, 99999, 999, 3},   // fictitious station: not part of the wall
};

const char* const kEnd = "\r\n     END OF ANALYSIS                         \r\n";

struct Files {
    TestFolder folder;
    TProject project;
    explicit Files(const std::string& report, const std::string& plot)
    {
        project.data().FileName = (folder.path() / "wall.ov5d").string();
        writeFileText(TControlFile::report(project.data().FileName), report);
        writeFileText(TControlFile::plotData(project.data().FileName), plot);
    }
};

TRunOutcome ran(int32_t word)
{
    TRunOutcome o;
    o.result = TRunResult::Completed;
    o.engineResult = word;
    return o;
}

TEST(TRunSummary, AConvergedSetWithItsLargestResultsInDisplayUnits)
{
    Files f("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plotSet(1, kRows));
    const TRunSummary s = TRunSummary::of(f.project, ran(0));
    EXPECT_EQ(s.end, TRunSummary::End::Converged);
    ASSERT_EQ(s.sets.size(), 1u);
    const TSetSummary& set = s.sets[0];
    EXPECT_EQ(set.name, "Analysis");
    EXPECT_EQ(set.iteration, 3);
    EXPECT_EQ(set.ending(), "converged");
    ASSERT_TRUE(set.extremesRead);
    EXPECT_DOUBLE_EQ(set.deflection.value, -0.5);
    EXPECT_DOUBLE_EQ(set.deflection.depth, 0);
    EXPECT_DOUBLE_EQ(set.moment.value, -9000);
    EXPECT_DOUBLE_EQ(set.moment.depth, 10);  // 120 in
    EXPECT_DOUBLE_EQ(set.shear.value, 60);
    EXPECT_DOUBLE_EQ(set.shear.depth, 20);
    EXPECT_EQ(s.deflectionUnit(), "in");
    EXPECT_EQ(s.depthUnit(), "ft");
    EXPECT_EQ(s.lines(), (std::vector<std::string>{
                             "Every analysed set converged.",
                             "Analysis: converged after 3 iterations",
                             "  largest deflection -0.5 in at depth 0 ft",
                             "  largest moment -9000 " + s.momentUnit() + " at depth 10 ft",
                             "  largest shear 60 " + s.shearUnit() + " at depth 20 ft",
                         }));
    EXPECT_EQ(s.report, TControlFile::report(f.project.data().FileName));
}

// The runner prints the same summary as the plot-data file holds it: the
// same sets, endings and extremes, depths in inches, the sets unnamed.
TEST(TRunSummary, FromTheFilesTheResultsAreAsThePlotDataHoldsThem)
{
    Files f("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plotSet(1, kRows));
    const TRunSummary raw = TRunSummary::ofFiles(f.project.data().FileName, ran(0));
    const TRunSummary shown = TRunSummary::of(f.project, ran(0));
    EXPECT_EQ(raw.end, shown.end);
    EXPECT_EQ(raw.report, shown.report);
    ASSERT_EQ(raw.sets.size(), 1u);
    const TSetSummary& set = raw.sets[0];
    EXPECT_EQ(set.name, "");
    EXPECT_EQ(set.units, 1);
    EXPECT_EQ(set.iteration, 3);
    EXPECT_DOUBLE_EQ(set.deflection.value, -0.5);
    EXPECT_DOUBLE_EQ(set.moment.value, -9000);
    EXPECT_DOUBLE_EQ(set.moment.depth, 120);
    EXPECT_DOUBLE_EQ(set.shear.depth, 240);
    EXPECT_DOUBLE_EQ(shown.sets[0].shear.depth, 20);  // 240 in = 20 ft
    // SI: metres in the file and on screen.
    Files si("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plotSet(2, kRows));
    si.project.data().Units = 2;
    EXPECT_EQ(TRunSummary::ofFiles(si.project.data().FileName, ran(0)).sets[0].units, 2);
    EXPECT_DOUBLE_EQ(TRunSummary::of(si.project, ran(0)).sets[0].shear.depth, 240);
}

TEST(TRunSummary, WarningsThatEndASetAreNamedInPlainWordsAndInTheReportsOwn)
{
    const std::string report = "     RESULTS -- ITERATION 100\r\n      SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE\r\n"
                               "     RESULTS -- ITERATION  7\r\n      MAX ALLOWABLE DEFLECTION EXCEEDED\r\n"
                               "      DEFLECTION OFF Q - W CURVES\r\n" +
                               std::string(kEnd);
    Files f(report, plotSet(2, kRows) + plotSet(2, kRows));
    f.project.data().UseLongTerm = true;
    f.project.data().Units = 2;
    const TRunSummary s = TRunSummary::of(f.project, ran(0));
    EXPECT_EQ(s.end, TRunSummary::End::NotConverged);
    ASSERT_EQ(s.sets.size(), 2u);
    EXPECT_EQ(s.sets[0].name, "Short-term");
    EXPECT_EQ(s.sets[0].ending(), "not converged: iteration not closed");
    EXPECT_EQ(s.sets[0].warnings(), std::vector<std::string>{"SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE"});
    EXPECT_EQ(s.sets[1].name, "Long-term");
    EXPECT_EQ(s.sets[1].iteration, 7);
    EXPECT_EQ(s.sets[1].ending(), "not converged: allowable deflection exceeded; deflection off the p-y curves");
    EXPECT_EQ(s.sets[1].warnings(),
              (std::vector<std::string>{"DEFLECTION OFF Q - W CURVES", "MAX ALLOWABLE DEFLECTION EXCEEDED"}));
    // SI depths are metres in the file and on screen.
    EXPECT_DOUBLE_EQ(s.sets[1].moment.depth, 120);
    EXPECT_EQ(s.depthUnit(), "m");
}

TEST(TRunSummary, TheEnginesAccountOfTheSetsComesBeforeTheReports)
{
    Files f("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plotSet(1, kRows) + plotSet(1, kRows));
    f.project.data().StageCount = 2;
    TRunOutcome o = ran(0);
    o.hasSets = true;
    o.sets = {{4, false, 0, 0}, {9, true, 0, 1}};
    const TRunSummary s = TRunSummary::of(f.project, o);
    ASSERT_EQ(s.sets.size(), 2u);
    EXPECT_EQ(s.sets[0].name, "Stage 1");
    EXPECT_EQ(s.sets[0].iteration, 4);
    EXPECT_EQ(s.sets[1].name, "Stage 2");
    EXPECT_EQ(s.sets[1].ending(), "not converged: iteration not closed; deflection off the p-y curves");
    EXPECT_TRUE(s.sets[1].extremesRead);
    EXPECT_EQ(s.end, TRunSummary::End::NotConverged);
}

// Converged on p-y curves extended beyond their last point: a warning of its
// own, not a clean success; a set that did not converge outweighs it.
TEST(TRunSummary, AConvergedRunWithDeflectionsOffThePYCurvesIsExtrapolated)
{
    struct Case {
        std::vector<TSetEnd> sets;
        TRunSummary::End end;
        const char* text;
    };
    const Case cases[] = {
        {{{7, true, 0, 0}}, TRunSummary::End::Extrapolated,
         "converged, but deflections lie beyond the p-y curves: the results are extrapolated"},
        {{{4, false, 0, 0}, {7, true, 0, 0}}, TRunSummary::End::Extrapolated,
         "converged, but deflections lie beyond the p-y curves: the results are extrapolated"},
        {{{4, false, 0, 0}}, TRunSummary::End::Converged, "Every analysed set converged."},
        {{{7, true, 1, 0}}, TRunSummary::End::NotConverged, "The analysis ran to its end, but not every set converged."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::string plot;
        for (size_t k = 0; k < c.sets.size(); ++k) plot += plotSet(1, kRows);
        Files f("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plot);
        f.project.data().StageCount = static_cast<int>(c.sets.size());
        TRunOutcome o = ran(0);
        o.hasSets = true;
        o.sets = c.sets;
        const TRunSummary s = TRunSummary::of(f.project, o);
        EXPECT_EQ(s.end, c.end);
        EXPECT_EQ(s.endText(), c.text);
        EXPECT_EQ(s.clean(), c.end == TRunSummary::End::Converged);
        EXPECT_EQ(s.lines().front(), c.text);
    }
}

TEST(TRunSummary, AnInputErrorOrASoilStopIsToldInTheReportsWords)
{
    {
        Files f("   ERROR - THE NUMBER OF INCREMENTS IS 0   \r\n" + std::string(kEnd), "1 0 1\r\n");
        const TRunSummary s = TRunSummary::of(f.project, ran(2));
        EXPECT_EQ(s.end, TRunSummary::End::InputError);
        EXPECT_EQ(s.errors, std::vector<std::string>{"ERROR - THE NUMBER OF INCREMENTS IS 0"});
        EXPECT_TRUE(s.sets.empty());
    }
    {
        // A stop of the soil package leaves the report without its last line.
        Files f("  STOP 1 THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE\r\n", "");
        const TRunSummary s = TRunSummary::of(f.project, ran(3));
        EXPECT_EQ(s.end, TRunSummary::End::SoilStop);
        EXPECT_EQ(s.errors,
                  std::vector<std::string>{"STOP 1 THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE"});
        EXPECT_EQ(s.endText(), "The analysis was stopped by the soil package.");
    }
    {
        // Without such a line the engine's own words stand in.
        Files f(kEnd, "");
        TRunOutcome o = ran(3);
        o.engineMessage = "THE DEPTH LIES BEYOND THE UNIT WEIGHT TABLE";
        EXPECT_EQ(TRunSummary::of(f.project, o).errors, std::vector<std::string>{o.engineMessage});
    }
}

TEST(TRunSummary, FilesThatAreNotThisRunsAreNotShown)
{
    // A report that does not end as the engine ends it was not written whole by this run.
    Files f("     RESULTS -- ITERATION  3\r\n", plotSet(1, kRows));
    TRunSummary s = TRunSummary::of(f.project, ran(0));
    EXPECT_EQ(s.end, TRunSummary::End::Failed);
    EXPECT_TRUE(s.sets.empty());
    EXPECT_TRUE(s.report.empty());
    ASSERT_EQ(s.errors.size(), 1u);
    EXPECT_NE(s.errors[0].find("does not end as the engine ends it"), std::string::npos);

    TRunOutcome failed;
    failed.result = TRunResult::LibraryFailed;
    failed.message = "Attempt to initialize DLL failed";
    s = TRunSummary::of(f.project, failed);
    EXPECT_EQ(s.end, TRunSummary::End::Failed);
    EXPECT_EQ(s.errors, std::vector<std::string>{"Attempt to initialize DLL failed"});
}

TEST(TRunSummary, ACutPlotDataFileLeavesTheSetWithoutExtremes)
{
    std::string plot = plotSet(1, kRows);
    plot.resize(plot.size() - 20);
    Files f("     RESULTS -- ITERATION  3\r\n" + std::string(kEnd), plot);
    const TRunSummary s = TRunSummary::of(f.project, ran(0));
    ASSERT_EQ(s.sets.size(), 1u);
    EXPECT_FALSE(s.sets[0].extremesRead);
    EXPECT_EQ(s.lines()[2], "  no results along the wall in the plot-data file");
}

}  // namespace
}  // namespace orvane
