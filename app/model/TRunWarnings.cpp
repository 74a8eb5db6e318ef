#include "model/TRunWarnings.hpp"

#include "model/TDataFileReader.hpp"
#include "model/TFileUnits.hpp"
#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TStageFiles.hpp"
#include "model/TUnits.hpp"

namespace orvane {

namespace {

// Columns of the tables read here.
constexpr int kStiffnessColumn = 3;   // PileSect: EI
constexpr int kLayerBottomColumn = 1;  // NewSoil, LongSoil: depth at the bottom of the layer
constexpr int kCurveNodeColumn = 0;    // PYCurves2
constexpr int kCurveColumn = 1;        // PYCurves2: the points
constexpr int kMEIFromColumn = 0;      // MEICurves2
constexpr int kMEIToColumn = 1;
constexpr int kMEICurveColumn = 2;     // MEICurves2: the points (moment, EI)

std::string number(double value)
{
    return TRealFormat::general(value, 8);
}

// A value with the unit its window shows for the label.
std::string quantity(double value, const char* label, int units)
{
    const std::string unit = TUnits::columnText(label, units);
    return number(value) + (unit.empty() ? "" : " " + unit);
}

class Checker {
public:
    explicit Checker(const TProject& project) : d_(project.data()), t_(project.tables()) {}

    std::vector<TRunWarning> run()
    {
        stiffness();
        freeHeight();
        if (soilInUse()) {
            layers(t_.NewSoil);
            if (d_.UseLongTerm) layers(t_.LongSoil);
        }
        if (d_.UseExternalPY) pyCurves();
        if (d_.UseMEICurves) meiCurves();
        return std::move(found_);
    }

private:
    void add(const std::string& table, int row, std::string text)
    {
        found_.push_back({table, row, std::move(text)});
    }

    static std::string place(const std::string& table, int row)
    {
        return row > 0 ? table + ", row " + std::to_string(row) : table;
    }

    double tipDepth() const { return d_.Increments * d_.IncrementLength; }
    // A depth held in the project's base length (in, m), as the dialogs show it (ft, m).
    std::string depth(double base) const
    {
        return quantity(TFileUnits::fromFile(base, TFileQuantity::Depth, d_.Units), "L2", d_.Units);
    }

    void stiffness()
    {
        const TGridTable& table = t_.PileSect;
        for (int row = 0; row < table.rowCount(); ++row) {
            const double ei = table.cell(kStiffnessColumn, row).asReal();
            if (ei > 0) continue;
            add(table.caption(), row + 1,
                place(table.caption(), row + 1) + ": the flexural stiffness EI is " +
                    quantity(ei, "F-L^2", table.units()) + "; a wall needs a stiffness above 0.");
        }
    }

    void freeHeight()
    {
        const std::string where = "Wall Properties";
        if (d_.WallHeight <= 0) {
            add(where, 0,
                where + ": the free height of wall is " + depth(d_.WallHeight) +
                    "; the excavation level must lie below the top of the wall.");
            return;
        }
        if (tipDepth() > 0 && d_.WallHeight >= tipDepth())
            add(where, 0,
                where + ": the free height of wall, " + depth(d_.WallHeight) + ", is at or below the wall tip at " +
                    depth(tipDepth()) + " (" + std::to_string(d_.Increments) + " increments of " +
                    quantity(d_.IncrementLength, "L", d_.Units) + "); the excavation goes below the tip.");
    }

    // The soil generates earth pressures or p-y curves: its layers are written
    // to the data file and must reach the tip.
    bool soilInUse() const
    {
        const bool pressure = !d_.UserEarthPressure && (d_.GeneratePYCurves || d_.GeneratedEarthPressure) &&
                              d_.EarthPressureChoice >= 2;
        return pressure || d_.GeneratePYCurves;
    }

