#pragma once
// Reads one analysis set from text and iterates it in-process, so tests see
// the deflections at full precision.

#include <string>
#include <vector>

#include "core/iteration.hpp"
#include "core/report.hpp"
#include "core/set_data.hpp"
#include "core/stations.hpp"

namespace orvane::test {

struct SetAnalysis {
    engine::SetData set;
    engine::StationTables tables;
    engine::Table W;
    engine::IterationEnd end;
    std::vector<engine::ResultRow> rows;  // stations 0..NI
    std::string report;                   // what the set wrote to the report
    std::string plot;
    std::string notes;
};

// `text` starts with the control line (no title). Throws what the reader throws.
SetAnalysis analyse(const std::string& text);

}  // namespace orvane::test
