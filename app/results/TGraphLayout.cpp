#include "results/TGraphLayout.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace orvane::graph {

namespace {

// Quotients that are whole numbers on paper come out a few units of the
// last place off in binary; this much slack keeps them whole.
constexpr double kWholeSlack = 1e-9;
constexpr double kEmptySpanHalf = 0.01;
constexpr int kTickIntervalInH = 6;
constexpr double kZoomFloor = 1.0 / 20.0;

double roundDown(double v, double s) { return s * std::floor(v / s + kWholeSlack); }
double roundUp(double v, double s) { return s * std::ceil(v / s - kWholeSlack); }

int roundInt(double v) { return static_cast<int>(std::lround(v)); }

void widen(TAxisRange& r, double v)
{
    r.min = std::min(r.min, v);
    r.max = std::max(r.max, v);
}

}  // namespace

TAxisRange roundedRange(double lo, double hi)
{
    if (hi == lo) {
        hi += kEmptySpanHalf;
        lo -= kEmptySpanHalf;
    }
    const double decades = std::log10(hi - lo);
    double step = std::pow(10.0, std::floor(decades));
    if (decades - std::floor(decades) < std::log10(3.0)) step /= 10.0;
    return {roundDown(lo, step), roundUp(hi, step)};
}

TPanelRange autoRange(const TCurveList& list)
{
    TPanelRange r;
    for (const TLine& line : list)
        for (const TFloatPoint& p : line.Points) {
            widen(r.x, p.X);
            widen(r.y, p.Y);
        }
    return {roundedRange(r.x.min, r.x.max), roundedRange(r.y.min, r.y.max)};
}

double majorStep(double span, int intervals)
{
    const double raw = span / intervals;
    const double g = std::pow(10.0, std::floor(std::log10(raw)));
    const int d = static_cast<int>(raw / g + kWholeSlack);
    if (d < 2) return g;
    if (d < 5) return 2 * g;
    if (d < 9) return 5 * g;
    return 10 * g;
}

int majorCount(const TAxisRange& range, double major)
{
    return static_cast<int>(std::floor(range.max / major + kWholeSlack) - std::ceil(range.min / major - kWholeSlack)) + 1;
}

double smallerStep(double step)
{
    // 10 -> 5 -> 2 -> 1 -> 0.5 ...: the steps a decade's digits 1, 2 and 5 give.
    const double g = std::pow(10.0, std::floor(std::log10(step) + kWholeSlack));
    const int d = static_cast<int>(step / g + kWholeSlack);
    if (d >= 5) return 2 * g;
    if (d >= 2) return g;
    return g / 2;
}

TTicks ticks(const TAxisRange& range, int pixels, int h)
{
    TTicks t;
    if (h <= 0 || pixels == 0 || !(range.width() > 0)) return t;
    const int intervals = std::max(1, std::abs(pixels) / (kTickIntervalInH * h));
    t.major = majorStep(range.width(), intervals);
    // A short axis still gets three labelled ticks: finer steps, whose
    // labels the painter sets smaller where they would otherwise touch.
    while (majorCount(range, t.major) < kLeastLabelledTicks) t.major = smallerStep(t.major);
    t.minor = t.major / 5;
    t.first = static_cast<std::int64_t>(std::ceil(range.min / t.minor - kWholeSlack));
    t.last = static_cast<std::int64_t>(std::floor(range.max / t.minor + kWholeSlack));
    return t;
}

int labelFontHeight(int h, double spacing, int widest)
{
    const double needed = widest + h / 2.0;
    if (needed <= spacing || widest <= 0) return h;
    return std::max(kSmallestLabelFont, static_cast<int>(std::floor(h * spacing / needed)));
}

