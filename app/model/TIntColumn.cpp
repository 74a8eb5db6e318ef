#include "model/TIntColumn.hpp"

#include "model/EEntryError.hpp"
#include "model/TExpression.hpp"

#include <cmath>

namespace orvane {

TIntColumn::TIntColumn(std::vector<std::string> captionLines, int defaultValue, int minimum, int maximum)
    : TStoredColumn<int>(std::move(captionLines)), default_(defaultValue), minimum_(minimum), maximum_(maximum)
{
}

void TIntColumn::setReal(int row, double value)
{
    if (value != std::trunc(value) || value < INT_MIN || value > INT_MAX) throw EGridError("Data of wrong type");
    this->value(row) = static_cast<int>(value);
}

int TIntColumn::wholeEntry(const std::string& text, const std::string& notWholeMessage)
{
    const double value = TExpression::evaluate(text);
    if (value != std::trunc(value) || value < INT_MIN || value > INT_MAX) throw EEntryError(notWholeMessage);
    return static_cast<int>(value);
}

void TIntColumn::setFromText(int row, const std::string& text)
{
    const int entry = wholeEntry(text, "Entry must be an integer.");
    if (entry < minimum_ || entry > maximum_)
        throw EEntryError("Entry must be between " + std::to_string(minimum_) + " and " +
                          std::to_string(maximum_) + ".");
    value(row) = entry;
}

std::unique_ptr<TColumn> TIntColumn::copyDefinition() const
{
    auto copy = std::make_unique<TIntColumn>(captionLines(), default_, minimum_, maximum_);
    copyFlagsTo(*copy);
    return copy;
}

}  // namespace orvane
