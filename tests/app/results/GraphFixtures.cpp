#include "GraphFixtures.hpp"

namespace orvane::test {

TGraphPlot flatCurves(int curves, int points)
{
    TGraphPlot plot;
    plot.CurveName = "Curve #";
    plot.Caption = "Flat";
    plot.XCaption = "x";
    plot.YCaption = "y";
    plot.Lines.setCurveCount(curves);
    plot.Lines.setPointCount(points);
    for (int c = 0; c < curves; ++c)
        for (int j = 0; j < points; ++j) plot.Lines.point(c, j) = {static_cast<double>(j), c + 1.0};
    return plot;
}

TGraphPlot depthGraph()
{
    TGraphPlot plot;
    plot.CurveName = "Load #";
    plot.Caption = "Deflection vs Depth";
    plot.XCaption = "Deflection";
    plot.XUnits = "L";
    plot.YCaption = "Depth (ft)";
    plot.XOnTop = true;
    plot.Lines.setCurveCount(1);
    plot.Lines.setPointCount(2);
    plot.Lines.point(0, 0) = {0, 0};
    plot.Lines.point(0, 1) = {1, 10};
    return plot;
}

TGraphPlot threePanelWithWall()
{
    TGraphPlot plot;
    plot.CurveName = "Curve #";
    plot.Caption = "Deflection, Moment, Shear vs Depth";
    plot.XOnTop = true;
    plot.ShowThree = true;
    for (TCurveList* list : {&plot.Lines, &plot.Lines2, &plot.Lines3}) {
        list->setCurveCount(1);
        list->setPointCount(11);
        for (int j = 0; j <= 10; ++j) list->point(0, j) = {0.1 * j * (10 - j), static_cast<double>(j)};
    }
    plot.Layers.setCurveCount(4);
    plot.Layers.setPointCount(1);
    plot.Layers.curve(0).Name = " CLAY ";
    plot.Layers.point(0, 0) = {1, 3};   // clay to 3 ft
    plot.Layers.curve(1).Name = " SAND ";
    plot.Layers.point(1, 0) = {7, 10};  // sand to 10 ft
    plot.WallLineCount = 2;
    plot.Layers.curve(2).Name = "PILE";
    plot.Layers.point(2, 0) = {0, 8};   // wall tip
    plot.Layers.curve(3).Name = "PILE";
    plot.Layers.point(3, 0) = {0, 5};   // excavation level
    return plot;
}

bool allWhite(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) return false;
    return true;
}

int countColour(const QImage& image, QColor colour, QRect area)
{
    if (area.isNull()) area = image.rect();
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.rect().contains(x, y) && image.pixel(x, y) == colour.rgb()) ++n;
    return n;
}

}  // namespace orvane::test
