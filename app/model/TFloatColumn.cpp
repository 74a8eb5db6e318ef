#include "model/TFloatColumn.hpp"

#include "model/TExpression.hpp"
#include "model/TGridTable.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"

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

void TFloatColumn::setFromText(int row, const std::string& text)
{
    value(row) = TExpression::evaluate(text);
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
