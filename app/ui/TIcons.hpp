#pragma once

#include <QIcon>

namespace orvane {

// Toolbar icons, drawn by the program.
enum class TIconKind {
    New,
    Open,
    Save,
    Title,
    WallProperties,
    WallConfiguration,
    SoilLayers,
    Run,
    StageOption,
    ViewOutput,
    SoilProfile,
    View3D,
    PYCurves,
    Deflection,
    Moment,
    Shear,
    Reaction,
    Pressure,
    ThreePanel,
};

class TIcons {
public:
    static QIcon icon(TIconKind kind);
    // The button of construction stage n (1-5).
    static QIcon stage(int n);
    // The program's own icon: a wall in soil with its deflected line.
    static QIcon program();
};

}  // namespace orvane
