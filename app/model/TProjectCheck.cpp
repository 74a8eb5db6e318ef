#include "model/TProjectCheck.hpp"

#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"

#include "soil/soil_type.hpp"

namespace orvane {

namespace {

std::string number(double value)
{
    return TRealFormat::general(value, 15);
}

constexpr int kFrictionColumn = 1;  // of the sand and silt parameter tables

}  // namespace

std::optional<std::string> TProjectCheck::warning(const TProject& project)
{
    if (auto warning = stiffnessWarning(project)) return warning;
    return slopeWarning(project);
}

std::optional<std::string> TProjectCheck::stiffnessWarning(const TProject& project)
{
    const int nodes = project.data().Increments;
    const TGridTable& table = project.tables().PileSect;
    for (int row = 0; row < table.rowCount(); ++row) {
        const int start = table.cell(0, row).asInteger();
        const int end = table.cell(1, row).asInteger();
        const char* which = start > nodes ? "Initial Node, " : (end > nodes ? "End Node, " : nullptr);
        if (!which) continue;
        return which + std::to_string(start > nodes ? start : end) + " in row " + std::to_string(row + 1) +
               " of Wall Stiffness definition\ris greater than number of nodes defined, " + std::to_string(nodes) +
               ".\rPlease check on Wall Properties Windows and Wall Stiffness Table";
    }
    return std::nullopt;
}

// Only the short-term layers and the top of each layer are checked.
std::optional<std::string> TProjectCheck::slopeWarning(const TProject& project)
{
    const double beta = project.data().BackfillSlope;
    if (beta <= 0) return std::nullopt;
    const TGridTable& layers = project.tables().NewSoil;
    for (int layer = 0; layer < layers.rowCount(); ++layer) {
        const soil::SoilType type = soil::soilType(layers.cell(0, layer).asInteger());
        if (type != soil::SoilType::Sand && type != soil::SoilType::Silt) continue;
        const double angle = layers.cell(2, layer).subTable()->cell(kFrictionColumn, 0).asReal();
        if (angle >= beta) continue;
        const std::string n = std::to_string(layer + 1);
        if (type == soil::SoilType::Sand)
            return "Slope of the Backfill: " + number(beta) + " deg.\ris greater than friction angle, " + number(angle) +
                   " deg.,\rin layer " + n + "\rPlease check on Wall Configuration and Soil Layers Windows";
        return "Slope of the Backfill: " + number(beta) + "\ris greater than friction angle, " + number(angle) +
               ",\rin layer " + n + "\rPlease check Soil Layers";
    }
    return std::nullopt;
}

}  // namespace orvane
