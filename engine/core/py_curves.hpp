#pragma once
// The p-y curve table of a set: user curve sets read from the data file, and
// the p-y exchange file through which generated curves (and, beside them, the
// user sets) reach the table.

#include <array>
#include <filesystem>
#include <vector>

#include "core/plot_data.hpp"
#include "core/report.hpp"
#include "core/set_data.hpp"
#include "io/free_reader.hpp"
#include "io/records.hpp"

namespace orvane::engine {

struct CurveContext {
    io::FreeReader& in;
    Report& report;
    PlotData& plot;
    SetData& set;
};

// User sets without generation: each set becomes a curve; sets below the
// excavation level continue linearly to the next one.
void readUserCurves(CurveContext& ctx);

// User sets that go beside generated curves: read, echoed and stored with the
// flag 0; the exchange file receives them again before the generated curves.
void readUserCurvesBesideGenerated(CurveContext& ctx);

// Reads the exchange file back into the curve table (ways with generation).
// `besideUserSets` tells whether the user sets lead the file.
void readExchangeFile(const std::filesystem::path& path, CurveContext& ctx, bool besideUserSets);

}  // namespace orvane::engine
