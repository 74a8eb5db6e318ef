#include "py_framework.hpp"

#include <cmath>

#include "io/single.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::soil {

using fortran::Line;

namespace {

constexpr double kAbsent = 1.0e-20;  // property values below this count as absent

// 0-based index of the first row i >= 1 with x <= X[i]; X.size() when x lies deeper.
size_t searchRow(const std::vector<double>& X, double x)
{
    for (size_t i = 1; i < X.size(); ++i)
        if (x <= X[i]) return i;
    return X.size();
}

}  // namespace

CurveFramework::CurveFramework(GenerationRun& run)
    : ACC(run.setup.layers.size(), 0.0), XEQ(run.setup.layers.size(), 0.0), run_(run),
      units_(SoilLabels::forUnits(run.input.units))
{
}

double CurveFramework::interpolateStrengthLike(const std::vector<double>& v, double x, bool meanAtBoundary) const
{
    const std::vector<double>& X = setup().tables.depth;
    const size_t i = searchRow(X, x);
    const size_t last = X.size() - 1;
    if (x == X[last] && i == last) return v[i];
    if (x == X[i] && i < last && X[i] == X[i + 1]) {
        if (!meanAtBoundary) return v[i + 1] < kAbsent ? v[i] : v[i + 1];
        if (v[i] < kAbsent) return v[i + 1];
        if (v[i + 1] < kAbsent) return v[i];
        return (v[i] + v[i + 1]) / 2;
    }
    if (x == X[i]) return v[i];
    return v[i - 1] + (v[i] - v[i - 1]) * (x - X[i - 1]) / (X[i] - X[i - 1]);
}

double CurveFramework::strength(double x) const
{
    const std::vector<double>& X = setup().tables.depth;
    if (X.empty() || x > X.back())
        throw SoilStop("1", "THE VALUE OF X = " + fortran::D(9, 1, x) + "IS BEYOND THE EXTENT OF THE INPUT STRENGTH CURVE");
    return interpolateStrengthLike(setup().tables.strength, x, false);
}

double CurveFramework::phi(double x) const
{
    const std::vector<double>& X = setup().tables.depth;
    if (X.empty() || x > X.back())
        throw SoilStop("", "THE VALUE OF X = " + fortran::D(9, 1, x) + " IS BEYOND THE EXTENT OF THE INPUT PHI CURVE");
    return interpolateStrengthLike(setup().tables.phi, x, true);
}

double CurveFramework::fourth(double x) const
{
    const std::vector<double>& X = setup().tables.depth;
    if (x > X.back()) return setup().tables.e50.back();
    return interpolateStrengthLike(setup().tables.e50, x, true);
}

double CurveFramework::sixth(double x) const
{
    const std::vector<double>& X = setup().tables.depth;
    if (x > X.back()) return setup().tables.sixth.back();
    return interpolateStrengthLike(setup().tables.sixth, x, true);
}

double CurveFramework::averageStrength(double x, size_t layer)
{
    const PropertyTables& t = setup().tables;
    const size_t r0 = 2 * layer, r1 = r0 + 1;  // the layer's own two rows
    if (x > t.depth.back()) {
        report().blank();
        report().rec(Line().x(29).a("**** WARNING ****"));
        report().rec(Line().x(5).a("THE VALUE OF X =").e(9, 2, x).a("IS BEYOND THE EXTENT OF THE/"));
        report().rec(Line().x(5).a("INPUT CURVE FOR STRENGTH"));
    }
    const double dz = t.depth[r1] - t.depth[r0];
    const double c = dz == 0 ? t.strength[r0]
                             : t.strength[r0] + (t.strength[r1] - t.strength[r0]) * (x - t.depth[r0]) / dz;
    if (std::fabs(x - t.depth[r0]) <= f32(1.0E-5)) return c;
    return (t.strength[r0] + c) / 2;
}

double CurveFramework::gammaAverage(double x) const
{
    const PropertyTables& t = setup().tables;
    const double x0 = top(0);
    if (x - x0 < f32(1.0E-6)) {
        for (double g : t.weight)
            if (g > 0) return g;
        return t.weight.back();
    }
    if (x > t.depth.back()) throw SoilStop("4", "THE DEPTH LIES BEYOND THE UNIT WEIGHT TABLE");
    double area = 0;
    for (size_t i = 1; i < t.depth.size(); ++i) {
        const double a = std::max(t.depth[i - 1], x0);
        const double b = std::min(t.depth[i], x);
        if (b - a < f32(1.0E-6)) continue;
        auto g = [&](double z) {
            const double dz = t.depth[i] - t.depth[i - 1];
            return t.weight[i - 1] + (t.weight[i] - t.weight[i - 1]) * (z - t.depth[i - 1]) / dz;
        };
        area += (b - a) * (g(a) + g(b)) / 2;
    }
    return area / (x - x0);
}

