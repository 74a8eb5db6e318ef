#include "views/T3DSceneBuilder.hpp"

#include "model/TGraphPlot.hpp"
#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orvane {

const std::array<T3DColour, 10> T3DSceneBuilder::kLayerColours{{
    {0.8, 0.55, 0, 1},
    {0.55, 0.4, 0.2, 1},
    {0.4, 0.4, 0.2, 1},
    {0.4, 0.4, 0.55, 1},
    {0, 0.5, 0.5, 1},
    {0.2, 0.2, 0.55, 1},
    {0.8, 0, 0.8, 1},
    {0.4, 0.4, 0.55, 1},
    {0.15, 0.15, 0.45, 1},
    {0.65, 0.4, 0.2, 1},
}};

namespace {

constexpr int kUnits = 20;         // wall units in the row
constexpr int kMaxRepeats = 200;   // tiebacks along the row, whatever the spacing
constexpr T3DColour kForce{0.85, 0, 0, 1};
constexpr T3DColour kMoment{0.6, 0, 0.6, 1};
constexpr T3DColour kBoundary{0, 0.45, 0, 1};
constexpr T3DColour kSurchargeArrow{0.6, 0.45, 0, 1};
constexpr T3DColour kTiebackFill{0.85, 0.85, 0.85, 1};

T3DColour withAlpha(T3DColour c, double alpha)
{
    c.a = alpha;
    return c;
}

std::string general(double value) { return TRealFormat::general(value, 6); }

// Lengths of the model: stored inches become feet; SI stays in metres.
struct TModelUnits {
    double base = 1;   // the increment, free height, widths, water depths (in, m)
    double small = 1;  // surcharge distances and strip widths (in, mm)
    explicit TModelUnits(int units)
    {
        if (units == TUnits::kEnglish) base = small = 1.0 / 12.0;
        if (units == TUnits::kSI) small = 0.001;
    }
};

// The anchor of a tieback runs on past the rod's end by an eighth of its
// length.
constexpr double kAnchorReach = 1.125;

// Corners of an axis-aligned box.
T3DSolid box(double x1, double x2, double y1, double y2, double z1, double z2, T3DColour fill, T3DColour outline,
             T3DRole role)
{
    T3DSolid s;
    s.corners = {{{x1, y1, z1}, {x2, y1, z1}, {x2, y2, z1}, {x1, y2, z1}, {x1, y1, z2}, {x2, y1, z2}, {x2, y2, z2},
                  {x1, y2, z2}}};
    s.fill = fill;
    s.outline = outline;
    s.role = role;
    return s;
}

// A box around the segment from p to q, `half` either side of it across and
// `halfY` along y.
T3DSolid rod(const T3DPoint& p, const T3DPoint& q, double half, double halfY, T3DColour fill, T3DColour outline,
             T3DRole role)
{
    const double dx = q.x - p.x, dz = q.z - p.z, length = std::hypot(dx, dz);
    const double nx = length > 0 ? -dz / length * half : half, nz = length > 0 ? dx / length * half : 0;
    T3DSolid s;
    s.corners = {{{p.x - nx, p.y - halfY, p.z - nz}, {p.x + nx, p.y - halfY, p.z + nz},
                  {p.x + nx, p.y + halfY, p.z + nz}, {p.x - nx, p.y + halfY, p.z - nz},
                  {q.x - nx, q.y - halfY, q.z - nz}, {q.x + nx, q.y - halfY, q.z + nz},
                  {q.x + nx, q.y + halfY, q.z + nz}, {q.x - nx, q.y + halfY, q.z - nz}}};
    s.fill = fill;
    s.outline = outline;
    s.role = role;
    return s;
}

// An arrow from `from` to the tip `to`, its head in the plane of the arrow
// and the direction `side`.
T3DPolyline arrowShaft(const T3DPoint& from, const T3DPoint& to, T3DColour colour, T3DRole role)
{
    return {{from, to}, colour, role, false};
}

void arrow(T3DList& list, const T3DPoint& from, const T3DPoint& to, const T3DPoint& side, T3DColour colour,
           T3DRole role)
{
    const T3DPoint d{to.x - from.x, to.y - from.y, to.z - from.z};
    const double length = std::sqrt(d.x * d.x + d.y * d.y + d.z * d.z);
    if (!(length > 0)) return;
    const double head = 0.25 * length;
    const T3DPoint back{to.x - d.x / length * head, to.y - d.y / length * head, to.z - d.z / length * head};
    const double s = 0.5 * head;
    list.lines.push_back(arrowShaft(from, to, colour, role));
    list.lines.push_back({{{back.x + side.x * s, back.y + side.y * s, back.z + side.z * s},
                           to,
                           {back.x - side.x * s, back.y - side.y * s, back.z - side.z * s}},
                          colour,
                          role,
                          false});
}

class TBuilder {
public:
    TBuilder(const TProject& project, const TGraphPlot* deflection, const T3DDisplay& display)
        : d_(project.data()), t_(project.tables()), def_(deflection), show_(display),
          u_(project.data().Units)
    {
        scene_.extents = T3DSceneBuilder::extents(project);
        x_ = scene_.extents;
        glyph_ = std::max(2.0 * x_.e, 0.04 * x_.L);
    }

