#pragma once

#include "model/TColumn.hpp"
#include "model/TData.hpp"

#include <memory>
#include <string>
#include <vector>

namespace orvane {

class TTableRegistry;

// A table of typed columns with row limits, a unit system and a modified
// flag: the data behind every tabular input of a project. Windows show and
// edit it; they keep no data of their own.
class TGridTable {
public:
    // A registered table can be found by its identifier as a template; sub-tables
    // are not registered but look their own templates up in the same registry.
    explicit TGridTable(TTableRegistry& registry, bool registered = true);
    virtual ~TGridTable();
    TGridTable(const TGridTable&) = delete;
    TGridTable& operator=(const TGridTable&) = delete;

    int identifier() const { return identifier_; }
    // An identifier that another registered table has is swapped with this
    // table's old one, so identifiers stay unique.
    void setIdentifier(int identifier);
    const std::string& caption() const { return caption_; }
    void setCaption(std::string caption) { caption_ = std::move(caption); }
    const std::string& comments() const { return comments_; }
    void setComments(std::string comments) { comments_ = std::move(comments); }
    const std::string& topLeft() const { return topLeft_; }
    void setTopLeft(std::string text) { topLeft_ = std::move(text); }
    int minRows() const { return minRows_; }
    void setMinRows(int rows);
    // 0 means no limit.
    int maxRows() const { return maxRows_; }
    void setMaxRows(int rows) { maxRows_ = rows < 0 ? 0 : rows; }
    int rowGroup() const { return rowGroup_; }
    void setRowGroup(int rows) { rowGroup_ = rows < 1 ? 1 : rows; }

    template <class C>
    C& addColumn(std::unique_ptr<C> column)
    {
        C& added = *column;
        adoptColumn(std::move(column));
        return added;
    }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    TColumn& column(int index) const;
    TData cell(int column, int row) const;
    // Header rows: the most caption lines of any visible column.
    int headerRowCount() const;

    int rowCount() const { return rowCount_; }
    // Removes rows from the end or appends rows with the column defaults.
    void setRowCount(int rows);
    void insertRows(int at, int count);
    void deleteRows(int at, int count);
    void ensureMinRows();

    // Rules of the editing window's row buttons.
    bool rowButtonsVisible() const { return minRows_ != maxRows_; }
    bool canAddRows() const { return maxRows_ == 0 || rowCount_ < maxRows_; }
    bool canDeleteRows() const { return rowCount_ > minRows_; }
    // The window's row commands, by row groups; each marks the table modified.
    void addRowGroup();
    void insertRowGroup(int currentRow);
    void deleteRowGroup(int currentRow);

    // Stores a typed entry in a cell and marks the table modified; a rejected
    // entry (EEntryError, EMathError) changes nothing.
    void commit(int column, int row, const std::string& text);

    int units() const { return units_; }
    // Converts every real column from the current unit system; linking
    // columns pass the system on to their sub-tables.
    void setUnits(int units);

    bool isModified() const;
    // True sets this table's flag; false clears it here, in every column and
    // in every sub-table.
    void setModified(bool modified);

    // 1-based row of the parent row for a sub-table, 0 otherwise.
    int number() const { return number_; }
    void setNumber(int number) { number_ = number; }
    TGridTable* parent() const { return parent_; }
    // Caption followed by the numbers of this table and its ancestors.
    std::string windowCaption() const;

    TTableRegistry& registry() const { return *registry_; }
    // A new sub-table owned by `parent` with this table's definition.
    virtual std::unique_ptr<TGridTable> makeSubTable(TGridTable& parent, int number) const;
    // The first column's choice of a row changed: its sub-tables start again.
    void rowKindChanged(int row);

protected:
    void copyDefinitionTo(TGridTable& copy, TGridTable& parent, int number) const;

private:
    void adoptColumn(std::unique_ptr<TColumn> column);
    void checkRow(int row) const;

    TTableRegistry* registry_;
    bool registered_;
    int identifier_ = 0;
    std::string caption_;
    std::string comments_;
    std::string topLeft_;
    int minRows_ = 1;
    int maxRows_ = 0;
    int rowGroup_ = 1;
    int rowCount_ = 0;
    int units_ = 1;
    bool modified_ = false;
    int number_ = 0;
    TGridTable* parent_ = nullptr;
    std::vector<std::unique_ptr<TColumn>> columns_;
};

}  // namespace orvane
