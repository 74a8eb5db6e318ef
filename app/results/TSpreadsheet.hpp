#pragma once

#include <string>

namespace orvane {

// Rows and columns are counted from 1, as a sheet shows them (A1 is 1, 1).
struct TCellRange {
    int FirstRow = 1;
    int FirstColumn = 1;
    int LastRow = 1;
    int LastColumn = 1;
};

enum class TChartAxis { X, Y };

// A new workbook that takes exactly the operations the plot export makes: named
// worksheets, chart sheets with one XY chart each, cell texts and numbers, a
// bold header, column widths, links inside the workbook and the dressing of
// the chart. Sheets are numbered in the order they were added, from 0.
// Failures throw EWriteError; nothing is on disk before save().
class TSpreadsheet {
public:
    using Sheet = int;

    virtual ~TSpreadsheet() = default;

    virtual Sheet addWorksheet(const std::string& name) = 0;
    // A chart sheet holding an XY scatter chart with straight lines and
    // markers, placed directly after the sheet `after`.
    virtual Sheet addScatterChartSheet(const std::string& name, Sheet after) = 0;

    virtual void setText(Sheet sheet, int row, int column, const std::string& text) = 0;
    virtual void setNumber(Sheet sheet, int row, int column, double value) = 0;
    // Bold and vertically centred, for cells written before or after.
    virtual void setBoldCentred(Sheet sheet, const TCellRange& range) = 0;
    // Width in characters of the default font.
    virtual void setColumnWidth(Sheet sheet, int column, double width) = 0;
    // The cell shows text and leads to location, a reference such as
    // "Legend!A1" inside this workbook.
    virtual void setLink(Sheet sheet, int row, int column, const std::string& location, const std::string& text) = 0;

    // One series of the chart of a chart sheet; xValues and yValues are
    // references such as "=Page_1!$A$6:$A$47".
    virtual void addSeries(Sheet chart, const std::string& name, const std::string& xValues,
                           const std::string& yValues) = 0;
    virtual void setAxisTitle(Sheet chart, TChartAxis axis, const std::string& title) = 0;
    virtual void setMajorGridlines(Sheet chart, TChartAxis axis, bool shown) = 0;
    // Reversed: the axis runs from its maximum to its minimum (depth downwards).
    virtual void setReversed(Sheet chart, TChartAxis axis, bool reversed) = 0;
    virtual void removeChartTitle(Sheet chart) = 0;
    // Legend frame: border colour as 0xRRGGBB, fill as an index of the
    // spreadsheet's standard colour palette (2 is white).
    virtual void setLegendFrame(Sheet chart, unsigned borderColour, int fillColourIndex) = 0;

    // Writes the workbook; the target is replaced only when it was written whole.
    virtual void save() = 0;
};

}  // namespace orvane
