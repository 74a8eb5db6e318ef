// The recursion where the equations carry no stiffness at all.

#include <gtest/gtest.h>

#include <cmath>

#include "core/solver.hpp"

using namespace orvane::engine;

TEST(Solver, ZeroPivotGivesZeroCoefficientsInsteadOfADivision)
{
    // A wall with no stiffness and no springs: every pivot D is 0, so g = 0 and
    // A, B and C vanish; the deflections are 0, not NaN or infinite.
    StationTables t;
    t.clear();
    Table Qw, Sw, W;
    Qw.fill(0);
    Sw.fill(0);
    W.fill(0);
    Qw(2) = 100;  // a load the wall cannot carry
    const std::vector<Restraint> none;
    WallSystem sys{4, 12, 10, 1e-5, t.EI, Qw, Sw, t.T, t.R, t.P, t.KODE, none};
    WallSolver solver;
    solver.reset();
    const SolveCounts c = solver.solve(sys, W);
    for (int s = -1; s <= 5; ++s) EXPECT_EQ(W(s), 0.0) << s;
    EXPECT_EQ(c.exceeded, 0);
    EXPECT_EQ(c.notClosed, 0);
}

TEST(Solver, StationsWithinToleranceOfThePreviousSolveAreClosed)
{
    StationTables t;
    t.clear();
    Table Qw, Sw, W;
    Qw.fill(0);
    Sw.fill(0);
    W.fill(0);
    for (int s = 0; s <= 4; ++s) {
        t.EI(s) = 1e6;
        Sw(s) = 10;
    }
    Qw(0) = 5;
    const std::vector<Restraint> none;
    WallSystem sys{4, 12, 10, 1e-5, t.EI, Qw, Sw, t.T, t.R, t.P, t.KODE, none};
    WallSolver solver;
    solver.reset();
    EXPECT_EQ(solver.solve(sys, W).notClosed, 5);
    EXPECT_EQ(solver.solve(sys, W).notClosed, 0);
    sys.DMAX = std::fabs(W(0)) / 2;
    EXPECT_GT(solver.solve(sys, W).exceeded, 0);
}