    T3DScene build()
    {
        if (d_.GeneratePYCurves) {
            if (show_.soilLayers) layers();
            if (show_.waterLevel) water();
        }
        if (show_.wall) wall();
        if (show_.springs && d_.UseSprings) springs();
        if (show_.concentratedLoads && d_.UseConcentratedLoads) loads();
        if (show_.boundaryConditions && d_.UseRestraints) boundaries();
        if (show_.tiebacks && d_.UseTiebacks) tiebacks();
        if (show_.surcharge && d_.UseSurcharges) surcharges();
        return std::move(scene_);
    }

private:
    double unitCentre(int k) const
    {
        const int j = k < kUnits / 2 ? k : k - kUnits / 2;
        const double c = (j + 0.5) * x_.w;
        return k < kUnits / 2 ? -c : c;
    }

    void layers()
    {
        const TGridTable& soil = t_.NewSoil;
        const double half = x_.rowHalfLength(), face = x_.t / 2;
        double top = 0;
        for (int i = 0; i < soil.rowCount(); ++i) {
            const double bottom = soil.cell(1, i).asReal();  // ft or m
            const T3DColour c = T3DSceneBuilder::kLayerColours[static_cast<size_t>(i % 10)];
            if (bottom > top) {
                T3DSolid s = box(-x_.a, -face, -half, half, -bottom, -top, withAlpha(c, 0.5), c, T3DRole::SoilRetained);
                scene_.soil.solids.push_back(s);
                // In front of the wall only what lies below the excavation.
                const double from = std::max(top, x_.H);
                if (bottom > from)
                    scene_.soil.solids.push_back(
                        box(face, x_.a, -half, half, -bottom, -from, withAlpha(c, 0.5), c, T3DRole::SoilExcavated));
            }
            top = bottom;
        }
    }

    void water()
    {
        const TModelUnits m(u_);
        const double half = x_.rowHalfLength(), face = x_.t / 2;
        auto plane = [&](double depth, double x1, double x2) {
            if (!(depth >= 0) || depth > x_.D) return;
            const double z = -depth;
            scene_.soil.quads.push_back({{{{x1, -half, z}, {x2, -half, z}, {x2, half, z}, {x1, half, z}}},
                                         T3DSceneBuilder::kWaterFill,
                                         T3DSceneBuilder::kWaterOutline,
                                         true,
                                         true,
                                         T3DRole::WaterPlane});
            const double size = 4 * x_.e;
            for (int i = 0; i < 5; ++i)
                for (int j = 0; j < 5; ++j) {
                    const double cx = x1 + (x2 - x1) * (i + 0.5) / 5, cy = -half + 2 * half * (j + 0.5) / 5;
                    const double s = size / 2;
                    scene_.soil.pyramids.push_back({{{{cx - s, cy - s, z + size},
                                                      {cx + s, cy - s, z + size},
                                                      {cx + s, cy + s, z + size},
                                                      {cx - s, cy + s, z + size}}},
                                                    {cx, cy, z},
                                                    T3DSceneBuilder::kWaterFill,
                                                    T3DSceneBuilder::kWaterOutline,
                                                    T3DRole::WaterMark});
                }
        };
        plane(d_.WaterDepthBackfill * m.base, -x_.a, -face);
        plane(d_.WaterDepthExcavation * m.base, face, x_.a);
    }

