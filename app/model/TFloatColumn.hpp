#pragma once

#include "model/TStoredColumn.hpp"

namespace orvane {

// Real column with a unit label (converted when the table's unit system
// changes) and a default. With the top-depth flag a new row starts at the
// value of the next column in the row before it (a layer starts where the
// previous one ended).
class TFloatColumn : public TStoredColumn<double> {
public:
    // The largest size an entry may have.
    static constexpr double kLargestValue = 1e300;

    TFloatColumn(std::vector<std::string> captionLines, std::string unitLabel, double defaultValue = 0.0,
                 bool topDepth = false);

    const std::string& unitLabel() const { return unitLabel_; }
    double defaultValue() const { return default_; }
    bool topDepth() const { return topDepth_; }

    std::string captionLine(size_t index, int units) const override;
    double getReal(int row) const override { return value(row); }
    void setReal(int row, double value) override { this->value(row) = value; }
    std::string getText(int row) const override;
    void setFromText(int row, const std::string& text) override;
    void setUnits(int from, int to) override;
    std::unique_ptr<TColumn> copyDefinition() const override;

protected:
    double newValue(int row) override;

private:
    std::string unitLabel_;
    double default_;
    bool topDepth_;
};

}  // namespace orvane
