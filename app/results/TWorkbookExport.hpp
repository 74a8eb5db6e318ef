#pragma once

#include "results/TSpreadsheet.hpp"

#include <filesystem>
#include <string>
#include <vector>

namespace orvane {

class TGraphPlot;

// The workbook of exported graphs: a "Legend" sheet that lists them, and for
// graph k (counted from 1 in the order given) the data sheet "Page_k" with
// the values of its curves, followed directly by the chart sheet "Plot_k"
// with one XY series per curve.
class TWorkbookExport {
public:
    explicit TWorkbookExport(TSpreadsheet& book) : book_(book) {}

    void build(const std::vector<const TGraphPlot*>& graphs);

    // Builds the workbook and writes it to path through libxlsxwriter; the
    // file is replaced only when written whole. Throws EWriteError.
    static void write(const std::filesystem::path& path, const std::vector<const TGraphPlot*>& graphs);

    // Letters of column 1 .. 702 (A .. ZZ); EWriteError beyond, where the
    // two-letter scheme ends.
    static std::string columnLetters(int column);

private:
    void writeLegendHeader();
    void exportGraph(const TGraphPlot& graph, int k);
    void writeCurveData(TSpreadsheet::Sheet data, const TGraphPlot& graph, int pointCount);
    void drawChart(TSpreadsheet::Sheet chart, const std::string& dataName, const TGraphPlot& graph, int pointCount);

    TSpreadsheet& book_;
    TSpreadsheet::Sheet legend_ = 0;
};

}  // namespace orvane
