#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

struct TFloatPoint {
    double X = 0;
    double Y = 0;
};

// One curve of a graph. Value is the number of the default legend text.
struct TLine {
    std::vector<TFloatPoint> Points;
    double Value = 0;
    std::string Name;
    bool Visible = true;
    bool Active = true;

    int pointCount() const { return static_cast<int>(Points.size()); }
    // Name when set, otherwise the graph's curve name followed by Value in
    // general format with up to 15 significant digits ("Depth12.5").
    std::string legendText(std::string_view curveName) const;
};

// A list of curves that all share one point count. New curves take the
// point count of the first curve of the graph's Lines and, as Value, the
// number of curves of Lines plus one, so the default legends number them.
class TCurveList {
public:
    int curveCount() const { return static_cast<int>(curves_.size()); }
    // Removes curves from the end or appends new ones; negative means 0.
    void setCurveCount(int count);
    // The first curve's point count, 0 when the list is empty.
    int pointCount() const;
    // Every curve drops points from its end or gets (0, 0) points appended;
    // negative means 0.
    void setPointCount(int count);

    TLine& curve(int i) { return curves_.at(static_cast<size_t>(i)); }
    const TLine& curve(int i) const { return curves_.at(static_cast<size_t>(i)); }
    TFloatPoint& point(int i, int j) { return curve(i).Points.at(static_cast<size_t>(j)); }
    const TFloatPoint& point(int i, int j) const { return curve(i).Points.at(static_cast<size_t>(j)); }

    const std::vector<TLine>& curves() const { return curves_; }
    std::vector<TLine>::iterator begin() { return curves_.begin(); }
    std::vector<TLine>::iterator end() { return curves_.end(); }
    std::vector<TLine>::const_iterator begin() const { return curves_.begin(); }
    std::vector<TLine>::const_iterator end() const { return curves_.end(); }

private:
    friend class TGraphPlot;
    explicit TCurveList(const TCurveList* lines) : lines_(lines) {}
    TLine newCurve() const;

    std::vector<TLine> curves_;
    // The graph's Lines list (this list itself for Lines).
    const TCurveList* lines_;
};

// A result graph without its window: curves in four lists, captions, unit
// templates and display options. The graph window draws it, the export
// writes it, the 3D view reads its curves.
class TGraphPlot {
public:
    TGraphPlot();
    TGraphPlot(const TGraphPlot& other);
    TGraphPlot& operator=(const TGraphPlot& other);

    std::string CurveName;
    std::string Caption;
    bool ShowLegend = true;
    bool ShowLayers = false;
    bool ShowWall = false;
    bool ShowThree = false;
    bool ShowFontWidth = true;
    // Index in Layers of the first wall curve; 0 = no wall curves.
    int WallLineCount = 0;
    // Marker interval: 0 never, n every n-th point.
    int Markers = 1;
    // Text scale in tenths.
    int SizeFont = 10;
    int LegendFont = 11;
    int WidthLine = 1;
    std::string XCaption, XUnits, YCaption, YUnits;
    std::string XCaption2, XUnits2, YCaption2, YUnits2;
    std::string XCaption3, XUnits3, YCaption3, YUnits3;
    bool XOnTop = false;

    TCurveList Lines;
    TCurveList Layers;
    TCurveList Lines2;
    TCurveList Lines3;
    std::string Title;
    bool TitleOnTop = false;
    double StripStartDepth = 0;

    // 1 English, 2 SI, 3 other; the templates are expanded by it.
    int units() const { return units_; }
    void setUnits(int units);

    std::string legendText(const TLine& line) const { return line.legendText(CurveName); }
    // Axis captions of panel 1, 2 and 3 with their templates expanded.
    std::string xAxisCaption(int panel = 1) const;
    std::string yAxisCaption(int panel = 1) const;

private:
    void bindLists();
    int units_ = 1;
};

// Unit template expanded by the unit system: 1 "F" lbs, "F1" kips, "F2" tons,
// "L" and "L1" in, "L2" ft; 2 every force kN, "L" m, "L1" mm, "L2" m; 3 the
// template unchanged. Only the highest force level present is replaced
// ("F2" before "F1" before "F"), then likewise for lengths.
std::string expandUnits(std::string_view unitTemplate, int units);
// "caption (expanded template)", or the caption alone for an empty template.
std::string axisCaption(std::string_view caption, std::string_view unitTemplate, int units);

struct TGraphColour {
    int Red, Green, Blue;
};
// Curve colours by curve number modulo 17: a curve keeps its colour whatever else is switched off.
inline constexpr std::array<TGraphColour, 17> kGraphColours{{
    {0, 0, 0},       {0, 0, 255},     {255, 0, 0},     {0, 128, 0},   {128, 0, 128}, {128, 0, 0},
    {0, 0, 128},     {255, 0, 255},   {128, 128, 0},   {0, 128, 128}, {128, 128, 128}, {0, 255, 0},
    {128, 128, 128}, {192, 192, 192}, {192, 192, 192}, {255, 255, 0}, {0, 255, 255},
}};

}  // namespace orvane
