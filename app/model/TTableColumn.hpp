#pragma once

#include "model/TGridTable.hpp"
#include "model/TStoredColumn.hpp"

#include <memory>

namespace orvane {

// Linking column: every row owns a sub-table copied from a template table.
// The template is chosen by the row's kind (the choice in the table's first
// column, else 1) among the column's template identifiers.
class TTableColumn : public TStoredColumn<std::unique_ptr<TGridTable>> {
public:
    TTableColumn(std::vector<std::string> captionLines, std::vector<int> templateIds);

    const std::vector<int>& templateIds() const { return templateIds_; }

    TGridTable* subTable(int row) const override { return value(row).get(); }
    std::string getText(int) const override { return {}; }
    void setFromText(int, const std::string&) override {}

    void insertRows(int at, int count) override;
    void deleteRows(int at, int count) override;

    bool isModified() const override;
    void clearModified() override;
    void setUnits(int from, int to) override;
    void ensureMinRows() override;
    std::unique_ptr<TColumn> copyDefinition() const override;

    // Gives the row a fresh sub-table of its current kind, with defaults.
    void renewRow(int row);

protected:
    std::unique_ptr<TGridTable> newValue(int row) override;

private:
    void renumberFrom(int row);

    std::vector<int> templateIds_;
};

}  // namespace orvane
