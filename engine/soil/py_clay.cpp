// The clay generators: for every curve of a layer an excavation-side and a
// backfill-side half, shifted by the active pressure at the excavation level,
// written to the report and the exchange file.

#include <cmath>
#include <string>

#include "io/single.hpp"
#include "soil/py_clay_curves.hpp"
#include "soil/py_framework.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::soil {

using fortran::Line;

namespace {

constexpr double kTiny = 1.0e-14;

double activeShift(const CurveFramework& f, double c)
{
    const double pae = f.width() * f.sigvp() - 2 * c * f.width();
    return pae > f32(1.0E-10) ? pae : 0.0;
}

void checkStrain(double e50, size_t layer)
{
    if (!(e50 > 0))
        throw InputRejected("ERROR -- E50 OF P-Y LAYER " + std::to_string(layer + 1) +
                            " IS NOT GREATER THAN ZERO; ITS P-Y CURVES CANNOT BE GENERATED");
}

// Properties of one curve, looked up once on the excavation side.
struct CurveProperties {
    double d = 0, z = 0, c = 0, ca = 0, gamma = 0, e50 = 0, pae = 0, mp = 1, my = 1;
};

ClayInput halfInput(const CurveFramework& f, size_t layer, const CurveProperties& q, Side side)
{
    ClayInput in;
    in.b = f.width();
    in.c = q.c;
    in.ca = q.ca;
    in.gamma = q.gamma;
    in.e50 = q.e50;
    in.x = f.formulaDepth(layer, q.d, side);
    in.z1 = f.headingDepth(q.d, side);
    in.R = f.widthRatio();
    in.k = f.modulus(layer);
    return in;
}

void smallDeflectionWarning(CurveFramework& f, double Ks)
{
    f.report().blank();
    f.report().rec(Line().x(29).a("**** WARNING ****"));
    f.report().rec(Line().x(5).a("DEFLECTION IS LESS THAN 1.0E-14.  THE PROGRAM"));
    f.report().rec(Line().x(5).a("USED A SOIL MODULUS OF ").d(12, 4, Ks));
}

// Equivalent depth of a lower layer of stiff clay with free water: the
// residual-reduced resistance is integrated until it matches the layers above.
double stiffClayWithWaterDepth(const CurveFramework& f, size_t layer, const CurveProperties& q)
{
    const double b = f.width();
    const double T = f.resistanceAbove(layer);
    const double xr = (11 * q.c * b - 2 * q.ca * b) / (f32(2.83) * q.ca + b * q.gamma);
    const double dx = xr / 40;
    double G = 0, Gprev = 0, F = 0;
    for (int i = 1; i <= 40; ++i) {
        const double xi = i * dx;
        F = residualFactor(stiffClayA(xi / b));
        Gprev = G;
        G += (f32(2.83) * q.ca * xi + 2 * q.ca * b + b * q.gamma * xi) * F * dx;
        if (G > T) return xi - (G - T) * dx / (G - Gprev);
    }
    return xr + (T - G) / (11 * q.c * b * F);
}

double softClayDepth(const CurveFramework& f, size_t layer, const CurveProperties& q)
{
    const double b = f.width();
    const double xr = 6 * q.c * b / (0.5 * q.c + b * q.gamma);
    return linearCapDepth(f.resistanceAbove(layer), xr, q.c, b, q.gamma);
}

double stiffClayWithoutWaterDepth(const CurveFramework& f, size_t layer, const CurveProperties& q)
{
    const double b = f.width();
    const double xr = (9 * q.c * b - 3 * q.ca * b) / (0.5 * q.c + b * q.gamma);
    return linearCapDepth(f.resistanceAbove(layer), xr, q.c, b, q.gamma);
}

void writeSoftClayHalf(CurveFramework& f, const CurveProperties& q, const ClayInput& in, const ClayHalf& h)
{
    const SoilLabels& u = f.units();
    f.report().blank();
    f.report().rec(Line().x(9).a("DEPTH BELOW GS").x(6).a("DIAM").x(8).a("C").x(6).a("GAMMA AVG").x(6).a("E50"));
    f.unitLine({{18, u.length}, {34, u.length}, {45, u.pressure}, {56, u.unitWeight}});
    f.report().rec(Line().x(8).f(10, 2, in.z1).x(6).f(10, 3, in.b).x(1).d(10, 4, q.c).x(1).d(10, 4, q.gamma).x(1)
                       .d(12, 4, q.e50));
    f.report().blank();
    f.report().rec(Line().x(37).a("Y,").a(u.length).x(13).a("P,").a(u.forcePerLength));
    f.pointLines(h.y, h.p, {'F', 3, 1});
    f.multiplierLine(q.mp, q.my);
    for (size_t m = 1; m < h.y.size(); ++m) {
        if (h.y[m] < kTiny) {
            smallDeflectionWarning(f, h.Ks);
            break;
        }
    }
    f.exchangePoints(h.y, h.p, {'F', 3, 1});
}

void writeStiffClayWithWaterHalf(CurveFramework& f, const CurveProperties& q, const ClayInput& in, const ClayHalf& h)
{
    const SoilLabels& u = f.units();
    f.report().blank(2);
    f.report().rec(Line().x(9).a("DEPTH BELOW GS").x(6).a("DIAM").x(8).a("C").x(9).a("CAVG").x(4).a("GAMMA AVG").x(6)
                       .a("E50"));
    f.unitLine({{19, u.length}, {34, u.length}, {45, u.pressure}, {56, u.pressure}, {67, u.unitWeight}});
    f.report().rec(Line().x(9).f(10, 2, in.z1).x(5).f(10, 3, in.b).x(1).d(10, 2, q.c).x(1).d(10, 2, q.ca).x(1)
                       .d(10, 2, q.gamma).d(12, 4, q.e50));
    f.pointLines(h.y, h.p, {'F', 3, 1});
    f.exchangePoints(h.y, h.p, {'F', 3, 1});
}

void writeStiffClayWithoutWaterHalf(CurveFramework& f, const CurveProperties& q, const ClayInput& in,
                                    const ClayHalf& h)
{
    const SoilLabels& u = f.units();
    f.report().blank(2);
    f.report().rec(Line().x(10).a("DEPTH BELOW GS").x(5).a("DIAM").x(8).a("C").x(7).a("CAVG").x(4).a("GAMMA AVG").x(5)
                       .a("E50"));
    f.unitLine({{20, u.length}, {35, u.length}, {45, u.pressure}, {55, u.pressure}, {65, u.unitWeight}});
    f.report().rec(Line().x(10).f(10, 2, in.z1).x(5).f(10, 3, in.b).d(10, 2, q.c).d(10, 2, q.ca).d(10, 2, q.gamma)
                       .d(12, 4, q.e50));
    f.report().rec(Line().x(38).a("Y").x(19).a("P"));
    f.unitLine({{39, u.length}, {59, u.forcePerLength}});
    f.pointLines(h.y, h.p, {'F', 5, 1});
    f.multiplierLine(q.mp, q.my);
    f.exchangePoints(h.y, h.p, {'F', 5, 1});
}

// How the average strength of a curve is found.
enum class AverageStrength {
    None,           // soft clay uses the strength itself
    LayerAverage,   // the mean of the layer's top strength and the strength at the curve
    RunningInLower  // the layer average in the first layer, a running mean over the curves below it
};

// What differs between the clays; `generateClay` is the skeleton they share.
struct ClayKind {
    AverageStrength average;
    double (*equivalentDepth)(const CurveFramework&, size_t layer, const CurveProperties&);
    ClayHalf (*half)(const ClayInput&);
    bool residualReducesResistance;  // stiff clay with free water accumulates pu times its residual factor
    void (*write)(CurveFramework&, const CurveProperties&, const ClayInput&, const ClayHalf&);
};

void generateClay(CurveFramework& f, size_t layer, size_t first, size_t last, const ClayKind& kind)
{
    const std::vector<double>& depths = f.setup().depths;
    double puPrevious = 0;
    double running = 0, cPrevious = 0;  // running mean of the strength in lower layers
    for (size_t k = first; k <= last; ++k) {
        CurveProperties q;
        q.d = depths[k];
        q.z = f.H() + q.d;
        q.c = f.strength(q.d);
        q.ca = q.c;
        if (kind.average == AverageStrength::LayerAverage ||
            (kind.average == AverageStrength::RunningInLower && layer == 0)) {
            q.ca = f.averageStrength(q.d, layer);
        } else if (kind.average == AverageStrength::RunningInLower && k > first) {
            running += (q.d - depths[k - 1]) * (cPrevious + q.c) / 2;
            q.ca = running / (q.d - depths[first]);
        }
        cPrevious = q.c;
        q.gamma = f.gammaAverage(q.d);
        q.e50 = f.fourth(q.d);
        checkStrain(q.e50, layer);
        if (k == first) {
            f.ACC[layer] = 0;
            if (layer > 0) f.XEQ[layer] = kind.equivalentDepth(f, layer, q);
        }
        q.pae = activeShift(f, q.c);
        q.mp = f.pMultiplier(q.z);
        q.my = f.yMultiplier(q.z);
        for (Side side : {Side::Excavation, Side::Backfill}) {
            const ClayInput in = halfInput(f, layer, q, side);
            ClayHalf h = kind.half(in);
            if (side == Side::Excavation) {
                const double factor = kind.residualReducesResistance ? residualFactor(h.As) : 1.0;
                if (k > first) f.ACC[layer] += (q.d - depths[k - 1]) * (h.pu + puPrevious) / 2 * factor;
                puPrevious = h.pu;
            }
            applyMultipliers(h.y, h.p, q.mp, q.my, side == Side::Excavation ? -q.pae : q.pae);
            if (side == Side::Excavation) f.exchangeHeader(q.d);
            f.sideHeading(side);
            kind.write(f, q, in, h);
        }
    }
}

}  // namespace

void generateSoftClay(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    generateClay(f, layer, first, last, {AverageStrength::None, softClayDepth, softClayHalf, false, writeSoftClayHalf});
}

void generateStiffClayWithWater(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    generateClay(f, layer, first, last,
                 {AverageStrength::RunningInLower, stiffClayWithWaterDepth, stiffClayWithWaterHalf, true,
                  writeStiffClayWithWaterHalf});
}

void generateStiffClayWithoutWater(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    generateClay(f, layer, first, last,
                 {AverageStrength::LayerAverage, stiffClayWithoutWaterDepth, stiffClayWithoutWaterHalf, false,
                  writeStiffClayWithoutWaterHalf});
}

}  // namespace orvane::soil
