#include "model/TDataFileReader.hpp"

#include "model/EReadError.hpp"
#include "model/TCapacities.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TSoilProperties.hpp"
#include "model/TWordReader.hpp"

#include "core/set_data.hpp"
#include "core/stations.hpp"
#include "soil/soil_input.hpp"
#include "soil/soil_type.hpp"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

using Q = TFileQuantity;
using C = TCapacities;

static_assert(C::kIncrements == engine::kMaxIncrements && C::kStations == engine::kStationCount);
static_assert(C::kRestraints == engine::kMaxRestraints && C::kLoadLines == engine::kMaxCoupleLines);
static_assert(C::kPressurePoints == engine::kMaxPressurePoints && C::kSoilLayers == soil::kMaxInputLayers);
static_assert(C::kCurves == engine::kMaxCurves && C::kCurvePoints == engine::kMaxCurvePoints);
static_assert(C::kMeiSets == engine::kMaxMeiSets && C::kMeiPoints == engine::kMaxMeiPoints);

// An old default of the modification factor that files still carry.
constexpr double kOldPressureFactor = 0.036;

// A file value in the table's units; one that grows beyond what a table may
// hold (a unit weight in lb/in3 shown in pcf) stops the reading.
double tableValue(double fileValue, TFileQuantity quantity, const TGridTable& table, int row, int column)
{
    const double value = TFileUnits::fromFile(fileValue, quantity, table.units());
    if (!std::isfinite(value) || std::fabs(value) > TFloatColumn::kLargestValue)
        throw EReadError("The value " + TRealFormat::data(fileValue) + " for " + table.caption() + ", row " +
                         std::to_string(row + 1) + ", column " + std::to_string(column + 1) +
                         " is too large to be kept.");
    return value;
}

}  // namespace

TDataFileReader::TDataFileReader(TProject& project, TWordReader& words, TLayoutFeatures features)
    : project_(project), words_(words), features_(features)
{
}

template <class Read>
std::optional<std::string> TDataFileReader::guarded(TProject& project, Read read)
{
    std::optional<std::string> error;
    try {
        read();
    } catch (const std::exception& e) {
        error = e.what();
    }
    project.tables().ensureMinRows();
    return error;
}

std::optional<std::string> TDataFileReader::readProject(TProject& project, const std::filesystem::path& path,
                                                        TLayout layout, TWordReader::Position* stoppedAt)
{
    project.newProject();
    project.data().FileName = path.string();
    return readNewProject(project, layout, [&] { return TWordReader(path); }, stoppedAt);
}

std::optional<std::string> TDataFileReader::readProjectText(TProject& project, std::string_view text, TLayout layout)
{
    project.newProject();
    return readNewProject(project, layout, [&] { return TWordReader::fromText(text); }, nullptr);
}

template <class MakeWords>
std::optional<std::string> TDataFileReader::readNewProject(TProject& project, TLayout layout, MakeWords makeWords,
                                                           TWordReader::Position* stoppedAt)
{
    if (stoppedAt) *stoppedAt = {};
    auto error = guarded(project, [&] {
        TWordReader words = makeWords();
        try {
            TDataFileReader(project, words, TLayoutFeatures::of(layout)).readFile();
        } catch (...) {
            if (stoppedAt) *stoppedAt = words.position();
            throw;
        }
    });
    project.setModified(false);
    project.data().Layout2015 = layout == TLayout::Current;
    project.data().Layout2013 = true;
    return error;
}

std::optional<std::string> TDataFileReader::readStage(TProject& project, const std::filesystem::path& path,
                                                      TWordReader::Position* stoppedAt)
{
    if (stoppedAt) *stoppedAt = {};
    TLayoutFeatures features = TLayoutFeatures::of(TLayout::Current);
    if (!project.data().Layout2013) {
        features.meiCurves = false;
        features.surchargeBlock = false;
        features.pyMultipliers = false;
    }
    features.tiebacks = project.data().Layout2015;
    project.data().StageFileName = path.string();
    return guarded(project, [&] {
        TWordReader words(path);
        try {
            TDataFileReader(project, words, features).readStageFile();
        } catch (...) {
            if (stoppedAt) *stoppedAt = words.position();
            throw;
        }
    });
}

