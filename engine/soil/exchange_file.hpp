#pragma once
// Writing the p-y exchange file "soildata": the curve count, the user curve
// sets (scaled by their multipliers) and then one 34-point record per
// generated curve. The engine core reads it back into its curve table.

#include <array>
#include <filesystem>
#include <vector>

#include "io/records.hpp"

namespace orvane::soil {

inline constexpr const char* kExchangeFileName = "soildata";

// A generated curve in the file: two halves, each starting at the origin
// (points 1-17 the excavation side, 18-34 the backfill side).
inline constexpr int kHalfCurvePoints = 17;
inline constexpr int kCurvePoints = 2 * kHalfCurvePoints;

// A user curve set as it goes into the exchange file.
struct ExchangeUserSet {
    int station = 0;
    std::vector<double> y;  // y-multiplier applied
    std::vector<double> p;  // p-multiplier applied
};

// One generated curve: its kCurvePoints points in file order.
struct GeneratedCurve {
    double depth = 0;  // below the top of the wall
    std::array<double, kCurvePoints> p{};
    std::array<double, kCurvePoints> y{};
};

class ExchangeWriter {
public:
    bool open(const std::filesystem::path& path) { return out_.open(path, true); }
    bool close() { return out_.close(); }
    // Throws the failure of the last open or close: the job cannot go on
    // without its exchange file.
    [[noreturn]] void fail() const { throw io::WriteFailure(out_.path(), out_.error()); }
    void header(int curveCount, const std::vector<ExchangeUserSet>& userSets);
    void curveHeader(double depth);  // free format: the depth and the count of points
    // The common point form of the generators: I5, 1X, E10.3, 1X, E10.3.
    void point(int number, double p, double y);
    void record(const fortran::Line& line) { out_.rec(line); }
    void generated(const GeneratedCurve& c);

private:
    io::Records out_;
};

}  // namespace orvane::soil
