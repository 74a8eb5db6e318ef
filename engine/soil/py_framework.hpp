#pragma once
// What every p-y curve generator shares: property lookups along the depth,
// the formula depth of a curve (with the equivalent depth of lower layers),
// the accumulated resistance of each layer, the p- and y-multipliers, and the
// writing of a half-curve to the report and the exchange file.

#include <array>
#include <string>
#include <vector>

#include "soil/py_curve_generators.hpp"
#include "soil/soil_labels.hpp"

namespace orvane::soil {

enum class Side { Excavation, Backfill };

using HalfArray = std::array<double, kHalfCurvePoints>;

// How the point lines of a generator look in the report and the exchange file.
struct PointForm {
    char reportKind = 'F';  // F, E or D
    int reportDecimals = 3;
    int exchangeGap = 1;    // blanks before each exchange field
    int exchangeGapBetween = -1;  // blanks between p and y when they differ from exchangeGap
};

class CurveFramework {
public:
    explicit CurveFramework(GenerationRun& run);

    const GenerationSetup& setup() const { return run_.setup; }
    const PyGenerationInput& input() const { return run_.input; }
    const SoilLabels& units() const { return units_; }
    io::Records& report() { return run_.report; }
    ExchangeWriter& exchange() { return run_.exchange; }

    double H() const { return setup().H; }
    double width() const { return setup().Wp; }
    double widthRatio() const { return setup().Wa / setup().Wp; }  // R = WA / WP
    double sigvp() const { return input().sigvpAtExcavation; }
    double top(size_t layer) const { return setup().layers[layer].top; }
    double bottom(size_t layer) const { return setup().layers[layer].bottom; }
    double modulus(size_t layer) const { return setup().layers[layer].topLine[4]; }  // k of the layer

    // Lookups at depth x below the excavation level.
    double gammaAverage(double x) const;
    double strength(double x) const;
    double averageStrength(double x, size_t layer);
    double phi(double x) const;
    double fourth(double x) const;
    double sixth(double x) const;

    // Multipliers at depth z below the top of the wall.
    double pMultiplier(double z) const;
    double yMultiplier(double z) const;

    // Depth below the top of the first p-y layer (heading depth) and the depth
    // the formulas use (the equivalent depth for lower layers).
    double headingDepth(double d, Side side) const;
    double formulaDepth(size_t layer, double d, Side side) const;

    // Accumulated ultimate resistance of the layers above `layer`.
    double resistanceAbove(size_t layer) const;
    std::vector<double> ACC;
    std::vector<double> XEQ;

    // Writing.
    void sideHeading(Side side);
    void exchangeHeader(double d);
    void pointLines(const HalfArray& y, const HalfArray& p, const PointForm& form);
    void exchangePoints(const HalfArray& y, const HalfArray& p, const PointForm& form);
    void multiplierLine(double mp, double my);
    // "Y" after `blanks` blanks, "P" 20 columns further, and their unit labels below.
    void pointHeading(int blanks);
    // A unit line: each text right-aligned to end at its column.
    void unitLine(const std::vector<std::pair<int, std::string>>& columns);

private:
    double interpolateStrengthLike(const std::vector<double>& v, double x, bool meanAtBoundary) const;
    GenerationRun& run_;
    SoilLabels units_;
};

// Shifts and scales a half: p_out = M_p p -+ PAE, y_out = M_y y.
void applyMultipliers(HalfArray& y, HalfArray& p, double mp, double my, double shift);

// The generators of the soil families; `first` and `last` are the indices of
// the layer's curves in the depth list.
void generateSoftClay(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateStiffClayWithWater(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateStiffClayWithoutWater(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateSand(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateSilt(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateStrongRock(CurveFramework& f, size_t layer, size_t first, size_t last);
void generateWeakRock(CurveFramework& f, size_t layer, size_t first, size_t last);

}  // namespace orvane::soil