// A count read from the file, within what the engine's tables hold: rows
// are read for it next, and a damaged count would make the reading run on
// through whatever the file holds.
int TDataFileReader::readCount(int capacity, const char* what)
{
    const int count = words_.readInteger();
    checkCount(count, capacity, what);
    return count;
}

// The count just read, within the capacity.
void TDataFileReader::checkCount(int count, int capacity, const char* what) const
{
    if (count > capacity) {
        const TWordReader::Position at = words_.position();
        throw EReadError("Error on Line " + std::to_string(at.line) + " Item " + std::to_string(at.item) + "\r" +
                         "The file asks for " + std::to_string(count) + " " + what + "; the program holds at most " +
                         std::to_string(capacity) + ".");
    }
}

void TDataFileReader::readFile()
{
    TProgramData& d = project_.data();
    d.Title = words_.readLine();
    readSet(false);
    if (!features_.setMarker) return;
    d.SetMarker = words_.readInteger();
    if (d.SetMarker != 9) return;
    d.UseLongTerm = true;
    // The marker's line is still under the cursor: the first call passes it.
    words_.readLine();
    d.Title = words_.readLine();
    readSet(true);
    words_.readInteger();
}

void TDataFileReader::readStageFile()
{
    TProgramData& d = project_.data();
    d.Title = words_.readLine();
    readSet(false);
    d.SetMarker = words_.readInteger();
    if (d.SetMarker == 9) d.UseLongTerm = true;
}

// The long-term set repeats the short-term set's options (its control line
// only writes a generated pressure as triangular), so the options come from
// the short-term set alone.
void TDataFileReader::readSet(bool longTerm)
{
    project_.setUnitSystem(words_.readInteger());
    const Counts counts = readControlLine();
    if (!longTerm) applyOptions(counts);
    readWallLine();
    readTables(counts, longTerm);
    if (counts.pressureCode > 1 || counts.pyCode > 1) readSoilBlock(longTerm);
    readCurves(counts);
}

TDataFileReader::Counts TDataFileReader::readControlLine()
{
    Counts c;
    c.restraints = readCount(C::kRestraints, "restraint lines");
    c.stiffness = readCount(C::kStationLines, "stiffness lines");
    c.pyModification = readCount(C::kStationLines, "p-y modification lines");
    c.pressureCode = words_.readInteger();
    c.pyCode = words_.readInteger();
    c.pySets = readCount(C::kCurves, "p-y curve sets");
    if (features_.stageCount) project_.data().StageCount = std::clamp(words_.readInteger(), 1, 5);
    if (features_.meiCurves) c.meiSets = readCount(C::kMeiSets, "moment-EI sets");
    if (features_.tiebacks) c.tiebacks = readCount(C::kStationLines, "tiebacks");
    return c;
}

void TDataFileReader::applyOptions(const Counts& c)
{
    TProgramData& d = project_.data();
    d.UseRestraints = c.restraints > 0;
    d.EarthPressureChoice = c.pressureCode;
    d.GeneratedEarthPressure = c.pressureCode > 1;
    // A p-y code of 2 keeps generation on even without earth pressure, so the
    // soil layers are written again on the next save.
    d.GeneratePYCurves = c.pyCode == 2;
    d.UserEarthPressure = c.pressureCode == 1;
    d.UseExternalPY = c.pyCode == 1 || c.pySets > 0;
    d.UsePYModification = c.pyModification > 0;
    d.UseMEICurves = c.meiSets > 0;
    d.UseTiebacks = c.tiebacks > 0;
}

void TDataFileReader::readWallLine()
{
    TProgramData& d = project_.data();
    // Kept before the check: a run of the file read in part still goes to
    // the engine, which refuses the wall in its own words.
    d.Increments = words_.readInteger();
    checkCount(d.Increments, C::kIncrements, "increments");
    d.IncrementLength = words_.readReal();
    d.MaxDeflection = words_.readReal();
    d.Tolerance = words_.readReal();
    d.WallHeight = words_.readReal();
    // The engine's tieback formulas use this Wa, and a file without a
    // wall-configuration line has no other: keep it (that line, when present,
    // gives it again).
    if (features_.tiebacks) d.ActiveWidth = words_.readReal();
}

