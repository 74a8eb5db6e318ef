#include "json_summary.hpp"

#include <nlohmann/json.hpp>

namespace orvane::cli {
namespace {

using json = nlohmann::ordered_json;

json pathOrNull(const std::string& path) { return path.empty() ? json(nullptr) : json(path); }

json extreme(const Extreme& e, const std::string& unit, int units)
{
    return {{"value", e.value}, {"depth", e.depth}, {"unit", unit}, {"depth_unit", lengthUnit(units)}};
}

json set(int number, const SetResult& r)
{
    json s = {{"set", number},
              {"label", r.name.empty() ? json(nullptr) : json(r.name)},
              {"iterations", r.iteration},
              {"converged", r.converged()},
              {"extrapolated", r.offCurve},
              {"warnings", r.warnings()}};
    if (r.extremesRead) {
        s["deflection"] = extreme(r.deflection, lengthUnit(r.units), r.units);
        s["moment"] = extreme(r.moment, momentUnit(r.units), r.units);
        s["shear"] = extreme(r.shear, forceUnit(r.units), r.units);
    } else {
        s["deflection"] = s["moment"] = s["shear"] = nullptr;
    }
    return s;
}

json finding(const TRunWarning& w)
{
    return {{"table", w.table}, {"row", w.row > 0 ? json(w.row) : json(nullptr)}, {"text", w.text}};
}

}  // namespace

std::string jsonSummary(const std::vector<JobSummary>& jobs)
{
    json files = json::array();
    for (const JobSummary& job : jobs) {
        json sets = json::array();
        for (size_t k = 0; k < job.sets.size(); ++k) sets.push_back(set(static_cast<int>(k + 1), job.sets[k]));
        json findings = json::array();
        for (const TRunWarning& w : job.findings) findings.push_back(finding(w));
        json f = {{"path", job.path},
                  {"outcome", job.outcome},
                  {"message", job.message},
                  {"errors", job.errors},
                  {"findings", std::move(findings)},
                  {"report", pathOrNull(job.report)},
                  {"plot_data", pathOrNull(job.plotData)},
                  {"run_notes", pathOrNull(job.runNotes)},
                  {"sets", std::move(sets)}};
        f["headline"] = job.headline.empty() ? json(nullptr) : json(job.headline);
        f["extrapolated"] = job.extrapolated;
        if (!job.readInPart.empty()) f["read_in_part"] = job.readInPart;
        if (!job.detail.empty()) f["detail"] = job.detail;
        files.push_back(std::move(f));
    }
    // Bytes that are not UTF-8 (a path in another encoding) are replaced
    // rather than ending the document half-written.
    return json{{"files", std::move(files)}}.dump(2, ' ', false, json::error_handler_t::replace);
}

}  // namespace orvane::cli
