#include "model/TGraphPlot.hpp"

#include "model/TRealFormat.hpp"

#include <algorithm>

namespace orvane {

std::string TLine::legendText(std::string_view curveName) const
{
    if (!Name.empty()) return Name;
    return std::string(curveName) + TRealFormat::general(Value, 15);
}

TLine TCurveList::newCurve() const
{
    TLine line;
    line.Value = lines_->curveCount() + 1;
    line.Points.resize(static_cast<size_t>(lines_->pointCount()));
    return line;
}

void TCurveList::setCurveCount(int count)
{
    const auto target = static_cast<size_t>(std::max(count, 0));
    if (target < curves_.size()) curves_.resize(target);
    // One at a time: a curve appended to Lines counts for the next one's Value.
    while (curves_.size() < target) curves_.push_back(newCurve());
}

int TCurveList::pointCount() const
{
    return curves_.empty() ? 0 : curves_.front().pointCount();
}

void TCurveList::setPointCount(int count)
{
    const auto target = static_cast<size_t>(std::max(count, 0));
    for (TLine& line : curves_) line.Points.resize(target);
}

TGraphPlot::TGraphPlot() : Lines(nullptr), Layers(nullptr), Lines2(nullptr), Lines3(nullptr)
{
    bindLists();
}

TGraphPlot::TGraphPlot(const TGraphPlot& other) : Lines(nullptr), Layers(nullptr), Lines2(nullptr), Lines3(nullptr)
{
    *this = other;
}

TGraphPlot& TGraphPlot::operator=(const TGraphPlot& other)
{
    if (this == &other) return *this;
    CurveName = other.CurveName;
    Caption = other.Caption;
    ShowLegend = other.ShowLegend;
    ShowLayers = other.ShowLayers;
    ShowWall = other.ShowWall;
    ShowThree = other.ShowThree;
    ShowFontWidth = other.ShowFontWidth;
    WallLineCount = other.WallLineCount;
    Markers = other.Markers;
    SizeFont = other.SizeFont;
    LegendFont = other.LegendFont;
    WidthLine = other.WidthLine;
    XCaption = other.XCaption, XUnits = other.XUnits, YCaption = other.YCaption, YUnits = other.YUnits;
    XCaption2 = other.XCaption2, XUnits2 = other.XUnits2, YCaption2 = other.YCaption2, YUnits2 = other.YUnits2;
    XCaption3 = other.XCaption3, XUnits3 = other.XUnits3, YCaption3 = other.YCaption3, YUnits3 = other.YUnits3;
    XOnTop = other.XOnTop;
    Lines.curves_ = other.Lines.curves_;
    Layers.curves_ = other.Layers.curves_;
    Lines2.curves_ = other.Lines2.curves_;
    Lines3.curves_ = other.Lines3.curves_;
    Title = other.Title;
    TitleOnTop = other.TitleOnTop;
    StripStartDepth = other.StripStartDepth;
    units_ = other.units_;
    bindLists();
    return *this;
}

void TGraphPlot::bindLists()
{
    // Every list numbers and sizes new curves by this graph's Lines.
    Lines.lines_ = &Lines;
    Layers.lines_ = &Lines;
    Lines2.lines_ = &Lines;
    Lines3.lines_ = &Lines;
}

void TGraphPlot::setUnits(int units)
{
    units_ = std::clamp(units, 1, 3);
}

std::string TGraphPlot::xAxisCaption(int panel) const
{
    if (panel == 2) return axisCaption(XCaption2, XUnits2, units_);
    if (panel == 3) return axisCaption(XCaption3, XUnits3, units_);
    return axisCaption(XCaption, XUnits, units_);
}

std::string TGraphPlot::yAxisCaption(int panel) const
{
    if (panel == 2) return axisCaption(YCaption2, YUnits2, units_);
    if (panel == 3) return axisCaption(YCaption3, YUnits3, units_);
    return axisCaption(YCaption, YUnits, units_);
}

namespace {

void replaceAll(std::string& text, std::string_view from, std::string_view to)
{
    for (size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
}

// Replaces the highest level of `letter` present: letter+"2", else
// letter+"1", else the bare letter.
void expandLevel(std::string& text, char letter, const std::array<std::string_view, 3>& names)
{
    const std::string level2 = std::string(1, letter) + "2";
    const std::string level1 = std::string(1, letter) + "1";
    if (text.find(level2) != std::string::npos)
        replaceAll(text, level2, names[2]);
    else if (text.find(level1) != std::string::npos)
        replaceAll(text, level1, names[1]);
    else
        replaceAll(text, std::string(1, letter), names[0]);
}

}  // namespace

std::string expandUnits(std::string_view unitTemplate, int units)
{
    std::string text(unitTemplate);
    if (units == 1) {
        expandLevel(text, 'F', {"lbs", "kips", "tons"});
        expandLevel(text, 'L', {"in", "in", "ft"});
    } else if (units == 2) {
        expandLevel(text, 'F', {"kN", "kN", "kN"});
        expandLevel(text, 'L', {"m", "mm", "m"});
    }
    return text;
}

std::string axisCaption(std::string_view caption, std::string_view unitTemplate, int units)
{
    std::string text(caption);
    if (!unitTemplate.empty()) text += " (" + expandUnits(unitTemplate, units) + ")";
    return text;
}

}  // namespace orvane
