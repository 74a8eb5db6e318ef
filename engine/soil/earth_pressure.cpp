#include "earth_pressure.hpp"

#include "soil/soil_stop.hpp"

namespace orvane::soil {

// The package is not built yet: a set that asks for generated earth pressure
// ends with a plain message rather than pretending to have run.
void EarthPressurePackage::generate(const EarthPressureInput&, const io::UnitLabels&, io::Records&, io::Records&,
                                    const std::filesystem::path&)
{
    throw NotAvailable("GENERATED EARTH PRESSURE (TRIANGULAR OR TRAPEZOIDAL DISTRIBUTION)");
}

double EarthPressurePackage::surchargePressure(const SoilBlock& block, double, double, double) const
{
    if (block.surcharges.empty()) return 0.0;
    throw NotAvailable("SURCHARGES WITH USER-SPECIFIED EARTH PRESSURE");
}

}  // namespace orvane::soil
