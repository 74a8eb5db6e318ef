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

inline constexpr const char* kExchangeFileName = "soildata";

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

// One generated curve in the exchange file: 34 points, two halves of 17 each
// starting at the origin (points 1-17 positive deflection, 18-34 negative).
struct GeneratedCurve {
    double depth = 0;  // below the top of the wall
    std::array<double, 34> p{};
    std::array<double, 34> y{};
};

class ExchangeWriter {
public:
    bool open(const std::filesystem::path& path) { return out_.open(path); }
    void close() { out_.close(); }
    // The curve count and the user sets (points as scaled by their multipliers).
    void header(int curveCount, const std::vector<UserCurveSet>& userSets);
    void curveHeader(double depth);
    // A point line in the generators' common form: I5, 1X, E10.3, 1X, E10.3.
    void point(int number, double p, double y);
    void record(const fortran::Line& line) { out_.rec(line); }
    void generated(const GeneratedCurve& c);

private:
    io::Records out_;
};

// Reads the exchange file back into the curve table (ways with generation).
// `besideUserSets` tells whether the user sets lead the file.
void readExchangeFile(const std::filesystem::path& path, CurveContext& ctx, bool besideUserSets);

}  // namespace orvane::engine
