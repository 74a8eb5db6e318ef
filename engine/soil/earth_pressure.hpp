#pragma once
// The earth-pressure package: from the soil block it builds the working soil
// profile, the earth-pressure coefficients, the layer and water resultants and
// the active pressure at closely spaced points, which it writes to the scratch
// file "tavrel.001" in the job's folder. It also owns the surcharge model.

#include <filesystem>

#include "io/records.hpp"
#include "io/unit_labels.hpp"
#include "soil/soil_input.hpp"

namespace orvane::soil {

inline constexpr const char* kPressureFileName = "tavrel.001";

struct EarthPressureInput {
    const SoilBlock* block = nullptr;
    EarthPressureCode code = EarthPressureCode::Triangular;
    int units = 1;                 // 1 English, 2 SI, other: no units
    double wallLength = 0;         // NI * h
    double freeHeight = 0;         // of the control data; used when the package has not run
    int supportCount = 0;          // tiebacks and single-station spring records
    double firstSupportDepth = 0;
    double lastSupportDepth = 0;
};

class EarthPressurePackage {
public:
    // Runs the package: report sections, run-notes warnings and the scratch
    // file. Throws SoilStop when no layer top lies at the excavation level,
    // InputRejected when the data cannot be analysed as given.
    void generate(const EarthPressureInput& input, const io::UnitLabels& labels, io::Records& report,
                  io::Records& notes, const std::filesystem::path& workDir);

    // Lateral pressure at depth z from the surcharge table of `block`, the
    // formulas normalised by `freeHeight`. Throws InputRejected when the table
    // has rows and the height is not above zero.
    double surchargePressure(const SoilBlock& block, double wallLength, double freeHeight, double z) const;

    // Effective overburden stress at the excavation level of the last run.
    double overburdenAtExcavation() const { return sigvpAtExcavation_; }

private:
    double sigvpAtExcavation_ = 0;
};

}  // namespace orvane::soil
