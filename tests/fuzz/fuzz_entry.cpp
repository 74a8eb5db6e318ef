// The expression evaluator and the cell entry of every column of every project
// table (float, integer, choice, text and linking columns). The first byte
// picks the column, the second the row, the rest is the entry. An accepted
// entry leaves a finite value in a real column, and the cell's text, entered
// again, is accepted and shows the same.

#include <cmath>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "model/EEntryError.hpp"
#include "model/EGridError.hpp"
#include "model/EMathError.hpp"
#include "model/TExpression.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TProject.hpp"

using namespace orvane;

namespace {

struct Cell {
    TGridTable* table;
    int column;
};

bool commit(TGridTable& table, int column, int row, const std::string& text)
{
    try {
        table.commit(column, row, text);
        return true;
    } catch (const EEntryError&) {
    } catch (const EMathError&) {
    } catch (const EGridError&) {
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 2) return 0;
    const std::string entry(fuzz::text(data + 2, size - 2));
    try {
        const double v = TExpression::evaluate(entry);
        (void)v;
    } catch (const EEntryError&) {
    } catch (const EMathError&) {
    }

    TProject project;
    std::vector<Cell> cells;
    for (TGridTable* t : project.tables().all())
        for (int c = 0; c < t->columnCount(); ++c) cells.push_back({t, c});
    if (cells.empty()) return 0;
    const Cell cell = cells[data[0] % cells.size()];
    TGridTable& table = *cell.table;
    if (table.rowCount() == 0) table.insertRows(0, 1);
    if (table.rowCount() == 0) return 0;
    const int row = data[1] % table.rowCount();
    TColumn& column = table.column(cell.column);
    if (!commit(table, cell.column, row, entry)) return 0;

    const bool real = dynamic_cast<TFloatColumn*>(&column) != nullptr;
    if (real) fuzz::require(std::isfinite(column.getReal(row)), "a real cell took a value that is not finite: " + entry);
    const std::string shown = column.getText(row);
    fuzz::require(commit(table, cell.column, row, shown),
                  "the text a cell shows is refused when entered again: '" + shown + "' from '" + entry + "'");
    fuzz::require(column.getText(row) == shown, "entering what a cell shows changes it: '" + shown + "' became '" +
                                                    column.getText(row) + "'");
    return 0;
}
