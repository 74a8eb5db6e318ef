#include "model/TPlotFileReader.hpp"

#include "model/EReadError.hpp"
#include "model/TCapacities.hpp"
#include "model/TControlFile.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TProject.hpp"
#include "model/TStageFiles.hpp"
#include "model/TWordReader.hpp"

#include "soil/soil_type.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <system_error>
#include <vector>

namespace orvane {

namespace {

constexpr double kInchesPerFoot = 12;
constexpr double kPoundsPerKip = 1000;
// Slots that a raised point count added still hold (0, 0).
constexpr double kEmptySlot = 1e-7;

// The results hold the stations from the top to one below the tip, the
// fictitious station of the difference equations: the graphs end at the
// tip, with the wall.
int wallNodes(int rows) { return rows > 1 ? rows - 1 : rows; }

void raisePointCount(TCurveList& list, int count)
{
    if (count > list.pointCount()) list.setPointCount(count);
}

void setName(TCurveList& list, int curve, const std::string& name)
{
    if (curve < list.curveCount()) list.curve(curve).Name = name;
}

// Each later point of a curve that is still an empty slot repeats the point
// before it, so a case with fewer points ends on its own last point.
void fillEmptySlots(TCurveList& list)
{
    for (TLine& line : list)
        for (size_t j = 1; j < line.Points.size(); ++j)
            if (std::abs(line.Points[j].X) < kEmptySlot && std::abs(line.Points[j].Y) < kEmptySlot)
                line.Points[j] = line.Points[j - 1];
}

struct TSoilOverlay {
    const char* name;
    int code;
};

// The soil type of a layer of the layer table; codes below the types count
// as clay, those above keep their layer number and get no fill.
TSoilOverlay soilOverlay(int code)
{
    using soil::SoilType;
    const SoilType type = soil::soilType(code);
    if (soil::isClay(type)) return {" CLAY ", 1};
    switch (type) {
    case SoilType::Sand: return {" SAND ", 7};
    case SoilType::Silt: return {" SILT ", 8};
    case SoilType::StrongRock: return {"STRONG ROCK", 9};
    case SoilType::WeakRock: return {"WEAK ROCK", 10};
    default: break;
    }
    return {nullptr, 0};
}

}  // namespace

std::filesystem::path TPlotFileReader::plotFilePath(const std::filesystem::path& dataFile)
{
    return TControlFile::plotData(dataFile);
}

bool TPlotFileReader::read(TMainGraphs& graphs, TProject& project, const std::filesystem::path& path,
                           std::string* error)
{
    // Every read starts from empty curve lists, so names, flags and overlays
    // of an earlier project or run never show under the new curves.
    for (TGraphPlot* graph : graphs.all()) {
        graph->Lines.setCurveCount(0);
        graph->Layers.setCurveCount(0);
        graph->Lines2.setCurveCount(0);
        graph->Lines3.setCurveCount(0);
        graph->WallLineCount = 0;
    }
    try {
        TWordReader reader(path);
        std::error_code failed;
        const std::uintmax_t size = std::filesystem::file_size(path, failed);
        TPlotFileReader(graphs, project, reader, failed ? std::numeric_limits<std::uintmax_t>::max() : size).readAll();
        return true;
    } catch (const EReadError& e) {
        if (error) *error = e.what();
        return false;
    }
}

TPlotFileReader::TPlotFileReader(TMainGraphs& graphs, TProject& project, TWordReader& reader,
                                 std::uintmax_t fileSize)
    : g_(graphs), project_(project), in_(reader), fileSize_(fileSize)
{
}

// A count can never exceed the number of characters of the file (every
// number takes at least one and a separator), nor what the engine that
// wrote the file holds; a larger one marks a damaged file and would only
// exhaust the memory and the time before the reader ran dry.
int TPlotFileReader::count(int capacity, const char* what)
{
    const int value = in_.readInteger();
    if (value > 0 && static_cast<std::uintmax_t>(value) > fileSize_)
        throw EReadError("This file either invalid or incomplete.");
    if (value > capacity) {
        const TWordReader::Position at = in_.position();
        throw EReadError("Error on Line " + std::to_string(at.line) + " Item " + std::to_string(at.item) +
                         "\rThe file asks for " + std::to_string(value) + " " + what +
                         "; the program holds at most " + std::to_string(capacity) + ".");
    }
    return std::max(value, 0);
}

void TPlotFileReader::readAll()
{
    readFirstCase();
    const int lastCase = caseCount_;  // a larger count read later adds curves, not case blocks
    for (int k = 2; k <= lastCase; ++k) readLaterCase(k);

    TCurveList& ld = g_.pltLD.Lines;
    TCurveList& def = g_.pltDef.Lines;
    ld.setCurveCount(caseCount_);
    ld.setPointCount(project_.data().PressurePointCount);
    def.setCurveCount(caseCount_);
    if (def.curveCount() > 1) def.setPointCount(largestDepthCount_);
    for (TGraphPlot* graph : {&g_.pltMom, &g_.pltShear, &g_.pltSoil}) graph->Lines.setPointCount(def.pointCount());

    fillShortCurves();
    setCaptions();
    for (TGraphPlot* graph : g_.all()) graph->setUnits(units_);
}

void TPlotFileReader::readFirstCase()
{
    TProgramData& data = project_.data();
    const bool english = data.Units == 1;
    TCurveList& ld = g_.pltLD.Lines;
    TCurveList& combined = g_.PltCombine.Lines;
    ld.setCurveCount(1);
    combined.setCurveCount(3);
    const int points = count(TCapacities::kPressurePoints, "earth-pressure points");
    ld.setPointCount(points);
    combined.setPointCount(points);
    data.PressurePointCount = points;
    combined.curve(0).Name = "Total Earth Pressure";
    combined.curve(1).Name = "from Soils ";
    combined.curve(2).Name = "from Surcharge Loads";
    for (int j = 0; j < points; ++j) {
        const double depth = in_.readReal();
        const double total = in_.readReal();
        const double soils = in_.readReal();
        const double surcharge = in_.readReal();
        ld.point(0, j) = {total, depth};
        const double combinedDepth = english ? depth / kInchesPerFoot : depth;
        combined.point(0, j) = {total, combinedDepth};
        combined.point(1, j) = {soils, combinedDepth};
        combined.point(2, j) = {surcharge, combinedDepth};
    }
    units_ = in_.readInteger();
    if (units_ == 1)
        for (TFloatPoint& p : ld.curve(0).Points) p.Y /= kInchesPerFoot;

    readPYBlock();

    TCurveList& def = g_.pltDef.Lines;
    def.setCurveCount(count(TStageFiles::kMaxStages, "analysis cases"));
    caseCount_ = std::max(caseCount_, def.curveCount());
    for (TGraphPlot* graph : {&g_.pltMom, &g_.pltShear, &g_.pltSoil}) graph->Lines.setCurveCount(def.curveCount());
    const int rows = count(TCapacities::kStations, "stations");
    const int nodes = wallNodes(rows);
    for (TGraphPlot* graph : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil}) graph->Lines.setPointCount(nodes);
    largestDepthCount_ = nodes;
    in_.readInteger();  // the unit code of the results block; the p-y block's decides

