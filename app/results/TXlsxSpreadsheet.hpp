#pragma once

#include "results/TSpreadsheet.hpp"

#include <filesystem>
#include <map>
#include <memory>
#include <utility>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_chart;
struct lxw_chartsheet;
struct lxw_format;

namespace orvane {

class TTempFolder;

// The spreadsheet as an .xlsx file written by libxlsxwriter.
//
// libxlsxwriter formats a cell when it writes it and cannot change it
// afterwards, so the cells are kept here and written in save(), where the
// bold header is known; sheets and charts go to the library at once, so their
// errors surface where they are made. libxlsxwriter writes the workbook into
// a private temporary folder; its bytes then go to the target through
// TFileReplacer.
//
// What libxlsxwriter 1.1.4 has no call for: the chart legend's border and
// fill (setLegendFrame checks its arguments, and the legend keeps the
// spreadsheet's own frame), and a chart sheet anywhere but after the last
// sheet (addScatterChartSheet refuses any other place).
class TXlsxSpreadsheet : public TSpreadsheet {
public:
    explicit TXlsxSpreadsheet(std::filesystem::path target);
    ~TXlsxSpreadsheet() override;
    TXlsxSpreadsheet(const TXlsxSpreadsheet&) = delete;
    TXlsxSpreadsheet& operator=(const TXlsxSpreadsheet&) = delete;

    Sheet addWorksheet(const std::string& name) override;
    Sheet addScatterChartSheet(const std::string& name, Sheet after) override;

    void setText(Sheet sheet, int row, int column, const std::string& text) override;
    void setNumber(Sheet sheet, int row, int column, double value) override;
    void setBoldCentred(Sheet sheet, const TCellRange& range) override;
    void setColumnWidth(Sheet sheet, int column, double width) override;
    void setLink(Sheet sheet, int row, int column, const std::string& location, const std::string& text) override;

    void addSeries(Sheet chart, const std::string& name, const std::string& xValues,
                   const std::string& yValues) override;
    void setAxisTitle(Sheet chart, TChartAxis axis, const std::string& title) override;
    void setMajorGridlines(Sheet chart, TChartAxis axis, bool shown) override;
    void setReversed(Sheet chart, TChartAxis axis, bool reversed) override;
    void removeChartTitle(Sheet chart) override;
    void setLegendFrame(Sheet chart, unsigned borderColour, int fillColourIndex) override;

    void save() override;

private:
    struct Cell {
        bool IsNumber = false;
        double Number = 0;
        std::string Text;
        std::string Link;
    };
    struct SheetData {
        std::string Name;
        lxw_worksheet* Worksheet = nullptr;
        lxw_chartsheet* Chartsheet = nullptr;
        lxw_chart* Chart = nullptr;
        int SeriesCount = 0;
        std::map<std::pair<int, int>, Cell> Cells;
        std::map<int, double> Widths;
        std::vector<TCellRange> Bold;
    };

    [[noreturn]] void fail(const std::string& what) const;
    void check(int error, const std::string& what) const;
    void checkName(const std::string& name);
    SheetData& worksheet(Sheet sheet, int row, int column);
    lxw_chart* chart(Sheet sheet);
    lxw_format* formatOf(const SheetData& sheet, int row, int column) const;
    void writeCells(const SheetData& sheet);
    void discard();

    std::filesystem::path target_;
    std::unique_ptr<TTempFolder> folder_;
    std::filesystem::path temporary_;
    lxw_workbook* book_ = nullptr;
    lxw_format* bold_ = nullptr;
    std::vector<SheetData> sheets_;
};

}  // namespace orvane