    void layers(const TGridTable& table)
    {
        if (table.rowCount() == 0 || tipDepth() <= 0) return;
        int deepestRow = 0;
        double deepest = 0;
        for (int row = 0; row < table.rowCount(); ++row) {
            const double bottom =
                TFileUnits::toFile(table.cell(kLayerBottomColumn, row).asReal(), TFileQuantity::Depth, table.units());
            if (row == 0 || bottom > deepest) {
                deepest = bottom;
                deepestRow = row;
            }
        }
        if (deepest >= tipDepth()) return;
        add(table.caption(), deepestRow + 1,
            place(table.caption(), deepestRow + 1) + ": the deepest layer ends at " + depth(deepest) +
                ", above the wall tip at " + depth(tipDepth()) +
                "; below it the wall has no soil for earth pressures and p-y curves.");
    }

    void pyCurves()
    {
        const TGridTable& sets = t_.PYCurves2;
        for (int set = 0; set < sets.rowCount(); ++set) {
            const TGridTable* curve = sets.cell(kCurveColumn, set).subTable();
            if (!curve) continue;
            const std::string name = "External p-y Curve " + std::to_string(set + 1) + " (node " +
                                     std::to_string(sets.cell(kCurveNodeColumn, set).asInteger()) + ")";
            for (int row = 1; row < curve->rowCount(); ++row) {
                const double y = curve->cell(0, row).asReal();
                const double before = curve->cell(0, row - 1).asReal();
                if (y > before) continue;
                add(name, row + 1,
                    place(name, row + 1) + ": the deflection y = " + quantity(y, "L", curve->units()) +
                        " does not increase from the row before (" + quantity(before, "L", curve->units()) +
                        "); the deflections of a curve must increase.");
                break;
            }
        }
    }

    void meiCurves()
    {
        const TGridTable& sets = t_.MEICurves2;
        for (int set = 0; set < sets.rowCount(); ++set) {
            const TGridTable* curve = sets.cell(kMEICurveColumn, set).subTable();
            if (!curve) continue;
            const std::string name = "Moment vs EI Curve " + std::to_string(set + 1) + " (nodes " +
                                     std::to_string(sets.cell(kMEIFromColumn, set).asInteger()) + " to " +
                                     std::to_string(sets.cell(kMEIToColumn, set).asInteger()) + ")";
            double before = 0;
            for (int row = 0; row < curve->rowCount(); ++row) {
                const double moment = curve->cell(0, row).asReal();
                const double ei = curve->cell(1, row).asReal();
                if (ei <= 0) {
                    add(name, row + 1,
                        place(name, row + 1) + ": the flexural rigidity EI is " + quantity(ei, "F-L^2", curve->units()) +
                            "; a wall needs a stiffness above 0.");
                    break;
                }
                // The engine finds the stiffness of a station by its curvature M/EI.
                const double curvature = moment / ei;
                if (row > 0 && curvature <= before) {
                    add(name, row + 1,
                        place(name, row + 1) + ": the curvature M/EI = " + quantity(curvature, "1/L", curve->units()) +
                            " does not increase from the row before (" + quantity(before, "1/L", curve->units()) +
                            "); the curvatures of a curve must increase.");
                    break;
                }
                before = curvature;
            }
        }
    }

    const TProgramData& d_;
    const TProjectTables& t_;
    std::vector<TRunWarning> found_;
};

}  // namespace

// Every stage runs: the stage on screen is checked in memory, the others in
// their stage files (a stage that cannot be read says so when it is opened).
std::vector<TRunWarning> TRunWarnings::of(const TProject& project)
{
    const TProgramData& d = project.data();
    if (d.StageCount <= 1) return Checker(project).run();
    std::vector<TRunWarning> all;
    for (int stage = 1; stage <= d.StageCount; ++stage) {
        std::vector<TRunWarning> found;
        if (stage == d.CurrentStage) {
            found = Checker(project).run();
        } else {
            const std::filesystem::path file = TStageFiles::name(d.FileName, stage);
            std::error_code ignored;
            if (!std::filesystem::is_regular_file(file, ignored)) continue;
            TProject probe;
            if (TDataFileReader::readStage(probe, file)) continue;
            found = Checker(probe).run();
        }
        const std::string prefix = "Stage " + std::to_string(stage) + ", ";
        for (TRunWarning& w : found) {
            w.table = prefix + w.table;
            w.text = prefix + w.text;
            all.push_back(std::move(w));
        }
    }
    return all;
}

}  // namespace orvane
