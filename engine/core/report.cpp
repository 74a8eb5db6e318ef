#include "report.hpp"

#include <array>

#include "io/banner.hpp"

namespace orvane::engine {

using fortran::Line;

void Report::banner(std::string_view framed, bool blankAfter) { io::banner(out_, framed, blankAfter); }

void Report::titleBlock(std::string_view version)
{
    out_.rec(Line().x(5).rep(73, '='));
    out_.blank();
    out_.rec(Line().x(20).a("  ORVANE for Windows, Version ").a(12, version));
    out_.blank();
    out_.rec(Line().x(20).a("   A Program for the Analysis of "));
    out_.rec(Line().x(20).a("   Flexible Retaining Walls "));
    out_.blank();
    out_.rec(Line().x(5).rep(73, '='));
    out_.blank(2);
}

void Report::fileNames(const std::string& directory, const std::string& dataName, const std::string& reportName,
                       const std::string& plotName)
{
    out_.rec(Line().x(5).a("Path to file locations      : ").a(directory));
    out_.rec(Line().x(5).a("Name of input data file     : ").a(dataName));
    out_.rec(Line().x(5).a("Name of output file         : ").a(reportName));
    out_.rec(Line().x(5).a("Name of plot output file    : ").a(plotName));
}

void Report::dateBlock(const std::tm& now)
{
    static const std::array<const char*, 12> months = {"January ", "February ", "March ",     "April ",
                                                        "May ",     "June ",     "July ",      "August ",
                                                        "September ", "October ", "November ", "December "};
    out_.rec(Line().x(5).rep(73, '-'));
    out_.rec(Line().x(26).a("Time and Date of Analysis"));
    out_.rec(Line().x(5).rep(73, '-'));
    out_.blank();
    int month = now.tm_mon >= 0 && now.tm_mon < 12 ? now.tm_mon : 0;
    out_.rec(Line()
                 .x(15).a("Date:  ").a(months[static_cast<size_t>(month)])
                 .i(2, 2, now.tm_mday).a(", ").i(4, now.tm_year + 1900)
                 .x(5).a("Time:  ").i(2, 2, now.tm_hour).a(":").i(2, 2, now.tm_min).a(":").i(2, 2, now.tm_sec));
}

void Report::stageCaseLine(int setCounter, std::string_view firstTitle)
{
    out_.blank();
    out_.rec(Line().x(6).a("Stage No :").i(2, setCounter).x(2).a(70, firstTitle));
}

void Report::titleCaseLine(std::string_view title)
{
    out_.blank();
    out_.rec(Line().x(6).a(70, title));
}

void Report::longTermCaseLine(std::string_view firstTitle)
{
    out_.blank();
    out_.rec(Line().x(6).a("Long Term :").x(2).a(70, firstTitle));
}

void Report::controlParameters(const ControlLine& c, const WallLine& w)
{
    banner("*        PROGRAM CONTROL PARAMETERS              *");
    auto param = [&](std::string_view text, long long v, int width) {
        out_.rec(Line().x(6).a(text).i(width, v));
    };
    param("NO OF POINTS FOR SPECIFIED DEFLECTIONS AND SLOPES  = ", c.NSDS, 2);
    param("NO OF POINTS FOR WALL STIFFNESS AND LOAD DATA      = ", c.NSTIFF, 2);
    param("GENERATE EARTH PRESSURE INTERNALLY                 = ", c.generatesEarthPressure() ? 1 : 0, 2);
    param("GENERATE SOIL RESISTANCE (P-Y) CURVES INTERNALLY   = ", c.generatesCurves() ? 1 : 0, 2);
    param("NO OF P-Y MODIFICATION FACTORS FOR GEN. P-Y CURVES = ", c.NPYMOD, 2);
    param("NO OF USER-SPECIFIED SOIL RESISTANCE (P-Y) CURVES  = ", c.NPYUSER, 2);
    param("NUMBER OF INCREMENTS                               = ", w.NI, 3);
    out_.rec(Line().x(6).a("INCREMENT LENGTH                                   = ").f(9, 3, w.h).a(labels.L3));
    out_.rec(Line().x(6).a("FREE HEIGHT OF WALL                                = ").f(9, 3, w.HFREE).a(labels.L3));
    out_.rec(Line().x(6).a("MAXIMUM ALLOWABLE DEFLECTION                       = ").f(9, 3, w.DMAX).a(labels.L3));
    out_.rec(Line().x(6).a("DEFLECTION CLOSURE TOLERANCE                       = ").es(9, 3, w.TOL).a(labels.L3));
}

void Report::restraintHeading()
{
    banner("*        SPECIFIED DEFLECTIONS AND SLOPES        *");
    out_.rec(Line().x(5).a("     STA      CASE       DEFLECTION        SLOPE"));
    out_.blank();
}

void Report::restraintLine(int station, int restraintCase, const Restraint& r)
{
    switch (restraintKind(restraintCase)) {
    case RestraintKind::Slope:
        out_.rec(Line().x(10).i(3, station).x(7).i(2, restraintCase).x(11).a("NONE").x(8).e(10, 3, r.slope));
        break;
    case RestraintKind::DeflectionAndSlope:
        out_.rec(Line().x(10).i(3, station).x(7).i(2, restraintCase).x(3).x(5).e(10, 3, r.deflection).x(5)
                     .e(10, 3, r.slope));
        break;
    case RestraintKind::Deflection:
        out_.rec(Line().x(10).i(3, station).x(7).i(2, restraintCase).x(8).e(10, 3, r.deflection).x(9).a("NONE"));
        break;
    }
}

void Report::noEntries()
{
    out_.blank();
    out_.rec(Line().x(20));
}

void Report::stiffnessHeading()
{
    banner("*        STIFFNESS AND LOAD DATA                 *", false);
    out_.rec(Line().x(6).a("EI - FLEXURAL RIGIDITY,  Q - TRANSVERSE LOAD,"));
    out_.rec(Line().x(6).a("S - STIFFNESS OF TRANSVERSE RESISTANCE,"));
    out_.rec(Line().x(6).a("T - TORQUE,              P - AXIAL LOAD,"));
    out_.rec(Line().x(6).a("R - STIFFNESS OF TORSIONAL RESISTANCE."));
    out_.blank();
    out_.rec("     FROM TO CONTD     EI         Q        S'        T         R         P");
    out_.blank();
    const io::UnitLabels& u = labels;
    out_.rec(Line().x(18).a(u.F4).a("-").a(u.L2).a("**").a("2").x(4).a(u.F4).x(4).a(u.F4).a("/").a(u.L2).x(3)
                 .a(u.L3).a("-").a(u.F3).x(2).a(u.L3).a("-").a(u.F3).x(4).a(u.F4));
}

void Report::rangeLine(RangeKind kind, int from, int to, int mode, const StationValues& v)
{
    Line l;
    switch (kind) {
    case RangeKind::StartsStretch: l.x(5).i(4, from).x(4).i(3, mode); break;
    case RangeKind::Single: l.x(5).i(4, from).i(4, to).i(3, mode); break;
    case RangeKind::EndsStretch: l.x(9).i(4, to).i(3, mode); break;
    }
    l.x(1).e(10, 3, v.EI).e(10, 3, v.Q).e(10, 3, v.S).e(10, 3, v.T).e(10, 3, v.R).e(10, 3, v.P);
    out_.rec(l);
}

void Report::pressureTable(const std::vector<PressurePoint>& points, int step)
{
    out_.blank(2);
    out_.rec(Line().x(8).a(" DEPTH         ACTIVE EARTH PRESSURE"));
    out_.rec(Line().x(8).x(1).a(labels.L3).x(17).a(labels.F4).a("/").a(labels.L2));
    out_.rec(Line().x(8).a("--------       ------------------------"));
    const size_t n = points.size();
    for (size_t k = 0; k < n; ++k) {
        if (isPrintedPoint(k, n, step)) out_.rec(Line().x(6).e(10, 3, points[k].depth).x(10).e(10, 3, points[k].total));
    }
}

void Report::userCurvesBanner() { banner("*     INPUTTED  SOIL RESISTANCE (P-Y) CURVES     *"); }

void Report::userCurveHeading()
{
    out_.blank();
    out_.rec("     FROM TO CONTD      P-MULTIPLIER  Y-MULTIPLIER'      POINTS     ");
}

void Report::userCurveSetLine(RangeKind kind, int station, int flag, double pMultiplier, double yMultiplier, int n)
{
    out_.blank();
    switch (kind) {
    case RangeKind::StartsStretch:
        out_.rec(Line().x(5).i(4, station).x(4).i(3, flag).x(5).e(14, 3, pMultiplier).e(14, 3, yMultiplier).x(10)
                     .i(3, n));
        break;
    case RangeKind::Single:
        out_.rec(Line().x(5).i(4, station).i(4, station).i(3, flag).x(5).e(14, 3, pMultiplier).e(14, 3, yMultiplier)
                     .x(8).i(4, n));
        break;
    case RangeKind::EndsStretch:
        out_.rec(Line().x(9).i(4, station).i(3, flag).x(5).e(14, 3, pMultiplier).e(14, 3, yMultiplier).x(10)
                     .i(3, n));
        break;
    }
}

void Report::userCurvePointHeading()
{
    out_.blank(2);
    out_.rec(Line().x(18).a("    Y    ").x(12).a("   P    "));
    out_.rec(Line().x(18).x(2).a(labels.L3).x(16).a(labels.F4).a("/").a(labels.L2));
    out_.rec(Line().x(18).a("---------").x(12).a("--------"));
}

void Report::userCurvePoint(double y, double p) { out_.rec(Line().x(17).e(10, 3, y).x(10).e(10, 3, p)); }

void Report::resultsHeading(const IterationEnd& end)
{
    out_.blank(2);
    out_.rec(Line().a("     RESULTS -- ITERATION").i(3, end.iteration));
    out_.rec("     --------------------");
    if (end.offCurve) {
        out_.blank();
        out_.rec("     ***** DEFLECTION OFF Q - W CURVES *****");
    }
    if (end.exceeded > 0) {
        out_.blank();
        out_.rec(Line().a("     ***** MAX ALLOWABLE DEFLECTION EXCEEDED AT ***").i(4, end.exceeded)
                     .a("  *** STATIONS *****"));
    }
    if (end.notClosed > 0) {
        out_.blank();
        out_.rec("     ***** SOLUTION NOT CLOSED WITHIN SPECIFIED'TOLERANCE *****");
    }
}

void Report::resultsTable(const std::vector<ResultRow>& rows)
{
    const io::UnitLabels& u = labels;
    out_.blank();
    out_.rec("   STA I      X         DEFL.       SLOPE      MOMENT      SHEAR    NET REACT/STA    EI ");
    out_.rec(Line().x(12).a(u.L3).x(9).a(u.L3).x(19).a(u.F3).a("-").a(u.L2).x(7).a(u.F4).x(8).a(u.F4).x(7)
                 .a(u.F3).a("-").a(u.L2).a("**").a("2"));
    out_.rec("   ------    ----        ----       -----      ------      ------    ---------    ----------");
    for (const ResultRow& r : rows) {
        if (&r == &rows.back()) break;  // the fictitious station below the tip is not printed
        out_.rec(Line().x(2).i(4, r.station).x(2).e(10, 3, r.x).e(12, 3, r.deflection).e(12, 3, r.slope)
                     .e(12, 3, r.moment).e(12, 3, r.shear).e(12, 3, r.reaction).e(12, 3, r.ei));
    }
}

void Report::inputError(const std::string& message)
{
    out_.blank(2);
    out_.rec(Line().x(5).a(message));
    if (message == kTooMuchData) out_.blank(2);
}

void Report::endOfAnalysis()
{
    out_.blank(3);
    out_.rec(Line().a("     END OF ANALYSIS").x(29));
}

}  // namespace orvane::engine
