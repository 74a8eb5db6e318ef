#pragma once
// The nonlinear iteration: every iteration replaces each p-y curve by the
// straight line through the segment at the current deflection, adds its
// stiffness and load terms to the stations, solves, and compares the
// deflections with the previous solve. Moment-EI curves update the flexural
// rigidity between converged solves.

#include <vector>

#include "core/report.hpp"
#include "core/set_data.hpp"
#include "core/solver.hpp"
#include "core/stations.hpp"
#include "io/records.hpp"

namespace orvane::engine {

inline constexpr int kIterationLimit = 100;

struct Linearised {
    double k = 0;           // stiffness term, added to the spring stiffness
    double q = 0;           // load term, added to the transverse load
    bool offCurve = false;  // w lay outside the curve: the end segment was extended
};

// The straight line through the segment of `curve` that holds deflection w.
Linearised linearise(const PyCurve& curve, double w);

// Adds the soil reactions of the curve chain at the deflections W to Qw and Sw;
// true when a deflection lay outside a curve it was read from.
bool loadSoilReactions(const std::vector<PyCurve>& curves, int NI, const Table& W, Table& Qw, Table& Sw);

// Flexural rigidity from the moment-EI sets at the curvature of W.
void updateRigidity(const std::vector<MeiSet>& sets, double h, const Table& W, Table& EI);

class Iteration {
public:
    // Runs the iteration of one set; W holds the previous set's deflections on
    // entry (used once for the first rigidity update) and the solution on exit.
    IterationEnd run(const SetData& set, StationTables& tables, Table& W, io::Records& notes,
                     int limit = kIterationLimit);

private:
    WallSolver solver_;
    Table Qw_, Sw_, saved_;
};

}  // namespace orvane::engine