    for (TCurveList* list : {&g_.pltDMS.Lines, &g_.pltDMS.Lines2, &g_.pltDMS.Lines3}) {
        list->setCurveCount(def.curveCount());
        list->setPointCount(nodes);
    }
    g_.pltDMS.ShowThree = true;

    if (def.curveCount() >= 1) readDepthRows(0, rows);

    for (TCurveList* list : {&g_.pltDef.Lines, &g_.pltMom.Lines, &g_.pltShear.Lines, &g_.pltSoil.Lines,
                             &g_.pltDMS.Lines, &g_.pltDMS.Lines2, &g_.pltDMS.Lines3})
        list->setCurveCount(caseCount_);

    if (g_.pltDMS.Lines.curveCount() > 0 && g_.pltDMS.Lines.pointCount() > 0) addLayerOverlay();
}

void TPlotFileReader::readLaterCase(int k)
{
    TProgramData& data = project_.data();
    TCurveList& ld = g_.pltLD.Lines;
    ld.setCurveCount(caseCount_);
    const int points = count(TCapacities::kPressurePoints, "earth-pressure points");
    raisePointCount(ld, points);
    data.PressurePointCount = std::max(data.PressurePointCount, ld.pointCount());
    for (int j = 0; j < points; ++j) {
        const double depth = in_.readReal();
        const double total = in_.readReal();
        in_.readReal();  // from soils and from surcharge loads: the combined graph shows case 1 only
        in_.readReal();
        ld.point(k - 1, j) = {total, depth};
    }
    units_ = in_.readInteger();
    if (units_ == 1)
        for (TFloatPoint& p : ld.curve(k - 1).Points) p.Y /= kInchesPerFoot;

    readPYBlock();

    TCurveList& def = g_.pltDef.Lines;
    def.setCurveCount(count(TStageFiles::kMaxStages, "analysis cases"));
    caseCount_ = std::max(caseCount_, def.curveCount());
    if (def.curveCount() < caseCount_) def.setCurveCount(caseCount_);

    const bool longTerm = data.SetMarker == 9;
    for (TCurveList* list : {&g_.pltDef.Lines, &g_.pltMom.Lines, &g_.pltShear.Lines, &g_.pltSoil.Lines,
                             &g_.pltDMS.Lines}) {
        setName(*list, 0, "Stage: 1");
        setName(*list, k - 1, "Stage: " + std::to_string(k));
        if (longTerm) {
            setName(*list, 1, "Long-Term");
            setName(*list, 0, "Short-Term");
        }
    }

    for (TGraphPlot* graph : {&g_.pltMom, &g_.pltShear, &g_.pltSoil}) graph->Lines.setCurveCount(def.curveCount());
    const int rows = count(TCapacities::kStations, "stations");
    const int nodes = wallNodes(rows);
    for (TCurveList* list : {&g_.pltDef.Lines, &g_.pltMom.Lines, &g_.pltShear.Lines, &g_.pltSoil.Lines,
                             &g_.pltDMS.Lines, &g_.pltDMS.Lines2, &g_.pltDMS.Lines3})
        raisePointCount(*list, nodes);
    largestDepthCount_ = std::max(largestDepthCount_, nodes);
    in_.readInteger();

    if (def.curveCount() > 0) readDepthRows(k - 1, rows);

    for (TCurveList* list : {&g_.pltDef.Lines, &g_.pltMom.Lines, &g_.pltShear.Lines, &g_.pltSoil.Lines, &ld})
        list->setCurveCount(caseCount_);
}

