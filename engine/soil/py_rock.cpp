// The rock generators: for every curve of a layer an excavation-side and a
// backfill-side half, written to the report and the exchange file. Rock takes
// no equivalent depth, adds nothing to the resistance the layers below it
// see, and is not shifted by the active pressure at the excavation level.

#include <string>

#include "io/single.hpp"
#include "soil/py_framework.hpp"
#include "soil/py_rock_curves.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::soil {

using fortran::Line;

namespace {

const double kNoStrength = f32(1.0E-10);

std::string strengthMessage(const char* rock, size_t layer)
{
    return std::string("ERROR -- THE COMPRESSIVE STRENGTH OF ") + rock + " IN P-Y LAYER " + std::to_string(layer + 1) +
           " IS ZERO; ITS P-Y CURVES CANNOT BE GENERATED";
}

void rejectWeakRockWithoutStrength(CurveFramework& f, size_t layer)
{
    // The warning the weak-rock generator has always given, kept so the user sees it.
    f.report().blank();
    f.report().rec(Line().x(7).a("--------------------WARNING----------------------"));
    f.report().rec(Line().x(7).a("THE COHESIVE STRENGTH IS 0 FOR ROCK ACCORING TO THE INPUT"));
    f.report().rec(Line().x(7).a("DATA. PLEASE ENTER THE CORRECT VALUE AND RUN IT AGAIN."));
    throw InputRejected(strengthMessage("WEAK ROCK", layer));
}

}  // namespace

void generateStrongRock(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    const SoilLabels& u = f.units();
    const double b = f.width();
    f.ACC[layer] = 0;
    for (size_t k = first; k <= last; ++k) {
        const double d = f.setup().depths[k];
        const double qu = f.strength(d);
        if (!(qu >= kNoStrength)) throw InputRejected(strengthMessage("ROCK", layer));
        const double gamma = f.gammaAverage(d);
        const double mp = f.pMultiplier(f.H() + d), my = f.yMultiplier(f.H() + d);
        for (Side side : {Side::Excavation, Side::Backfill}) {
            const double D = f.headingDepth(d, side);
            StrongRockHalf h = strongRockHalf(qu, b, gamma, D, mp);
            applyMultipliers(h.y, h.p, 1.0, my, 0.0);  // the p-multiplier is already in the two lines
            if (side == Side::Excavation) f.exchangeHeader(d);
            f.report().blank(2);
            f.report().rec(Line().x(17).a(side == Side::Excavation ? "DEPTH-EXCAVATION SIDE" : "DEPTH-BACKFILL SIDE  ")
                               .x(5).a("DIAM").x(8).a("C"));
            f.unitLine({{34, u.length}, {49, u.length}, {59, u.pressure}});
            f.report().rec(Line().x(24).f(10, 2, D).x(5).f(10, 3, b).e(10, 1, h.su));
            f.report().blank();
            f.pointHeading(38);
            f.pointLines(h.y, h.p, {'D', 3, 1});
            f.exchangePoints(h.y, h.p, {'D', 3, 1, 0});
        }
    }
}

void generateWeakRock(CurveFramework& f, size_t layer, size_t first, size_t last)
{
    const SoilLabels& u = f.units();
    const double b = f.width();
    f.ACC[layer] = 0;
    for (size_t k = first; k <= last; ++k) {
        WeakRockInput in;
        const double d = f.setup().depths[k];
        in.qu = f.strength(d);
        // The first curve of a layer without strength is still generated;
        // the layer is rejected at its second.
        if (k > first && in.qu < kNoStrength) rejectWeakRockWithoutStrength(f, layer);
        in.krm = f.fourth(d);
        if (!(in.krm > 0))
            throw InputRejected("ERROR -- KRM OF P-Y LAYER " + std::to_string(layer + 1) +
                                " IS NOT GREATER THAN ZERO; ITS P-Y CURVES CANNOT BE GENERATED");
        in.rqd = f.sixth(d);
        const double gamma = f.gammaAverage(d);
        in.Er = f.modulus(layer);
        in.qa = f.averageStrength(d, layer);
        in.b = b;
        const double mp = f.pMultiplier(f.H() + d), my = f.yMultiplier(f.H() + d);
        for (Side side : {Side::Excavation, Side::Backfill}) {
            const double lookup = side == Side::Excavation ? d : f.H() + d;
            in.xr = (lookup - f.top(layer)) + f32(1.0E-8);
            WeakRockHalf h = weakRockHalf(in);
            applyMultipliers(h.y, h.p, mp, my, 0.0);
            if (side == Side::Excavation) f.exchangeHeader(d);
            f.sideHeading(side);
            f.report().blank(2);
            f.report().rec(Line().x(14).a("DEPTH").x(5).a("DIAM").x(7).a("Qu").x(7).a(" Eu ").x(3).a("GAMMA AVG").x(6)
                               .a("E50"));
            f.unitLine({{20, u.length}, {30, u.length}, {40, u.pressure}, {50, u.pressure}, {60, u.unitWeight}});
            f.report().rec(Line().x(10).f(10, 2, lookup).f(10, 3, b).e(10, 2, in.qu).e(10, 2, in.Er).e(10, 2, gamma)
                               .e(12, 3, in.krm));
            f.pointHeading(37);
            f.pointLines(h.y, h.p, {'E', 3, 2});
            f.exchangePoints(h.y, h.p, {'E', 3, 2});
        }
    }
}

}  // namespace orvane::soil
