// Time of whole engine jobs (input, iteration, report and plot data), run in
// a private folder: a nonlinear wall of 400 increments on 60 user p-y curves
// with moment-EI sets, a linear wall of the same size, and a wall of the same
// size on p-y curves generated from ten soil layers in two sets.

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bench_jobs.hpp"
#include "core/engine_api.hpp"
#include "core/solver.hpp"
#include "model/TTempFolder.hpp"

namespace fs = std::filesystem;

namespace {

using orvane::bench::generatedJob;
using orvane::bench::linearJob;
using orvane::bench::nonlinearJob;

// The data file and the control file of a job in a private folder.
class JobFolder {
public:
    explicit JobFolder(const std::string& data)
    {
        std::ofstream(dir() / "wall.ov5d", std::ios::binary) << data;
        std::ofstream(dir() / "names.dat", std::ios::binary)
            << "2015.5.8\r\n\r\n, \r\n0\r\n" << (dir() / "wall.ov5d").string() << "\r\n" << (dir() / "wall.ov5o").string()
            << "\r\n" << (dir() / "wall.ov5p").string() << "\r\n" << (dir() / "wall.ov5r").string() << "\r\n";
    }
    const fs::path& dir() const { return folder_.path(); }

private:
    orvane::TTempFolder folder_{"orvane-bench", "bench folder"};
};

void runJobs(benchmark::State& state, const std::string& data)
{
    JobFolder folder(data);
    double solves = 0;
    for (auto _ : state) {
        const auto outcome = orvane::engine::runJob(folder.dir());
        if (outcome.end != orvane::engine::JobEnd::Completed || outcome.sets.empty()) {
            state.SkipWithError(("job failed: " + outcome.message).c_str());
            return;
        }
        solves = 0;
        for (const auto& set : outcome.sets) solves += set.iteration;
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["solver_iterations"] = solves;
    // Seconds per solver iteration (the whole job's time shared out).
    state.counters["per_iteration"] =
        benchmark::Counter(solves * static_cast<double>(state.iterations()), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

void BM_Nonlinear400With60CurvesAndMomentEi(benchmark::State& state) { runJobs(state, nonlinearJob()); }
void BM_Linear400(benchmark::State& state) { runJobs(state, linearJob()); }
void BM_Generated400TenLayersShortAndLongTerm(benchmark::State& state) { runJobs(state, generatedJob()); }

// One linear solve of a 400-increment wall on springs: the difference
// recursion and the back-substitution alone.
void BM_Solve400(benchmark::State& state)
{
    using namespace orvane::engine;
    const int NI = 400;
    StationTables t;
    t.clear();
    Table Qw, Sw, W;
    Qw.fill(0);
    Sw.fill(0);
    W.fill(0);
    for (int s = 0; s <= NI; ++s) {
        t.EI(s) = 4.5e9;
        Sw(s) = 900;
        Qw(s) = 10;
    }
    const std::vector<Restraint> none;
    WallSystem sys{NI, 1.5, 100, 1e-5, t.EI, Qw, Sw, t.T, t.R, t.P, t.KODE, none};
    WallSolver solver;
    solver.reset();
    for (auto _ : state) {
        benchmark::DoNotOptimize(solver.solve(sys, W));
        benchmark::ClobberMemory();
    }
}

}  // namespace

BENCHMARK(BM_Solve400)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Nonlinear400With60CurvesAndMomentEi)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Linear400)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Generated400TenLayersShortAndLongTerm)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

BENCHMARK_MAIN();
