#include "model/EEntryError.hpp"
#include "model/EReadError.hpp"
#include "model/TProjectTables.hpp"

#include "../../support/fifo_unblocker.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>

#include <sys/stat.h>

namespace orvane {
namespace {

std::vector<std::pair<double, double>> rowsOf(const TGridTable& table)
{
    std::vector<std::pair<double, double>> rows;
    for (int row = 0; row < table.rowCount(); ++row)
        rows.emplace_back(table.cell(0, row).asReal(), table.cell(1, row).asReal());
    return rows;
}

using Rows = std::vector<std::pair<double, double>>;

TEST(TGridTableChart, ImportFromFileSkipsATextHeader)
{
    TestFolder folder;
    const auto path = folder.path() / "curve.txt";
    std::ofstream(path) << "Moment  EI\r\n"
                           "in-lb   lb-in2\r\n"
                           "0 1e10\r\n"
                           "  1000,\t9e9\r\n"
                           "2000 8e9 note\r\n"
                           "3000\r\n"
                           "4000 7e9 5\r\n";
    TProjectTables t;
    TGridTableChart& moments = t.Rows2;
    moments.setRowCount(5);
    EXPECT_EQ(moments.importFromFile(path), 3);
    EXPECT_EQ(rowsOf(moments), (Rows{{0, 1e10}, {1000, 9e9}, {2000, 8e9}}));
    EXPECT_TRUE(moments.isModified());
}

// The user picks the file: what is not a regular file is refused at once (a
// FIFO would block the import, /dev/zero never end), and the table keeps
// its rows.
TEST(TGridTableChart, ImportFromFileRefusesWhatIsNotARegularFile)
{
    TestFolder folder;
    const auto fifo = folder.path() / "curve.txt";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const test::FifoUnblocker unblocker(fifo);
    TProjectTables t;
    TGridTableChart& moments = t.Rows2;
    moments.setRowCount(2);
    moments.cell(0, 1).setReal(7);
    for (const std::filesystem::path& path : {fifo, std::filesystem::path("/dev/zero")}) {
        try {
            moments.importFromFile(path);
            ADD_FAILURE() << path << " was read";
        } catch (const EReadError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file \"" + path.string() + "\": it is not a regular file");
        }
        EXPECT_EQ(moments.rowCount(), 2);
        EXPECT_EQ(moments.cell(0, 1).asReal(), 7.0);
    }
}

TEST(TGridTableChart, ImportFromTextReadsEveryKindOfLineEnd)
{
    TProjectTables t;
    TGridTableChart& curve = t.PYCurve2;
    EXPECT_EQ(curve.importFromText("y p\r\n0 0\r0.5 10\n1 20\r\n2 25"), 4);
    EXPECT_EQ(rowsOf(curve), (Rows{{0, 0}, {0.5, 10}, {1, 20}, {2, 25}}));
}

TEST(TGridTableChart, ImportStopsAtTheRowLimit)
{
    TProjectTables t;
    std::string text;
    for (int i = 0; i < 20; ++i) text += std::to_string(i) + " " + std::to_string(i * 10) + "\n";
    EXPECT_EQ(t.PYCurve2.importFromText(text), 17);
    EXPECT_EQ(t.PYCurve2.rowCount(), 17);
    EXPECT_EQ(t.PYCurve2.cell(0, 16).asReal(), 16.0);
}

TEST(TGridTableChart, ImportWithoutNumbersChangesNothing)
{
    TProjectTables t;
    t.PYCurve2.cell(1, 1).setReal(7.0);
    EXPECT_EQ(t.PYCurve2.importFromText("no numbers here\n1 2 3\n"), 0);
    EXPECT_EQ(rowsOf(t.PYCurve2), (Rows{{0, 0}, {0, 7}}));
    EXPECT_FALSE(t.PYCurve2.isModified());
    try {
        t.PYCurve2.importFromText("");
        ADD_FAILURE();
    } catch (const EEntryError& e) {
        EXPECT_STREQ(e.what(), "There is no text on the Clipboard");
    }
}


// A number the data file could not hold is refused, whether typed or
// imported, and the table keeps what it had.
TEST(TGridTableChart, TooLargeNumbersAreRefusedAndChangeNothing)
{
    TProjectTables t;
    t.PYCurve2.cell(1, 1).setReal(7.0);
    try {
        t.PYCurve2.importFromText("0 0\n0.5 10\n1 2e300\n");
        ADD_FAILURE() << "imported";
    } catch (const EEntryError& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("Line 3"), std::string::npos) << message;
        EXPECT_NE(message.find("column 2"), std::string::npos) << message;
        EXPECT_NE(message.find("too large"), std::string::npos) << message;
    }
    EXPECT_EQ(rowsOf(t.PYCurve2), (Rows{{0, 0}, {0, 7}}));

    for (const char* entry : {"2e300", "-1e301", "1e300*10"}) {
        try {
            t.PYCurve2.commit(1, 0, entry);
            ADD_FAILURE() << entry << " was taken";
        } catch (const EEntryError& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find(std::string("The number ") + entry + " in " + t.PYCurve2.caption() + ", row 1, column 2"),
                      std::string::npos)
                << message;
        }
    }
    EXPECT_EQ(rowsOf(t.PYCurve2), (Rows{{0, 0}, {0, 7}}));
    t.PYCurve2.commit(1, 0, "1e300");
    EXPECT_EQ(t.PYCurve2.cell(1, 0).asReal(), 1e300);
}

}  // namespace
}  // namespace orvane
