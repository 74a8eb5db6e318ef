#include "earth_pressure.hpp"

#include "io/single.hpp"
#include "soil/earth_pressure_report.hpp"
#include "soil/layer_resultants.hpp"
#include "soil/pressure_points.hpp"
#include "soil/soil_constants.hpp"
#include "soil/soil_profile.hpp"
#include "soil/soil_stop.hpp"
#include "soil/surcharge.hpp"

namespace orvane::soil {

namespace {

// The surcharge formulas divide by the free height; a run of the package uses
// its own, otherwise (or when it is zero) the one of the control data.
double surchargeHeight(const EarthPressureInput& input)
{
    const double own = input.block->wall.freeHeight;
    return own >= f32(1.0E-6) ? own : input.freeHeight;
}

void requireSurchargeHeight(double height)
{
    if (!(height >= f32(1.0E-6)))
        throw InputRejected("ERROR -- SURCHARGES NEED A FREE HEIGHT OF WALL GREATER THAN ZERO");
}

void checkInput(const EarthPressureInput& input)
{
    if (input.block == nullptr || !input.block->present)
        throw InputRejected("ERROR -- GENERATED EARTH PRESSURE NEEDS THE SOIL DATA");
    if (input.block->layers.size() > static_cast<size_t>(kMaxInputLayers)) throw InputRejected(kStorageExceeded);
    if (input.code == EarthPressureCode::Trapezoidal && input.supportCount < 1)
        throw InputRejected("ERROR -- THE TRAPEZOIDAL EARTH-PRESSURE DISTRIBUTION NEEDS AT LEAST ONE SUPPORT");
    if (!input.block->surcharges.empty()) requireSurchargeHeight(surchargeHeight(input));
}

void coefficients(SoilProfile& profile, double beta, EarthPressureReport& out, io::Records& report,
                  io::Records& notes)
{
    out.coefficientHeading();
    for (int L = 1; L <= profile.NL(); ++L) {
        WorkingLayer& w = profile.layer(L);
        if (computeCoefficients(w, beta) && L < profile.LP) {
            EarthPressureReport::slopeWarning(notes);
            EarthPressureReport::slopeWarning(report);
        }
        out.coefficientLine(L, w);
    }
}

// Layer and water resultants with their sections and the net-force check.
// Returns the water flag of the run: water above the excavation level sets it.
int resultants(SoilProfile& profile, const SoilBlock& b, double gammaW, EarthPressureReport& out)
{
    computeLayerResultants(profile, singleSurchargeAfterTable(b), b.wall.freeHeight, gammaW);
    out.layerResultants(profile);
    int waterFlag = b.wall.waterFlag;
    if (waterAboveExcavation(profile)) {
        computeWaterResultants(profile, b.wall.waterBackfill, gammaW);
        out.waterResultants(profile);
        waterFlag = 1;
    }
    if (netActiveForce(profile) < f32(1.0E-5)) out.netForceNegative();
    return waterFlag;
}

PressureDistribution distribution(SoilProfile& profile, const EarthPressureInput& input, int waterFlag,
                                  double gammaW)
{
    const WallConfiguration& wall = input.block->wall;
    PointConditions c;
    c.units = input.units;
    c.wallLength = input.wallLength;
    c.H = wall.freeHeight;
    c.WTb = wall.waterBackfill;
    c.WTe = wall.waterExcavation;
    c.q = input.block->line.uniform;
    c.gammaW = gammaW;
    c.waterFlag = waterFlag;
    c.surcharges = &input.block->surcharges;
    c.surchargeHeight = surchargeHeight(input);
    PressureDistribution d = computedDistribution(profile, c);
    if (input.code == EarthPressureCode::Trapezoidal) {
        const Supports supports{input.supportCount, input.firstSupportDepth, input.lastSupportDepth};
        redistributeTrapezoid(d, wall.freeHeight, supports);
    }
    return d;
}

// The scratch file: the count N, then every point written (the core reads the
// first N of them).
void writePressureFile(const std::filesystem::path& path, const PressureDistribution& d)
{
    io::Records file;
    if (!file.open(path, true)) throw io::WriteFailure(file.path(), file.error());
    file.rec(fortran::Line().x(1).a(fortran::freeInt(d.count)));
    for (const PressurePoint& pt : d.points)
        file.rec(fortran::Line().x(5).e(10, 3, pt.depth).x(4).e(10, 3, pt.p).x(4).e(10, 3, pt.p1).x(4).e(10, 3, pt.p2));
    if (!file.close()) throw io::WriteFailure(file.path(), file.error());
}

}  // namespace

void EarthPressurePackage::generate(const EarthPressureInput& input, const io::UnitLabels&, io::Records& report,
                                    io::Records& notes, const std::filesystem::path& workDir)
{
    checkInput(input);
    const SoilBlock& b = *input.block;
    const double gammaW = waterUnitWeight(input.units);
    SoilProfile profile = splitProfile(b);
    EarthPressureReport out(report, input.units);
    out.wallInformation(b.wall, gammaW);
    out.surchargeInformation(b);
    out.soilInformation(profile);
    if (profile.LP == 0) throw SoilStop("1", "THE EXCAVATION LEVEL LIES BELOW THE BOTTOM OF THE SOIL PROFILE");
    computeOverburden(profile, b.line.uniform, b.wall.waterBackfill, gammaW);
    sigvpAtExcavation_ = profile.layer(profile.LP).SIGVP;
    out.overburden(profile);
    coefficients(profile, b.wall.slope, out, report, notes);
    const int waterFlag = resultants(profile, b, gammaW, out);
    writePressureFile(workDir / kPressureFileName, distribution(profile, input, waterFlag, gammaW));
}

double EarthPressurePackage::surchargePressure(const SoilBlock& block, double wallLength, double freeHeight,
                                               double z) const
{
    if (block.surcharges.empty()) return 0.0;
    requireSurchargeHeight(freeHeight);
    return surchargeAtDepth(block.surcharges, wallLength, freeHeight, z);
}

}  // namespace orvane::soil
