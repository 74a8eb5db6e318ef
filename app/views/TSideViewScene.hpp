#pragma once

#include <string>
#include <vector>

namespace orvane {

// What a stroke or a fill stands for: the painter picks its colour, the
// tests find the marks by it.
enum class TSceneRole {
    Ground,       // ground line of the retained side
    Slope,        // rising backfill slope line
    Hatch,        // ground hatch stroke of level backfill
    LayerBottom,  // bottom line of a soil layer
    Excavation,   // excavation line
    Wall,         // the wall bar
    Restraint,    // restraint arrow
    ExternalPY,   // external p-y curve mark
    Spring,       // lateral spring
    Plan,         // plan sketch of the wall units
    Water,        // water table line and its triangle
    TiebackFree,  // free (unbonded) length of a tieback
    TiebackBond,  // bonded length of a tieback
    Surcharge,    // surcharge arrow or strip
    Scale,        // depth scale along the wall
    Text,
};

// Pixel coordinates of the surface, x to the right, y downward.
struct TSceneLine {
    double x1, y1, x2, y2;
    double width;
    TSceneRole role;
};

struct TSceneRect {
    double left, top, width, height;
    TSceneRole role;
};

struct TSceneCircle {
    double cx, cy, radius;
    double width;
    TSceneRole role;
};

struct TScenePolygon {
    std::vector<double> xy;  // x0, y0, x1, y1, ...
    double width;
    TSceneRole role;
};

// Texts are UTF-8; (x, y) is the top-left corner of the text's line unless
// centred, when x is the middle of the line.
struct TSceneText {
    double x, y;
    std::string text;
    TSceneRole role;
    bool centred = false;
};

// Everything one painting draws, in painting order within each kind; the
// painter draws the kinds in the order of `order`.
struct TSceneItem {
    enum Kind { Line, Rect, Circle, Polygon, Text } kind;
    int index;
};

struct TSideViewScene {
    std::vector<TSceneLine> lines;
    std::vector<TSceneRect> rects;
    std::vector<TSceneCircle> circles;
    std::vector<TScenePolygon> polygons;
    std::vector<TSceneText> texts;
    std::vector<TSceneItem> order;

    void add(const TSceneLine& line);
    void add(const TSceneRect& rect);
    void add(const TSceneCircle& circle);
    void add(const TScenePolygon& polygon);
    void add(const TSceneText& text);

    bool empty() const { return order.empty(); }
    std::vector<TSceneLine> linesOf(TSceneRole role) const;
    std::vector<TSceneText> textsOf(TSceneRole role) const;
};

}  // namespace orvane
