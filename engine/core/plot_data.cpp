#include "plot_data.hpp"

namespace orvane::engine {

using fortran::Line;

// Each number goes straight into one record buffer: these lines are most of
// the file, so no string is made per number.
void PlotData::ints(std::initializer_list<long long> values)
{
    line_.clear();
    for (long long v : values) {
        line_ += ' ';
        fortran::appendFreeInt(line_, v);
    }
    out_.rec(line_);
}

void PlotData::reals(std::initializer_list<double> values)
{
    line_.clear();
    for (double v : values) {
        line_ += ' ';
        fortran::appendFreeReal(line_, v);
    }
    out_.rec(line_);
}

void PlotData::earthPressure(const std::vector<PressurePoint>& points, int step)
{
    const size_t n = points.size();
    long long m = 0;
    for (size_t k = 0; k < n; ++k)
        if (isPrintedPoint(k, n, step)) ++m;
    ints({m});
    for (size_t k = 0; k < n; ++k) {
        if (!isPrintedPoint(k, n, step)) continue;
        const PressurePoint& p = points[k];
        // A soil part of exactly zero is written as 1.0E-07. Each field gets its
        // own two blanks: a negative E10.3 fills its whole field, and the
        // reader splits numbers at blanks.
        const double soil = p.soil == 0.0 ? 1.0E-07 : p.soil;
        out_.rec(Line().x(2).e(10, 3, p.depth).x(2).e(10, 3, p.total).x(2).e(10, 3, soil).x(2).e(10, 3, p.surcharge));
    }
}

void PlotData::generatedCurveDepth(double depth, int points)
{
    out_.rec(Line().x(1).f(10, 2, depth).x(1).i(5, points));
}

void PlotData::results(int caseCount, int units, const std::vector<ResultRow>& rows)
{
    ints({caseCount, static_cast<long long>(rows.size()), units});
    for (const ResultRow& r : rows)
        out_.rec(Line().x(1).e(13, 4, r.x).e(13, 4, r.deflection).e(13, 4, r.moment).e(13, 4, r.shear)
                     .e(13, 4, r.reaction));
}

}  // namespace orvane::engine
