#pragma once
// The fixed-column output report: header, input echo, curve sections, results.
// Each method writes one section exactly in the report's layout.

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "core/set_data.hpp"
#include "io/unit_labels.hpp"
#include "io/records.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::engine {

inline constexpr const char* kTooMuchData = soil::kStorageExceeded;
inline constexpr const char* kNotInOrder = "ERROR STOP -- STATIONS NOT IN ORDER";
inline constexpr const char* kBeyondEnd = "ERROR -- NON-ZERO TABLE 4 DATA BEYOND END";

// Pressure points listed in the report and the plot-data file: every step-th
// point (0-based index k of n) and the last one.
constexpr bool isPrintedPoint(size_t k, size_t n, int step)
{
    return (k + 1) % static_cast<size_t>(step) == 0 || k + 1 == n;
}

struct ResultRow {
    int station = 0;
    double x = 0, deflection = 0, slope = 0, moment = 0, shear = 0, reaction = 0, ei = 0;
};

// How one line of a range sequence is echoed: the kind decides which of
// from/to is printed.
enum class RangeKind { Single, StartsStretch, EndsStretch };

struct StationValues {
    double EI = 0, Q = 0, S = 0, T = 0, R = 0, P = 0;
};

struct IterationEnd {
    int iteration = 0;
    bool offCurve = false;
    int exceeded = 0;
    int notClosed = 0;
};

class Report {
public:
    explicit Report(io::Records& out) : out_(out) {}

    io::UnitLabels labels = io::UnitLabels::generic();
    io::Records& records() { return out_; }

    void blank(int n = 1) { out_.blank(n); }
    void rec(const std::string& s) { out_.rec(s); }
    void rec(const fortran::Line& l) { out_.rec(l); }
    void banner(std::string_view framed, bool blankAfter = true);

    void titleBlock(std::string_view version);
    void fileNames(const std::string& directory, const std::string& dataName, const std::string& reportName,
                   const std::string& plotName);
    void dateBlock(const std::tm& now);
    void stageCaseLine(int setCounter, std::string_view firstTitle);
    void titleCaseLine(std::string_view title);
    void longTermCaseLine(std::string_view firstTitle);

    void controlParameters(const ControlLine& c, const WallLine& w);
    void restraintHeading();
    void restraintLine(int station, int restraintCase, const Restraint& r);
    void noEntries();  // an empty line and 20 blanks
    void stiffnessHeading();
    void rangeLine(RangeKind kind, int from, int to, int mode, const StationValues& v);
    void pressureTable(const std::vector<PressurePoint>& points, int step);

    void userCurvesBanner();
    void userCurveHeading();
    void userCurveSetLine(RangeKind kind, int station, int flag, double pMultiplier, double yMultiplier, int n);
    void userCurvePointHeading();
    void userCurvePoint(double y, double p);

    void resultsHeading(const IterationEnd& end);
    // Rows of stations 0..NI+1; the last one is left out of the report.
    void resultsTable(const std::vector<ResultRow>& rows);
    // An input error: two empty records, the message (and two more after the
    // storage message).
    void inputError(const std::string& message);
    void endOfAnalysis();

private:
    io::Records& out_;
};

}  // namespace orvane::engine