void TDataFileReader::readTables(const Counts& counts, bool longTerm)
{
    TProgramData& d = project_.data();
    TProjectTables& t = project_.tables();
    readRows(t.SoilLayer, counts.restraints, {0, 1, 2, 3});
    readRows(t.PileSect, counts.stiffness, {0, 1, 2, 3});
    const int loads = readCount(C::kLoadLines, "concentrated load lines");
    if (!longTerm) d.UseConcentratedLoads = loads > 0;
    readRows(t.BoundCond, loads, {0, 1, 2, 3, 4, 5});
    const int springs = readCount(C::kStationLines, "spring lines");
    if (!longTerm) d.UseSprings = springs > 0;
    readRows(t.SoilStrength, springs, {1, 2, 0, 3, 4});
    readTiebacks(counts.tiebacks);
    readRows(t.PYMod, counts.pyModification, {0, 1, 2}, {Q::Depth});
    if (counts.pressureCode == 1) {
        const int points = readCount(C::kPressurePoints, "earth-pressure points");
        if (!longTerm) d.UserEarthPressure = points > 0;
        readRows(longTerm ? t.LongDist : t.DistLoad, points, {0, 1}, {Q::Depth, Q::LineLoad});
    }
}

// The prestressing force came later: a line of six values leaves it at its
// default.
void TDataFileReader::readTiebacks(int count)
{
    TGridTable& table = project_.tables().TiebackTable1;
    table.setRowCount(0);
    for (int row = 0; row < count; ++row) {
        table.setRowCount(row + 1);
        for (int column = 0; column < 6; ++column)
            readCell(table, row, column, column == 1 ? Q::SteelArea : Q::Plain);
        if (words_.itemCount() > 6) readCell(table, row, 6);
    }
}

void TDataFileReader::readSoilBlock(bool longTerm)
{
    TProgramData& d = project_.data();
    d.WallHeight = words_.readReal();
    d.ActiveWidth = words_.readReal();
    d.PYWidth = words_.readReal();
    d.WaterDepthBackfill = words_.readReal();
    d.WaterDepthExcavation = words_.readReal();
    d.ActivePressureFactor = words_.readReal();
    if (d.ActivePressureFactor == kOldPressureFactor) d.ActivePressureFactor = 1.0;
    d.ConfigFlag = words_.readInteger();
    d.BackfillSlope = words_.readReal();
    d.SurchargePressure = words_.readReal();
    d.SurchargeDistance = words_.readReal();
    d.PointLoad = words_.readReal();
    d.LineLoad = words_.readReal();
    d.StripLoad = words_.readReal();
    d.StripWidth = words_.readReal();
    readSurcharges(longTerm);
    readLayers(longTerm);
}

// Older layouts have a single surcharge on the surcharge line: it becomes a
// point, a line and a strip load row, and the surcharge option is switched
// on so that the next save keeps them.
void TDataFileReader::readSurcharges(bool longTerm)
{
    TProgramData& d = project_.data();
    TGridTable& table = project_.tables().SurchargeTable;
    if (features_.surchargeBlock) {
        const int count = readCount(C::kStationLines, "surcharges");
        if (!longTerm) d.UseSurcharges = count > 0;
        readRows(table, count, {0, 1, 2, 3});
        return;
    }
    table.setRowCount(0);
    if (!longTerm) d.UseSurcharges = d.SurchargeDistance > 0;
    if (d.SurchargeDistance <= 0) return;
    table.setRowCount(3);
    const double magnitudes[3] = {d.PointLoad, d.LineLoad, d.StripLoad};
    for (int row = 0; row < 3; ++row) {
        table.cell(0, row).setInteger(row + 1);
        table.cell(1, row).setReal(magnitudes[row]);
        table.cell(2, row).setReal(d.SurchargeDistance);
        table.cell(3, row).setReal(d.StripWidth);
    }
}

