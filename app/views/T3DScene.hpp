#pragma once

#include <array>
#include <string>
#include <vector>

namespace orvane {

// Model coordinates of the 3D view: x across the wall (retained side
// negative), y along the wall, z up (a depth d is z = -d), in ft or m.
struct T3DPoint {
    double x = 0, y = 0, z = 0;
};

struct T3DColour {
    double r = 0, g = 0, b = 0, a = 1;
    bool operator==(const T3DColour&) const = default;
};

// What an element stands for: the tests find elements by it.
enum class T3DRole {
    SoilRetained,
    SoilExcavated,
    WaterPlane,
    WaterMark,
    WallUnit,
    WallTop,
    WallDeformed,
    WallUndeformedOutline,
    Spring,
    LoadForce,
    LoadMoment,
    LoadAxial,
    BoundaryDeflection,
    BoundarySlope,
    TiebackRod,
    TiebackAnchor,
    SurchargeArrow,
    SurchargeSlab,
    Axis,
};

// A six-faced solid: corners 0-3 one end face, 4-7 the other, corner i+4
// joined to corner i. A box, or a brick of the deformed wall.
struct T3DSolid {
    std::array<T3DPoint, 8> corners;
    T3DColour fill, outline;
    bool filled = true, outlined = true;
    T3DRole role;
    // The six faces as corner indices, each ordered anticlockwise seen from
    // outside, so that face culling keeps the visible ones.
    std::array<std::array<int, 4>, 6> faces() const;
    T3DPoint centre() const;
};

// A flat four-cornered face (the water planes, a box's top face drawn in its
// own colour).
struct T3DQuad {
    std::array<T3DPoint, 4> corners;
    T3DColour fill, outline;
    bool filled = true, outlined = true;
    T3DRole role;
};

// A pyramid of four base corners and an apex (the water-table marks point
// their apex down onto the water plane).
struct T3DPyramid {
    std::array<T3DPoint, 4> base;
    T3DPoint apex;
    T3DColour fill, outline;
    T3DRole role;
};

// Straight segments in one colour: arrows, glyphs, axes.
struct T3DPolyline {
    std::vector<T3DPoint> points;
    T3DColour colour;
    T3DRole role;
    bool closed = false;
};

// A text placed at a model point, drawn over the picture.
struct T3DLabel {
    T3DPoint at;
    std::string text;
    T3DColour colour;
    T3DRole role;
};

// Everything one display list draws.
struct T3DList {
    std::vector<T3DSolid> solids;
    std::vector<T3DQuad> quads;
    std::vector<T3DPyramid> pyramids;
    std::vector<T3DPolyline> lines;
    std::vector<T3DLabel> labels;
    bool empty() const;
};

// The scene extents and the derived sizes of the project, in model units.
struct T3DExtents {
    double L = 0;   // wall length
    double e = 0;   // increment
    int NI = 0;     // increments
    double H = 0;   // free height (excavation depth)
    double w = 0;   // wall unit width
    double t = 0;   // wall thickness
    double c = 0;   // surcharge reach
    double b = 0;   // half-length along the wall
    double a = 0;   // half-width of the soil blocks
    double D = 0;   // model depth
    double S = 0;   // overall extent
    // Half the length of the row of twenty wall units (10 w), which the soil
    // blocks and the water planes span along y.
    double rowHalfLength() const { return 10.0 * w; }
};

// The model as display lists: loads (kept empty, as the program always had
// it), soil and water, and the wall with everything on it.
struct T3DScene {
    T3DExtents extents;
    T3DList loads;  // display list 1
    T3DList soil;   // display list 5
    T3DList model;  // display list 2

    // Every solid, quad, ... of every list with the role, in list order.
    std::vector<T3DSolid> solidsOf(T3DRole role) const;
    std::vector<T3DQuad> quadsOf(T3DRole role) const;
    std::vector<T3DPyramid> pyramidsOf(T3DRole role) const;
    std::vector<T3DPolyline> linesOf(T3DRole role) const;
    std::vector<T3DLabel> labelsOf(T3DRole role) const;
    // Every point the scene draws (corners, apexes, line points, label
    // places), for fitting the view to the whole model.
    std::vector<T3DPoint> points() const;
};

}  // namespace orvane
