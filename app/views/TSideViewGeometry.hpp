#pragma once

#include "views/TSideViewScene.hpp"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

class TProject;

// World coordinates of the side view: x across the wall (0 on its axis), y
// downward, in the base length of the project (in, m).
struct TViewRange {
    double xmin = -5, xmax = 5, ymin = 0, ymax = 5;
    double width() const { return xmax - xmin; }
    double height() const { return ymax - ymin; }
    bool empty() const { return !(width() > 0) || !(height() > 0); }
};

// World to pixel for a surface: x over [left, left + width], y over
// [top, top + height] of the surface.
struct TViewMapping {
    TViewRange range;
    double left = 0, top = 0, width = 0, height = 0;
    double px(double x) const;
    double py(double y) const;
    double worldY(double pixelY) const;
};

// The surface a scene is laid out for: the window's client area, or a
// printed page, where edge lines run from 10% to 90% of the width and depth
// fills 80% of the height from 10% below the top.
struct TSideViewSurface {
    double width = 0, height = 0;
    bool page = false;
    double lineHeight = 14;  // height of one text line, in surface pixels
};

struct TSideViewLayer {
    int type = 0;
    double top = 0, bottom = 0;  // world y
    bool across = false;         // bottom at or below the excavation level
    std::string name, values;
};

struct TSideViewTieback {
    double y = 0;             // world y at the wall
    double angle = 0;         // degrees below horizontal
    double freeLength = 0;    // world length
    double bondedLength = 0;  // world length of the bond zone as drawn
    std::string label;
};

struct TSideViewSurcharge {
    int type = 1;  // 1 point, 2 line, 3 strip
    double distance = 0, width = 0;  // world, behind the wall
    std::string label;
};

// What the side view shows of a project, read once from the project data
// and its tables; scene() lays it out for a surface.
class TSideViewGeometry {
public:
    explicit TSideViewGeometry(const TProject& project);

    double wallLength() const { return wallLength_; }
    double y0() const { return y0_; }
    double excavationY() const { return y0_ + height_; }
    bool hasWall() const { return hasWall_; }
    // Half the width of the bar: the wall is drawn H/20 wide.
    double wallHalfWidth() const { return height_ / 40.0; }
    const TViewRange& baseRange() const { return base_; }
    // The base range stretched to the surface's shape about the wall axis.
    TViewRange layout(double width, double height) const;
    TViewMapping mapping(const TSideViewSurface& surface) const;

    bool drawsLayers() const { return drawsLayers_; }
    const std::vector<TSideViewLayer>& layers() const { return layers_; }
    double backfillSlope() const { return beta_; }
    // World y of the marks that are drawn.
    const std::vector<double>& restraints() const { return restraints_; }
    const std::vector<double>& externalPY() const { return externalPY_; }
    const std::vector<double>& springs() const { return springs_; }
    bool hasPlan() const { return activeWidth_ > 0 && pyWidth_ > 0; }
    double activeWidth() const { return activeWidth_; }
    double pyWidth() const { return pyWidth_; }
    int units() const { return units_; }
    std::optional<double> waterBackfill() const { return waterBackfill_; }
    std::optional<double> waterExcavation() const { return waterExcavation_; }
    const std::vector<TSideViewTieback>& tiebacks() const { return tiebacks_; }
    const std::vector<TSideViewSurcharge>& surcharges() const { return surcharges_; }

    // Depth under a pixel row (world y - y0), none for a zero-size range.
    std::optional<double> depthAt(const TSideViewSurface& surface, double pixelY) const;
    // "  Depth: ", the depth in ft or m with one decimal and its unit, empty
    // when none.
    std::string depthCaption(const TSideViewSurface& surface, double pixelY) const;

    TSideViewScene scene(const TSideViewSurface& surface) const;

    static std::string soilName(int type);

private:
    void readLayers(const TProject& project);
    void readMarks(const TProject& project);
    void readExtras(const TProject& project);

    int units_ = 1;
    double increment_ = 0;
    double wallLength_ = 0, y0_ = 0, height_ = 0;
    bool hasWall_ = false;
    TViewRange base_;
    bool drawsLayers_ = false;
    std::vector<TSideViewLayer> layers_;
    double beta_ = 0;
    std::vector<double> restraints_, externalPY_, springs_;
    double activeWidth_ = 0, pyWidth_ = 0;
    std::optional<double> waterBackfill_, waterExcavation_;
    std::vector<TSideViewTieback> tiebacks_;
    std::vector<TSideViewSurcharge> surcharges_;
};

}  // namespace orvane
