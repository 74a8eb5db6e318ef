#pragma once

#include "model/TStoredColumn.hpp"

#include <climits>

namespace orvane {

// Integer column with a default for new rows and limits for typed entries.
class TIntColumn : public TStoredColumn<int> {
public:
    TIntColumn(std::vector<std::string> captionLines, int defaultValue, int minimum = INT_MIN,
               int maximum = INT_MAX);

    int defaultValue() const { return default_; }
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    double getReal(int row) const override { return value(row); }
    // Reals are accepted when they are whole numbers within the integer range.
    void setReal(int row, double value) override;
    int getInteger(int row) const override { return value(row); }
    void setInteger(int row, int value) override { this->value(row) = value; }
    std::string getText(int row) const override { return std::to_string(value(row)); }
    void setFromText(int row, const std::string& text) override;
    std::unique_ptr<TColumn> copyDefinition() const override;

    // The entry's value when it evaluates to a whole number within the 32-bit
    // range, else EEntryError(notWholeMessage).
    static int wholeEntry(const std::string& text, const std::string& notWholeMessage);

protected:
    int newValue(int) override { return default_; }

private:
    int default_;
    int minimum_;
    int maximum_;
};

}  // namespace orvane
