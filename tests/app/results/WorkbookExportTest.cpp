// The workbook builder against a recording spreadsheet, and the xlsx file's
// failure paths. What the written workbooks hold is read back by
// WorkbookExportCheck.py.

#include "model/EWriteError.hpp"
#include "model/TGraphPlot.hpp"
#include "results/TWorkbookExport.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>
#include <unistd.h>

using namespace orvane;

namespace {

// Keeps cell texts by sheet name and fails the n-th added worksheet.
class TRecordingSpreadsheet : public TSpreadsheet {
public:
    int FailWorksheet = -1;
    std::vector<std::string> Sheets;
    std::map<std::string, std::map<std::pair<int, int>, std::string>> Texts;
    std::vector<std::string> StatusHistory;

    Sheet addWorksheet(const std::string& name) override
    {
        if (static_cast<int>(Sheets.size()) == FailWorksheet) throw EWriteError("no room for " + name);
        Sheets.push_back(name);
        return static_cast<Sheet>(Sheets.size() - 1);
    }
    Sheet addScatterChartSheet(const std::string& name, Sheet) override
    {
        Sheets.push_back(name);
        return static_cast<Sheet>(Sheets.size() - 1);
    }
    void setText(Sheet sheet, int row, int column, const std::string& text) override
    {
        Texts[Sheets[sheet]][{row, column}] = text;
        if (sheet == 0 && column == 6 && row > 2) StatusHistory.push_back(std::to_string(row) + " " + text);
    }
    void setNumber(Sheet, int, int, double) override {}
    void setBoldCentred(Sheet, const TCellRange&) override {}
    void setColumnWidth(Sheet, int, double) override {}
    void setLink(Sheet sheet, int row, int column, const std::string&, const std::string& text) override
    {
        Texts[Sheets[sheet]][{row, column}] = text;
    }
    void addSeries(Sheet, const std::string&, const std::string&, const std::string&) override {}
    void setAxisTitle(Sheet, TChartAxis, const std::string&) override {}
    void setMajorGridlines(Sheet, TChartAxis, bool) override {}
    void setReversed(Sheet, TChartAxis, bool) override {}
    void removeChartTitle(Sheet) override {}
    void setLegendFrame(Sheet, unsigned, int) override {}
    void save() override {}
};

TGraphPlot oneCurve(const char* caption)
{
    TGraphPlot g;
    g.Caption = caption;
    g.Lines.setCurveCount(1);
    g.Lines.setPointCount(2);
    return g;
}

std::string fileText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// A fresh folder under the system's temporary folder, removed afterwards.
class WorkbookFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        folder_ = std::filesystem::temp_directory_path() /
                  ("orvane-workbook-" + std::to_string(getpid()) + "-" +
                   ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override { std::filesystem::remove_all(folder_); }
    std::vector<std::string> folderEntries() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            names.push_back(entry.path().filename().string());
        return names;
    }
    std::filesystem::path folder_;
};

}  // namespace

TEST(WorkbookExportColumns, LettersOfTheTwoLetterScheme)
{
    const std::vector<std::pair<int, std::string>> cases{
        {1, "A"}, {2, "B"}, {26, "Z"}, {27, "AA"}, {28, "AB"}, {52, "AZ"}, {53, "BA"}, {677, "ZA"}, {702, "ZZ"}};
    for (const auto& [column, letters] : cases) EXPECT_EQ(TWorkbookExport::columnLetters(column), letters) << column;
    EXPECT_THROW(TWorkbookExport::columnLetters(0), EWriteError);
    EXPECT_THROW(TWorkbookExport::columnLetters(703), EWriteError);
}

TEST(WorkbookExportStatus, EachGraphPassesThroughItsThreeStates)
{
    TRecordingSpreadsheet book;
    const TGraphPlot a = oneCurve("Deflection vs Depth");
    const TGraphPlot b = oneCurve("Shear vs Depth");
    TWorkbookExport(book).build({&a, &b});
    EXPECT_EQ(book.StatusHistory, (std::vector<std::string>{"3 In Progress, Data", "3 In Progress, Chart", "3 Complete",
                                                            "4 In Progress, Data", "4 In Progress, Chart",
                                                            "4 Complete"}));
    EXPECT_EQ(book.Sheets, (std::vector<std::string>{"Legend", "Page_1", "Plot_1", "Page_2", "Plot_2"}));
}

TEST(WorkbookExportStatus, AFailureOnGraphTwoLeavesGraphOneComplete)
{
    TRecordingSpreadsheet book;
    book.FailWorksheet = 3;  // Legend, Page_1, Plot_1, then Page_2 fails
    const TGraphPlot a = oneCurve("Deflection vs Depth");
    const TGraphPlot b = oneCurve("Shear vs Depth");
    EXPECT_THROW(TWorkbookExport(book).build({&a, &b}), EWriteError);
    auto& legend = book.Texts["Legend"];
    EXPECT_EQ(legend[std::make_pair(3, 6)], "Complete");
    EXPECT_EQ(legend[std::make_pair(4, 6)], "In Progress, Data");
    EXPECT_EQ(legend[std::make_pair(4, 3)], "Shear vs Depth");
}

TEST_F(WorkbookFiles, AMissingFolderIsReportedWithThePath)
{
    const auto target = folder_ / "no-such-folder" / "plots.xlsx";
    const TGraphPlot a = oneCurve("Deflection vs Depth");
    try {
        TWorkbookExport::write(target, {&a});
        FAIL() << "no error";
    } catch (const EWriteError& e) {
        EXPECT_NE(std::string(e.what()).find(target.string()), std::string::npos) << e.what();
    }
    EXPECT_FALSE(std::filesystem::exists(target.parent_path()));
}

TEST_F(WorkbookFiles, AFailedExportKeepsTheOldFileAndLeavesNothingBeside)
{
    const auto target = folder_ / "plots.xlsx";
    std::ofstream(target) << "old workbook";
    // A graph without curves gives a chart without series, which the
    // workbook cannot hold.
    TGraphPlot empty;
    empty.Caption = "p-y Curves";
    EXPECT_THROW(TWorkbookExport::write(target, {&empty}), EWriteError);
    EXPECT_EQ(fileText(target), "old workbook");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"plots.xlsx"});
}

TEST_F(WorkbookFiles, AWrittenWorkbookReplacesTheOldFile)
{
    const auto target = folder_ / "plots.xlsx";
    std::ofstream(target) << "old workbook";
    const TGraphPlot a = oneCurve("Deflection vs Depth");
    TWorkbookExport::write(target, {&a});
    // An .xlsx file is a zip archive: it starts with "PK".
    EXPECT_EQ(fileText(target).substr(0, 2), "PK");
    EXPECT_EQ(folderEntries(), std::vector<std::string>{"plots.xlsx"});
}
