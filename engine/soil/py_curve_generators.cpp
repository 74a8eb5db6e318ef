#include "py_curve_generators.hpp"

#include "soil/py_framework.hpp"

namespace orvane::soil {

LayerTotals generateLayerCurves(GenerationRun& run)
{
    CurveFramework f(run);
    const size_t layers = run.setup.layers.size();
    for (size_t n = 0; n < layers; ++n) {
        const size_t first = 5 * n, last = 5 * n + 4;
        switch (run.setup.layers[n].type) {
        case SoilType::StiffClayBelowWater: generateStiffClayWithWater(f, n, first, last); break;
        case SoilType::StiffClayAboveWater: generateStiffClayWithoutWater(f, n, first, last); break;
        case SoilType::Sand: generateSand(f, n, first, last); break;
        case SoilType::Silt: generateSilt(f, n, first, last); break;
        case SoilType::StrongRock: generateStrongRock(f, n, first, last); break;
        case SoilType::WeakRock: generateWeakRock(f, n, first, last); break;
        case SoilType::SoftClay:
        default: generateSoftClay(f, n, first, last); break;  // unknown codes count as soft clay
        }
    }
    return {f.ACC, f.XEQ};
}

}  // namespace orvane::soil
