#pragma once
// Export of an analysed project's graphs to a spreadsheet workbook.

#include <optional>
#include <string>

namespace orvane::cli {

// Writes OUT.xlsx from the graphs of the plot-data file beside the data file.
// plots lists export-list numbers 1 .. 7 separated by commas (1 p-y, 2
// deflection, 3 shear, 4 moment, 5 reaction, 6 earth-pressure distribution,
// 7 combined); without it every available entry is exported, as the export
// dialog ticks them. Exit status: 0 written, 1 an entry not available or the
// file not written (no file then), 2 a malformed list.
int runExportXlsx(const std::string& data, const std::string& out, const std::optional<std::string>& plots);

}  // namespace orvane::cli
