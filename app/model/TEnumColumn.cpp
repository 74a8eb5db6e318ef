#include "model/TEnumColumn.hpp"

#include "model/EEntryError.hpp"
#include "model/TGridTable.hpp"
#include "model/TIntColumn.hpp"

namespace orvane {

TEnumColumn::TEnumColumn(std::vector<std::string> captionLines, std::vector<std::string> choices)
    : TStoredColumn<int>(std::move(captionLines)), choices_(std::move(choices))
{
}

void TEnumColumn::setInteger(int row, int value)
{
    const int count = static_cast<int>(choices_.size());
    if (value < 1 || value > count)
        throw EEntryError("Entry must be between 1 and " + std::to_string(count) + ".");
    if (this->value(row) == value) return;
    this->value(row) = value;
    if (index() == 0) owner().rowKindChanged(row);
}

void TEnumColumn::setFromText(int row, const std::string& text)
{
    setInteger(row, TIntColumn::wholeEntry(text, "Value must be an integer."));
}

std::unique_ptr<TColumn> TEnumColumn::copyDefinition() const
{
    auto copy = std::make_unique<TEnumColumn>(captionLines(), choices_);
    copyFlagsTo(*copy);
    return copy;
}

}  // namespace orvane
