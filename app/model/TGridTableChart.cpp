#include "model/TGridTableChart.hpp"

#include "model/EEntryError.hpp"
#include "model/EReadError.hpp"
#include "model/TRealFormat.hpp"

#include <fstream>
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
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EReadError("Cannot open file \"" + path.string() + "\"");
    std::string line;
    return importLines([&]() -> std::optional<std::string> {
        if (!std::getline(file, line)) return std::nullopt;
        return line;
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

template <class NextLine>
int TGridTableChart::importLines(NextLine nextLine)
{
    int filled = 0;
    while (maxRows() == 0 || filled < maxRows()) {
        const std::optional<std::string> line = nextLine();
        if (!line) break;
        if (storeLine(*line, filled)) ++filled;
    }
    if (filled > 0) {
        setRowCount(filled);
        setModified(true);
    }
    return filled;
}

bool TGridTableChart::storeLine(std::string_view line, int row)
{
    const std::vector<double> numbers = leadingNumbers(line);
    if (numbers.size() != static_cast<size_t>(columnCount())) return false;
    if (row >= rowCount()) setRowCount(row + 1);
    for (int c = 0; c < columnCount(); ++c) column(c).setReal(row, numbers[static_cast<size_t>(c)]);
    return true;
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
