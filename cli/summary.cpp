#include "summary.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string_view>

#include "messages.hpp"

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

// The numbers of a free-format text, one after the other, parsed in place.
class Tokens {
public:
    explicit Tokens(std::string_view text) : text_(text) {}
    bool real(double& v)
    {
        while (pos_ < text_.size() && isBlank(text_[pos_])) ++pos_;
        size_t end = pos_;
        while (end < text_.size() && !isBlank(text_[end])) ++end;
        if (end == pos_) return false;
        const char* first = text_.data() + pos_;
        const char* last = text_.data() + end;
        pos_ = end;
        if (*first == '+') ++first;  // from_chars takes no plus sign
        const auto [ptr, ec] = std::from_chars(first, last, v);
        return ec == std::errc() && ptr == last;
    }
    bool integer(long& v)
    {
        double d;
        if (!real(d)) return false;
        v = static_cast<long>(d);
        return true;
    }

private:
    static bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }
    std::string_view text_;
    size_t pos_ = 0;
};

void keepLarger(Extreme& e, double value, double depth)
{
    if (std::fabs(value) > std::fabs(e.value)) e = {value, depth};
}

}  // namespace

void readPlotExtremes(const std::filesystem::path& plot, std::vector<SetResult>& sets)
{
    std::ifstream in(plot, std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    Tokens tok(text);
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
        r.extremesRead = true;
    }
}

std::vector<std::string> SetResult::warnings() const
{
    std::vector<std::string> w;
    if (offCurve) w.emplace_back("DEFLECTION OFF Q - W CURVES");
    if (exceeded) w.emplace_back("MAX ALLOWABLE DEFLECTION EXCEEDED");
    if (notClosed) w.emplace_back("SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE");
    return w;
}

const char* lengthUnit(int units) { return units == 1 ? "in" : units == 2 ? "m" : "L"; }
const char* forceUnit(int units) { return units == 1 ? "lbs" : units == 2 ? "kN" : "F"; }
std::string momentUnit(int units) { return std::string(forceUnit(units)) + "-" + lengthUnit(units); }

bool reportComplete(const std::filesystem::path& report)
{
    // The last record is "END OF ANALYSIS" and its blanks: the tail suffices.
    const int fd = ::open(report.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    char tail[128];
    ssize_t n = -1;
    if (::fstat(fd, &st) == 0 && S_ISREG(st.st_mode)) {
        const off_t from = st.st_size > static_cast<off_t>(sizeof tail) ? st.st_size - static_cast<off_t>(sizeof tail) : 0;
        n = ::pread(fd, tail, sizeof tail, from);
    }
    ::close(fd);
    if (n <= 0) return false;
    std::string text(tail, static_cast<size_t>(n));
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r' || text.back() == '\n')) text.pop_back();
    static const std::string kLast = "END OF ANALYSIS";
    return text.size() >= kLast.size() && text.compare(text.size() - kLast.size(), kLast.size(), kLast) == 0;
}

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
    for (size_t k = 0; k < job.sets.size(); ++k) text += formatSet(static_cast<int>(k + 1), job.sets[k]) + "\n";
    text += indented(job.message) + "\n";
    for (const std::string& e : job.errors) text += "  " + e + "\n";
    if (!job.detail.empty()) text += "  " + job.detail + "\n";
    if (!job.report.empty()) text += "  report: " + job.report + "\n";
    return text;
}

}  // namespace orvane::cli
