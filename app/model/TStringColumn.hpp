#pragma once

#include "model/TStoredColumn.hpp"

namespace orvane {

// Text column: the entry is stored as typed.
class TStringColumn : public TStoredColumn<std::string> {
public:
    using TStoredColumn<std::string>::TStoredColumn;

    std::string getText(int row) const override { return value(row); }
    void setFromText(int row, const std::string& text) override { value(row) = text; }
    std::unique_ptr<TColumn> copyDefinition() const override;

protected:
    std::string newValue(int) override { return {}; }
};

}  // namespace orvane