    // Deflection of node n in the model's length unit times the factor, or
    // none without results: the results give English deflections in inches
    // on a model drawn in feet, so the factor is the magnification.
    bool deflections(std::vector<double>& u) const
    {
        if (!T3DSceneBuilder::hasDeflection(def_)) return false;
        const TLine& curve = def_->Lines.curve(0);
        const int nodes = std::min(x_.NI + 1, curve.pointCount());
        if (nodes < 2) return false;
        const double toModel = TModelUnits(u_).base;
        u.resize(static_cast<size_t>(nodes));
        for (int n = 0; n < nodes; ++n)
            u[static_cast<size_t>(n)] = show_.factor * toModel * curve.Points[static_cast<size_t>(n)].X;
        return true;
    }

    void wall()
    {
        std::vector<double> u;
        const bool deformed = show_.deformed && deflections(u);
        for (int k = 0; k < kUnits; ++k) {
            const double y = unitCentre(k), hw = x_.w / 2;
            if (deformed) {
                deformedUnit(u, y - hw, y + hw);
                if (show_.undeformed) {
                    T3DSolid s = unitBox(y, T3DRole::WallUndeformedOutline);
                    s.filled = false;
                    scene_.model.solids.push_back(s);
                }
                continue;
            }
            scene_.model.solids.push_back(unitBox(y, T3DRole::WallUnit));
            const double ht = x_.t / 2;
            scene_.model.quads.push_back({{{{-ht, y - hw, 0}, {ht, y - hw, 0}, {ht, y + hw, 0}, {-ht, y + hw, 0}}},
                                          T3DSceneBuilder::kWallTop,
                                          T3DSceneBuilder::kOrange,
                                          true,
                                          true,
                                          T3DRole::WallTop});
        }
    }

    T3DSolid unitBox(double y, T3DRole role) const
    {
        return box(-x_.t / 2, x_.t / 2, y - x_.w / 2, y + x_.w / 2, -x_.L, 0, T3DSceneBuilder::kWallFill,
                   T3DSceneBuilder::kWallOutline, role);
    }

    // Bricks between consecutive nodes; a joint face lies along the mean of
    // the two segments' normals, so neighbouring bricks share it.
    void deformedUnit(const std::vector<double>& u, double y1, double y2)
    {
        const int nodes = static_cast<int>(u.size());
        std::vector<T3DPoint> normal(static_cast<size_t>(nodes - 1));
        for (int i = 1; i < nodes; ++i) {
            const double dx = u[static_cast<size_t>(i)] - u[static_cast<size_t>(i - 1)], dz = -x_.e;
            const double length = std::hypot(dx, dz);
            normal[static_cast<size_t>(i - 1)] = {-dz / length, 0, dx / length};
        }
        auto joint = [&](int n) {
            T3DPoint v;
            if (n == 0) v = normal.front();
            else if (n == nodes - 1) v = normal.back();
            else {
                const T3DPoint& a = normal[static_cast<size_t>(n - 1)];
                const T3DPoint& b = normal[static_cast<size_t>(n)];
                v = {(a.x + b.x) / 2, 0, (a.z + b.z) / 2};
                const double length = std::hypot(v.x, v.z);
                v = {v.x / length, 0, v.z / length};
            }
            return v;
        };
        const double half = x_.t / 2;
        for (int i = 1; i < nodes; ++i) {
            const T3DPoint n0 = joint(i - 1), n1 = joint(i);
            const double x0 = u[static_cast<size_t>(i - 1)], x1 = u[static_cast<size_t>(i)];
            const double z0 = -(i - 1) * x_.e, z1 = -i * x_.e;
            T3DSolid s;
            s.corners = {{{x0 - half * n0.x, y1, z0 - half * n0.z},
                          {x0 + half * n0.x, y1, z0 + half * n0.z},
                          {x0 + half * n0.x, y2, z0 + half * n0.z},
                          {x0 - half * n0.x, y2, z0 - half * n0.z},
                          {x1 - half * n1.x, y1, z1 - half * n1.z},
                          {x1 + half * n1.x, y1, z1 + half * n1.z},
                          {x1 + half * n1.x, y2, z1 + half * n1.z},
                          {x1 - half * n1.x, y2, z1 - half * n1.z}}};
            s.fill = T3DSceneBuilder::kWallFill;
            s.outline = T3DSceneBuilder::kWallOutline;
            s.role = T3DRole::WallDeformed;
            scene_.model.solids.push_back(s);
        }
    }