void TDataFileReader::readLayers(bool longTerm)
{
    TGridTable& layers = longTerm ? project_.tables().LongSoil : project_.tables().NewSoil;
    const int count = readCount(C::kSoilLayers, "soil layers");
    layers.setRowCount(0);
    double bottom = 0.0;
    for (int layer = 0; layer < count; ++layer) {
        layers.setRowCount(layer + 1);
        const int type = words_.readInteger();
        layers.cell(0, layer).setInteger(type);
        const double depth = words_.readReal();
        // The 2.0 layout gives thicknesses in the table's own units.
        bottom = features_.layerThickness ? bottom + depth : tableValue(depth, Q::Depth, layers, layer, 1);
        layers.cell(1, layer).setReal(bottom);
        TGridTable& parameters = *layers.cell(2, layer).subTable();
        parameters.setNumber(layer + 1);
        parameters.ensureMinRows();
        readLayerProperties(parameters, type, longTerm);
    }
}

void TDataFileReader::readLayerProperties(TGridTable& parameters, int soilType, bool longTerm)
{
    const auto slots = TSoilProperties::slots(soilType, longTerm);
    if (!features_.layerThickness) {
        for (int row = 0; row < 2; ++row)
            for (const TSoilSlot& slot : slots) {
                const double value = words_.readReal();
                if (slot.column >= 0)
                    parameters.cell(slot.column, row)
                        .setReal(tableValue(value, slot.quantity, parameters, row, slot.column));
            }
        return;
    }
    // 2.0: one line of five values for the top and the bottom, none for weak rock.
    if (soil::soilType(soilType) == soil::SoilType::WeakRock) return;
    for (size_t s = 0; s < 5; ++s) {
        const double value = words_.readReal();
        if (slots[s].column >= 0)
            for (int row = 0; row < 2; ++row) parameters.cell(slots[s].column, row).setReal(value);
    }
}

void TDataFileReader::readCurves(const Counts& counts)
{
    TProjectTables& t = project_.tables();
    readCurveSets(t.PYCurves2, counts.pySets, [&](int set) {
        readCell(t.PYCurves2, set, 0);
        const int points = readCount(C::kCurvePoints, "points of a p-y curve");
        if (features_.pyMultipliers) {
            readCell(t.PYCurves2, set, 2);
            readCell(t.PYCurves2, set, 3);
        }
        return std::pair{t.PYCurves2.cell(1, set).subTable(), points};
    });
    readCurveSets(t.MEICurves2, counts.meiSets, [&](int set) {
        readCell(t.MEICurves2, set, 0);
        readCell(t.MEICurves2, set, 1);
        const int points = readCount(C::kMeiPoints, "points of a moment-EI curve");
        return std::pair{t.MEICurves2.cell(2, set).subTable(), points};
    });
}

// A set line (read by `readSetLine`, which returns the set's curve table and
// its number of points) followed by the points of the curve.
template <class ReadSetLine>
void TDataFileReader::readCurveSets(TGridTable& sets, int count, ReadSetLine readSetLine)
{
    sets.setRowCount(0);
    for (int set = 0; set < count; ++set) {
        sets.setRowCount(set + 1);
        const auto [curve, points] = readSetLine(set);
        readRows(*curve, points, {0, 1});
    }
}

// Rows are appended as they are read, so a file that ends early leaves the
// rows read so far, and no count in a damaged file can make rows that the
// file does not hold.
void TDataFileReader::readRows(TGridTable& table, int count, std::initializer_list<int> columns,
                               std::initializer_list<TFileQuantity> quantities)
{
    table.setRowCount(0);
    for (int row = 0; row < count; ++row) {
        table.setRowCount(row + 1);
        size_t position = 0;
        for (int column : columns) {
            const Q quantity = position < quantities.size() ? quantities.begin()[position] : Q::Plain;
            ++position;
            readCell(table, row, column, quantity);
        }
    }
}

void TDataFileReader::readCell(TGridTable& table, int row, int column, TFileQuantity quantity)
{
    const TData cell = table.cell(column, row);
    if (dynamic_cast<const TFloatColumn*>(&table.column(column)))
        cell.setReal(tableValue(words_.readReal(), quantity, table, row, column));
    else
        cell.setInteger(words_.readInteger());
}

}  // namespace orvane
