// The job as a whole: control file, set markers, case lines, case-count flag,
// unit labels, orderly ends.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <fstream>
#include <string>

#include "job_fixture.hpp"
#include "../../support/fifo_unblocker.hpp"

using namespace orvane::test;
using orvane::engine::JobEnd;

namespace {

// A wall on uniform springs with a load at the top: converges at iteration 2.
std::string set(const std::string& title, int stages, const std::string& marker, int units = 1)
{
    return title + "\n" + std::to_string(units) + " 0 1 0 0 0 0 " + std::to_string(stages) +
           " 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n1\n1 0 0 100 0 0\n1\n0 10 1 100 0\n" + marker + "\n";
}

size_t count(const std::string& text, const std::string& what)
{
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

std::string caseLine(const std::string& head, const std::string& title)
{
    return "      " + head + title + std::string(70 - title.size(), ' ');
}

}  // namespace

TEST(Driver, OneSetEndsWithMarkerZero)
{
    JobFolder job;
    const auto outcome = job.run(set("Single", 1, "0"));
    EXPECT_EQ(outcome.end, JobEnd::Completed);
    ASSERT_EQ(outcome.sets.size(), 1u);
    EXPECT_EQ(outcome.sets[0].iteration, 2);
    const std::string report = job.report();
    EXPECT_EQ(count(report, "ORVANE for Windows, Version 2015.5.8"), 1u);
    EXPECT_EQ(count(report, "RESULTS -- ITERATION"), 1u);
    EXPECT_EQ(lines(report).back(), "     END OF ANALYSIS" + std::string(29, ' '));
    const auto blocks = resultsBlocks(job.plot(), 1);
    EXPECT_EQ(blocks[0].caseCount, 1);
    EXPECT_EQ(blocks[0].rows.size(), 12u);  // stations 0..NI+1
    EXPECT_EQ(numbers(job.plot()).size(), 1 + 2 + 3 + 12 * 5u);  // nothing after the only results block
}

TEST(Driver, ShortTermThenLongTerm)
{
    JobFolder job;
    const auto outcome = job.run(set("Short term", 1, "9") + set("Long term", 1, "0"));
    EXPECT_EQ(outcome.end, JobEnd::Completed);
    EXPECT_EQ(outcome.sets.size(), 2u);
    const auto l = lines(job.report());
    // The second set's case line names the first title.
    EXPECT_EQ(std::count(l.begin(), l.end(), caseLine("Long Term :  ", "Short term")), 2);
    EXPECT_EQ(std::count(l.begin(), l.end(), caseLine("", "Short term")), 2);
    EXPECT_EQ(job.report().find("Long term"), std::string::npos);
    // The second header follows two empty records after the first set.
    const std::string version = "                      ORVANE for Windows, Version 2015.5.8    ";
    const auto first = std::find(l.begin(), l.end(), version);
    const auto second = std::find(first + 1, l.end(), version);
    ASSERT_NE(second, l.end());
    EXPECT_EQ(*(second - 2), l.front());  // the rule opens the header
    EXPECT_EQ(*(second - 3), "");
    EXPECT_EQ(*(second - 4), "");
    EXPECT_EQ((second - 5)->substr(0, 6), "    10");  // the last row of the first set's results
    for (const auto& b : resultsBlocks(job.plot(), 2)) EXPECT_EQ(b.caseCount, 2);
}

TEST(Driver, ThreeStagesCarryTheStageNumbersAndTheFirstTitle)
{
    JobFolder job;
    const auto outcome = job.run(set("Stage one", 3, "1") + set(" Stage No : 2", 3, "2") + set(" Stage No : 3", 3, "3"));
    EXPECT_EQ(outcome.end, JobEnd::Completed);
    EXPECT_EQ(outcome.sets.size(), 3u);
    const auto l = lines(job.report());
    for (int k = 1; k <= 3; ++k) {
        const std::string line = "      Stage No : " + std::to_string(k) + "  Stage one" + std::string(61, ' ');
        EXPECT_EQ(std::count(l.begin(), l.end(), line), 2) << k;
    }
    const auto blocks = resultsBlocks(job.plot(), 3);
    for (const auto& b : blocks) EXPECT_EQ(b.caseCount, 3);
}

TEST(Driver, MarkerEqualToTheStageCountEndsTheJobEarly)
{
    JobFolder job;
    // The rest of the file is not a set at all: it must never be read.
    const auto outcome = job.run(set("Stage one", 2, "2") + "this is not a set\n");
    EXPECT_EQ(outcome.end, JobEnd::Completed);
    EXPECT_EQ(outcome.sets.size(), 1u);
    EXPECT_EQ(resultsBlocks(job.plot(), 1)[0].caseCount, 1);
}

TEST(Driver, UnitLabelsFollowTheUnitCode)
{
    struct Case {
        int units;
        const char* increment;
    };
    const Case cases[] = {
        {1, "      INCREMENT LENGTH                                   =    12.000 IN"},
        {2, "      INCREMENT LENGTH                                   =    12.000  M"},
        {3, "      INCREMENT LENGTH                                   =    12.000  L"},
    };
    for (const Case& c : cases) {
        JobFolder job;
        job.run(set("Units", 1, "0", c.units));
        const auto l = lines(job.report());
        EXPECT_NE(std::find(l.begin(), l.end(), c.increment), l.end()) << c.units;
    }
    // A later set with code 3 keeps the labels in force.
    JobFolder job;
    job.run(set("SI first", 1, "9", 2) + set("then generic", 1, "0", 3));
    EXPECT_EQ(count(job.report(), "=    12.000  M"), 2u);
}

TEST(Driver, ControlFileNameInAnyLetterCase)
{
    JobFolder job;
    job.write(set("Upper case control file", 1, "0"), "NAMES.DAT");
    EXPECT_EQ(job.run().end, JobEnd::Completed);
}

TEST(Driver, MissingOrShortControlFileAnalysesNothing)
{
    JobFolder job;
    auto outcome = job.run();
    EXPECT_EQ(outcome.end, JobEnd::ControlFileError);
    EXPECT_EQ(outcome.message, " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!");

    std::ofstream(job.dir() / "names.dat") << "2015.5.8\r\n\r\n, \r\n0\r\n/tmp/a.ov5d\r\n/tmp/a.ov5o\r\n/tmp/a.ov5p\r\n";
    outcome = job.run();
    EXPECT_EQ(outcome.end, JobEnd::ControlFileError);
    EXPECT_FALSE(std::filesystem::exists("/tmp/a.ov5o"));
}

// A control file is its eight lines and nothing else: a path split at a
// line break it held would name other files as the report, the plot data
// and the run notes, which the job would overwrite.
TEST(Driver, AControlFileWithASplitPathAnalysesNothing)
{
    JobFolder job;
    job.write(set("Split path", 1, "0"));
    const std::string data = readFile(job.data());
    const std::filesystem::path split = job.dir() / "evil";
    const std::filesystem::path planted = job.dir() / "vdir" / "wall.ov5d";
    std::filesystem::create_directories(planted.parent_path());
    std::ofstream(planted, std::ios::binary) << data;
    const std::string paths[] = {"/wall.ov5d", "/wall.ov5o", "/wall.ov5p", "/wall.ov5r"};
    std::string broken, withCr;
    for (const std::string& p : paths) broken += split.string() + "\n" + planted.parent_path().string() + p + "\n";
    for (const std::string& p : paths) withCr += split.string() + "\r" + planted.parent_path().string() + p + "\n";
    const std::string head = "2015.5.8\n\n, \n0\n";
    const std::string whole = job.data().string() + "\n" + (job.dir() / "wall.ov5o").string() + "\n" +
                              (job.dir() / "wall.ov5p").string() + "\n" + (job.dir() / "wall.ov5r").string() + "\n";
    const std::pair<const char*, std::string> cases[] = {
        {"a path split at LF", head + broken},
        {"a path split at CR", head + withCr},
        {"a ninth line", head + whole + "\n"},
        {"no integer on the fourth line", "2015.5.8\n\n, \nx\n" + whole},
        {"the data file named as the report", head + planted.string() + "\n" + planted.string() + "\n" +
                                                  (job.dir() / "wall.ov5p").string() + "\n" +
                                                  (job.dir() / "wall.ov5r").string() + "\n"},
    };
    for (const auto& [name, control] : cases) {
        std::ofstream(job.dir() / "names.dat", std::ios::binary) << crlf(control);
        EXPECT_EQ(job.run().end, JobEnd::ControlFileError) << name;
        EXPECT_EQ(readFile(planted), data) << name;
        for (const char* ext : {".ov5o", ".ov5p", ".ov5r"})
            EXPECT_FALSE(std::filesystem::exists(std::filesystem::path(planted).replace_extension(ext))) << name;
    }
    std::ofstream(job.dir() / "names.dat", std::ios::binary) << crlf(head + whole);
    EXPECT_EQ(job.run().end, JobEnd::Completed);
}

TEST(Driver, MissingDataFileIsReportedNotCreated)
{
    JobFolder job;
    job.write("");
    std::filesystem::remove(job.data());
    const auto outcome = job.run();
    EXPECT_EQ(outcome.end, JobEnd::FileError);
    EXPECT_FALSE(std::filesystem::exists(job.data()));
    EXPECT_NE(job.report().find("CANNOT BE READ"), std::string::npos);
    EXPECT_NE(job.report().find("END OF ANALYSIS"), std::string::npos);
}

// A data file that is no regular file is not read: a FIFO without a writer
// would hold the job at its open, a device would never end.
TEST(Driver, ADataFileThatIsNoRegularFileIsNotRead)
{
    JobFolder job;
    job.write("");
    std::filesystem::remove(job.data());
    ASSERT_EQ(::mkfifo(job.data().c_str(), 0600), 0);
    const FifoUnblocker unblocker(job.data());
    const auto outcome = job.run();
    EXPECT_EQ(outcome.end, JobEnd::FileError);
    EXPECT_EQ(outcome.message, "The data file " + job.data().string() + " cannot be read");
}

TEST(Driver, InputErrorInTheFirstSetLeavesAnEmptyResultsBlock)
{
    JobFolder job;
    const auto outcome = job.run("Bad\n1 0 1 0 0 0 0 1 0 0\n408 12 10 1E-05 0 12\n");
    EXPECT_EQ(outcome.end, JobEnd::InputError);
    EXPECT_EQ(outcome.message, "TOO MUCH DATA FOR AVAILABLE STORAGE");
    const auto l = lines(job.report());
    // The storage message has two empty records before and after it.
    const auto at = std::find(l.begin(), l.end(), "     TOO MUCH DATA FOR AVAILABLE STORAGE");
    ASSERT_NE(at, l.end());
    EXPECT_EQ(*(at - 1), "");
    EXPECT_EQ(*(at - 2), "");
    EXPECT_EQ(*(at + 1), "");
    EXPECT_EQ(*(at + 2), "");
    EXPECT_EQ(l.back(), "     END OF ANALYSIS" + std::string(29, ' '));
    // Plot data: the p-y and earth-pressure blocks were never reached; the last
    // results block says flag 1, no rows, English units.
    EXPECT_EQ(lines(job.plot()).back(), " 1 0 1");
}

TEST(Driver, ErrorInTheSecondSetRepeatsTheFirstSetsResults)
{
    JobFolder job;
    const auto outcome = job.run(set("Good", 1, "9") + "Bad\n1 0 1 0 0 0 0 1 0 0\n10 0 10 1E-05 0 12\n");
    EXPECT_EQ(outcome.end, JobEnd::InputError);
    EXPECT_EQ(outcome.message, "ERROR -- THE INCREMENT LENGTH MUST BE GREATER THAN ZERO");
    ASSERT_EQ(outcome.sets.size(), 1u);
    const auto values = numbers(job.plot());
    // The first set's three blocks, then its results block once more at the end.
    EXPECT_EQ(values.size(), (1 + 2 + 3 + 12 * 5u) + (3 + 12 * 5u));
    EXPECT_EQ(lines(job.plot())[3 + 12], " 2 12 1");
}

TEST(Driver, StopOfTheSoilPackageEndsTheJobAtOnceAndSaysWhy)
{
    // Generated earth pressure with the excavation level below the soil profile.
    JobFolder job;
    const auto outcome = job.run("Stop\n1 0 1 0 2 0 0 1 0 0\n20 12 10 1E-05 200 12\n0 20 1 1E9\n0\n0\n"
                                 "200 12 12 0 0 1 1 0\n0 0 0 0 0 0\n0\n1\n4 120\n0.07 0 30 0 50 0\n0.07 0 30 0 50 0\n0\n");
    EXPECT_EQ(outcome.end, JobEnd::SoilStop);
    EXPECT_EQ(orvane::engine::resultWord(outcome), 3);
    const auto l = lines(job.report());
    EXPECT_EQ(l.back(), "     STOP 1 -- THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE");
    EXPECT_EQ(job.report().find("END OF ANALYSIS"), std::string::npos);
    EXPECT_EQ(job.plot().find(" 1 0 1"), std::string::npos);  // no results block
}
