#pragma once

#include "model/TGridTable.hpp"

#include <filesystem>
#include <string_view>

namespace orvane {

// A grid table whose window also draws a curve of two columns and can take
// its rows from a text file or a pasted text.
class TGridTableChart : public TGridTable {
public:
    using TGridTable::TGridTable;

    bool chartShown() const { return chartShown_; }
    int xColumn() const { return xColumn_; }
    int yColumn() const { return yColumn_; }
    void setChart(int xColumn, int yColumn);
    bool getDataFromFile() const { return getDataFromFile_; }
    void setGetDataFromFile(bool on) { getDataFromFile_ = on; }
    bool okCancelButtons() const { return okCancelButtons_; }
    void setOkCancelButtons(bool on) { okCancelButtons_ = on; }
    bool invertedXAxis() const { return invertedXAxis_; }
    bool invertedYAxis() const { return invertedYAxis_; }
    void setInvertedAxes(bool x, bool y);

    // Rows from the lines of a text file: every line with as many numbers as
    // the table has columns becomes the next row; other lines (headers,
    // notes) are skipped. Returns the number of rows filled; when at least one
    // was, rows beyond them are deleted and the table is marked modified.
    int importFromFile(const std::filesystem::path& path);
    // The same from a pasted text; lines may end in CR, LF or CR LF.
    int importFromText(std::string_view text);

    std::unique_ptr<TGridTable> makeSubTable(TGridTable& parent, int number) const override;

private:
    template <class NextLine>
    int importLines(NextLine nextLine);
    void storeRow(const std::vector<double>& numbers, int row);

    bool chartShown_ = false;
    int xColumn_ = 0;
    int yColumn_ = 1;
    bool getDataFromFile_ = false;
    bool okCancelButtons_ = false;
    bool invertedXAxis_ = false;
    bool invertedYAxis_ = false;
};

}  // namespace orvane
