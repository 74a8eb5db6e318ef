// Writes the workbooks that WorkbookExportCheck.py reads back, from graphs
// filled by hand, into the folder given as the only argument:
//   seven.xlsx   the seven graphs of the export list, English units
//   si.xlsx      a p-y graph in SI units
//   other.xlsx   a p-y graph in other units
//   none.xlsx    nothing exported
//   nopoints.xlsx a graph whose three curves have no points

#include "model/TGraphPlot.hpp"
#include "results/TWorkbookExport.hpp"

#include <exception>
#include <filesystem>
#include <iostream>

using namespace orvane;

namespace {

// Curve i (from 0) of a graph gets points (i + j/4, 10 i + j) for j from 0,
// so every value in the workbook tells its curve and point.
TGraphPlot graph(const char* caption, const char* curveName, int curves, int points, bool xOnTop)
{
    TGraphPlot g;
    g.Caption = caption;
    g.CurveName = curveName;
    g.XOnTop = xOnTop;
    g.Lines.setCurveCount(curves);
    g.Lines.setPointCount(points);
    for (int i = 0; i < curves; ++i)
        for (int j = 0; j < points; ++j) g.Lines.point(i, j) = {i + j / 4.0, 10.0 * i + j};
    return g;
}

TGraphPlot pyGraph(int units)
{
    TGraphPlot g = graph("p-y Curves", "Depth", 1, 3, false);
    g.Lines.curve(0).Value = 12.5;
    g.XCaption = "y";
    g.XUnits = "L";
    g.YCaption = "p";
    g.YUnits = "F/L";
    g.setUnits(units);
    return g;
}

TGraphPlot depthGraph(const char* caption, int curves, int points, const char* xCaption, const char* xUnits)
{
    TGraphPlot g = graph(caption, "Load #", curves, points, true);
    g.XCaption = xCaption;
    g.XUnits = xUnits;
    g.YCaption = "Depth (ft)";
    return g;
}

void writeSeven(const std::filesystem::path& folder)
{
    const TGraphPlot py = pyGraph(1);
    TGraphPlot deflection = depthGraph("Deflection vs Depth", 26, 4, "Deflection", "L");
    deflection.Lines.curve(1).Name = "Stage: 2";
    const TGraphPlot shear = depthGraph("Shear vs Depth", 2, 5, "Shear (kips)", "");
    const TGraphPlot moment = depthGraph("Moment vs Depth", 1, 2, "Bending Moment (in-kips)", "");
    const TGraphPlot reaction = depthGraph("Soil Reaction vs Depth", 1, 2, "Reaction", "F");
    const TGraphPlot pressure = graph("Earth Pressure Distribution", "Curve #", 1, 2, true);
    TGraphPlot combined = graph("Earth Pressure Combined", "Curve #", 3, 2, true);
    combined.Lines.curve(0).Name = "Total Earth Pressure";
    combined.Lines.curve(1).Name = "from Soils ";
    combined.Lines.curve(2).Name = "from Surcharge Loads";
    combined.XCaption = "Distributed Load";
    combined.XUnits = "F/L";
    combined.YCaption = "Depth";
    combined.YUnits = "L2";
    TWorkbookExport::write(folder / "seven.xlsx", {&py, &deflection, &shear, &moment, &reaction, &pressure, &combined});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: workbook_export_fixtures FOLDER\n";
        return 2;
    }
    try {
        const std::filesystem::path folder = argv[1];
        writeSeven(folder);
        const TGraphPlot si = pyGraph(2);
        TWorkbookExport::write(folder / "si.xlsx", {&si});
        const TGraphPlot other = pyGraph(3);
        TWorkbookExport::write(folder / "other.xlsx", {&other});
        TWorkbookExport::write(folder / "none.xlsx", {});
        const TGraphPlot empty = graph("Earth Pressure Combined", "Curve #", 3, 0, true);
        TWorkbookExport::write(folder / "nopoints.xlsx", {&empty});
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
