#include "summary.hpp"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace orvane::cli {

std::vector<SetResult> readReportSets(const std::filesystem::path& report)
{
    std::vector<SetResult> sets;
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("     RESULTS -- ITERATION", 0) == 0) {
            SetResult r;
            r.iteration = std::atoi(line.c_str() + 25);
            sets.push_back(r);
        } else if (!sets.empty()) {
            if (line.find("DEFLECTION OFF Q - W CURVES") != std::string::npos) sets.back().offCurve = true;
            if (line.find("MAX ALLOWABLE DEFLECTION EXCEEDED") != std::string::npos) sets.back().exceeded = true;
            if (line.find("SOLUTION NOT CLOSED") != std::string::npos) sets.back().notClosed = true;
        }
    }
    return sets;
}

std::vector<std::string> readReportErrors(const std::filesystem::path& report)
{
    std::vector<std::string> errors;
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t b = line.find_first_not_of(' ');
        if (b == std::string::npos) continue;
        const std::string text = line.substr(b);
        if (text.rfind("ERROR", 0) == 0 || text.rfind("TOO MUCH DATA", 0) == 0 || text.rfind("STOP", 0) == 0)
            errors.push_back(text);
    }
    return errors;
}

namespace {

class Tokens {
public:
    explicit Tokens(std::istream& in) : in_(in) {}
    bool real(double& v)
    {
        std::string t;
        if (!(in_ >> t)) return false;
        char* end = nullptr;
        v = std::strtod(t.c_str(), &end);
        return end && *end == '\0';
    }
    bool integer(long& v)
    {
        double d;
        if (!real(d)) return false;
        v = static_cast<long>(d);
        return true;
    }

private:
    std::istream& in_;
};

void keepLarger(Extreme& e, double value, double depth)
{
    if (std::fabs(value) > std::fabs(e.value)) e = {value, depth};
}

}  // namespace

void readPlotExtremes(const std::filesystem::path& plot, std::vector<SetResult>& sets)
{
    std::ifstream in(plot);
    Tokens tok(in);
    double v;
    for (SetResult& r : sets) {
        long m, units, curves, flag, rows;
        if (!tok.integer(m)) return;
        for (long k = 0; k < 4 * m; ++k)
            if (!tok.real(v)) return;
        if (!tok.integer(units) || !tok.integer(curves)) return;
        for (long c = 0; c < curves; ++c) {
            long n;
            if (!tok.real(v) || !tok.integer(n)) return;
            for (long k = 0; k < 2 * n; ++k)
                if (!tok.real(v)) return;
        }
        if (!tok.integer(flag) || !tok.integer(rows) || !tok.integer(units)) return;
        r.units = static_cast<int>(units);
        for (long k = 0; k < rows; ++k) {
            double x, w, mom, sh, react;
            if (!tok.real(x) || !tok.real(w) || !tok.real(mom) || !tok.real(sh) || !tok.real(react)) return;
            if (k + 1 == rows) break;  // the fictitious station below the tip is not part of the wall
            keepLarger(r.deflection, w, x);
            keepLarger(r.moment, mom, x);
            keepLarger(r.shear, sh, x);
        }
    }
}

std::string formatSet(int number, const SetResult& r)
{
    const char* L = r.units == 1 ? "in" : r.units == 2 ? "m" : "L";
    const char* F = r.units == 1 ? "lbs" : r.units == 2 ? "kN" : "F";
    std::string status = r.converged() ? "converged" : r.exceeded ? "NOT converged (allowable deflection exceeded)"
                                                                  : "NOT converged (not closed within tolerance)";
    if (r.offCurve) status += ", deflection off p-y curves";
    char buf[512];
    std::snprintf(buf, sizeof buf,
                  "  set %d: iteration %d, %s\n"
                  "    max deflection %12.4E %s at depth %10.3f %s\n"
                  "    max moment     %12.4E %s-%s at depth %10.3f %s\n"
                  "    max shear      %12.4E %s at depth %10.3f %s",
                  number, r.iteration, status.c_str(), r.deflection.value, L, r.deflection.depth, L, r.moment.value, F,
                  L, r.moment.depth, L, r.shear.value, F, r.shear.depth, L);
    return buf;
}

}  // namespace orvane::cli
