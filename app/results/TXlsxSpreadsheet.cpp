#include "results/TXlsxSpreadsheet.hpp"

#include "model/EWriteError.hpp"
#include "model/TFileReplacer.hpp"
#include "model/TTempFolder.hpp"

#include <xlsxwriter.h>

#include <fstream>
#include <optional>
#include <sstream>

namespace orvane {

namespace {

// The whole workbook as libxlsxwriter wrote it; empty when it cannot be read.
std::optional<std::string> bytesOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (!in || in.bad()) return std::nullopt;
    return bytes.str();
}

lxw_row_t rowIndex(int row) { return static_cast<lxw_row_t>(row - 1); }
lxw_col_t columnIndex(int column) { return static_cast<lxw_col_t>(column - 1); }

bool inside(const TCellRange& range, int row, int column)
{
    return row >= range.FirstRow && row <= range.LastRow && column >= range.FirstColumn &&
           column <= range.LastColumn;
}

}  // namespace

TXlsxSpreadsheet::TXlsxSpreadsheet(std::filesystem::path target) : target_(std::move(target))
{
    folder_ = std::make_unique<TTempFolder>("orvane-workbook", "workbook folder");
    temporary_ = folder_->path() / "workbook.xlsx";
    book_ = workbook_new(temporary_.c_str());
    if (book_ == nullptr) {
        discard();
        fail("libxlsxwriter could not start a workbook");
    }
    bold_ = workbook_add_format(book_);
    if (bold_ == nullptr) {
        discard();
        fail("libxlsxwriter could not make a cell format");
    }
    format_set_bold(bold_);
    format_set_align(bold_, LXW_ALIGN_VERTICAL_CENTER);
}

TXlsxSpreadsheet::~TXlsxSpreadsheet() { discard(); }

void TXlsxSpreadsheet::discard()
{
    if (book_ != nullptr) lxw_workbook_free(book_);
    book_ = nullptr;
    folder_.reset();
    temporary_.clear();
}

void TXlsxSpreadsheet::fail(const std::string& what) const
{
    throw EWriteError("Cannot write the workbook \"" + target_.string() + "\": " + what);
}

void TXlsxSpreadsheet::check(int error, const std::string& what) const
{
    if (error != LXW_NO_ERROR) fail(what + ": " + lxw_strerror(static_cast<lxw_error>(error)));
}

void TXlsxSpreadsheet::checkName(const std::string& name)
{
    if (book_ == nullptr) fail("the workbook was already saved");
    check(workbook_validate_sheet_name(book_, name.c_str()), "sheet name \"" + name + "\"");
}

TSpreadsheet::Sheet TXlsxSpreadsheet::addWorksheet(const std::string& name)
{
    checkName(name);
    SheetData sheet;
    sheet.Name = name;
    sheet.Worksheet = workbook_add_worksheet(book_, name.c_str());
    if (sheet.Worksheet == nullptr) fail("libxlsxwriter refused the worksheet \"" + name + "\"");
    sheets_.push_back(std::move(sheet));
    return static_cast<Sheet>(sheets_.size() - 1);
}

TSpreadsheet::Sheet TXlsxSpreadsheet::addScatterChartSheet(const std::string& name, Sheet after)
{
    // libxlsxwriter keeps the sheets in the order they were added.
    if (after != static_cast<Sheet>(sheets_.size()) - 1)
        fail("a chart sheet can only follow the last sheet (\"" + name + "\")");
    checkName(name);
    lxw_chartsheet* chartsheet = workbook_add_chartsheet(book_, name.c_str());
    if (chartsheet == nullptr) fail("libxlsxwriter refused the chart sheet \"" + name + "\"");
    lxw_chart* chart = workbook_add_chart(book_, LXW_CHART_SCATTER_STRAIGHT_WITH_MARKERS);
    if (chart == nullptr) fail("libxlsxwriter could not make the chart of \"" + name + "\"");
    SheetData sheet;
    sheet.Name = name;
    sheet.Chartsheet = chartsheet;
    sheet.Chart = chart;
    sheets_.push_back(std::move(sheet));
    return static_cast<Sheet>(sheets_.size() - 1);
}

TXlsxSpreadsheet::SheetData& TXlsxSpreadsheet::worksheet(Sheet sheet, int row, int column)
{
    if (sheet < 0 || sheet >= static_cast<Sheet>(sheets_.size()) || sheets_[sheet].Worksheet == nullptr)
        fail("sheet " + std::to_string(sheet) + " is not a worksheet");
    if (row < 1 || row > LXW_ROW_MAX || column < 1 || column > LXW_COL_MAX)
        fail("cell (" + std::to_string(row) + ", " + std::to_string(column) + ") lies outside the sheet \"" +
             sheets_[sheet].Name + "\"");
    return sheets_[sheet];
}

lxw_chart* TXlsxSpreadsheet::chart(Sheet sheet)
{
    if (sheet < 0 || sheet >= static_cast<Sheet>(sheets_.size()) || sheets_[sheet].Chart == nullptr)
        fail("sheet " + std::to_string(sheet) + " is not a chart sheet");
    return sheets_[sheet].Chart;
}

void TXlsxSpreadsheet::setText(Sheet sheet, int row, int column, const std::string& text)
{
    Cell& cell = worksheet(sheet, row, column).Cells[{row, column}];
    cell.IsNumber = false;
    cell.Text = text;
}

void TXlsxSpreadsheet::setNumber(Sheet sheet, int row, int column, double value)
{
    Cell& cell = worksheet(sheet, row, column).Cells[{row, column}];
    cell.IsNumber = true;
    cell.Number = value;
}

