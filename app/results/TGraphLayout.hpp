#pragma once

#include "model/TGraphPlot.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace orvane {

// A rectangle in device pixels with the four edges as the drawing names
// them (right and bottom are coordinates, not a width).
struct TPixelRect {
    int l = 0, t = 0, r = 0, b = 0;
    int width() const { return r - l; }
    int height() const { return b - t; }
    bool contains(int x, int y) const { return x >= l && x <= r && y >= t && y <= b; }
    bool operator==(const TPixelRect&) const = default;
};

struct TAxisRange {
    double min = 0, max = 0;
    double width() const { return max - min; }
    bool operator==(const TAxisRange&) const = default;
};

// The X and Y ranges of one panel.
struct TPanelRange {
    TAxisRange x, y;
    bool operator==(const TPanelRange&) const = default;
};

// Minor ticks at k * minor for k in [first, last]; every fifth k is major.
struct TTicks {
    double major = 0;
    double minor = 0;
    std::int64_t first = 0;
    std::int64_t last = -1;
    bool empty() const { return last < first; }
};

// Where a surface's graph goes: the window, a printed page, or a picture.
enum class TSurfaceKind { Window, Printer, Picture };

struct TLayoutInput {
    TPixelRect client;
    int ppiX = 96, ppiY = 96;
    int h = 14;  // scaled font height in pixels
    bool xOnTop = false;
    bool hasTitle = false;
    bool titleOnTop = false;
    bool showLayers = false;
    bool showThree = false;
    TSurfaceKind kind = TSurfaceKind::Window;
};

struct TGraphRects {
    TPixelRect client;
    TPixelRect plot;
    std::array<TPixelRect, 3> panels;
    TPixelRect strip;
    bool hasStrip = false;
};

namespace graph {

// Widens [lo, hi] (which already holds 0) by the range rule: an empty span
// becomes +-0.01, then both ends are rounded out to the step of the span.
TAxisRange roundedRange(double lo, double hi);
// The range of all points of a list, with 0 inside, rounded.
TPanelRange autoRange(const TCurveList& list);
// The major tick step for a span divided into about `intervals` parts.
double majorStep(double span, int intervals);
// Every axis with a span has at least this many labelled (major) ticks.
inline constexpr int kLeastLabelledTicks = 3;
// Tick labels are never set smaller than this many pixels.
inline constexpr int kSmallestLabelFont = 6;
// Major ticks of a step that fall inside the range.
int majorCount(const TAxisRange& range, double major);
// Ticks of an axis drawn over `pixels` pixels with font height h: about one
// major interval per 6h, and at least three major ticks inside the range
// however short the axis (empty only for an empty range or axis).
TTicks ticks(const TAxisRange& range, int pixels, int h);
// The font height of an axis's tick labels: h where the widest label (its
// width at h) and half a line of space fit between two major ticks
// `spacing` pixels apart, smaller in proportion where not, down to the
// smallest label font.
int labelFontHeight(int h, double spacing, int widest);

// Rectangles of the graph on a surface.
TGraphRects layout(const TLayoutInput& in);
// The client area of a printed page: margins in thousandths of an inch,
// each at least the printer's unprintable offset.
TPixelRect printClient(int pageWidth, int pageHeight, int offsetX, int offsetY, int ppiX, int ppiY,
                       const std::array<int, 4>& marginsLTRB);

// Value <-> pixel on a panel; with xOnTop Y grows downwards.
int pixelX(double x, const TAxisRange& r, const TPixelRect& p);
int pixelY(double y, const TAxisRange& r, const TPixelRect& p, bool xOnTop);
double valueX(int px, const TAxisRange& r, const TPixelRect& p);
double valueY(int py, const TAxisRange& r, const TPixelRect& p, bool xOnTop);

struct TVertex {
    int x, y;
    bool operator==(const TVertex&) const = default;
};
// Outline vertices of the marker of curve `curve` (0-based) at (cx, cy).
std::vector<TVertex> markerVertices(int curve, int cx, int cy, int rx, int ry);
// The marker shape 1 .. 10 of curve `curve`.
inline int markerShape(int curve) { return curve % 10 + 1; }
// Points of an n-point curve that get a marker with interval `markers`.
std::vector<int> markerPoints(int pointCount, int markers);
// Curve pen width on a surface.
inline int curveWidth(int ppiX, int widthLine) { return (static_cast<int>(ppiX / 300.0 + 0.5) + 1) * widthLine; }
// The colour-table entry of curve k (its number among all curves).
inline const TGraphColour& curveColour(int k) { return kGraphColours[static_cast<size_t>(k % 17)]; }

// Numbers of the tick labels (4 significant digits) and of the pointer
// readout (5 significant digits), general format.
std::string generalFormat(double value, int digits);

// Zoom by a rubber band: the band's ranges, each at least 1/20 of the full
// range wide, kept inside the full range.
TAxisRange zoomIn(double a, double b, const TAxisRange& full);
// Zoom out about a clicked value: half-width = current width, at most half
// the full width, moved to lie inside the full range.
TAxisRange zoomOut(double clicked, const TAxisRange& current, const TAxisRange& full);

// The curves marked Active: the first 20 of the list.
inline constexpr int kActiveLimit = 20;

}  // namespace graph
}  // namespace orvane
