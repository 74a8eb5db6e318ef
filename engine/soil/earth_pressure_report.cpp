#include "earth_pressure_report.hpp"

#include "io/banner.hpp"

namespace orvane::soil {

using fortran::Line;

void EarthPressureReport::valueLine(const char* text, double value, const std::string& label)
{
    Line line;
    line.x(6).a(text).e(10, 3, value);
    if (!label.empty()) line.x(1).a(label);
    out_.rec(line);
}

void EarthPressureReport::wallInformation(const WallConfiguration& wall, double gammaW)
{
    io::banner(out_, "*                WALL INFORMATION                *");
    valueLine("FREE HEIGHT OF WALL                    = ", wall.freeHeight, labels_.length);
    valueLine("WIDTH FOR EARTH PRESSURE, WA           = ", wall.activeWidth, labels_.length);
    valueLine("WIDTH FOR SOIL RESISTANCE, WP          = ", wall.resistanceWidth, labels_.length);
    valueLine("DEPTH TO THE WATER TABLE AT BACKFILL   = ", wall.waterBackfill, labels_.length);
    valueLine("DEPTH TO THE WATER TABLE AT EXCAVATION = ", wall.waterExcavation, labels_.length);
    valueLine("UNIT WEIGHT OF WATER                   = ", gammaW, labels_.unitWeight);
    valueLine("SLOPE OF THE BACKFILL (deg.)           = ", wall.slope, "");
    valueLine("MODIFICATION FOR ACTIVE EARTH PRESSURE = ", wall.modification, "");
}

void EarthPressureReport::surchargeRow(int number, const Surcharge& row)
{
    out_.rec(Line().x(6).a("SURCHARGE LOADING NO.        = ").i(10, number));
    if (row.kind() == SurchargeType::Strip) {
        valueLine("STRIP LOAD                   = ", row.magnitude, labels_.pressure);
        valueLine("WIDTH OF THE STRIP LOAD      = ", row.width, labels_.length);
        valueLine("HORIZONTAL DISTANCE BETWEEN  = ", row.distance, labels_.length);
        out_.rec(Line().x(6).a("WALL AND MIDDLE OF STRIP WIDTH          "));
        return;
    }
    if (row.kind() == SurchargeType::Line) valueLine("LINE LOAD                    = ", row.magnitude, labels_.forcePerLength);
    else valueLine("POINT LOAD                   = ", row.magnitude, labels_.force);
    valueLine("HORIZONTAL DISTANCE BETWEEN  = ", row.distance, labels_.length);
    out_.rec(Line().x(6).a("THE WALL AND SURCHARGE         "));
}

void EarthPressureReport::surchargeInformation(const SoilBlock& block)
{
    io::banner(out_, "*              SURCHARGE INFORMATION             *");
    valueLine("UNIFORM SURFACE PRESSURE     =", block.line.uniform, labels_.pressure);
    int number = 0;
    for (const Surcharge& row : block.surcharges) surchargeRow(++number, row);
}

void EarthPressureReport::soilInformation(const SoilProfile& profile)
{
    io::banner(out_, "*                SOIL INFORMATION                *");
    if (units_ == io::kEnglishUnits || units_ == io::kSiUnits) {
        const bool si = units_ == io::kSiUnits;
        out_.rec(Line().x(36).a("TOTAL UNIT"));
        out_.rec(Line().x(6).a("LAYER THICKNESS COHESION  PHI   WEIGHT   DRAINED  ZTOP"));
        out_.rec(Line().x(7).a(8, "NO.").a(9, si ? "M " : "IN").a(8, si ? "kPa" : "PSI").a(7, "DEG")
                     .a(8, si ? "kN/M^3" : "PCI").a(10, "T OR F").a(si ? " M " : "IN"));
    }
    for (int L = 1; L <= profile.NL(); ++L) {
        const WorkingLayer& w = profile.layer(L);
        out_.rec(Line().x(7).i(3, L).f(9, 1, w.thickness).f(11, 1, w.cohesion).f(6, 1, w.phi).f(9, 3, w.weight)
                     .x(5).a(w.drained ? "T" : "F").f(10, 2, w.ztop));
    }
}

void EarthPressureReport::overburden(const SoilProfile& profile)
{
    io::banner(out_, "*            EFFECTIVE OVERBURDEN STRESS         *");
    out_.rec("          DEPTH                     STRESS       ");
    out_.rec(Line().x(11).a(26, labels_.length).a(labels_.pressure));
    for (const WorkingLayer& w : profile.layers) out_.rec(Line().x(12).e(10, 3, w.ztop).x(17).e(10, 3, w.SIGVP));
}

void EarthPressureReport::coefficientHeading()
{
    io::banner(out_, "* ACTIVE AND PASSIVE EARTH PRESSURE COEFFICIENT  *");
    out_.rec("  LAYER         ACTIVE EARTH     PASSIVE EARTH   ");
    out_.rec("   NO.          COEFFICIENT      COEFFICIENT     ");
}

void EarthPressureReport::coefficientLine(int L, const WorkingLayer& w)
{
    out_.rec(Line().x(10).i(2, L).x(9).e(10, 3, w.Ka).x(8).e(10, 3, w.Kp));
}

void EarthPressureReport::slopeWarning(io::Records& out)
{
    out.blank(2);
    out.rec("**** WARNING ******");
    out.rec("THE BACKFILL SLOPE ANGLE SHOULD BE LESS THAN THE 'INTERNAL FRICTION ANGLE OF SAND.");
}

void EarthPressureReport::layerResultants(const SoilProfile& profile)
{
    io::banner(out_, "*      ACTIVE EARTH PRESSURE OF EACH LAYER       *");
    out_.rec(" LAYER    PA1     Z1       PA2     Z2         PA3     Z3        PA4");
    const std::string& force = labels_.forcePerLength;
    const std::string& length = labels_.length;
    out_.rec(Line().a("  NO").x(5).a(9, force).a(8, length).a(9, force).a(10, length).a(9, force).a(9, length)
                 .a(force));
    for (int L = 1; L < profile.LP; ++L) {
        const WorkingLayer& w = profile.layer(L);
        out_.rec(Line().x(6).i(2, L).x(1).f(10, 2, w.PA1).x(1).f(6, 2, w.Z1).x(1).f(10, 2, w.PA2).x(1)
                     .f(6, 2, w.Z2).x(1).f(10, 2, w.PA3).x(1).f(6, 2, w.Z3).x(1).f(10, 2, w.PA4));
    }
}

void EarthPressureReport::waterResultants(const SoilProfile& profile)
{
    io::banner(out_, "*      ACTIVE WATER PRESSURE OF EACH LAYER       *");
    out_.rec(" LAYER    PW1     Z1       PW2     Z2                ");
    out_.rec("  NO             ");
    for (int L = profile.LW; L < profile.LP; ++L) {
        const WorkingLayer& w = profile.layer(L);
        if (!w.drained) continue;
        out_.rec(Line().x(6).i(2, L).x(1).f(10, 2, -w.PW1).x(1).f(6, 2, w.Z1).x(1).f(10, 2, -w.PW2).x(1)
                     .f(6, 2, w.Z2));
    }
}

void EarthPressureReport::netForceNegative()
{
    out_.blank(2);
    out_.rec("     Net active pressure is negative.");
    out_.blank();
}

}  // namespace orvane::soil
