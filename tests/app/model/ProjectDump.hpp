#pragma once

#include "model/TProject.hpp"

#include <string>

namespace orvane {

// Every value of a project as text: single values, then each table with its
// sub-tables. Two projects compare as strings, and a difference shows where.
// Reals have 7 digits, so the 8-digit rounding of the data file and its
// feet/inch conversions do not count. File bookkeeping (names, layout flags)
// is left out.
std::string dumpProject(const TProject& project);
std::string dumpTable(const TGridTable& table);

}  // namespace orvane