    // Nodes first..last of a row (a last node before the first means the
    // first alone), within the wall.
    std::vector<int> nodes(int first, int last) const
    {
        std::vector<int> n;
        first = std::clamp(first, 0, x_.NI);
        last = std::clamp(std::max(last, first), 0, x_.NI);
        for (int i = first; i <= last; ++i) n.push_back(i);
        return n;
    }

    void springs()
    {
        const TGridTable& table = t_.SoilStrength;
        const double size = x_.e / 2, face = x_.t / 2;
        for (int row = 0; row < table.rowCount(); ++row)
            for (int n : nodes(table.cell(1, row).asInteger(), table.cell(2, row).asInteger()))
                for (int k = 0; k < kUnits; ++k) {
                    const double y = unitCentre(k), z = -n * x_.e;
                    scene_.model.solids.push_back(box(face, face + 2 * size, y - size / 2, y + size / 2, z - size / 2,
                                                      z + size / 2, T3DSceneBuilder::kSpringFill,
                                                      T3DSceneBuilder::kOrange, T3DRole::Spring));
                }
    }

    void loads()
    {
        const TGridTable& table = t_.BoundCond;
        const double face = x_.t / 2, g = glyph_;
        for (int row = 0; row < table.rowCount(); ++row) {
            const double lateral = table.cell(3, row).asReal(), moment = table.cell(4, row).asReal(),
                         axial = table.cell(5, row).asReal();
            for (int n : nodes(table.cell(1, row).asInteger(), table.cell(2, row).asInteger()))
                for (int k = 0; k < kUnits; ++k) {
                    const double y = unitCentre(k), z = -n * x_.e;
                    // A positive load pushes the wall towards the excavation.
                    if (lateral != 0) {
                        const double dir = lateral > 0 ? 1 : -1;
                        const double tipX = dir > 0 ? -face : face;
                        arrow(scene_.model, {tipX - dir * 2 * g, y, z}, {tipX, y, z}, {0, 0, 1}, kForce,
                              T3DRole::LoadForce);
                    }
                    if (moment != 0) momentGlyph(y, z, moment > 0);
                    if (axial != 0 && n == 0) {
                        const double dir = axial > 0 ? -1 : 1;
                        const double tipZ = dir < 0 ? 0 : 2 * g;
                        arrow(scene_.model, {0, y, tipZ - dir * 2 * g}, {0, y, tipZ}, {1, 0, 0}, kForce,
                              T3DRole::LoadAxial);
                    } else if (axial != 0) {
                        arrow(scene_.model, {-face - g, y, z + (axial > 0 ? g : -g)}, {-face - g, y, z}, {1, 0, 0},
                              kForce, T3DRole::LoadAxial);
                    }
                }
        }
    }

    // Three quarters of a circle about the node in the x-z plane, with its
    // head showing the sense.
    void momentGlyph(double y, double z, bool anticlockwise)
    {
        const double r = glyph_ / 2, x0 = -x_.t / 2 - r;
        T3DPolyline arc{{}, kMoment, T3DRole::LoadMoment, false};
        constexpr int kSteps = 18;
        for (int i = 0; i <= kSteps; ++i) {
            const double phi = (anticlockwise ? 1 : -1) * 1.5 * std::numbers::pi * i / kSteps;
            arc.points.push_back({x0 + r * std::cos(phi), y, z + r * std::sin(phi)});
        }
        const T3DPoint tip = arc.points.back();
        const T3DPoint before = arc.points[kSteps - 2];
        scene_.model.lines.push_back(arc);
        scene_.model.lines.push_back(
            {{{before.x - 0.3 * r, y, before.z}, tip, {before.x + 0.3 * r, y, before.z}}, kMoment, T3DRole::LoadMoment,
             false});
    }

