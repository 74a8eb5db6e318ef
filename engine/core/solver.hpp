#pragma once
// The beam-column solve: one five-point difference equation per station,
// eliminated by a forward recursion W(s) = A(s) W(s+2) + B(s) W(s+1) + C(s) and
// a back-substitution; imposed deflections and slopes enter inside the
// recursion. Afterwards slope, moment, shear and net reaction are derived
// from the deflections.

#include <vector>

#include "core/report.hpp"
#include "core/set_data.hpp"
#include "core/stations.hpp"

namespace orvane::engine {

// The tables of one solve, as the caller holds them.
struct WallSystem {
    int NI = 0;
    double h = 0;
    double DMAX = 0;
    double TOL = 0;
    const Table& F;   // flexural rigidity
    const Table& Qw;  // working transverse load (loads plus soil terms)
    const Table& Sw;  // working spring stiffness (springs plus soil terms)
    const Table& T;   // couples
    const Table& R;   // rotational springs
    const Table& P;   // axial load, sign reversed
    const StationArray<StationCode>& KODE;
    const std::vector<Restraint>& restraints;
};

struct SolveCounts {
    int exceeded = 0;   // stations 0..NI with |W| above DMAX
    int notClosed = 0;  // stations 0..NI whose W moved by more than TOL
};

class WallSolver {
public:
    // Clears the recursion tables; W is kept (the caller owns its lifetime).
    void reset();
    SolveCounts solve(const WallSystem& sys, Table& W);

private:
    Table A_, B_, C_;
};

std::vector<ResultRow> wallResults(int NI, double h, const Table& F, Table& W, const std::vector<Couple>& couples);

}  // namespace orvane::engine
