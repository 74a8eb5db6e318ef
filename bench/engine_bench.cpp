// Time of whole engine jobs (input, iteration, report and plot data), run in
// a private folder: a nonlinear wall of 400 increments on 60 user p-y curves
// with moment-EI sets, a linear wall of the same size, and a wall of the same
// size on p-y curves generated from ten soil layers in two sets.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "core/engine_api.hpp"
#include "core/solver.hpp"

namespace fs = std::filesystem;

namespace {

std::string nonlinearJob()
{
    std::ostringstream d;
    const int NI = 400, nCurves = 60, nMei = 4;
    const double h = 1.5, hfree = 240;
    d << "Benchmark: 400 increments, 60 user p-y curves, moment-EI sets\r\n";
    d << "1 0 1 0 1 1 " << nCurves << " 1 " << nMei << " 0\r\n";
    d << NI << " " << h << " 100 1E-05 " << hfree << " 12\r\n";
    d << "0 " << NI << " 1 4.5E+09\r\n0\r\n0\r\n";
    d << "3\r\n0 0\r\n" << hfree << " 55\r\n" << NI * h << " 55\r\n";
    for (int k = 0; k < nCurves; ++k) {
        const int station = 160 + 4 * k;
        const double x = station * h - hfree;
        const double pu = 6 * x + 60, ks = 30 * std::max(x, 6.0);
        const double ys[] = {-4, -1.5, -0.6, -0.2, 0, 0.2, 0.6, 1.5, 4};
        d << station << " 9 1 1\r\n";
        for (double y : ys) d << y << " " << -pu * std::tanh(ks * y / pu) << "\r\n";
    }
    for (int k = 0; k < nMei; ++k) {
        d << 100 * k << " " << 100 * k + 99 << " 4\r\n";
        d << "0 4.5E+09\r\n2E+05 4.5E+09\r\n6E+05 3.0E+09\r\n2E+06 1.0E+09\r\n";
    }
    d << "0\r\n";
    return d.str();
}

std::string linearJob()
{
    std::ostringstream d;
    const int NI = 400;
    d << "Benchmark: 400 increments on linear springs\r\n";
    d << "1 0 1 0 1 0 0 1 0 0\r\n" << NI << " 1.5 100 1E-05 240 12\r\n0 " << NI << " 1 4.5E+09\r\n0\r\n";
    d << "1\r\n160 " << NI << " 1 900 0\r\n3\r\n0 0\r\n240 55\r\n600 55\r\n0\r\n";
    return d.str();
}

// The largest generated case: 400 increments, ten soil layers of every soil
// family below the excavation (50 generated p-y curves per set), generated
// earth pressure, a short-term and a long-term set.
void generatedSet(std::ostringstream& d, const char* title, bool longTerm)
{
    const int NI = 400;
    d << title << "\r\n";
    d << "1 0 1 0 2 2 0 1 0 0\r\n" << NI << " 1.5 100 1E-05 240 72\r\n0 " << NI << " 1 5.9E+10\r\n0\r\n0\r\n";
    d << "240 72 24 600 600 1 1 0\r\n0 0 0 0 0 0\r\n0\r\n10\r\n";
    const double c = longTerm ? 0.5 : 1.0;  // the long-term soil keeps less of its cohesion
    struct Layer {
        int type;
        double bottom;
        double values[6];
    };
    const Layer layers[10] = {
        {4, 270, {0.069444444, 0, 34, 0, 90, 0}},          {5, 300, {0.069444444, 2 * c, 28, 0.01, 60, 0}},
        {1, 330, {0.065, 4 * c, 0, 0.01, 0, 0}},           {3, 360, {0.07, 12 * c, 0, 0.005, 0, 0}},
        {4, 400, {0.07, 0, 36, 0, 125, 0}},                {2, 440, {0.07, 14 * c, 0, 0.005, 500, 0}},
        {5, 480, {0.072, 3 * c, 30, 0.007, 90, 0}},        {4, 520, {0.072, 0, 38, 0, 125, 0}},
        {7, 560, {0.078125, 400, 0, 0.0005, 80000, 40}},   {7, 610, {0.078125, 600, 0, 0.0005, 120000, 60}},
    };
    for (const Layer& L : layers) {
        d << L.type << " " << L.bottom << " \r\n";
        for (int line = 0; line < 2; ++line) {
            for (double v : L.values) d << v << " ";
            d << "\r\n";
        }
    }
    d << (longTerm ? "0" : "9") << "\r\n";
}

std::string generatedJob()
{
    std::ostringstream d;
    generatedSet(d, "Benchmark: 400 increments, ten generated p-y layers, short term", false);
    generatedSet(d, "Benchmark: 400 increments, ten generated p-y layers, long term", true);
    return d.str();
}

class JobFolder {
public:
    explicit JobFolder(const std::string& data)
    {
        dir_ = fs::temp_directory_path() / ("orvane-bench-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++));
        fs::create_directories(dir_);
        std::ofstream(dir_ / "wall.ov5d", std::ios::binary) << data;
        std::ofstream(dir_ / "names.dat", std::ios::binary)
            << "2015.5.8\r\n\r\n, \r\n0\r\n" << (dir_ / "wall.ov5d").string() << "\r\n" << (dir_ / "wall.ov5o").string()
            << "\r\n" << (dir_ / "wall.ov5p").string() << "\r\n" << (dir_ / "wall.ov5r").string() << "\r\n";
    }
    ~JobFolder() { fs::remove_all(dir_); }
    const fs::path& dir() const { return dir_; }

private:
    static inline int counter_ = 0;
    fs::path dir_;
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
    WallSystem sys{NI, 1.5, 100, 1e-5, &t.EI, &Qw, &Sw, &t.T, &t.R, &t.P, &t.KODE, &none};
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