    void boundaries()
    {
        const TGridTable& table = t_.SoilLayer;
        const double face = x_.t / 2, g = glyph_;
        for (int row = 0; row < table.rowCount(); ++row) {
            const int kind = table.cell(0, row).asInteger();
            const int n = std::clamp(table.cell(1, row).asInteger(), 0, x_.NI);
            const double z = -n * x_.e;
            const double value = table.cell(kind == 2 ? 3 : 2, row).asReal();
            for (int k = 0; k < kUnits; ++k) {
                const double y = unitCentre(k);
                if (kind == 2) {
                    // A short line at the imposed slope with a quarter arc.
                    const double angle = std::atan(value);
                    scene_.model.lines.push_back(
                        {{{face + g * std::sin(angle), y, z + g * std::cos(angle)},
                          {face - g * std::sin(angle), y, z - g * std::cos(angle)}},
                         kBoundary,
                         T3DRole::BoundarySlope,
                         false});
                    scene_.model.lines.push_back(
                        {{{face, y, z + 0.6 * g}, {face + 0.42 * g, y, z + 0.42 * g}, {face + 0.6 * g, y, z}},
                         kBoundary,
                         T3DRole::BoundarySlope,
                         false});
                } else {
                    // A double arrow across the wall: the imposed displacement.
                    arrow(scene_.model, {face + g, y, z}, {face + 2.5 * g, y, z}, {0, 0, 1}, kBoundary,
                          T3DRole::BoundaryDeflection);
                    arrow(scene_.model, {face + 2.5 * g, y, z}, {face + g, y, z}, {0, 0, 1}, kBoundary,
                          T3DRole::BoundaryDeflection);
                }
            }
            // One label per row, at the end of the row of units.
            const std::string text = (kind == 2 ? "S= " : "y= ") + general(value);
            scene_.model.labels.push_back({{face + 2.7 * g, unitCentre(kUnits - 1), z},
                                           text,
                                           kBoundary,
                                           kind == 2 ? T3DRole::BoundarySlope : T3DRole::BoundaryDeflection});
        }
    }

    void tiebacks()
    {
        const TGridTable& table = t_.TiebackTable1;
        const double half = x_.rowHalfLength(), face = x_.t / 2;
        const double rodHalf = std::max(x_.t / 4, x_.e / 20);
        for (int row = 0; row < table.rowCount(); ++row) {
            const double depth = table.cell(0, row).asReal(), length = table.cell(3, row).asReal();
            const double angle = table.cell(4, row).asReal() * std::numbers::pi / 180;
            const double spacing = table.cell(5, row).asReal();
            if (!(length > 0)) continue;
            const double cx = -std::cos(angle), cz = -std::sin(angle);
            std::vector<double> ys{0};
            if (spacing > 0)
                for (int j = 1; j * spacing <= half && static_cast<int>(ys.size()) < kMaxRepeats; ++j) {
                    ys.push_back(j * spacing);
                    ys.push_back(-j * spacing);
                }
            for (double y : ys) {
                const T3DPoint start{-face, y, -depth};
                const T3DPoint end{-face + cx * length, y, -depth + cz * length};
                const double reach = kAnchorReach * length;
                const T3DPoint anchorEnd{-face + cx * reach, y, -depth + cz * reach};
                scene_.model.solids.push_back(
                    rod(start, end, rodHalf, rodHalf, kTiebackFill, T3DSceneBuilder::kOrange, T3DRole::TiebackRod));
                scene_.model.solids.push_back(rod(end, anchorEnd, 3 * rodHalf, 3 * rodHalf, kTiebackFill,
                                                  T3DSceneBuilder::kOrange, T3DRole::TiebackAnchor));
            }
        }
    }

