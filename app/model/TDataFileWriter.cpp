#include "model/TDataFileWriter.hpp"

#include "model/EWriteError.hpp"
#include "model/TDataLine.hpp"
#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TSoilProperties.hpp"
#include "model/TTextFile.hpp"
#include "model/TTitle.hpp"

#include <cmath>

namespace orvane {

namespace {

using Q = TFileQuantity;

const char* const kUnusedSlot = "0.0  ";

}  // namespace

std::string TDataFileWriter::dataFileText()
{
    prepare();
    TProgramData& d = project_.data();
    out_.clear();
    d.SetMarker = d.UseLongTerm ? 9 : 0;
    const std::string title = TTitle::kept(d.Title);
    writeSet(title, false, d.SetMarker);
    if (d.UseLongTerm) writeSet(title, true, 0);
    return out_;
}

std::string TDataFileWriter::stageFileText()
{
    prepare();
    const TProgramData& d = project_.data();
    out_.clear();
    const std::string title = d.CurrentStage == 1 ? TTitle::kept(d.Title) : " Stage No : " + std::to_string(d.CurrentStage);
    writeSet(title, false, d.CurrentStage);
    return out_;
}

void TDataFileWriter::writeDataFile(const std::filesystem::path& path)
{
    TTextFile::write(path, dataFileText());
}

void TDataFileWriter::writeStageFile(const std::filesystem::path& path)
{
    TTextFile::write(path, stageFileText());
    project_.data().StageFileName = path.string();
}

void TDataFileWriter::prepare()
{
    TProgramData& d = project_.data();
    TProjectTables& t = project_.tables();
    for (TOption option : {TOption::ConcentratedLoads, TOption::Restraints, TOption::ExternalPY, TOption::Tiebacks,
                           TOption::Springs, TOption::Surcharges, TOption::PYModification})
        if (!project_.option(option)) project_.optionTable(option)->setRowCount(0);

    if (d.UserEarthPressure)
        d.EarthPressureCode = 1;
    else
        d.EarthPressureCode = (d.GeneratePYCurves || d.GeneratedEarthPressure) ? d.EarthPressureChoice : 0;
    d.PYCode = d.GeneratePYCurves ? 2 : (d.UseExternalPY ? 1 : 0);
    d.MEICount = d.UseMEICurves ? t.MEICurves2.rowCount() : 0;
    d.TiebackCount = d.UseTiebacks ? t.TiebackTable1.rowCount() : 0;

    // The engine needs the last stiffness line to close its range.
    if (t.PileSect.rowCount() > 0) t.PileSect.cell(2, t.PileSect.rowCount() - 1).setInteger(1);
}

void TDataFileWriter::writeSet(const std::string& title, bool longTerm, int marker)
{
    const TProgramData& d = project_.data();
    line(title);
    controlLine(longTerm);
    wallLine();
    tableLines();
    pressureLines(longTerm);
    if (d.EarthPressureCode >= 2 || d.PYCode == 2) soilLines(longTerm);
    curveLines();
    line(std::to_string(marker));
}

void TDataFileWriter::controlLine(bool longTerm)
{
    const TProgramData& d = project_.data();
    const TProjectTables& t = project_.tables();
    const int pressureCode = longTerm && d.EarthPressureCode >= 2 ? 2 : d.EarthPressureCode;
    line(TDataLine()
             .i(d.Units).sp().i(t.SoilLayer.rowCount()).tab().i(t.PileSect.rowCount()).tab().i(t.PYMod.rowCount())
             .tab().i(pressureCode).tab().i(d.PYCode).sp().i(t.PYCurves2.rowCount()).sp().i(d.StageCount)
             .sp().i(d.MEICount).sp().i(d.TiebackCount)
             .text());
}

void TDataFileWriter::wallLine()
{
    const TProgramData& d = project_.data();
    line(TDataLine()
             .i(d.Increments).sp().r(d.IncrementLength).tab().r(d.MaxDeflection).tab().r(d.Tolerance)
             .tab().r(d.WallHeight).tab().r(d.ActiveWidth)
             .text());
}

void TDataFileWriter::tableLines()
{
    const TProjectTables& t = project_.tables();
    rows(t.SoilLayer, {0, 1, 2, 3});
    rows(t.PileSect, {0, 1, 2, 3});
    countedRows(t.BoundCond, {0, 1, 2, 3, 4, 5});
    // The file puts the line mode of a spring third.
    countedRows(t.SoilStrength, {1, 2, 0, 3, 4});
    if (project_.data().TiebackCount > 0)
        rows(t.TiebackTable1, {0, 1, 2, 3, 4, 5, 6}, {Q::Plain, Q::SteelArea});
    rows(t.PYMod, {0, 1, 2}, {Q::Depth});
}

void TDataFileWriter::pressureLines(bool longTerm)
{
    if (project_.data().EarthPressureCode != 1) return;
    const TGridTable& table = longTerm ? project_.tables().LongDist : project_.tables().DistLoad;
    line(std::to_string(table.rowCount()));
    rows(table, {0, 1}, {Q::Depth, Q::LineLoad});
}

void TDataFileWriter::soilLines(bool longTerm)
{
    const TProgramData& d = project_.data();
    const TProjectTables& t = project_.tables();
    line(TDataLine()
             .r(d.WallHeight).tab().r(d.ActiveWidth).tab().r(d.PYWidth).tab().r(d.WaterDepthBackfill)
             .tab().r(d.WaterDepthExcavation).tab().r(d.ActivePressureFactor).tab().i(d.ConfigFlag)
             .tab().r(d.BackfillSlope)
             .text());
    line(TDataLine()
             .r(d.SurchargePressure).tab().r(d.SurchargeDistance).tab().r(d.PointLoad).tab().r(d.LineLoad)
             .tab().r(d.StripLoad).tab().r(d.StripWidth)
             .text());
    countedRows(t.SurchargeTable, {0, 1, 2, 3});

    const TGridTable& layers = longTerm ? t.LongSoil : t.NewSoil;
    line(std::to_string(layers.rowCount()));
    for (int layer = 0; layer < layers.rowCount(); ++layer) {
        const int type = layers.cell(0, layer).asInteger();
        line(TDataLine().i(type).sp().t(itemText({layers, layer, 1, Q::Depth})).sp().text());
        const TGridTable& parameters = *layers.cell(2, layer).subTable();
        for (int row = 0; row < 2; ++row) {
            TDataLine properties;
            for (const TSoilSlot& slot : TSoilProperties::slots(type, longTerm))
                properties.t(slot.column < 0 ? kUnusedSlot
                                             : itemText({parameters, row, slot.column, slot.quantity}) + " ");
            line(properties.text());
        }
    }
}

void TDataFileWriter::curveLines()
{
    const TProgramData& d = project_.data();
    const TProjectTables& t = project_.tables();
    if (d.UseExternalPY) {
        for (int set = 0; set < t.PYCurves2.rowCount(); ++set) {
            const TGridTable& curve = *t.PYCurves2.cell(1, set).subTable();
            line(TDataLine()
                     .t(itemText({t.PYCurves2, set, 0})).tab().i(curve.rowCount())
                     .tab().t(itemText({t.PYCurves2, set, 2})).tab().t(itemText({t.PYCurves2, set, 3}))
                     .text());
            rows(curve, {0, 1});
        }
    }
    if (d.MEICount > 0) {
        for (int set = 0; set < t.MEICurves2.rowCount(); ++set) {
            const TGridTable& curve = *t.MEICurves2.cell(2, set).subTable();
            line(TDataLine()
                     .t(itemText({t.MEICurves2, set, 0})).tab().t(itemText({t.MEICurves2, set, 1}))
                     .tab().i(curve.rowCount())
                     .text());
            rows(curve, {0, 1});
        }
    }
}

void TDataFileWriter::countedRows(const TGridTable& table, std::initializer_list<int> columns)
{
    line(std::to_string(table.rowCount()));
    rows(table, columns);
}

// One TAB-separated line per row; `quantities` gives the file conversion of
// the leading columns (the others are written as the table holds them).
void TDataFileWriter::rows(const TGridTable& table, std::initializer_list<int> columns,
                           std::initializer_list<TFileQuantity> quantities)
{
    for (int row = 0; row < table.rowCount(); ++row) {
        TDataLine text;
        size_t position = 0;
        for (int column : columns) {
            const Q quantity = position < quantities.size() ? quantities.begin()[position] : Q::Plain;
            if (position++ > 0) text.tab();
            text.t(itemText({table, row, column, quantity}));
        }
        line(text.text());
    }
}

std::string TDataFileWriter::itemText(const Item& item) const
{
    const TData cell = item.table.cell(item.column, item.row);
    if (item.quantity == Q::Plain) return cell.asText();
    const double value = TFileUnits::toFile(cell.asReal(), item.quantity, item.table.units());
    if (!std::isfinite(value))
        throw EWriteError("The project cannot be saved: the value " + cell.asText() + " in " + item.table.caption() +
                          ", row " + std::to_string(item.row + 1) + ", column " + std::to_string(item.column + 1) +
                          " is too large once converted to the file's units.");
    return TRealFormat::data(value);
}

void TDataFileWriter::line(const std::string& text)
{
    out_ += text;
    out_ += "\r\n";
}

}  // namespace orvane
