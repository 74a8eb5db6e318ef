#include "model/TGridTable.hpp"

#include "model/EGridError.hpp"
#include "model/TTableColumn.hpp"
#include "model/TTableRegistry.hpp"

#include <algorithm>

namespace orvane {

TGridTable::TGridTable(TTableRegistry& registry, bool registered) : registry_(&registry), registered_(registered)
{
    if (registered_) identifier_ = registry_->add(*this);
}

TGridTable::~TGridTable()
{
    registry_->tableDestroyed(*this);
    if (registered_) registry_->remove(*this);
}

void TGridTable::setIdentifier(int identifier)
{
    if (registered_)
        if (TGridTable* other = registry_->find(identifier); other && other != this) other->identifier_ = identifier_;
    identifier_ = identifier;
}

void TGridTable::setMinRows(int rows)
{
    if (rows < 1) throw EGridError("Value must be greater than 0");
    minRows_ = rows;
}

TColumn& TGridTable::column(int index) const
{
    if (index < 0 || index >= columnCount()) throw EGridError("Index out of bounds");
    return *columns_[static_cast<size_t>(index)];
}

TData TGridTable::cell(int column, int row) const
{
    if (row < 0 || row >= rowCount_) throw EGridError("Index out of bounds");
    return TData(this->column(column), row);
}

int TGridTable::headerRowCount() const
{
    size_t lines = 0;
    for (const auto& c : columns_)
        if (c->visible()) lines = std::max(lines, c->captionLines().size());
    return static_cast<int>(lines);
}

void TGridTable::setRowCount(int rows)
{
    rows = std::max(rows, 0);
    if (rows < rowCount_)
        deleteRows(rows, rowCount_ - rows);
    else if (rows > rowCount_)
        insertRows(rowCount_, rows - rowCount_);
}

void TGridTable::insertRows(int at, int count)
{
    if (at < 0 || at > rowCount_ || count < 0) throw EGridError("Index out of bounds");
    // Columns in order: a linking column reads the row's kind from the first
    // column, a top-depth column the next column of the row before.
    for (auto& c : columns_) c->insertRows(at, count);
    rowCount_ += count;
}

void TGridTable::deleteRows(int at, int count)
{
    if (at < 0 || count < 0 || at + count > rowCount_) throw EGridError("Index out of bounds");
    for (auto& c : columns_) c->deleteRows(at, count);
    rowCount_ -= count;
}

void TGridTable::ensureMinRows()
{
    if (rowCount_ < minRows_) setRowCount(minRows_);
    for (auto& c : columns_) c->ensureMinRows();
}

void TGridTable::addRowGroup()
{
    insertRows(rowCount_, rowGroup_);
    modified_ = true;
}

void TGridTable::insertRowGroup(int currentRow)
{
    checkRow(currentRow);
    insertRows(currentRow / rowGroup_ * rowGroup_, rowGroup_);
    modified_ = true;
}

void TGridTable::deleteRowGroup(int currentRow)
{
    checkRow(currentRow);
    const int first = currentRow / rowGroup_ * rowGroup_;
    deleteRows(first, std::min(rowGroup_, rowCount_ - first));
    modified_ = true;
}

void TGridTable::commit(int column, int row, const std::string& text)
{
    if (row < 0 || row >= rowCount_) throw EGridError("Index out of bounds");
    this->column(column).setFromText(row, text);
    modified_ = true;
}

void TGridTable::setUnits(int units)
{
    if (units == units_) return;
    for (auto& c : columns_) c->setUnits(units_, units);
    units_ = units;
}

bool TGridTable::isModified() const
{
    return modified_ || std::any_of(columns_.begin(), columns_.end(), [](const auto& c) { return c->isModified(); });
}

void TGridTable::setModified(bool modified)
{
    modified_ = modified;
    if (!modified)
        for (auto& c : columns_) c->clearModified();
}

std::string TGridTable::windowCaption() const
{
    std::string numbers;
    for (const TGridTable* t = this; t; t = t->parent_)
        if (t->number_ != 0) numbers = " " + std::to_string(t->number_) + numbers;
    return caption_ + numbers;
}

std::unique_ptr<TGridTable> TGridTable::makeSubTable(TGridTable& parent, int number) const
{
    auto copy = std::make_unique<TGridTable>(*registry_, false);
    copyDefinitionTo(*copy, parent, number);
    return copy;
}

void TGridTable::rowKindChanged(int row)
{
    for (auto& c : columns_)
        if (auto* link = dynamic_cast<TTableColumn*>(c.get())) link->renewRow(row);
}

void TGridTable::copyDefinitionTo(TGridTable& copy, TGridTable& parent, int number) const
{
    copy.caption_ = caption_;
    copy.comments_ = comments_;
    copy.topLeft_ = topLeft_;
    copy.minRows_ = minRows_;
    copy.maxRows_ = maxRows_;
    copy.rowGroup_ = rowGroup_;
    copy.units_ = parent.units_;
    copy.parent_ = &parent;
    copy.number_ = number;
    for (const auto& c : columns_) copy.adoptColumn(c->copyDefinition());
    copy.setRowCount(minRows_);
}

void TGridTable::adoptColumn(std::unique_ptr<TColumn> column)
{
    column->attach(*this, columnCount());
    columns_.push_back(std::move(column));
    columns_.back()->insertRows(0, rowCount_);
}

void TGridTable::checkRow(int row) const
{
    if (row < 0 || row >= rowCount_) throw EGridError("Grid.Row not in valid range");
}

}  // namespace orvane
