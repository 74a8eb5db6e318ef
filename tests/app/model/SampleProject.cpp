#include "SampleProject.hpp"

#include "model/TFloatColumn.hpp"

namespace orvane {

void setRows(TGridTable& table, const std::vector<std::vector<double>>& rows)
{
    table.setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < table.rowCount(); ++row) {
        int column = 0;
        for (double value : rows[static_cast<size_t>(row)]) {
            while (table.cell(column, row).subTable()) ++column;
            if (dynamic_cast<const TFloatColumn*>(&table.column(column)))
                table.cell(column, row).setReal(value);
            else
                table.cell(column, row).setInteger(static_cast<int>(value));
            ++column;
        }
    }
}

void fillSampleProject(TProject& project)
{
    TProgramData& d = project.data();
    TProjectTables& t = project.tables();
    d.Title = "Sample wall with every option";
    d.Increments = 60;
    d.IncrementLength = 6;
    d.MaxDeflection = 20;
    d.Tolerance = 0.0001;
    d.WallHeight = 180;
    d.ActiveWidth = 18;
    d.PYWidth = 15;
    d.WaterDepthBackfill = 120;
    d.WaterDepthExcavation = 200;
    d.ActivePressureFactor = 0.9;
    d.BackfillSlope = 12.5;
    d.SurchargePressure = 0.5;
    project.setEarthPressureChoice(3);
    d.GeneratedEarthPressure = true;  // as a file with generated earth pressure reads
    for (TOption option : {TOption::ExternalPY, TOption::MEICurves, TOption::PYModification,
                           TOption::ConcentratedLoads, TOption::Springs, TOption::Tiebacks, TOption::Surcharges,
                           TOption::Restraints})
        project.setOption(option, true);

    setRows(t.SoilLayer, {{1, 0, 0.25, 0}, {2, 60, 0, 0.001}});
    setRows(t.PileSect, {{0, 30, 2, 4.5e9}, {30, 60, 2, 3e9}});
    setRows(t.BoundCond, {{1, 0, 0, 5000, 12000, -300}});
    setRows(t.SoilStrength, {{2, 10, 10, 2500, 1e6}, {1, 20, 20, 3000, 0}});
    setRows(t.TiebackTable1, {{10, 1.5, 29e6, 20, 15, 8, 60000}, {16, 1.25, 29e6, 18, 20, 8, 45000}});
    setRows(t.PYMod, {{0, 1, 1}, {40, 0.8, 1.2}});
    setRows(t.SurchargeTable, {{1, 2000, 36, 0}, {3, 1.5, 48, 24}});
    setRows(t.NewSoil, {{1, 10}, {4, 25}, {7, 40}});
    setRows(*t.NewSoil.cell(2, 0).subTable(), {{120, 1000, 0.01, 100, 0.5}, {125, 1200, 0.008, 150, 0.5}});
    setRows(*t.NewSoil.cell(2, 1).subTable(), {{115, 32, 90, 0.3}, {118, 34, 120, 0.3}});
    setRows(*t.NewSoil.cell(2, 2).subTable(), {{140, 500, 0.0005, 2e5, 40}, {145, 600, 0.0005, 3e5, 50}});
    setRows(t.PYCurves2, {{20, 1, 1}, {40, 0.5, 2}});
    setRows(*t.PYCurves2.cell(1, 0).subTable(), {{0, 0}, {0.5, 100}, {2, 150}});
    setRows(*t.PYCurves2.cell(1, 1).subTable(), {{0, 0}, {1, 300}});
    setRows(t.MEICurves2, {{0, 60}});
    setRows(*t.MEICurves2.cell(2, 0).subTable(), {{0, 4.5e9}, {1e6, 4e9}, {2e6, 2.5e9}});
    project.setModified(false);
}

}  // namespace orvane