// A p-y curve's legend: its depth in the depths' display unit ("z = 25.0
// ft", "z = 3.75 m"). Generated curves carry their depth in the base length
// (in, m), the user's their station, one increment apart.
std::string TPlotFileReader::curveDepthName(double value) const
{
    const TProgramData& d = project_.data();
    const double base = d.GeneratePYCurves ? value : value * d.IncrementLength;
    const bool english = units_ == 1;
    char text[64];
    std::snprintf(text, sizeof text, english ? "z = %.1f ft" : "z = %.2f m", english ? base / kInchesPerFoot : base);
    return text;
}

// The p-y graph shows the curves of the last block read. Shorter curves
// repeat their last point up to the longest one.
void TPlotFileReader::readPYBlock()
{
    TCurveList& py = g_.pltPY.Lines;
    py.setCurveCount(count(TCapacities::kCurves, "p-y curves"));
    py.setPointCount(0);
    std::vector<int> own(static_cast<size_t>(py.curveCount()));
    for (int i = 0; i < py.curveCount(); ++i) {
        // A depth, or the station number of a user curve.
        py.curve(i).Value = in_.readReal();
        py.curve(i).Name = curveDepthName(py.curve(i).Value);
        const int points = count(TCapacities::kCurvePoints, "points of a p-y curve");
        raisePointCount(py, points);
        for (int j = 0; j < points; ++j) {
            const double y = in_.readReal();
            const double p = in_.readReal();
            py.point(i, j) = {y, p};
        }
        own[static_cast<size_t>(i)] = points;
    }
    for (int i = 0; i < py.curveCount(); ++i) {
        std::vector<TFloatPoint>& points = py.curve(i).Points;
        const auto n = static_cast<size_t>(own[static_cast<size_t>(i)]);
        if (n == 0) continue;
        std::fill(points.begin() + static_cast<std::ptrdiff_t>(n), points.end(), points[n - 1]);
    }
}