    void surcharges()
    {
        const TGridTable& table = t_.SurchargeTable;
        const TModelUnits m(u_);
        const double half = x_.rowHalfLength(), g = glyph_;
        constexpr int kAlong = 9;
        auto down = [&](double x, double y) {
            arrow(scene_.model, {x, y, 2 * g}, {x, y, 0}, {1, 0, 0}, kSurchargeArrow, T3DRole::SurchargeArrow);
        };
        for (int row = 0; row < table.rowCount(); ++row) {
            const int type = table.cell(0, row).asInteger();
            const double x = -table.cell(2, row).asReal() * m.small;
            if (type == 1) {
                down(x, 0);
                continue;
            }
            std::vector<double> xs{x};
            if (type == 3) {
                const double w = table.cell(3, row).asReal() * m.small;
                xs = {x - w / 2, x, x + w / 2};
                scene_.model.solids.push_back(box(x - w / 2, x + w / 2, -half, half, 0, 0.1 * g, T3DSceneBuilder::kSlab,
                                                  withAlpha(T3DSceneBuilder::kSlab, 1), T3DRole::SurchargeSlab));
            }
            for (double ax : xs)
                for (int j = 0; j < kAlong; ++j) down(ax, -half + 2 * half * j / (kAlong - 1));
        }
    }

    const TProgramData& d_;
    const TProjectTables& t_;
    const TGraphPlot* def_;
    const T3DDisplay& show_;
    int u_;
    T3DExtents x_;
    double glyph_ = 1;
    T3DScene scene_;
};

}  // namespace

T3DExtents T3DSceneBuilder::extents(const TProject& project)
{
    const TProgramData& d = project.data();
    const TModelUnits m(d.Units);
    T3DExtents x;
    x.NI = d.Increments;
    x.e = d.IncrementLength * m.base;
    x.L = x.NI * x.e;
    x.H = d.WallHeight * m.base;
    x.w = d.ActiveWidth > 0 ? d.ActiveWidth * m.base : x.L / 10;
    x.t = d.PYWidth > 0 ? d.PYWidth * m.base / 10 : x.L / 100;
    if (d.UseSurcharges) {
        const TGridTable& q = project.tables().SurchargeTable;
        for (int row = 0; row < q.rowCount(); ++row) {
            double reach = q.cell(2, row).asReal() * m.small;
            if (q.cell(0, row).asInteger() == 3) reach += q.cell(3, row).asReal() * m.small / 2;
            x.c = std::max(x.c, 0.9 * reach);
        }
    }
    x.b = 5 * x.w;
    x.a = std::max(2.5 * x.b, x.c);
    // The retained soil reaches beyond every tieback's anchor, so that the
    // anchor is drawn in the ground it holds on to.
    if (d.UseTiebacks) {
        const TGridTable& ties = project.tables().TiebackTable1;
        for (int row = 0; row < ties.rowCount(); ++row) {
            const double length = ties.cell(3, row).asReal();
            const double angle = ties.cell(4, row).asReal() * std::numbers::pi / 180;
            if (length > 0 && std::isfinite(length))
                x.a = std::max(x.a, x.t / 2 + 1.25 * kAnchorReach * length * std::fabs(std::cos(angle)));
        }
    }
    const TGridTable& soil = project.tables().NewSoil;
    const double lastLayer = soil.rowCount() > 0 ? soil.cell(1, soil.rowCount() - 1).asReal() : 0;
    x.D = std::max(x.L, lastLayer);
    x.S = std::max({2 * x.D, x.a, x.b, x.D});
    return x;
}

bool T3DSceneBuilder::hasDeflection(const TGraphPlot* deflection)
{
    return deflection && deflection->Lines.curveCount() >= 1 && deflection->Lines.curve(0).pointCount() > 1;
}

T3DScene T3DSceneBuilder::build(const TProject& project, const TGraphPlot* deflection, const T3DDisplay& display)
{
    return TBuilder(project, deflection, display).build();
}

T3DList T3DSceneBuilder::axes(double length)
{
    T3DList list;
    const T3DColour blue{0, 0, 1, 1}, green{0, 0.6, 0, 1}, red{1, 0, 0, 1};
    list.lines.push_back({{{0, 0, 0}, {length, 0, 0}}, blue, T3DRole::Axis, false});
    list.lines.push_back({{{0, 0, 0}, {0, length, 0}}, green, T3DRole::Axis, false});
    list.lines.push_back({{{0, 0, 0}, {0, 0, -length}}, red, T3DRole::Axis, false});
    list.labels.push_back({{length, 0, 0}, "X", blue, T3DRole::Axis});
    list.labels.push_back({{0, length, 0}, "Y", green, T3DRole::Axis});
    list.labels.push_back({{0, 0, -length}, "D", red, T3DRole::Axis});
    return list;
}

}  // namespace orvane
