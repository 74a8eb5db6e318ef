#pragma once
// A tieback (ground anchor) becomes a spring and a load at the station nearest
// to its depth.

namespace orvane::engine {

struct TiebackLine {
    double depth = 0;           // from the top of the wall (feet in English units)
    double area = 0;            // steel cross-section
    double modulus = 0;         // elastic modulus of the steel
    double unbondedLength = 0;  // feet in English units
    double angle = 0;           // degrees from the horizontal
    double spacing = 0;         // horizontal spacing of the anchors (feet in English units)
    double prestress = 0;
};

struct TiebackRecord {
    int station = 0;
    double S = 0;  // spring stiffness
    double Q = 0;  // load from the prestress
};

// Wa is the wall width for earth pressure; the anchors of one row share it.
TiebackRecord tiebackRecord(const TiebackLine& t, int units, double h, double Wa);

}  // namespace orvane::engine
