#pragma once

#include "model/TProject.hpp"

namespace orvane {

// An English project with every option on and every table filled: the
// fixture of the round-trip tests.
void fillSampleProject(TProject& project);

// Sets the rows of a table from a list of rows of values (integers for
// integer and choice columns); linking columns are skipped.
void setRows(TGridTable& table, const std::vector<std::vector<double>>& rows);

}  // namespace orvane
