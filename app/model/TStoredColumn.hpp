#pragma once

#include "model/EGridError.hpp"
#include "model/TColumn.hpp"

#include <vector>

namespace orvane {

// Row storage shared by the column kinds: one value of type T per row, new
// rows taking the kind's default.
template <class T>
class TStoredColumn : public TColumn {
public:
    using TColumn::TColumn;

    int rowCount() const override { return static_cast<int>(values_.size()); }

    void insertRows(int at, int count) override
    {
        checkRange(at, rowCount());
        for (int i = 0; i < count; ++i) values_.insert(values_.begin() + at + i, newValue(at + i));
    }

    void deleteRows(int at, int count) override
    {
        checkRange(at, rowCount() - count);
        values_.erase(values_.begin() + at, values_.begin() + at + count);
    }

protected:
    // Default of a new row, created after the rows before it.
    virtual T newValue(int row) = 0;

    T& value(int row)
    {
        checkRange(row, rowCount() - 1);
        return values_[static_cast<size_t>(row)];
    }

    const T& value(int row) const
    {
        checkRange(row, rowCount() - 1);
        return values_[static_cast<size_t>(row)];
    }

    std::vector<T>& values() { return values_; }
    const std::vector<T>& values() const { return values_; }

private:
    static void checkRange(int index, int last)
    {
        if (index < 0 || index > last) throw EGridError("Index out of bounds");
    }

    std::vector<T> values_;
};

}  // namespace orvane
