#pragma once
// The sections that the earth-pressure package writes into the output report:
// wall, surcharge and soil information, the overburden stress, the earth-
// pressure coefficients, the layer and water resultants and the warnings.

#include "io/records.hpp"
#include "soil/soil_input.hpp"
#include "soil/soil_labels.hpp"
#include "soil/soil_profile.hpp"

namespace orvane::soil {

class EarthPressureReport {
public:
    EarthPressureReport(io::Records& out, int unitCode)
        : out_(out), units_(unitCode), labels_(SoilLabels::forUnits(unitCode))
    {
    }

    void wallInformation(const WallConfiguration& wall, double gammaW);
    void surchargeInformation(const SoilBlock& block);
    void soilInformation(const SoilProfile& profile);
    void overburden(const SoilProfile& profile);
    void coefficientHeading();
    void coefficientLine(int L, const WorkingLayer& w);
    void layerResultants(const SoilProfile& profile);
    void waterResultants(const SoilProfile& profile);
    void netForceNegative();

    // The warning for a layer whose friction angle does not exceed the slope
    // of the backfill; it goes to the run notes as well.
    static void slopeWarning(io::Records& out);

private:
    void valueLine(const char* text, double value, const std::string& label);
    void surchargeRow(int number, const Surcharge& row);

    io::Records& out_;
    int units_;
    SoilLabels labels_;
};

}  // namespace orvane::soil
