#pragma once

#include <string>

namespace orvane {

class TColumn;
class TGridTable;

// Access to one cell of a table: its value as real, integer or text, and the
// row's sub-table for a linking column.
class TData {
public:
    TData(TColumn& column, int row) : column_(&column), row_(row) {}

    TGridTable* subTable() const;
    double asReal() const;
    int asInteger() const;
    std::string asText() const;
    void setReal(double value) const;
    void setInteger(int value) const;

private:
    TColumn* column_;
    int row_;
};

}  // namespace orvane
