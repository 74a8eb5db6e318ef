#pragma once

#include "model/TGraphPlot.hpp"
#include "results/TGraphLayout.hpp"

#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

class QFont;
class QPainter;
class QPaintDevice;

namespace orvane {

// What a surface contributes to the drawing of a graph.
struct TGraphSurface {
    TPixelRect client;
    int ppiX = 96, ppiY = 96;
    // Height in pixels of the surface's font before the SizeFont scale.
    int fontHeight = 14;
    TSurfaceKind kind = TSurfaceKind::Window;
    // Every curve and the wall in black, for pictures saved "Black and
    // White" that are drawn, not converted pixel by pixel (PDF, SVG).
    bool blackAndWhite = false;
};

// What the window contributes: the current ranges of the panels and where
// its legend control sits (for the legend box of printed and saved
// pictures, as fractions of the window's client size).
struct TGraphView {
    std::array<TPanelRange, 3> ranges;
    double legendLeft = 0, legendTop = 0;
};

// A labelled tick of an axis as drawn: its value, text, font height and the
// box the text takes on the surface.
struct TTickLabel {
    double value = 0;
    QString text;
    int fontHeight = 0;
    QRect box;
};

// Draws a graph on any QPainter surface (window, printer page, picture,
// PDF, SVG) with the layout computed for that surface.
class TGraphPainter {
public:
    // The window's font: 14 pixels high at 96 pixels per inch.
    static int surfaceFontHeight(int ppiY);
    static int scaledFontHeight(const TGraphPlot& plot, const TGraphSurface& surface);
    static QFont textFont(int pixelHeight, bool bold);
    static TGraphRects layout(const TGraphPlot& plot, const TGraphSurface& surface);
    // The font height of an axis's tick labels (see graph::labelFontHeight),
    // measured in the graphs' font.
    static int tickLabelHeight(const TTicks& ticks, const TAxisRange& range, int pixels, int h);
    // The labelled ticks of the X (or Y) axis of a panel as the painter draws them.
    static std::vector<TTickLabel> tickLabels(const TGraphPlot& plot, const TGraphView& view,
                                              const TGraphSurface& surface, int panel, bool xAxis);

    // Sets Active of every curve: the first 20 only.
    static void activateFirst(TGraphPlot& plot);
    // Indices of the active curves of Lines: the legend entries, in order.
    static std::vector<int> activeCurves(const TGraphPlot& plot);
    // The full ranges of the three panels.
    static std::array<TPanelRange, 3> autoRanges(const TGraphPlot& plot);

    // The legend control's size: the longest entry with " *" plus a quarter
    // inch wide, its entries (1.5 times the point size each) plus 3 high.
    static QSize legendControlSize(const TGraphPlot& plot, int ppi);
    // The legend's default place, pushed back inside the client area: the
    // corner of a panel where it covers no curve drawn in the view (the
    // fewest points where every corner has some), the last panel's
    // bottom-right corner first.
    static TPixelRect defaultLegendRect(const TGraphPlot& plot, const TGraphView& view, const TGraphRects& rects,
                                        QSize legend);

    static void paint(QPainter& painter, const TGraphPlot& plot, const TGraphView& view,
                      const TGraphSurface& surface);
};

}  // namespace orvane
