#pragma once

#include "views/T3DScene.hpp"

#include <array>

namespace orvane {

class TProject;
class TGraphPlot;

// The display switches of the 3D view and the deformation it shows.
struct T3DDisplay {
    bool wall = true, soilLayers = true, waterLevel = true, surcharge = true, springs = true, tiebacks = true,
         concentratedLoads = true, boundaryConditions = true, axes = true;
    bool deformed = false, undeformed = false;
    double factor = 1;
};

// Builds the scene of the 3D view from the project as entered and, for the
// deformed shape, curve 0 of the deflection graph. Plain code: what is drawn,
// where and in which colour, without GL.
class T3DSceneBuilder {
public:
    // Soil layer i uses entry i mod 10.
    static const std::array<T3DColour, 10> kLayerColours;
    static constexpr T3DColour kWallFill{0.75, 0.75, 0.75, 1};
    static constexpr T3DColour kWallOutline{0.9, 0.9, 0, 1};
    static constexpr T3DColour kWallTop{0.25, 0.25, 0.25, 1};
    static constexpr T3DColour kOrange{1, 0.5, 0, 1};
    static constexpr T3DColour kWaterOutline{0, 0, 1, 1};
    static constexpr T3DColour kWaterFill{0, 0, 1, 0.75};
    static constexpr T3DColour kSpringFill{0.5, 0.5, 0.5, 1};
    static constexpr T3DColour kSlab{1, 1, 0, 0.25};

    static T3DExtents extents(const TProject& project);
    // deflection: the graph pltDef, or null when there are no results.
    static T3DScene build(const TProject& project, const TGraphPlot* deflection, const T3DDisplay& display);
    // Whether the graph can give a deformed shape: at least one curve and
    // more than one point.
    static bool hasDeflection(const TGraphPlot* deflection);
    // The three axes from the model origin, `length` model units long, with
    // their letters at the ends.
    static T3DList axes(double length);
};

}  // namespace orvane