// Depth, deflection, moment, shear and soil reaction of every station into
// one curve of the depth graphs and the three panels; English files give
// inches and pounds, shown as feet and kips.
void TPlotFileReader::readDepthRows(int curve, int count)
{
    const int shown = wallNodes(count);
    for (int j = 0; j < count; ++j) {
        double depth = in_.readReal();
        const double deflection = in_.readReal();
        double moment = in_.readReal();
        double shear = in_.readReal();
        const double reaction = in_.readReal();
        if (units_ == 1) {
            depth /= kInchesPerFoot;
            moment /= kPoundsPerKip;
            shear /= kPoundsPerKip;
        }
        if (j >= shown) continue;  // the station below the tip: read past, not shown
        g_.pltDef.Lines.point(curve, j) = {deflection, depth};
        g_.pltDMS.Lines.point(curve, j) = {deflection, depth};
        g_.pltMom.Lines.point(curve, j) = {moment, depth};
        g_.pltDMS.Lines2.point(curve, j) = {moment, depth};
        g_.pltShear.Lines.point(curve, j) = {shear, depth};
        g_.pltDMS.Lines3.point(curve, j) = {shear, depth};
        g_.pltSoil.Lines.point(curve, j) = {reaction, depth};
    }
}

// One curve per soil layer (X the soil code for the strip's fill, Y the
// layer's bottom), then the wall tip and the excavation level as "PILE".
void TPlotFileReader::addLayerOverlay()
{
    const TProgramData& data = project_.data();
    const TGridTable& soil = project_.tables().NewSoil;
    TGraphPlot& dms = g_.pltDMS;
    const int layers = soil.rowCount();
    dms.Layers.setCurveCount(layers + 2);
    dms.Layers.setPointCount(1);
    for (int i = 0; i < layers; ++i) {
        const TSoilOverlay overlay = soilOverlay(soil.cell(0, i).asInteger());
        TLine& line = dms.Layers.curve(i);
        line.Name = overlay.name ? overlay.name : "LAYER " + std::to_string(i + 1);
        line.Points[0] = {static_cast<double>(overlay.code), soil.cell(1, i).asReal()};
    }
    dms.WallLineCount = layers;
    const double toDepthAxis = data.Units == 1 ? 1 / kInchesPerFoot : 1;
    dms.Layers.curve(layers).Name = "PILE";
    dms.Layers.point(layers, 0) = {0, data.Increments * data.IncrementLength * toDepthAxis};
    dms.Layers.curve(layers + 1).Name = "PILE";
    dms.Layers.point(layers + 1, 0) = {0, data.WallHeight * toDepthAxis};
}

void TPlotFileReader::fillShortCurves()
{
    if (g_.pltLD.Lines.pointCount() > 0 && g_.pltLD.Lines.curveCount() > 1) fillEmptySlots(g_.pltLD.Lines);
    if (g_.pltDef.Lines.pointCount() > 0 && g_.pltDef.Lines.curveCount() > 1)
        for (TCurveList* list : {&g_.pltDef.Lines, &g_.pltMom.Lines, &g_.pltShear.Lines, &g_.pltSoil.Lines,
                                 &g_.pltDMS.Lines, &g_.pltDMS.Lines2, &g_.pltDMS.Lines3})
            fillEmptySlots(*list);
}

void TPlotFileReader::setCaptions()
{
    const bool english = units_ == 1;
    for (TGraphPlot* graph : {&g_.pltDef, &g_.pltMom, &g_.pltShear, &g_.pltSoil, &g_.pltLD})
        graph->YCaption = english ? "Depth (ft)" : "Depth (m)";
    g_.pltMom.XCaption = english ? "Bending Moment (in-kips)" : "Bending Moment (m-kN)";
    g_.pltShear.XCaption = english ? "Shear (kips)" : "Shear (kN)";

    TGraphPlot& dms = g_.pltDMS;
    dms.XCaption = g_.pltDef.XCaption;
    dms.YCaption = g_.pltDef.YCaption;
    dms.XUnits = g_.pltDef.XUnits;
    dms.XCaption2 = g_.pltMom.XCaption;
    dms.YCaption2 = g_.pltMom.YCaption;
    dms.XUnits2 = g_.pltMom.XUnits;
    dms.XCaption3 = g_.pltShear.XCaption;
    dms.YCaption3 = g_.pltShear.YCaption;
    dms.XUnits3 = g_.pltShear.XUnits;
}

}  // namespace orvane
