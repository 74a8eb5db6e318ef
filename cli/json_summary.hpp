#pragma once
// The analysis summary as one JSON document, for scripts: per data file its
// path, outcome and message, the findings of the checks before the run
// (table, row or null, text), the files of the run and, per analysed set, how
// it ended and the largest results along the wall with their depths and units.

#include <string>
#include <vector>

#include "summary.hpp"

namespace orvane::cli {

std::string jsonSummary(const std::vector<JobSummary>& jobs);

}  // namespace orvane::cli
