#include "model/TFloatColumn.hpp"

#include "model/EEntryError.hpp"
#include "model/TExpression.hpp"
#include "model/TGridTable.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"

#include <cmath>

namespace orvane {

TFloatColumn::TFloatColumn(std::vector<std::string> captionLines, std::string unitLabel, double defaultValue,
                           bool topDepth)
    : TStoredColumn<double>(std::move(captionLines)), unitLabel_(std::move(unitLabel)), default_(defaultValue),
      topDepth_(topDepth)
{
}

std::string TFloatColumn::captionLine(size_t index, int units) const
{
    const std::string line = TColumn::captionLine(index, units);
    if (unitLabel_.empty() || index + 1 != captionLines().size()) return line;
    return TUnits::captionWithUnit(line, TUnits::columnText(unitLabel_, units));
}

std::string TFloatColumn::getText(int row) const
{
    return TRealFormat::data(value(row));
}

// Values beyond kLargestValue would turn infinite in a unit conversion (a
// depth in feet is saved in inches), and the data file could not hold them.
void TFloatColumn::setFromText(int row, const std::string& text)
{
    const double entered = TExpression::evaluate(text);
    if (!std::isfinite(entered) || std::fabs(entered) > kLargestValue)
        throw EEntryError("The number " + text + " in " + owner().caption() + ", row " + std::to_string(row + 1) +
                          ", column " + std::to_string(index() + 1) +
                          " is too large: values up to 1E300 in size can be kept.");
    value(row) = entered;
}

void TFloatColumn::setUnits(int from, int to)
{
    const double factor = TUnits::factor(from, to, unitLabel_);
    for (double& v : values()) v *= factor;
}

std::unique_ptr<TColumn> TFloatColumn::copyDefinition() const
{
    auto copy = std::make_unique<TFloatColumn>(captionLines(), unitLabel_, default_, topDepth_);
    copyFlagsTo(*copy);
    return copy;
}

double TFloatColumn::newValue(int row)
{
    if (!topDepth_) return default_;
    const TGridTable& table = owner();
    if (index() + 1 >= table.columnCount() || !dynamic_cast<const TFloatColumn*>(&table.column(index() + 1)))
        throw EGridError("If column if a topdepth then the next column must be a float column");
    return row == 0 ? default_ : table.column(index() + 1).getReal(row - 1);
}

}  // namespace orvane
