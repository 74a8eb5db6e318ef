#include "model/TRunSummary.hpp"

#include "model/TControlFile.hpp"
#include "model/TFileUnits.hpp"
#include "model/TProject.hpp"
#include "model/TRealFormat.hpp"
#include "model/TUnits.hpp"

#include "core/result_word.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string_view>
#include <sstream>

namespace orvane {

namespace {

// The plain words of the engine's entry for a job that ended on its input or the soil package.
constexpr int32_t kInputError = engine::toWord(engine::ResultWord::InputError);
constexpr int32_t kSoilStop = engine::toWord(engine::ResultWord::SoilStop);

const char* const kExceeded = "MAX ALLOWABLE DEFLECTION EXCEEDED";
const char* const kNotClosed = "SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE";
const char* const kOffCurve = "DEFLECTION OFF Q - W CURVES";

// The numbers of a free-format text, one after the other, parsed in place
// (a batch reads many plot-data files).
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}
    bool real(double& v)
    {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        size_t end = pos_;
        while (end < text_.size() && !isBlank(text_[end])) ++end;
        if (end == pos_) return false;
        const auto parsed = TRealFormat::parse(text_.substr(pos_, end - pos_));
        pos_ = end;
        if (!parsed) return false;
        v = *parsed;
        return true;
    }
    bool integer(long& v)
    {
        double d = 0;
        if (!real(d) || d != std::trunc(d)) return false;
        v = static_cast<long>(d);
        return true;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
    std::string_view text_;
    size_t pos_ = 0;
};

void keepLarger(TExtreme& e, double value, double depth)
{
    if (std::fabs(value) > std::fabs(e.value)) e = {value, depth};
}

}  // namespace

std::string TRunSummary::setName(const TProgramData& d, size_t index, size_t count)
{
    if (d.StageCount > 1) return "Stage " + std::to_string(index + 1);
    if (d.UseLongTerm && count == 2) return index == 0 ? "Short-term" : "Long-term";
    if (count == 1) return "Analysis";
    return "Set " + std::to_string(index + 1);
}

namespace {

std::string number(double value)
{
    return TRealFormat::general(value, 5);
}

}  // namespace

std::string TSetSummary::ending() const
{
    std::vector<std::string> parts;
    if (exceeded) parts.emplace_back("allowable deflection exceeded");
    if (notClosed) parts.emplace_back("iteration not closed");
    std::string text = parts.empty() ? "converged" : "not converged: " + parts[0];
    if (parts.size() > 1) text += ", " + parts[1];
    if (offCurve) text += converged() ? ", deflection off the p-y curves" : "; deflection off the p-y curves";
    return text;
}

std::vector<std::string> TSetSummary::warnings() const
{
    std::vector<std::string> w;
    if (offCurve) w.emplace_back(kOffCurve);
    if (exceeded) w.emplace_back(kExceeded);
    if (notClosed) w.emplace_back(kNotClosed);
    return w;
}

bool TRunSummary::reportComplete(const std::filesystem::path& report)
{
    // The last record is "END OF ANALYSIS" and its blanks: the tail suffices.
    std::error_code ec;
    if (!std::filesystem::is_regular_file(report, ec)) return false;
    std::ifstream in(report, std::ios::binary);
    if (!in) return false;
    in.seekg(0, std::ios::end);
    const std::streamoff size = in.tellg();
    if (size <= 0) return false;
    const std::streamoff from = std::max<std::streamoff>(0, size - 128);
    in.seekg(from);
    std::string text(static_cast<size_t>(size - from), '\0');
    if (!in.read(text.data(), static_cast<std::streamsize>(text.size()))) return false;
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) text.pop_back();
    static const std::string kLast = "END OF ANALYSIS";
    return text.size() >= kLast.size() && text.compare(text.size() - kLast.size(), kLast.size(), kLast) == 0;
}

std::vector<TSetSummary> TRunSummary::readReportSets(const std::filesystem::path& report)
{
    std::vector<TSetSummary> sets;
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind("     RESULTS -- ITERATION", 0) == 0) {
            TSetSummary s;
            s.iteration = std::atoi(line.c_str() + 25);
            sets.push_back(s);
        } else if (!sets.empty()) {
            if (line.find(kOffCurve) != std::string::npos) sets.back().offCurve = true;
            if (line.find(kExceeded) != std::string::npos) sets.back().exceeded = true;
            if (line.find("SOLUTION NOT CLOSED") != std::string::npos) sets.back().notClosed = true;
        }
    }
    return sets;
}

std::vector<std::string> TRunSummary::readReportErrors(const std::filesystem::path& report)
{
    std::vector<std::string> errors;
    std::ifstream in(report);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const size_t b = line.find_first_not_of(' ');
        if (b == std::string::npos) continue;
        std::string text = line.substr(b);
        while (!text.empty() && text.back() == ' ') text.pop_back();
        if (text.rfind("ERROR", 0) == 0 || text.rfind("TOO MUCH DATA", 0) == 0 || text.rfind("STOP", 0) == 0)
            errors.push_back(text);
    }
    return errors;
}

