#include "summary.hpp"

#include <cstdio>

#include "messages.hpp"

namespace orvane::cli {

const char* lengthUnit(int units) { return units == 1 ? "in" : units == 2 ? "m" : "L"; }
const char* forceUnit(int units) { return units == 1 ? "lbs" : units == 2 ? "kN" : "F"; }
std::string momentUnit(int units) { return std::string(forceUnit(units)) + "-" + lengthUnit(units); }

std::string formatSet(int number, const SetResult& r)
{
    const char* L = lengthUnit(r.units);
    const char* F = forceUnit(r.units);
    std::string status = r.converged() ? "converged" : r.exceeded ? "NOT converged (allowable deflection exceeded)"
                                                                  : "NOT converged (not closed within tolerance)";
    if (r.offCurve) status += ", deflection off p-y curves";
    char buf[512];
    if (!r.extremesRead) {
        std::snprintf(buf, sizeof buf, "  set %d: iteration %d, %s\n    no results along the wall in the plot-data file",
                      number, r.iteration, status.c_str());
        return buf;
    }
    std::snprintf(buf, sizeof buf,
                  "  set %d: iteration %d, %s\n"
                  "    max deflection %12.4E %s at depth %10.3f %s\n"
                  "    max moment     %12.4E %s-%s at depth %10.3f %s\n"
                  "    max shear      %12.4E %s at depth %10.3f %s",
                  number, r.iteration, status.c_str(), r.deflection.value, L, r.deflection.depth, L, r.moment.value, F,
                  L, r.moment.depth, L, r.shear.value, F, r.shear.depth, L);
    return buf;
}

std::string formatJob(const JobSummary& job)
{
    std::string text = job.path + "\n";
    if (!job.readInPart.empty()) text += "  the data file is read in part:\n" + indented(job.readInPart) + "\n";
    for (const TRunWarning& w : job.findings) text += "  warning: " + w.text + "\n";
    for (size_t k = 0; k < job.sets.size(); ++k) text += formatSet(static_cast<int>(k + 1), job.sets[k]) + "\n";
    text += indented(job.message) + "\n";
    if (job.extrapolated) text += "  " + job.headline + "\n";
    for (const std::string& e : job.errors) text += "  " + e + "\n";
    if (!job.detail.empty()) text += "  " + job.detail + "\n";
    if (!job.report.empty()) text += "  report: " + job.report + "\n";
    return text;
}

}  // namespace orvane::cli
