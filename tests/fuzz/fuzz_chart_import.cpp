// The chart tables' import of a text (pasted or from a file): the first byte
// picks one of the tables whose window offers the import. The import fills at
// most the table's rows with numbers kept in full and says how many; a refused
// import leaves the table as it was.

#include <cmath>
#include <string>
#include <vector>

#include "fuzz_support.hpp"
#include "model/EEntryError.hpp"
#include "model/TProject.hpp"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    TProject project;
    TProjectTables& t = project.tables();
    std::vector<TGridTableChart*> tables;
    for (TGridTableChart* c : {&t.PYCurves2, &t.PYCurve2, &t.MEICurves2, &t.Rows2})
        if (c->getDataFromFile()) tables.push_back(c);
    fuzz::require(!tables.empty(), "no table offers the import");
    TGridTableChart& table = *tables[data[0] % tables.size()];
    const int before = table.rowCount();
    int filled = 0;
    try {
        filled = table.importFromText(fuzz::text(data + 1, size - 1));
    } catch (const EEntryError&) {
        fuzz::require(table.rowCount() == before, "a refused import changed the table");
        return 0;
    }
    fuzz::require(filled >= 0, "negative row count from an import");
    if (filled > 0) fuzz::require(table.rowCount() >= filled, "an import filled more rows than the table has");
    for (int r = 0; r < filled; ++r)
        for (int c = 0; c < table.columnCount(); ++c) {
            try {
                fuzz::require(std::isfinite(table.column(c).getReal(r)), "an import kept a number that is not finite");
            } catch (const std::exception&) {
                // not a real column
            }
        }
    return 0;
}
