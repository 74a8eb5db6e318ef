#include "ProjectDump.hpp"

#include "model/TRealFormat.hpp"

#include <sstream>

namespace orvane {

namespace {

std::string real(double value)
{
    return TRealFormat::general(value, 7);
}

void dumpTableTo(std::ostream& out, const TGridTable& table, const std::string& indent)
{
    out << indent << table.windowCaption() << " [" << table.rowCount() << " rows, units " << table.units() << "]\n";
    for (int row = 0; row < table.rowCount(); ++row) {
        out << indent << "  " << row + 1 << ":";
        for (int column = 0; column < table.columnCount(); ++column) {
            const TData cell = table.cell(column, row);
            if (cell.subTable())
                out << " <sub>";
            else if (cell.asText().find('.') != std::string::npos || cell.asText().find('E') != std::string::npos)
                out << " " << real(cell.asReal());
            else
                out << " " << cell.asText();
        }
        out << "\n";
        for (int column = 0; column < table.columnCount(); ++column)
            if (const TGridTable* sub = table.cell(column, row).subTable()) dumpTableTo(out, *sub, indent + "    ");
    }
}

}  // namespace

std::string dumpTable(const TGridTable& table)
{
    std::ostringstream out;
    dumpTableTo(out, table, "");
    return out.str();
}

std::string dumpProject(const TProject& project)
{
    const TProgramData& d = project.data();
    std::ostringstream out;
    out << "Title=" << d.Title << "\nUnits=" << d.Units << "\nEarthPressureChoice=" << d.EarthPressureChoice
        << " User=" << d.UserEarthPressure << " Generated=" << d.GeneratedEarthPressure
        << "\nOptions py=" << d.GeneratePYCurves << " ext=" << d.UseExternalPY << " mei=" << d.UseMEICurves
        << " pymod=" << d.UsePYModification << " loads=" << d.UseConcentratedLoads << " springs=" << d.UseSprings
        << " ties=" << d.UseTiebacks << " surch=" << d.UseSurcharges << " restr=" << d.UseRestraints
        << " long=" << d.UseLongTerm << "\nWall " << d.Increments << " " << real(d.IncrementLength) << " "
        << real(d.MaxDeflection) << " " << real(d.Tolerance) << " " << real(d.WallHeight) << "\nConfig "
        << real(d.ActiveWidth) << " " << real(d.PYWidth) << " " << real(d.WaterDepthBackfill) << " "
        << real(d.WaterDepthExcavation) << " " << real(d.ActivePressureFactor) << " " << d.ConfigFlag << " "
        << real(d.BackfillSlope) << "\nSurcharge " << real(d.SurchargePressure) << " " << real(d.SurchargeDistance)
        << " " << real(d.PointLoad) << " " << real(d.LineLoad) << " " << real(d.StripLoad) << " "
        << real(d.StripWidth) << "\nStages " << d.StageCount << " current " << d.CurrentStage << "\n";
    for (const TGridTable* table : project.tables().all()) out << dumpTable(*table);
    return out.str();
}

}  // namespace orvane
