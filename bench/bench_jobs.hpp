#pragma once
// The benchmark jobs as data-file text: a nonlinear wall of 400 increments on
// 60 user p-y curves with moment-EI sets, a linear wall of the same size, and
// a wall of the same size on p-y curves generated from ten soil layers in two
// sets. The golden tests run the same jobs, so their outputs stay fixed.

#include <algorithm>
#include <cmath>
#include <sstream>
#include <string>

namespace orvane::bench {

inline std::string nonlinearJob()
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

inline std::string linearJob()
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
inline void generatedSet(std::ostringstream& d, const char* title, bool longTerm)
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

inline std::string generatedJob()
{
    std::ostringstream d;
    generatedSet(d, "Benchmark: 400 increments, ten generated p-y layers, short term", false);
    generatedSet(d, "Benchmark: 400 increments, ten generated p-y layers, long term", true);
    return d.str();
}

}  // namespace orvane::bench