namespace {

double tableMultiplier(const std::vector<PyModificationRow>& rows, double z, bool pColumn)
{
    auto value = [&](size_t i) { return pColumn ? rows[i].pFactor : rows[i].yFactor; };
    if (rows.size() == 1) return z == rows[0].depth ? value(0) : 1.0;
    if (z < rows.front().depth || z > rows.back().depth) return 1.0;
    size_t i = 1;
    while (i < rows.size() && z > rows[i].depth) ++i;
    const size_t last = rows.size() - 1;
    if (z == rows[i].depth) {
        if (i < last && rows[i].depth == rows[i + 1].depth) return value(i + 1);
        return value(i);
    }
    return value(i - 1) + (value(i) - value(i - 1)) * (z - rows[i - 1].depth) / (rows[i].depth - rows[i - 1].depth);
}

}  // namespace

double CurveFramework::pMultiplier(double z) const
{
    if (!input().modifications.empty()) return tableMultiplier(input().modifications, z, true);
    // Closely spaced wall elements share the soil in front of them.
    const double R = widthRatio();
    if (R >= f32(1.1) && R < f32(3.1) && z >= H()) return f32(0.5292) * std::pow(R, f32(0.5659));
    return 1.0;
}

double CurveFramework::yMultiplier(double z) const
{
    if (!input().modifications.empty()) return tableMultiplier(input().modifications, z, false);
    return 1.0;
}

double CurveFramework::headingDepth(double d, Side side) const
{
    return side == Side::Excavation ? d - top(0) : H() + d - top(0);
}

double CurveFramework::formulaDepth(size_t layer, double d, Side side) const
{
    if (layer == 0) return headingDepth(d, side);
    return side == Side::Excavation ? XEQ[layer] + (d - top(layer)) : XEQ[layer] + (H() + d - top(layer));
}

double CurveFramework::resistanceAbove(size_t layer) const
{
    double T = 0;
    for (size_t i = 0; i < layer; ++i) T += ACC[i];
    return T;
}

void CurveFramework::sideHeading(Side side)
{
    report().blank(2);
    report().rec(Line().x(9).a(side == Side::Excavation ? "AT THE EXCAVATION SIDE" : "AT THE BACKFILL SIDE"));
}

void CurveFramework::exchangeHeader(double d) { exchange().curveHeader(H() + d - top(0)); }

void CurveFramework::pointLines(const HalfArray& y, const HalfArray& p, const PointForm& form)
{
    for (size_t m = 0; m < y.size(); ++m) {
        Line l;
        l.x(21);
        if (form.reportKind == 'E') l.e(20, form.reportDecimals, y[m]).e(20, form.reportDecimals, p[m]);
        else if (form.reportKind == 'D') l.d(20, form.reportDecimals, y[m]).d(20, form.reportDecimals, p[m]);
        else l.f(20, form.reportDecimals, y[m]).f(20, form.reportDecimals, p[m]);
        report().rec(l);
    }
}

void CurveFramework::exchangePoints(const HalfArray& y, const HalfArray& p, const PointForm& form)
{
    const int between = form.exchangeGapBetween < 0 ? form.exchangeGap : form.exchangeGapBetween;
    for (size_t m = 0; m < y.size(); ++m)
        exchange().record(Line().i(5, static_cast<long long>(m + 1)).x(form.exchangeGap).e(10, 3, p[m])
                              .x(between).e(10, 3, y[m]));
}

void CurveFramework::multiplierLine(double mp, double my)
{
    report().rec(Line().x(21).a(" P-Multiplier = ").e(10, 3, mp).a(" Y-Multiplier = ").e(10, 3, my));
}

void CurveFramework::pointHeading(int blanks)
{
    report().rec(Line().x(blanks).a("Y").x(19).a("P"));
    unitLine({{blanks + 1, units().length}, {blanks + 21, units().forcePerLength}});
}

void CurveFramework::unitLine(const std::vector<std::pair<int, std::string>>& columns)
{
    std::string s;
    for (const auto& [end, text] : columns) {
        const int start = end - static_cast<int>(text.size());
        if (start > static_cast<int>(s.size())) s.append(static_cast<size_t>(start) - s.size(), ' ');
        else if (!s.empty()) s += ' ';
        s += text;
    }
    report().rec(s);
}

void applyMultipliers(HalfArray& y, HalfArray& p, double mp, double my, double shift)
{
    for (size_t m = 0; m < y.size(); ++m) {
        p[m] = mp * p[m] + shift;
        y[m] = my * y[m];
    }
}

}  // namespace orvane::soil
