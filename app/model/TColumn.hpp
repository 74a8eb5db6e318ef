#pragma once

#include <memory>
#include <string>
#include <vector>

namespace orvane {

class TGridTable;

// One typed column of a grid table: a value per row, caption lines and the
// operations that every kind of column answers. Kinds override what applies
// to them; the others raise "Data of wrong type".
class TColumn {
public:
    explicit TColumn(std::vector<std::string> captionLines);
    virtual ~TColumn() = default;
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    const std::vector<std::string>& captionLines() const { return captionLines_; }
    // Header line `index` as shown, with the unit text on the last line of a
    // labelled column.
    virtual std::string captionLine(size_t index, int units) const;

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    bool grouped() const { return grouped_; }
    void setGrouped(bool grouped) { grouped_ = grouped; }

    virtual int rowCount() const = 0;
    virtual void insertRows(int at, int count) = 0;
    virtual void deleteRows(int at, int count) = 0;

    virtual double getReal(int row) const;
    virtual void setReal(int row, double value);
    virtual int getInteger(int row) const;
    virtual void setInteger(int row, int value);
    virtual TGridTable* subTable(int row) const;
    virtual std::string getText(int row) const = 0;
    // Stores a typed entry; throws EEntryError / EMathError and keeps the old
    // value when the entry is not acceptable.
    virtual void setFromText(int row, const std::string& text) = 0;

    virtual bool isModified() const { return false; }
    virtual void clearModified() {}
    virtual void setUnits(int from, int to);
    virtual void ensureMinRows() {}

    // A column of the same kind and definition, without rows.
    virtual std::unique_ptr<TColumn> copyDefinition() const = 0;

    // Called by the table that takes the column.
    void attach(TGridTable& owner, int index);

protected:
    void copyFlagsTo(TColumn& copy) const;
    TGridTable& owner() const;
    int index() const { return index_; }

private:
    std::vector<std::string> captionLines_;
    bool visible_ = true;
    bool grouped_ = false;
    TGridTable* owner_ = nullptr;
    int index_ = -1;
};

}  // namespace orvane
