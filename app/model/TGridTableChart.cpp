#include "model/TGridTableChart.hpp"

#include "model/EEntryError.hpp"
#include "model/EReadError.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TRealFormat.hpp"
#include "model/TTextFile.hpp"

#include <cmath>
#include <optional>
#include <vector>

namespace orvane {

namespace {

constexpr size_t kMaxNumbersPerLine = 15;

// Numbers at the start of a line: blanks and TABs before each are skipped, a
// number ends at a blank, TAB, comma or CR, and the first item that is not a
// number ends the line.
std::vector<double> leadingNumbers(std::string_view line)
{
    std::vector<double> numbers;
    size_t at = 0;
    while (numbers.size() < kMaxNumbersPerLine) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) break;
        size_t end = line.find_first_of(" \t,\r", at);
        if (end == std::string_view::npos) end = line.size();
        const auto number = TRealFormat::parse(line.substr(at, end - at));
        if (!number) break;
        numbers.push_back(*number);
        at = (end < line.size() && line[end] == ',') ? end + 1 : end;
    }
    return numbers;
}

}  // namespace

void TGridTableChart::setChart(int xColumn, int yColumn)
{
    chartShown_ = true;
    xColumn_ = xColumn;
    yColumn_ = yColumn;
}

void TGridTableChart::setInvertedAxes(bool x, bool y)
{
    invertedXAxis_ = x;
    invertedYAxis_ = y;
}

int TGridTableChart::importFromFile(const std::filesystem::path& path)
{
    // A regular file only, of bounded length: the user may pick anything.
    const std::vector<std::string> lines = TTextFile::readLines(path);
    size_t next = 0;
    return importLines([&]() -> std::optional<std::string> {
        if (next >= lines.size()) return std::nullopt;
        return lines[next++];
    });
}

int TGridTableChart::importFromText(std::string_view text)
{
    if (text.empty()) throw EEntryError("There is no text on the Clipboard");
    size_t at = 0;
    return importLines([&]() -> std::optional<std::string> {
        if (at >= text.size()) return std::nullopt;
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string_view::npos) end = text.size();
        std::string line(text.substr(at, end - at));
        at = end;
        if (at < text.size() && text[at] == '\r') ++at;
        if (at < text.size() && text[at] == '\n') ++at;
        return line;
    });
}

// Every line is checked before the table changes, so an import that is
// refused keeps the rows the table had.
template <class NextLine>
int TGridTableChart::importLines(NextLine nextLine)
{
    std::vector<std::vector<double>> rows;
    int lineNumber = 0;
    while (maxRows() == 0 || static_cast<int>(rows.size()) < maxRows()) {
        const std::optional<std::string> line = nextLine();
        if (!line) break;
        ++lineNumber;
        std::vector<double> numbers = leadingNumbers(*line);
        if (numbers.size() != static_cast<size_t>(columnCount())) continue;
        for (size_t c = 0; c < numbers.size(); ++c)
            if (!std::isfinite(numbers[c]) || std::fabs(numbers[c]) > TFloatColumn::kLargestValue)
                throw EEntryError("Line " + std::to_string(lineNumber) + " of the data to import, column " +
                                  std::to_string(c + 1) + " of " + caption() +
                                  ": the number is too large: values up to 1E300 in size can be kept.");
        rows.push_back(std::move(numbers));
    }
    const int filled = static_cast<int>(rows.size());
    if (filled > 0) {
        setRowCount(filled);
        for (int row = 0; row < filled; ++row) storeRow(rows[static_cast<size_t>(row)], row);
        setModified(true);
    }
    return filled;
}

void TGridTableChart::storeRow(const std::vector<double>& numbers, int row)
{
    for (int c = 0; c < columnCount(); ++c) column(c).setReal(row, numbers[static_cast<size_t>(c)]);
}

std::unique_ptr<TGridTable> TGridTableChart::makeSubTable(TGridTable& parent, int number) const
{
    auto copy = std::make_unique<TGridTableChart>(registry(), false);
    copyDefinitionTo(*copy, parent, number);
    copy->chartShown_ = chartShown_;
    copy->xColumn_ = xColumn_;
    copy->yColumn_ = yColumn_;
    copy->getDataFromFile_ = getDataFromFile_;
    copy->okCancelButtons_ = okCancelButtons_;
    copy->invertedXAxis_ = invertedXAxis_;
    copy->invertedYAxis_ = invertedYAxis_;
    return copy;
}

}  // namespace orvane
