#pragma once

#include "model/TStoredColumn.hpp"

namespace orvane {

// Choice column: each cell holds the 1-based position of one of the choice
// texts; new rows take the first choice. As the first column of a table the
// choice decides the kind of the row's sub-tables.
class TEnumColumn : public TStoredColumn<int> {
public:
    TEnumColumn(std::vector<std::string> captionLines, std::vector<std::string> choices);

    const std::vector<std::string>& choices() const { return choices_; }

    double getReal(int row) const override { return value(row); }
    int getInteger(int row) const override { return value(row); }
    // A value outside the choices is refused, so that every row keeps a valid
    // kind for its sub-tables.
    void setInteger(int row, int value) override;
    std::string getText(int row) const override { return std::to_string(value(row)); }
    void setFromText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> copyDefinition() const override;

protected:
    int newValue(int) override { return 1; }

private:
    std::vector<std::string> choices_;
};

}  // namespace orvane