// A results block follows each set's pressure and p-y blocks; the last row
// is the fictitious station below the tip, which is not part of the wall.
void TRunSummary::readPlotExtremes(const std::filesystem::path& plot, std::vector<TSetSummary>& sets)
{
    std::ifstream in(plot, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Tokens tok(text);
    double v = 0;
    for (TSetSummary& s : sets) {
        long points = 0, units = 0, curves = 0, flag = 0, rows = 0;
        if (!tok.integer(points)) return;
        for (long k = 0; k < 4 * points; ++k)
            if (!tok.real(v)) return;
        if (!tok.integer(units) || !tok.integer(curves)) return;
        for (long c = 0; c < curves; ++c) {
            long n = 0;
            if (!tok.real(v) || !tok.integer(n)) return;
            for (long k = 0; k < 2 * n; ++k)
                if (!tok.real(v)) return;
        }
        if (!tok.integer(flag) || !tok.integer(rows) || !tok.integer(units)) return;
        s.units = static_cast<int>(units);
        for (long k = 0; k < rows; ++k) {
            double x = 0, w = 0, moment = 0, shear = 0, reaction = 0;
            if (!tok.real(x) || !tok.real(w) || !tok.real(moment) || !tok.real(shear) || !tok.real(reaction)) return;
            if (k + 1 == rows) break;
            keepLarger(s.deflection, w, x);
            keepLarger(s.moment, moment, x);
            keepLarger(s.shear, shear, x);
        }
        s.extremesRead = rows > 0;
    }
}

TRunSummary TRunSummary::ofFiles(const std::filesystem::path& dataFile, const TRunOutcome& outcome)
{
    TRunSummary summary;
    const bool engineRan = outcome.result == TRunResult::Completed;
    const std::filesystem::path report = TControlFile::report(dataFile);
    if (!engineRan || !(outcome.engineResult == kSoilStop || reportComplete(report))) {
        summary.end = End::Failed;
        if (engineRan)
            summary.errors.push_back("The report " + report.string() + " does not end as the engine ends it.");
        else if (!outcome.message.empty())
            summary.errors.push_back(outcome.message);
        return summary;
    }
    summary.report = report;
    if (outcome.hasSets) {
        for (const TSetEnd& e : outcome.sets) {
            TSetSummary s;
            s.iteration = e.iteration;
            s.offCurve = e.offCurve;
            s.exceeded = e.exceeded != 0;
            s.notClosed = e.notClosed != 0;
            summary.sets.push_back(s);
        }
    } else {
        summary.sets = readReportSets(report);
    }
    readPlotExtremes(TControlFile::plotData(dataFile), summary.sets);
    if (outcome.engineResult == kInputError || outcome.engineResult == kSoilStop) {
        summary.end = outcome.engineResult == kInputError ? End::InputError : End::SoilStop;
        summary.errors = readReportErrors(report);
        if (summary.errors.empty() && !outcome.engineMessage.empty()) summary.errors.push_back(outcome.engineMessage);
        return summary;
    }
    const bool converged =
        std::all_of(summary.sets.begin(), summary.sets.end(), [](const TSetSummary& s) { return s.converged(); });
    const bool offCurve =
        std::any_of(summary.sets.begin(), summary.sets.end(), [](const TSetSummary& s) { return s.offCurve; });
    summary.end = !converged ? End::NotConverged : offCurve ? End::Extrapolated : End::Converged;
    return summary;
}

TRunSummary TRunSummary::of(const TProject& project, const TRunOutcome& outcome)
{
    const TProgramData& d = project.data();
    TRunSummary summary = ofFiles(d.FileName, outcome);
    summary.units = TUnits::clamp(d.Units);
    for (size_t k = 0; k < summary.sets.size(); ++k) {
        TSetSummary& s = summary.sets[k];
        s.name = setName(d, k, summary.sets.size());
        // Depths as the graphs show them: feet for inches in English units.
        for (TExtreme* e : {&s.deflection, &s.moment, &s.shear})
            e->depth = TFileUnits::fromFile(e->depth, TFileQuantity::Depth, summary.units);
    }
    return summary;
}

std::string TRunSummary::endText() const
{
    switch (end) {
    case End::Converged: return "Every analysed set converged.";
    case End::Extrapolated: return "converged, but deflections lie beyond the p-y curves: the results are extrapolated";
    case End::NotConverged: return "The analysis ran to its end, but not every set converged.";
    case End::InputError: return "The analysis ended on an input error.";
    case End::SoilStop: return "The analysis was stopped by the soil package.";
    case End::Failed: break;
    }
    return "The analysis did not run to its end.";
}

std::string TRunSummary::deflectionUnit() const
{
    return TUnits::columnText("L", units);
}

std::string TRunSummary::momentUnit() const
{
    return TUnits::columnText("F-L", units);
}

std::string TRunSummary::shearUnit() const
{
    return TUnits::columnText("F", units);
}

std::string TRunSummary::depthUnit() const
{
    return TUnits::columnText("L2", units);
}

std::vector<std::string> TRunSummary::lines() const
{
    std::vector<std::string> out{endText()};
    for (const TSetSummary& s : sets) {
        out.push_back(s.name + ": " + s.ending() + " after " + std::to_string(s.iteration) +
                      (s.iteration == 1 ? " iteration" : " iterations"));
        if (!s.extremesRead) {
            out.push_back("  no results along the wall in the plot-data file");
            continue;
        }
        auto extreme = [&](const char* what, const TExtreme& e, const std::string& unit) {
            out.push_back(std::string("  largest ") + what + " " + number(e.value) + " " + unit + " at depth " +
                          number(e.depth) + " " + depthUnit());
        };
        extreme("deflection", s.deflection, deflectionUnit());
        extreme("moment", s.moment, momentUnit());
        extreme("shear", s.shear, shearUnit());
    }
    for (const std::string& e : errors) out.push_back(e);
    return out;
}

}  // namespace orvane
