#include "views/TSideViewGeometry.hpp"

#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"
#include "soil/soil_type.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>

namespace orvane {

namespace {

constexpr double kFeet = 12.0;

// Six digits hide the noise of unit conversions (119.999999232 pcf).
std::string general(double value) { return TRealFormat::general(value, 6); }

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Codes the data file would carry for the current input (the writer derives
// them the same way at save), so the view follows options changed since.
int earthPressureCode(const TProgramData& d)
{
    if (d.UserEarthPressure) return 1;
    return (d.GeneratePYCurves || d.GeneratedEarthPressure) ? d.EarthPressureChoice : 0;
}

int pyCode(const TProgramData& d) { return d.GeneratePYCurves ? 2 : (d.UseExternalPY ? 1 : 0); }

// A layer's values with their units, as its table's columns give them.
std::string layerValues(int type, const TGridTable* p, int units)
{
    if (!p || p->rowCount() < 2) return {};
    auto v = [p](int column) { return column < p->columnCount() ? general(p->cell(column, 1).asReal()) : std::string("0"); };
    const auto unit = [units](const char* label) { return " " + TUnits::columnText(label, units); };
    const std::string gamma = "; gamma= " + v(0) + unit("F/L2^3");
    const std::string degrees = "\u00b0";
    switch (soil::soilType(type)) {
    case soil::SoilType::SoftClay:
    case soil::SoilType::StiffClayBelowWater:
    case soil::SoilType::StiffClayAboveWater: return "c= " + v(1) + unit("F/L2^2") + gamma;
    case soil::SoilType::Sand: return "\u00f8= " + v(1) + degrees + gamma;
    case soil::SoilType::Silt: return "\u00f8= " + v(1) + degrees + "; c= " + v(2) + unit("F/L2^2") + gamma;
    case soil::SoilType::StrongRock:
    case soil::SoilType::WeakRock: return "compressive strength= " + v(1) + unit("F/L^2") + gamma;
    }
    return {};
}

// A step of 1, 2 or 5 times a power of ten that keeps ticks `minGap` apart.
double niceStep(double unitsPerPixel, double minGap)
{
    const double raw = unitsPerPixel * minGap;
    if (!(raw > 0) || !std::isfinite(raw)) return 0;
    const double power = std::pow(10.0, std::floor(std::log10(raw)));
    for (double m : {1.0, 2.0, 5.0, 10.0})
        if (m * power >= raw) return m * power;
    return 10.0 * power;
}

// Lays the elements of the view out on one surface in painting order.
class TSceneBuilder {
public:
    TSceneBuilder(const TSideViewGeometry& g, const TSideViewSurface& s)
        : g_(g), s_(s), m_(g.mapping(s))
    {
        left_ = s.page ? 0.1 * s.width : 0.0;
        right_ = s.page ? 0.9 * s.width : s.width;
        textX_ = s.page ? 0.1 * s.width : 2.0;
        thin_ = s.page ? 8.0 : 1.0;
        mark_ = s.page ? 15.0 : 2.0;
        spring_ = s.page ? 35.0 : 5.0;
        axis_ = m_.px(0);
    }

    TSideViewScene build()
    {
        if (m_.range.empty()) return {};
        extras();
        if (g_.drawsLayers()) layers();
        wall();
        groundAndExcavation();
        marks();
        plan();
        // The scale goes under everything; its labels give way to the lines
        // drawn across them, so it is laid out last.
        const size_t drawn = scene_.order.size();
        scale();
        std::rotate(scene_.order.begin(), scene_.order.begin() + static_cast<std::ptrdiff_t>(drawn), scene_.order.end());
        return std::move(scene_);
    }

private:
    double fx(double fraction) const { return std::round(fraction * s_.width); }
    void line(double x1, double y1, double x2, double y2, double width, TSceneRole role)
    {
        scene_.add(TSceneLine{x1, y1, x2, y2, width, role});
    }
    void text(double x, double y, std::string t, TSceneRole role = TSceneRole::Text, bool centred = false)
    {
        scene_.add(TSceneText{x, y, std::move(t), role, centred});
    }

    void layers()
    {
        const double y0 = m_.py(g_.y0());
        for (size_t i = 0; i < g_.layers().size(); ++i) {
            const TSideViewLayer& layer = g_.layers()[i];
            if (i == 0) firstLayerSurface(y0);
            // A window clips what lies below its range; the page has its
            // bottom margin there, which stays blank.
            const double band = m_.top + m_.height;
            const double bottom = m_.py(layer.bottom);
            if (!s_.page || bottom <= band)
                line(left_, bottom, layer.across ? right_ : axis_, bottom, thin_, TSceneRole::LayerBottom);
            const double top = m_.py(layer.top);
            if (s_.page && top + 2 * s_.lineHeight > band) continue;
            text(textX_, top + 1, layer.name);
            text(textX_, top + 1 + s_.lineHeight, layer.values);
        }
    }

    void firstLayerSurface(double y0)
    {
        line(left_, y0, axis_, y0, thin_, TSceneRole::Ground);
        if (g_.backfillSlope() > 0) {
            const double run = s_.width / 4.0;
            line(axis_, y0, axis_ - run, y0 - run * std::tan(radians(g_.backfillSlope())), thin_, TSceneRole::Slope);
            return;
        }
        for (int k = 1; k <= 5; ++k) {
            if (s_.page) {
                // Clear of the first layer's texts at the left.
                const double x = std::round(0.3 * s_.width) + 50.0 * k;
                line(x, y0, x + 38.0, y0 + 70.0, thin_, TSceneRole::Hatch);
            } else {
                line(100.0 + 20 * k, y0, 115.0 + 20 * k, y0 + 5, thin_, TSceneRole::Hatch);
            }
        }
    }

    void wall()
    {
        if (!g_.hasWall()) return;
        const double a = g_.wallHalfWidth();
        const double x1 = m_.px(-a), x2 = std::max(m_.px(a), x1 + 1);
        const double y1 = m_.py(g_.y0()), y2 = m_.py(g_.y0() + g_.wallLength());
        scene_.add(TSceneRect{x1, y1, x2 - x1, y2 - y1, TSceneRole::Wall});
    }

    void groundAndExcavation()
    {
        const double y0 = m_.py(g_.y0());
        line(left_, y0, axis_, y0, thin_, TSceneRole::Ground);
        const double ex = m_.py(g_.excavationY());
        line(axis_, ex, right_, ex, thin_, TSceneRole::Excavation);
    }

    void marks()
    {
        const double barb = 0.01 * s_.width;
        for (double y : g_.restraints()) {
            const double py = m_.py(y), tail = fx(0.52);
            line(axis_, py, tail, py, mark_, TSceneRole::Restraint);
            line(axis_, py, tail, py - barb, mark_, TSceneRole::Restraint);
            line(axis_, py, tail, py + barb, mark_, TSceneRole::Restraint);
        }
        for (double y : g_.externalPY()) {
            const double py = m_.py(y);
            line(axis_, py, fx(0.45), py, mark_, TSceneRole::ExternalPY);
            line(fx(0.43), py, fx(0.38), py, mark_, TSceneRole::ExternalPY);
            line(fx(0.38), py, fx(0.40), py - barb, mark_, TSceneRole::ExternalPY);
            line(fx(0.38), py, fx(0.40), py + barb, mark_, TSceneRole::ExternalPY);
        }
        for (double y : g_.springs()) line(axis_, m_.py(y), fx(0.6), m_.py(y), spring_, TSceneRole::Spring);
    }

    // Five wall units seen from above, in the free band at the top right,
    // where no mark reaches (marks end at 0.6 of the width). They keep the
    // proportion of spacing 2 Wa to radius Wp, scaled so the column is
    // readable and fits the upper part of the surface.
    void plan()
    {
        if (!g_.hasPlan()) return;
        const double ratio = 2.0 * g_.activeWidth() / g_.pyWidth();
        const double textBand = 5.0 + s_.lineHeight + 4.0;
        const double room = 0.45 * s_.height - textBand;
        double radius = g_.pyWidth() * (s_.width / m_.range.width());
        radius = std::clamp(radius, s_.page ? 40.0 : 6.0, std::max(1.0, room / (4.0 * ratio + 2.0)));
        const double cx = std::round(0.8 * s_.width);
        const double cy0 = textBand + radius;
        const double pen = s_.page ? 8.0 : 2.0;
        for (int k = 0; k < 5; ++k)
            scene_.add(TSceneCircle{cx, cy0 + ratio * radius * k, radius, pen, TSceneRole::Plan});
        text(cx - 0.2 * radius, 5.0, "top view");
        text(s_.width / 2.0, 5.0, "side view", TSceneRole::Text, true);
    }

    // Water tables, tiebacks, surcharges and the depth scale go under the
    // elements above, so they never hide them.
    void extras()
    {
        if (g_.drawsLayers()) water();
        tiebacks();
        surcharges();
    }

    void scale()
    {
        if (!g_.hasWall()) return;
        const double unit = g_.units() == TUnits::kEnglish ? kFeet : 1.0;
        const double pixelsPerWorld = m_.height / m_.range.height();
        const double step = niceStep(1.0 / (pixelsPerWorld * unit), 3.5 * s_.lineHeight);
        if (step <= 0) return;
        const double x = m_.px(g_.wallHalfWidth()) + (s_.page ? 30.0 : 2.0);
        const double tick = s_.page ? 80.0 : 6.0;
        const std::string label = " " + TUnits::columnText("L2", g_.units());
        const double deepest = g_.wallLength() / unit;
        const double labelX = x + tick + (s_.page ? 20.0 : 2.0);
        for (int k = 0; k * step <= deepest * (1 + 1e-9); ++k) {
            const double py = m_.py(g_.y0() + k * step * unit);
            line(x, py, x + tick, py, thin_, TSceneRole::Scale);
            // Beside its tick, or just under the line that runs through it
            // (the excavation, a layer bottom); dropped only when both are
            // taken.
            const double right = labelX + 4 * s_.lineHeight, half = s_.lineHeight / 2;
            if (!crossed(labelX, right, py - half, py + half))
                text(labelX, py - half, general(k * step) + label, TSceneRole::Scale);
            else if (!crossed(labelX, right, py + 2, py + 2 + s_.lineHeight))
                text(labelX, py + 2, general(k * step) + label, TSceneRole::Scale);
        }
        line(x, m_.py(g_.y0()), x, m_.py(g_.y0() + g_.wallLength()), thin_, TSceneRole::Scale);
    }

    // Whether a line drawn so far runs through the box.
    bool crossed(double x1, double x2, double y1, double y2) const
    {
        for (const TSceneLine& l : scene_.lines) {
            const double lx1 = std::min(l.x1, l.x2), lx2 = std::max(l.x1, l.x2);
            const double ly1 = std::min(l.y1, l.y2), ly2 = std::max(l.y1, l.y2);
            if (lx2 >= x1 && lx1 <= x2 && ly2 >= y1 && ly1 <= y2) return true;
        }
        return false;
    }

    void water()
    {
        const double size = s_.page ? 60.0 : 8.0;
        auto mark = [&](double x1, double x2, double y, double at) {
            line(x1, y, x2, y, thin_, TSceneRole::Water);
            scene_.add(TScenePolygon{{at - size, y - 1.5 * size, at + size, y - 1.5 * size, at, y}, thin_, TSceneRole::Water});
        };
        if (g_.waterBackfill()) mark(left_, axis_, m_.py(*g_.waterBackfill()), std::round(axis_ - 0.35 * (axis_ - left_)));
        if (g_.waterExcavation())
            mark(axis_, right_, m_.py(*g_.waterExcavation()), std::round(axis_ + 0.75 * (right_ - axis_)));
    }

    void tiebacks()
    {
        for (const TSideViewTieback& t : g_.tiebacks()) {
            const double c = std::cos(radians(t.angle)), s = std::sin(radians(t.angle));
            const double x1 = m_.px(-t.freeLength * c), y1 = m_.py(t.y + t.freeLength * s);
            const double end = t.freeLength + t.bondedLength;
            const double x2 = m_.px(-end * c), y2 = m_.py(t.y + end * s);
            const double y = m_.py(t.y);
            line(axis_, y, x1, y1, s_.page ? 10.0 : 1.5, TSceneRole::TiebackFree);
            line(x1, y1, x2, y2, s_.page ? 40.0 : 5.0, TSceneRole::TiebackBond);
            // Below the anchor's end, in open soil.
            text(x2, y2 + (s_.page ? 30.0 : 4.0), t.label, TSceneRole::TiebackFree, true);
        }
    }

    // The ground behind the wall: level, or rising with the backfill slope.
    double groundAt(double x) const
    {
        const double y0 = m_.py(g_.y0());
        return g_.backfillSlope() > 0 ? y0 - (axis_ - x) * std::tan(radians(g_.backfillSlope())) : y0;
    }

    void arrow(double x, double yTip, double length, double pen)
    {
        const double head = s_.page ? 30.0 : 4.0;
        line(x, yTip - length, x, yTip, pen, TSceneRole::Surcharge);
        scene_.add(TScenePolygon{{x - head, yTip - 2 * head, x + head, yTip - 2 * head, x, yTip}, pen, TSceneRole::Surcharge});
    }

    void surcharges()
    {
        const double length = s_.page ? 200.0 : 28.0, pen = s_.page ? 8.0 : 1.5;
        for (const TSideViewSurcharge& load : g_.surcharges()) {
            const double x = m_.px(-load.distance);
            if (x < left_ || x > axis_) continue;
            const double yg = groundAt(x) - 1;
            double top = yg - length;
            double labelX = x + (s_.page ? 20.0 : 4.0);
            if (load.type == 3) {
                const double half = std::max(m_.px(load.width / 2) - axis_, s_.page ? 30.0 : 4.0);
                line(x - half, top, x + half, top, pen, TSceneRole::Surcharge);
                for (double ax : {x - half, x, x + half}) arrow(ax, groundAt(ax) - 1, groundAt(ax) - 1 - top, pen);
                labelX = x + half + (s_.page ? 20.0 : 4.0);
            } else {
                arrow(x, yg, length, pen);
                if (load.type == 2) scene_.add(TSceneCircle{x, top, s_.page ? 20.0 : 3.0, pen, TSceneRole::Surcharge});
            }
            // Beside the arrow's tail: the band above the ground is narrow.
            text(labelX, top - s_.lineHeight / 2, load.label, TSceneRole::Surcharge);
        }
    }

    const TSideViewGeometry& g_;
    const TSideViewSurface& s_;
    TViewMapping m_;
    TSideViewScene scene_;
    double left_ = 0, right_ = 0, textX_ = 0, thin_ = 1, mark_ = 2, spring_ = 5, axis_ = 0;
};

}  // namespace

double TViewMapping::px(double x) const { return std::round(left + width * (x - range.xmin) / range.width()); }

double TViewMapping::py(double y) const { return std::round(top + height * (y - range.ymin) / range.height()); }

double TViewMapping::worldY(double pixelY) const { return range.ymin + (pixelY - top) * range.height() / height; }

TSideViewGeometry::TSideViewGeometry(const TProject& project)
{
    const TProgramData& d = project.data();
    units_ = d.Units;
    increment_ = d.IncrementLength;
    wallLength_ = d.Increments * d.IncrementLength;
    y0_ = 0.1 * wallLength_;
    height_ = d.WallHeight;
    beta_ = d.BackfillSlope;
    activeWidth_ = d.ActiveWidth;
    pyWidth_ = d.PYWidth;
    hasWall_ = project.tables().PileSect.rowCount() > 0;
    if (hasWall_) {
        // Bounding box of the outline and of the origin, each bound x 1.05.
        const double a = wallHalfWidth();
        base_ = {std::min(-a, 0.0) * 1.05, std::max(a, 0.0) * 1.05, std::min(y0_, 0.0) * 1.05,
                 std::max(y0_ + wallLength_, 0.0) * 1.05};
    }
    const int ep = earthPressureCode(d);
    drawsLayers_ = ep >= 2 || pyCode(d) == 2;
    if (drawsLayers_) readLayers(project);
    readMarks(project);
    readExtras(project);
}

std::string TSideViewGeometry::soilName(int type)
{
    static const char* const names[] = {"Soft clay", "Stiff clay w/free water", "Stiff clay w/o free water", "Sand",
                                        "Silt",      "Rock",                    "Weak Rock"};
    return type >= soil::kFirstSoilType && type <= soil::kLastSoilType ? names[type - soil::kFirstSoilType] : std::string();
}

void TSideViewGeometry::readLayers(const TProject& project)
{
    const TGridTable& soil = project.tables().NewSoil;
    const double toBase = units_ == TUnits::kEnglish ? kFeet : 1.0;
    double top = 0;
    for (int row = 0; row < soil.rowCount(); ++row) {
        TSideViewLayer layer;
        layer.type = soil.cell(0, row).asInteger();
        layer.top = top + y0_;
        const double bottom = soil.cell(1, row).asReal() * toBase;
        layer.bottom = bottom + y0_;
        layer.across = layer.bottom >= excavationY();
        layer.name = soilName(layer.type);
        layer.values = layerValues(layer.type, soil.cell(2, row).subTable(), units_);
        layers_.push_back(layer);
        top = bottom;
    }
}

void TSideViewGeometry::readMarks(const TProject& project)
{
    const TProgramData& d = project.data();
    const TProjectTables& t = project.tables();
    auto depth = [this](int node) { return node * increment_ + y0_; };
    if (d.UseRestraints)
        for (int row = 0; row < t.SoilLayer.rowCount(); ++row) restraints_.push_back(depth(t.SoilLayer.cell(1, row).asInteger()));
    if (d.UseExternalPY || d.PressurePointCount > 1)
        for (int row = 0; row < t.PYCurves2.rowCount(); ++row) externalPY_.push_back(depth(t.PYCurves2.cell(0, row).asInteger()));
    if (d.UseSprings)
        for (int row = 0; row < t.SoilStrength.rowCount(); ++row) {
            const double y = depth(t.SoilStrength.cell(1, row).asInteger());
            // Springs act only where the wall stands free.
            if (y < excavationY()) springs_.push_back(y);
        }
}

void TSideViewGeometry::readExtras(const TProject& project)
{
    const TProgramData& d = project.data();
    const TProjectTables& t = project.tables();
    const double large = units_ == TUnits::kEnglish ? kFeet : 1.0;
    const double small = units_ == TUnits::kSI ? 0.001 : 1.0;
    const std::string unit = TUnits::columnText("L2", units_);
    auto within = [this](double depth) -> std::optional<double> {
        if (depth >= 0 && depth <= wallLength_) return depth + y0_;
        return std::nullopt;
    };
    waterBackfill_ = within(d.WaterDepthBackfill);
    waterExcavation_ = within(d.WaterDepthExcavation);
    if (d.UseTiebacks)
        for (int row = 0; row < t.TiebackTable1.rowCount(); ++row) {
            TSideViewTieback tb;
            const double depth = t.TiebackTable1.cell(0, row).asReal();
            tb.y = depth * large + y0_;
            tb.freeLength = t.TiebackTable1.cell(3, row).asReal() * large;
            tb.angle = t.TiebackTable1.cell(4, row).asReal();
            // The input gives no bonded length: the bond zone is drawn at half
            // the free length, only to tell it apart.
            tb.bondedLength = 0.5 * tb.freeLength;
            tb.label = "T" + std::to_string(row + 1) + ": " + general(depth) + " " + unit + ", " + general(tb.angle) +
                       "\u00b0, free " + general(tb.freeLength / large) + " " + unit;
            tiebacks_.push_back(tb);
        }
    if (d.UseSurcharges)
        for (int row = 0; row < t.SurchargeTable.rowCount(); ++row) {
            TSideViewSurcharge load;
            load.type = std::clamp(t.SurchargeTable.cell(0, row).asInteger(), 1, 3);
            const double magnitude = t.SurchargeTable.cell(1, row).asReal();
            // Distances are entered in the small length unit (in, mm).
            load.distance = t.SurchargeTable.cell(2, row).asReal() * small;
            load.width = t.SurchargeTable.cell(3, row).asReal() * small;
            static const char* const names[] = {"P= ", "Q= ", "q= "};
            // With the units the table's note gives each kind of load.
            static const char* const units[] = {"F", "F/L", "F/L^2"};
            load.label = names[load.type - 1] + general(magnitude) + " " + TUnits::columnText(units[load.type - 1], units_);
            surcharges_.push_back(load);
        }
}

TViewRange TSideViewGeometry::layout(double width, double height) const
{
    TViewRange r = base_;
    if (!(width > 0) || !(height > 0) || r.empty()) return {0, 0, 0, 0};
    const double ratio = (width / height) / (r.width() / r.height());
    if (ratio >= 1) {
        r.xmin *= ratio;
        r.xmax *= ratio;
    } else {
        r.ymin /= ratio;
        r.ymax /= ratio;
    }
    return r;
}

TViewMapping TSideViewGeometry::mapping(const TSideViewSurface& surface) const
{
    TViewMapping m;
    m.width = surface.width;
    m.height = surface.page ? 0.8 * surface.height : surface.height;
    m.top = surface.page ? 0.1 * surface.height : 0.0;
    m.range = layout(m.width, m.height);
    return m;
}

std::optional<double> TSideViewGeometry::depthAt(const TSideViewSurface& surface, double pixelY) const
{
    const TViewMapping m = mapping(surface);
    if (m.range.empty()) return std::nullopt;
    return m.worldY(pixelY) - y0_;
}

std::string TSideViewGeometry::depthCaption(const TSideViewSurface& surface, double pixelY) const
{
    const std::optional<double> depth = depthAt(surface, pixelY);
    if (!depth) return {};
    // The view's own units are the wall's base length (in, m); the readout
    // gives the depth as the tables do, in ft or m, with its unit.
    const double shown = *depth / (units_ == TUnits::kEnglish ? kFeet : 1.0);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1f", shown);
    return std::string("  Depth: ") + buffer + " " + TUnits::columnText("L2", units_);
}

TSideViewScene TSideViewGeometry::scene(const TSideViewSurface& surface) const
{
    return TSceneBuilder(*this, surface).build();
}

}  // namespace orvane
