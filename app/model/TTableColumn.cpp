#include "model/TTableColumn.hpp"

#include "model/TEnumColumn.hpp"
#include "model/TTableRegistry.hpp"

namespace orvane {

TTableColumn::TTableColumn(std::vector<std::string> captionLines, std::vector<int> templateIds)
    : TStoredColumn<std::unique_ptr<TGridTable>>(std::move(captionLines)), templateIds_(std::move(templateIds))
{
}

void TTableColumn::insertRows(int at, int count)
{
    TStoredColumn::insertRows(at, count);
    renumberFrom(at + count);
}

void TTableColumn::deleteRows(int at, int count)
{
    TStoredColumn::deleteRows(at, count);
    renumberFrom(at);
}

bool TTableColumn::isModified() const
{
    for (const auto& table : values())
        if (table->isModified()) return true;
    return false;
}

void TTableColumn::clearModified()
{
    for (const auto& table : values()) table->setModified(false);
}

void TTableColumn::setUnits(int, int to)
{
    for (const auto& table : values()) table->setUnits(to);
}

void TTableColumn::ensureMinRows()
{
    for (const auto& table : values()) table->ensureMinRows();
}

std::unique_ptr<TColumn> TTableColumn::copyDefinition() const
{
    auto copy = std::make_unique<TTableColumn>(captionLines(), templateIds_);
    copyFlagsTo(*copy);
    return copy;
}

void TTableColumn::renewRow(int row)
{
    value(row) = newValue(row);
}

std::unique_ptr<TGridTable> TTableColumn::newValue(int row)
{
    TGridTable& table = owner();
    int kind = 1;
    if (index() > 0)
        if (const auto* first = dynamic_cast<const TEnumColumn*>(&table.column(0))) kind = first->getInteger(row);
    if (kind < 1 || kind > static_cast<int>(templateIds_.size())) throw EGridError("Index out of bounds");
    const TGridTable* templateTable = table.registry().find(templateIds_[static_cast<size_t>(kind - 1)]);
    if (!templateTable) throw EGridError("Index out of bounds");
    return templateTable->makeSubTable(table, row + 1);
}

void TTableColumn::renumberFrom(int row)
{
    for (int r = row; r < rowCount(); ++r) value(r)->setNumber(r + 1);
}

}  // namespace orvane
