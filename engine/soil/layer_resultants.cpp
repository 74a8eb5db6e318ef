#include "layer_resultants.hpp"

#include "io/single.hpp"
#include "soil/surcharge.hpp"

namespace orvane::soil {

namespace {

// PA1 gains the single surcharges, each integrated over ten slices of the layer.
double surchargeForce(const WorkingLayer& w, const SurchargeLine& single, double H)
{
    const Surcharge loads[3] = {{1, single.pointLoad, single.distance, 0.0},
                                {2, single.lineLoad, single.distance, 0.0},
                                {3, single.stripLoad, single.distance, single.stripWidth}};
    const double slice = w.thickness / 10;
    double force = 0;
    for (const Surcharge& load : loads) {
        if (!(load.magnitude > f32(1.0E-4))) continue;
        for (int i = 1; i <= 10; ++i)
            force += slice * surchargePressureAt(load, H, w.ztop + i * slice, resultantConstants());
    }
    return force;
}

// The top of the layer is in tension: only the part below the tension zone
// pushes on the wall.
void tensionZone(WorkingLayer& w, const WorkingLayer& below)
{
    w.PA1 = w.PA2 = w.PA3 = 0;
    const double cohesionTerm = 2 * w.cohesion * w.sqrtKa;
    const double sTop = w.SIGVP * w.Ka - cohesionTerm;
    const double sBottom = below.SIGVP * w.Ka - cohesionTerm;
    w.tensionZone = sBottom == sTop ? 0.0 : sBottom * w.thickness / (sBottom - sTop);
    w.PA4 = sBottom <= 0 ? 0.0 : w.modification * w.tensionZone * sBottom / 2;
    w.Z3 = below.ztop - w.tensionZone / 3;
}

}  // namespace

void computeLayerResultants(SoilProfile& p, const SurchargeLine& single, double H, double gammaW)
{
    for (int L = 1; L < p.LP; ++L) {
        WorkingLayer& w = p.layer(L);
        const double T = w.thickness;
        const double MF = w.modification;
        w.PA1 = w.SIGVP * w.Ka * T * MF;
        if (T > 0) w.PA1 += surchargeForce(w, single, H);
        const double effectiveWeight = w.drained && w.belowWater ? w.weight - gammaW : w.weight;
        w.PA2 = 0.5 * effectiveWeight * T * T * w.Ka * MF;
        w.PA3 = -2 * w.cohesion * w.sqrtKa * T * MF;
        w.Z1 = w.ztop + T / 2;
        w.Z2 = w.ztop + 2 * T / 3;
        if (w.PA1 + w.PA3 < 0) tensionZone(w, p.layer(L + 1));
    }
}

bool waterAboveExcavation(const SoilProfile& p) { return p.LW >= 1 && p.LW <= p.LP - 1; }

void computeWaterResultants(SoilProfile& p, double WTb, double gammaW)
{
    if (!waterAboveExcavation(p)) return;
    double d = p.layer(p.LW).ztop;
    for (int L = p.LW; L < p.LP; ++L) {
        WorkingLayer& w = p.layer(L);
        if (w.drained) {
            w.PW1 = -(d - WTb) * gammaW * w.thickness;
            w.PW2 = -0.5 * gammaW * w.thickness * w.thickness;
        }
        d += w.thickness;
    }
}

double netActiveForce(const SoilProfile& p)
{
    double F = 0;
    for (int L = 1; L < p.LP; ++L) {
        const WorkingLayer& w = p.layer(L);
        F += w.PA1 + w.PA2 + w.PA3 + w.PA4 - w.PW1 - w.PW2;
    }
    return F;
}

}  // namespace orvane::soil