void TXlsxSpreadsheet::setBoldCentred(Sheet sheet, const TCellRange& range)
{
    SheetData& data = worksheet(sheet, range.FirstRow, range.FirstColumn);
    worksheet(sheet, range.LastRow, range.LastColumn);
    data.Bold.push_back(range);
}

void TXlsxSpreadsheet::setColumnWidth(Sheet sheet, int column, double width)
{
    worksheet(sheet, 1, column).Widths[column] = width;
}

void TXlsxSpreadsheet::setLink(Sheet sheet, int row, int column, const std::string& location,
                               const std::string& text)
{
    Cell& cell = worksheet(sheet, row, column).Cells[{row, column}];
    cell.IsNumber = false;
    cell.Text = text;
    cell.Link = location;
}

void TXlsxSpreadsheet::addSeries(Sheet sheet, const std::string& name, const std::string& xValues,
                                 const std::string& yValues)
{
    lxw_chart_series* series = chart_add_series(chart(sheet), xValues.c_str(), yValues.c_str());
    if (series == nullptr)
        fail("libxlsxwriter refused the series \"" + name + "\" (" + xValues + ", " + yValues + ")");
    chart_series_set_name(series, name.c_str());
    ++sheets_[sheet].SeriesCount;
}

void TXlsxSpreadsheet::setAxisTitle(Sheet sheet, TChartAxis axis, const std::string& title)
{
    lxw_chart* c = chart(sheet);
    // An empty text would leave an empty title box on the axis.
    if (title.empty()) return;
    chart_axis_set_name(axis == TChartAxis::X ? c->x_axis : c->y_axis, title.c_str());
}

void TXlsxSpreadsheet::setMajorGridlines(Sheet sheet, TChartAxis axis, bool shown)
{
    lxw_chart* c = chart(sheet);
    chart_axis_major_gridlines_set_visible(axis == TChartAxis::X ? c->x_axis : c->y_axis, shown ? LXW_TRUE : LXW_FALSE);
}

void TXlsxSpreadsheet::setReversed(Sheet sheet, TChartAxis axis, bool reversed)
{
    lxw_chart* c = chart(sheet);
    lxw_chart_axis* a = axis == TChartAxis::X ? c->x_axis : c->y_axis;
    // libxlsxwriter only switches reversal on; an axis starts in normal order.
    if (reversed)
        chart_axis_set_reverse(a);
    else
        a->reverse = LXW_FALSE;
}

void TXlsxSpreadsheet::removeChartTitle(Sheet sheet) { chart_title_off(chart(sheet)); }

void TXlsxSpreadsheet::setLegendFrame(Sheet sheet, unsigned borderColour, int fillColourIndex)
{
    chart(sheet);
    if (borderColour > 0xFFFFFF) fail("legend border colour out of range");
    if (fillColourIndex < 1 || fillColourIndex > 56) fail("legend fill colour index out of range");
    // libxlsxwriter 1.1.4 writes the legend without shape properties, so the
    // legend keeps the spreadsheet's default frame.
}

lxw_format* TXlsxSpreadsheet::formatOf(const SheetData& sheet, int row, int column) const
{
    for (const TCellRange& range : sheet.Bold)
        if (inside(range, row, column)) return bold_;
    return nullptr;
}

void TXlsxSpreadsheet::writeCells(const SheetData& sheet)
{
    for (const auto& [column, width] : sheet.Widths)
        check(worksheet_set_column(sheet.Worksheet, columnIndex(column), columnIndex(column), width, nullptr),
              "column width on \"" + sheet.Name + "\"");
    for (const auto& [place, cell] : sheet.Cells) {
        const auto [row, column] = place;
        const std::string where = "cell (" + std::to_string(row) + ", " + std::to_string(column) + ") of \"" +
                                  sheet.Name + "\"";
        if (!cell.Link.empty()) {
            const std::string url = "internal:" + cell.Link;
            check(worksheet_write_url_opt(sheet.Worksheet, rowIndex(row), columnIndex(column), url.c_str(), nullptr,
                                          cell.Text.c_str(), nullptr),
                  where);
        } else if (cell.IsNumber) {
            check(worksheet_write_number(sheet.Worksheet, rowIndex(row), columnIndex(column), cell.Number,
                                         formatOf(sheet, row, column)),
                  where);
        } else {
            check(worksheet_write_string(sheet.Worksheet, rowIndex(row), columnIndex(column), cell.Text.c_str(),
                                         formatOf(sheet, row, column)),
                  where);
        }
    }
}

void TXlsxSpreadsheet::save()
{
    if (book_ == nullptr) fail("the workbook was already saved");
    for (const SheetData& sheet : sheets_) {
        if (sheet.Worksheet != nullptr) writeCells(sheet);
        // libxlsxwriter takes a chart for a chart sheet only once it has its series.
        if (sheet.Chartsheet != nullptr) {
            if (sheet.SeriesCount == 0) fail("the chart of \"" + sheet.Name + "\" has no series");
            check(chartsheet_set_chart(sheet.Chartsheet, sheet.Chart), "chart sheet \"" + sheet.Name + "\"");
        }
    }
    // workbook_close frees the workbook whatever it returns.
    const lxw_error closed = workbook_close(book_);
    book_ = nullptr;
    if (closed != LXW_NO_ERROR) {
        discard();
        fail(lxw_strerror(closed));
    }
    const std::optional<std::string> bytes = bytesOf(temporary_);
    discard();
    if (!bytes) fail("the workbook libxlsxwriter wrote cannot be read back");
    TFileReplacer::replace(target_, *bytes, "the workbook");
}

}  // namespace orvane
