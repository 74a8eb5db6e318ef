// The sand and silt generators: for every curve of a layer an excavation-side
// and a backfill-side half, shifted by the active pressure at the excavation
// level, written to the report and the exchange file.

#include <cmath>
#include <string>

#include "io/single.hpp"
#include "soil/py_framework.hpp"
#include "soil/py_sand_silt_curves.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::soil {

using fortran::Line;

namespace {

enum class Soil { Sand, Silt };

// Friction angles are held in radians converted with 3.1416; the report shows
// the degrees that were entered.
double degrees(double phi) { return phi * 180.0 / f32(3.1416); }

// Without friction the wedge has no shape and the coefficients degenerate.
bool withoutFriction(double phi) { return phi < 0 || std::pow(std::sin(phi), 2) < f32(1.0E-10); }

std::string frictionMessage(const char* soil, size_t layer)
{
    return std::string("ERROR -- THE FRICTION ANGLE OF ") + soil + " IN P-Y LAYER " + std::to_string(layer + 1) +
           " IS NOT GREATER THAN ZERO; ITS P-Y CURVES CANNOT BE GENERATED";
}

void rejectSiltWithoutFriction(CurveFramework& f, size_t layer)
{
    // The warning the silt generator has always given, kept so the user sees it.
    f.report().blank(2);
    f.report().rec(Line().x(7).a("WARNING-------The Angle of the slope can not"));
    f.report().rec(Line().x(7).a("              be greater than the internal  "));
    f.report().rec(Line().x(7).a("              friction angle of the sand.   "));
    throw InputRejected(frictionMessage("SILT", layer));
}

// Properties of one curve, looked up once on the excavation side.
struct CurveProperties {
    double d = 0, z = 0, phi = 0, gamma = 0, c = 0, pae = 0, mp = 1, my = 1;
};

FrictionInput halfInput(const CurveFramework& f, size_t layer, const CurveProperties& q, Side side, Soil soil)
{
    FrictionInput in;
    in.b = f.width();
    in.phi = q.phi;
    in.gamma = q.gamma;
    in.c = q.c;
    in.x = f.formulaDepth(layer, q.d, side);
    in.z1 = f.headingDepth(q.d, side);
    // Sand reads A and B at the depth itself, silt at the formula depth.
    const double lookup = side == Side::Excavation ? q.d : f.H() + q.d;
    in.tableRatio = (soil == Soil::Sand ? lookup : in.x) / in.b;
    in.R = f.widthRatio();
    in.k = f.modulus(layer);
    return in;
}

double activeShift(const CurveFramework& f, const CurveProperties& q, Soil soil)
{
    const double Ka = frictionCoefficients(q.phi, soil == Soil::Sand ? sandPi() : siltPi()).Ka;
    const double pae = soil == Soil::Sand ? f.width() * f.sigvp() * Ka
                                          : f.width() * (f.sigvp() * Ka - 2 * q.c * std::sqrt(Ka));
    return pae < f32(1.0E-5) ? 0.0 : pae;
}

void sandReport(CurveFramework& f, const CurveProperties& q, const FrictionInput& in, const FrictionHalf& h)
{
    const SoilLabels& u = f.units();
    f.report().blank(2);
    f.report().rec(Line().x(11).a("DEPTH BELOW GS").x(2).a("DIAM").x(3).a("PHI").x(2).a("GAMMA AVG").x(4).a("A").x(4)
                       .a("B").x(5).a("PCT").x(7).a("PCD"));
    f.unitLine({{20, u.length}, {31, u.length}, {38, "DEG"}, {47, u.unitWeight}, {68, u.forcePerLength},
                {77, u.forcePerLength}});
    f.report().rec(Line().x(10).f(10, 2, in.z1).x(4).f(7, 2, in.b).f(7, 2, degrees(q.phi)).e(9, 2, q.gamma).x(2)
                       .f(5, 2, h.A).f(5, 2, h.B).e(9, 2, h.pst).e(9, 2, h.psd));
    f.report().blank();
    f.pointHeading(38);
    f.pointLines(h.y, h.p, {'F', 3, 1});
    f.multiplierLine(q.mp, q.my);
}

void siltReport(CurveFramework& f, const CurveProperties& q, const FrictionInput& in, const FrictionHalf& h)
{
    const SoilLabels& u = f.units();
    f.report().blank(2);
    f.report().rec(Line().x(5).a("DEPTH").x(6).a("DIAM").x(6).a("PHI").x(2).a("GAMMA AVG").x(8).a("A").x(9).a("B").x(5)
                       .a("Puc").x(7).a("Pu\u03c6"));
    f.unitLine({{10, u.length}, {20, u.length}, {30, "DEG"}, {40, u.unitWeight}, {70, u.forcePerLength},
                {80, u.forcePerLength}});
    f.report().rec(Line().f(10, 2, in.z1).f(10, 2, in.b).f(10, 1, degrees(q.phi)).e(10, 3, q.gamma).f(10, 2, h.A)
                       .f(10, 2, h.B).e(10, 3, h.pc).e(10, 3, h.ps));
    f.report().blank();
    f.pointHeading(37);
    f.pointLines(h.y, h.p, {'E', 3, 2});
    f.multiplierLine(q.mp, q.my);
}

void generateFrictional(CurveFramework& f, size_t layer, size_t first, size_t last, Soil soil)
{
    const std::vector<double>& depths = f.setup().depths;
    const double b = f.width();
    double puPrevious = 0;
    for (size_t k = first; k <= last; ++k) {
        CurveProperties q;
        q.d = depths[k];
        q.z = f.H() + q.d;
        q.gamma = f.gammaAverage(q.d);
        q.phi = f.phi(q.d);
        if (soil == Soil::Silt) q.c = f.strength(q.d);
        if (withoutFriction(q.phi)) {
            if (soil == Soil::Silt) rejectSiltWithoutFriction(f, layer);
            throw InputRejected(frictionMessage("SAND", layer));
        }
        if (k == first) {
            f.ACC[layer] = 0;
            if (layer > 0) {
                const double T = f.resistanceAbove(layer);
                f.XEQ[layer] = soil == Soil::Sand ? sandEquivalentDepth(T, q.phi, q.gamma, b, q.d)
                                                  : siltEquivalentDepth(T, q.phi, q.c, q.gamma, b, q.d);
            }
        }
        q.pae = activeShift(f, q, soil);
        q.mp = f.pMultiplier(q.z);
        q.my = f.yMultiplier(q.z);
        for (Side side : {Side::Excavation, Side::Backfill}) {
            const FrictionInput in = halfInput(f, layer, q, side, soil);
            FrictionHalf h = soil == Soil::Sand ? sandHalf(in) : siltHalf(in);
            if (side == Side::Excavation) {
                if (k > first) f.ACC[layer] += (q.d - depths[k - 1]) * (h.pu + puPrevious) / 2;
                if (k == last) f.ACC[layer] += (f.bottom(layer) - q.d) * h.pu;
                puPrevious = h.pu;
                f.exchangeHeader(q.d);
            }
            applyMultipliers(h.y, h.p, q.mp, q.my, side == Side::Excavation ? -q.pae : q.pae);
            f.sideHeading(side);
            if (soil == Soil::Sand) sandReport(f, q, in, h);
            else siltReport(f, q, in, h);
            f.exchangePoints(h.y, h.p, soil == Soil::Sand ? PointForm{'F', 3, 1} : PointForm{'E', 3, 2});
        }
    }
}

}  // namespace

void generateSand(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    generateFrictional(f, layer, first, last, Soil::Sand);
}

void generateSilt(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    generateFrictional(f, layer, first, last, Soil::Silt);
}

}  // namespace orvane::soil