TGraphRects layout(const TLayoutInput& in)
{
    const int h = in.h;
    const int px = in.ppiX, py = in.ppiY;
    const TPixelRect& c = in.client;
    TGraphRects g;
    g.client = c;
    TPixelRect& p = g.plot;
    p.l = c.l + 2 * h + px / 8 + h / 8;
    if (in.kind == TSurfaceKind::Printer) {
        p.r = c.r;
        if (in.xOnTop) {
            p.t = c.t + 2 * h + py / 8 + h / 8;
            p.b = c.b;
        } else {
            p.t = c.t;
            p.b = c.b - 2 * h - px / 8 - h / 8;
        }
        if (in.hasTitle) {
            if (in.titleOnTop)
                p.t += py / 4;
            else
                p.b -= py / 2;
        }
    } else {
        p.r = c.r - px / 4 - h / 2;
        if (in.xOnTop) {
            p.t = c.t + 2 * h + py / 8 + h / 8;
            p.b = c.b - py / 4 - h / 2;
        } else {
            p.t = c.t + h / 2 + py / 4;
            p.b = c.b - 2 * h - py / 8 - h / 8;
        }
        if (in.hasTitle) {
            if (in.titleOnTop)
                p.t += h + h / 8;
            else
                p.b -= h;
        }
    }
    if (in.showLayers) {
        // A saved picture keeps the strip narrow: half an inch.
        const int strip = in.kind == TSurfaceKind::Picture ? px / 2 : px;
        const int oldRight = p.r;
        p.r -= strip;
        g.strip = {oldRight - strip + px / 5, p.t, oldRight, p.b};
        g.hasStrip = true;
    }
    g.panels = {p, p, p};
    if (in.showThree) {
        const int gap = 2 * h + px / 4;
        const int w = (p.r - p.l - 4 * h - px / 2) / 3;
        g.panels[0] = {p.l, p.t, p.l + w, p.b};
        g.panels[1] = {g.panels[0].r + gap, p.t, g.panels[0].r + gap + w, p.b};
        g.panels[2] = {g.panels[1].r + gap, p.t, p.r, p.b};
    }
    return g;
}

TPixelRect printClient(int pageWidth, int pageHeight, int offsetX, int offsetY, int ppiX, int ppiY,
                       const std::array<int, 4>& m)
{
    const auto margin = [](int thousandths, int ppi, int offset) {
        return std::max(roundInt(thousandths * static_cast<double>(ppi) / 1000.0), offset);
    };
    return {margin(m[0], ppiX, offsetX) - offsetX, margin(m[1], ppiY, offsetY) - offsetY,
            pageWidth + offsetX - margin(m[2], ppiX, offsetX), pageHeight + offsetY - margin(m[3], ppiY, offsetY)};
}

int pixelX(double x, const TAxisRange& r, const TPixelRect& p)
{
    return roundInt((x - r.min) / r.width() * (p.r - p.l)) + p.l;
}

int pixelY(double y, const TAxisRange& r, const TPixelRect& p, bool xOnTop)
{
    const int d = roundInt((y - r.min) / r.width() * (p.b - p.t));
    return xOnTop ? p.t + d : p.b - d;
}

double valueX(int px, const TAxisRange& r, const TPixelRect& p)
{
    if (px < p.l || px > p.r || p.r == p.l) return 0;
    return r.min + static_cast<double>(px - p.l) / (p.r - p.l) * r.width();
}

double valueY(int py, const TAxisRange& r, const TPixelRect& p, bool xOnTop)
{
    if (p.b == p.t) return 0;
    const double f = static_cast<double>(xOnTop ? py - p.t : p.b - py) / (p.b - p.t);
    return r.min + f * r.width();
}

std::vector<TVertex> markerVertices(int curve, int cx, int cy, int rx, int ry)
{
    const int shape = markerShape(curve);
    std::vector<double> angles;
    if (shape == 1)
        angles = {180, 300, 60, 180};
    else if (shape == 2)
        angles = {45, 135, 225, 315, 45};
    else
        for (int k = 0; k <= shape; ++k) angles.push_back(k * 360.0 / shape);
    std::vector<TVertex> v;
    for (double a : angles) {
        const double rad = a * M_PI / 180.0;
        v.push_back({cx + roundInt(std::sin(rad) * rx), cy - roundInt(std::cos(rad) * ry)});
    }
    return v;
}

std::vector<int> markerPoints(int pointCount, int markers)
{
    std::vector<int> at;
    if (markers <= 0) return at;
    for (int a = 0; a < pointCount; ++a)
        if (a % markers == 0) at.push_back(a);
    return at;
}

std::string generalFormat(double value, int digits)
{
    if (value == 0) value = 0;  // no "-0"
    char text[40];
    std::snprintf(text, sizeof text, "%.*G", digits, value);
    return text;
}

TAxisRange zoomIn(double a, double b, const TAxisRange& full)
{
    TAxisRange r{std::min(a, b), std::max(a, b)};
    const double floor = full.width() * kZoomFloor;
    if (r.width() < floor) {
        const double centre = (r.min + r.max) / 2;
        r = {centre - floor / 2, centre + floor / 2};
        if (r.min < full.min) r = {full.min, full.min + floor};
        if (r.max > full.max) r = {full.max - floor, full.max};
    }
    return r;
}

TAxisRange zoomOut(double clicked, const TAxisRange& current, const TAxisRange& full)
{
    const double half = std::min(current.width(), full.width() / 2);
    double c = clicked;
    if (c - half < full.min) c = full.min + half;
    if (c + half > full.max) c = full.max - half;
    return {c - half, c + half};
}

}  // namespace orvane::graph
