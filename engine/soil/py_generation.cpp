#include "py_generation.hpp"

#include <algorithm>
#include <tuple>

#include "io/banner.hpp"
#include "io/single.hpp"
#include "soil/py_curve_generators.hpp"
#include "soil/soil_constants.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::soil {

using fortran::Line;

namespace {

std::array<double, 6> between(const std::array<double, 6>& a, const std::array<double, 6>& b, double f)
{
    std::array<double, 6> v{};
    for (size_t i = 0; i < v.size(); ++i) v[i] = a[i] + (b[i] - a[i]) * f;
    return v;
}

}  // namespace

GenerationSetup buildGenerationSetup(const PyGenerationInput& input)
{
    const SoilBlock& block = *input.block;
    GenerationSetup s;
    s.H = block.wall.freeHeight;
    s.Wa = block.wall.activeWidth;
    s.Wp = block.wall.resistanceWidth;
    s.waterUnitWeight = waterUnitWeight(input.units);
    const double WTb = block.wall.waterBackfill;
    // Curves reach two increments below the tip, so the soil is cut there.
    const double cut = input.NI * input.h + 2 * input.h - s.H;

    double layerTop = 0;
    for (const InputLayer& in : block.layers) {
        const double layerBottom = layerTop + in.thickness;
        if (layerBottom > s.H) {
            PyLayer L;
            L.type = in.type;
            L.top = std::max(layerTop, s.H) - s.H;
            L.bottom = layerBottom - s.H;
            L.topLine = in.top;
            L.bottomLine = in.bottom;
            const bool isCut = L.bottom > cut;
            if (isCut) {
                // The bottom of a cut layer takes the properties at the cut depth.
                const double t = L.bottom - L.top;
                L.bottomLine = between(in.top, in.bottom, t > 0 ? (cut - L.top) / t : 0.0);
                L.bottom = cut;
            }
            auto effective = [&](double weight, double depthBelowTop) {
                return depthBelowTop > WTb ? weight - s.waterUnitWeight : weight;
            };
            L.weightTop = effective(L.topLine[0], s.H + L.top);
            L.weightBottom = effective(L.bottomLine[0], s.H + L.bottom);
            if (L.bottom > L.top) s.layers.push_back(L);
            if (isCut) break;
        }
        layerTop = layerBottom;
    }

    const double eps = input.units == io::kSiUnits ? f32(0.01) : f32(0.1);
    const double radians = f32(3.1416) / 180.0;
    for (const PyLayer& L : s.layers) {
        const double t = L.bottom - L.top;
        for (double d : {L.top + eps, L.top + t / 4, L.top + t / 2, L.top + 3 * t / 4, L.bottom - eps})
            s.depths.push_back(d);
        for (const auto& [depth, line, weight] :
             {std::tuple{L.top, L.topLine, L.weightTop}, std::tuple{L.bottom, L.bottomLine, L.weightBottom}}) {
            s.tables.depth.push_back(depth);
            s.tables.strength.push_back(line[1]);
            s.tables.phi.push_back(line[2] * radians);
            s.tables.e50.push_back(line[3]);
            s.tables.sixth.push_back(line[5]);
            s.tables.weight.push_back(weight);
        }
    }
    return s;
}

void writeSoilLayerSections(const GenerationSetup& s, const io::UnitLabels& labels, io::Records& report)
{
    io::banner(report, "*        SOIL LAYERS AND STRENGTH DATA           *");
    report.blank();
    report.rec(Line().x(9).a("X AT THE SURFACE OF EXCAVATION SIDE     = ").f(10, 2, s.H).a(3, labels.L3));
    report.blank();
    report.rec(Line().x(9).i(1, static_cast<long long>(s.layers.size())).a(" LAYER(S) OF SOIL"));
    for (size_t n = 0; n < s.layers.size(); ++n) {
        report.blank();
        report.rec(Line().x(9).a("LAYER").i(3, static_cast<long long>(n + 1)));
        report.rec(Line().x(9).a(soilTypeText(s.layers[n].type)));
    }
    const PropertyTables& t = s.tables;
    const long long points = static_cast<long long>(t.depth.size());

    report.blank(2);
    report.rec(Line().x(9).a("DISTRIBUTION OF EFFECTIVE UNIT WEIGHT WITH DEPTH"));
    report.rec(Line().x(27).i(2, points).a(" POINTS"));
    report.blank();
    report.rec(Line().x(21).a("X,").a(2, labels.L2).x(3).a("WEIGHT,").a(3, labels.F3).a("/").a(2, labels.L2).a("**").a("3"));
    for (size_t i = 0; i < t.depth.size(); ++i)
        report.rec(Line().x(10).f(15, 4, s.H + t.depth[i]).d(15, 4, t.weight[i]));

    const double degrees = 180.0 / f32(3.1416);
    report.blank(2);
    report.rec(Line().x(9).a("DISTRIBUTION OF STRENGTH PARAMETERS WITH DEPTH"));
    report.rec(Line().x(27).i(2, points).a(" POINTS"));
    report.blank();
    report.rec(Line().x(21).a("X,").a(2, labels.L2).x(5).a("S,").a(3, labels.F3).a("/").a(2, labels.L2).a("**").a("2")
                   .x(6).a("PHI,DEGREES").x(6).a("E50"));
    for (size_t i = 0; i < t.depth.size(); ++i) {
        Line l;
        l.x(10).f(15, 2, s.H + t.depth[i]).x(2).d(13, 4, t.strength[i]).x(2).f(13, 3, t.phi[i] * degrees);
        if (t.e50[i] > 1.0e-6) l.d(15, 4, t.e50[i]);
        else l.x(7).a("-----");
        report.rec(l);
    }
}

namespace {

void writeModificationFactors(const std::vector<PyModificationRow>& rows, io::Records& report)
{
    report.blank(2);
    report.rec(Line().x(8).a("REDUCTION FACTORS FOR CLOSELY-SPACED WALL ELEMENTS"));
    report.blank();
    report.rec("      DEPTH     P-FACTOR     Y-FACTOR        ");
    for (const PyModificationRow& r : rows)
        report.rec(Line().x(12).f(7, 2, r.depth).x(4).f(6, 2, r.pFactor).x(6).f(6, 2, r.yFactor));
}

}  // namespace

void generateCurves(const PyGenerationInput& input, const io::UnitLabels& currentLabels, io::Records& report,
                    const std::filesystem::path& workDir)
{
    ExchangeWriter exchange;
    if (!exchange.open(workDir / kExchangeFileName)) exchange.fail();
    io::UnitLabels labels = currentLabels;
    labels.select(input.units);

    const GenerationSetup setup = buildGenerationSetup(input);
    writeSoilLayerSections(setup, labels, report);
    exchange.header(static_cast<int>(input.userSets.size() + setup.depths.size()), input.userSets);
    if (!input.modifications.empty()) writeModificationFactors(input.modifications, report);

    report.blank(2);
    report.rec(Line().x(8).a("P-Y CURVES DATA"));
    report.blank();
    GenerationRun run{input, setup, labels, report, exchange};
    generateLayerCurves(run);
    if (!exchange.close()) exchange.fail();
}

}  // namespace orvane::soil
