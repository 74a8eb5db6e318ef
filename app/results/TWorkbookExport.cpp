#include "results/TWorkbookExport.hpp"

#include "model/EWriteError.hpp"
#include "model/TGraphPlot.hpp"
#include "results/TXlsxSpreadsheet.hpp"

#include <algorithm>
#include <array>

namespace orvane {

namespace {

// Header of the legend sheet, columns B to F; the blanks are part of the
// texts and widen the columns.
const std::array<std::string, 5> kLegendHeader{
    "     N    ",
    "                             Plot Name                             ",
    "  Sheet Name  ",
    "  Chart Name  ",
    "          Status          ",
};
constexpr int kFirstValueRow = 6;

std::string pageName(int k) { return "Page_" + std::to_string(k); }
std::string plotName(int k) { return "Plot_" + std::to_string(k); }

// "=Page_1!$A$6:$A$47". A graph without points still gets a one-row range
// (an empty cell): the row above it holds the "X" and "Y" headings, which a
// reversed range would pull into the chart.
std::string columnReference(const std::string& sheet, int column, int pointCount)
{
    const std::string letters = TWorkbookExport::columnLetters(column);
    const int lastRow = kFirstValueRow + std::max(pointCount, 1) - 1;
    return "=" + sheet + "!$" + letters + "$" + std::to_string(kFirstValueRow) + ":$" + letters + "$" +
           std::to_string(lastRow);
}

}  // namespace

std::string TWorkbookExport::columnLetters(int column)
{
    if (column < 1 || column > 702)
        throw EWriteError("Column " + std::to_string(column) + " has no letters: a graph exports at most 351 curves");
    const auto letter = [](int number) { return static_cast<char>('A' + number - 1); };
    if (column <= 26) return std::string(1, letter(column));
    return {letter((column - 1) / 26), letter((column - 1) % 26 + 1)};
}

void TWorkbookExport::write(const std::filesystem::path& path, const std::vector<const TGraphPlot*>& graphs)
{
    TXlsxSpreadsheet book(path);
    TWorkbookExport(book).build(graphs);
    book.save();
}

void TWorkbookExport::build(const std::vector<const TGraphPlot*>& graphs)
{
    legend_ = book_.addWorksheet("Legend");
    writeLegendHeader();
    const int n = static_cast<int>(graphs.size());
    for (int k = 1; k <= n; ++k) book_.setNumber(legend_, k + 2, 2, k);
    for (int k = 1; k <= n; ++k) exportGraph(*graphs[static_cast<size_t>(k - 1)], k);
}

void TWorkbookExport::writeLegendHeader()
{
    for (size_t i = 0; i < kLegendHeader.size(); ++i) book_.setText(legend_, 2, static_cast<int>(i) + 2, kLegendHeader[i]);
    book_.setBoldCentred(legend_, {2, 2, 2, 6});
    // The columns fit the header row, the only row written so far; one
    // character more for the bold face.
    for (size_t i = 0; i < kLegendHeader.size(); ++i)
        book_.setColumnWidth(legend_, static_cast<int>(i) + 2, static_cast<double>(kLegendHeader[i].size()) + 1);
}

void TWorkbookExport::exportGraph(const TGraphPlot& graph, int k)
{
    const int r = k + 2;
    const std::string page = pageName(k);
    book_.setText(legend_, r, 3, graph.Caption);
    book_.setLink(legend_, r, 4, page + "!A1", page);
    book_.setText(legend_, r, 5, plotName(k));
    book_.setText(legend_, r, 6, "In Progress, Data");

    const TSpreadsheet::Sheet data = book_.addWorksheet(page);
    book_.setLink(data, 1, 7, "Legend!A1", "Go to Legend Page");
    const int pointCount = graph.Lines.pointCount();
    book_.setText(data, 1, 1, graph.Caption);
    book_.setText(data, 2, 1, "X");
    book_.setText(data, 2, 2, graph.xAxisCaption());
    book_.setText(data, 3, 1, "Y");
    book_.setText(data, 3, 2, graph.yAxisCaption());
    writeCurveData(data, graph, pointCount);

    book_.setText(legend_, r, 6, "In Progress, Chart");
    const TSpreadsheet::Sheet chart = book_.addScatterChartSheet(plotName(k), data);
    drawChart(chart, page, graph, pointCount);
    book_.setText(legend_, r, 6, "Complete");
}

void TWorkbookExport::writeCurveData(TSpreadsheet::Sheet data, const TGraphPlot& graph, int pointCount)
{
    for (int i = 1; i <= graph.Lines.curveCount(); ++i) {
        const TLine& line = graph.Lines.curve(i - 1);
        const int c = 2 * i - 1;
        book_.setText(data, 4, c, graph.legendText(line));
        book_.setText(data, 5, c, "X");
        book_.setText(data, 5, c + 1, "Y");
        const int points = std::min(pointCount, line.pointCount());
        for (int j = 1; j <= points; ++j) {
            const TFloatPoint& p = line.Points[static_cast<size_t>(j - 1)];
            book_.setNumber(data, kFirstValueRow + j - 1, c, p.X);
            book_.setNumber(data, kFirstValueRow + j - 1, c + 1, p.Y);
        }
    }
}

void TWorkbookExport::drawChart(TSpreadsheet::Sheet chart, const std::string& dataName, const TGraphPlot& graph,
                                int pointCount)
{
    for (int i = 1; i <= graph.Lines.curveCount(); ++i)
        book_.addSeries(chart, graph.legendText(graph.Lines.curve(i - 1)),
                        columnReference(dataName, 2 * i - 1, pointCount), columnReference(dataName, 2 * i, pointCount));
    book_.removeChartTitle(chart);
    book_.setAxisTitle(chart, TChartAxis::X, graph.xAxisCaption());
    book_.setMajorGridlines(chart, TChartAxis::X, true);
    book_.setAxisTitle(chart, TChartAxis::Y, graph.yAxisCaption());
    book_.setMajorGridlines(chart, TChartAxis::Y, true);
    // Depth graphs run downwards.
    book_.setReversed(chart, TChartAxis::Y, graph.XOnTop);
    book_.setLegendFrame(chart, 0x000000, 2);
}

}  // namespace orvane
