#pragma once
// The plot-data file: per set an earth-pressure block, a p-y block and a
// results block. Free-format lines are numbers separated by blanks; the
// reader takes the numbers one after the other, so only their order matters.

#include <initializer_list>
#include <string>
#include <vector>

#include "core/report.hpp"
#include "core/set_data.hpp"
#include "io/records.hpp"

namespace orvane::engine {

class PlotData {
public:
    explicit PlotData(io::Records& out) : out_(out) {}

    void ints(std::initializer_list<long long> values);
    void reals(std::initializer_list<double> values);

    // Points are force per unit length of wall; `step` selects those the report lists.
    void earthPressure(const std::vector<PressurePoint>& points, int step);
    void noEarthPressure() { ints({0}); }
    void generatedCurveDepth(double depth, int points);  // the line ahead of a generated curve's points
    void results(int caseCount, int units, const std::vector<ResultRow>& rows);

private:
    io::Records& out_;
    std::string line_;  // the free-format record being built, reused
};

}  // namespace orvane::engine
