#include "input_reader.hpp"

#include <cmath>
#include <fstream>

#include "core/numbers.hpp"
#include "io/records.hpp"
#include "core/py_curves.hpp"
#include "core/range_scheme.hpp"
#include "core/tieback.hpp"
#include "soil/py_generation.hpp"

namespace orvane::engine {

ControlLine readControlLine(io::FreeReader& in)
{
    ControlLine c;
    in.startStatement();
    c.units = in.integer();
    c.NSDS = in.integer();
    c.NSTIFF = in.integer();
    c.NPYMOD = in.integer();
    c.earthPressureCode = static_cast<soil::EarthPressureCode>(in.integer());
    c.pyCode = static_cast<PyCode>(in.integer());
    c.NPYUSER = in.integer();
    c.stageCount = in.integer();
    c.NMEI = in.integer();
    c.NTIE = in.integer();
    return c;
}

void SetReader::read(SetData& set, StationTables& tables, SoilState& soil)
{
    supportCount_ = 0;
    pressureStep_ = 1;
    readWallLine(set);
    tables.clear();
    readRestraints(set, tables);
    if (set.control.NSTIFF > 0) {
        readStiffness(set, tables);
        readConcentratedLoads(set, tables);
        readSpringsAndTiebacks(set, tables);
        readPyModifications(set);
        if (set.control.userPressure()) readUserPressure(set);
        if (set.generatesEarthPressure() || set.generatesCurves()) readSoilBlock(set, soil.block);
        if (set.generatesEarthPressure()) generateEarthPressure(set, soil);
        if (set.control.userPressure()) addSurcharges(set, soil);
        loadEarthPressure(set, tables);
    } else {
        report_.noEntries();
        plot_.noEarthPressure();
    }
    checkBeyondTip(set, tables);
    readCurves(set, soil);
    readMomentEiSets(set);
}

void SetReader::readWallLine(SetData& set)
{
    WallLine& w = set.wall;
    in_.startStatement();
    w.NI = in_.integer();
    w.h = in_.real();
    w.DMAX = in_.real();
    w.TOL = in_.real();
    w.HFREE = in_.real();
    w.Wa = in_.real();
    report_.controlParameters(set.control, w);
    if (w.NI > kMaxIncrements) throw InputError(kTooMuchData);
    if (w.NI < 1) throw InputError("ERROR -- THE NUMBER OF INCREMENTS MUST BE AT LEAST 1");
    if (!(w.h > 0)) throw InputError("ERROR -- THE INCREMENT LENGTH MUST BE GREATER THAN ZERO");
}

void SetReader::readRestraints(SetData& set, StationTables& tables)
{
    const int count = set.control.NSDS;
    if (count > kMaxRestraints) throw InputError(kTooMuchData);
    if (count <= 0) {
        report_.noEntries();
        return;
    }
    report_.restraintHeading();
    int previous = -1;
    for (int k = 0; k < count; ++k) {
        in_.startStatement();
        const int restraintCase = in_.integer();
        const int station = in_.integer();
        Restraint r;
        r.deflection = in_.real();
        r.slope = in_.real();
        report_.restraintLine(station, restraintCase, r);
        if (station < previous) throw InputError(kNotInOrder);
        if (station > set.wall.NI + 2) throw InputError(kBeyondEnd);
        previous = station;
        switch (restraintKind(restraintCase)) {
        case RestraintKind::Deflection:
            tables.KODE(station) = StationCode::Deflection;
            break;
        case RestraintKind::Slope:
            tables.KODE(station - 1) = StationCode::BeforeSlope;
            tables.KODE(station + 1) = StationCode::AfterSlope;
            break;
        case RestraintKind::DeflectionAndSlope:
            tables.KODE(station - 1) = StationCode::BeforeSlope;
            tables.KODE(station) = StationCode::DeflectionAndSlope;
            tables.KODE(station + 1) = StationCode::AfterSlope;
            break;
        }
        set.restraints.push_back(r);
    }
}

namespace {

StationValues atStation(const StationTables& t, int s, double Q, double S, double T, double R, double P)
{
    StationValues v;
    v.EI = inStationTable(s) ? t.EI(s) : 0.0;
    v.Q = Q;
    v.S = S;
    v.T = T;
    v.R = R;
    v.P = P;
    return v;
}

}  // namespace

void SetReader::readStiffness(SetData& set, StationTables& tables)
{
    report_.stiffnessHeading();
    RangeSequence<1> seq({&tables.EI}, set.wall.NI);
    for (int k = 0; k < set.control.NSTIFF; ++k) {
        in_.startStatement();
        const int from = in_.integer();
        const int to = in_.integer();
        const int mode = in_.integer();
        const double ei = in_.real();
        StationValues v;
        v.EI = ei;
        const RangeKind kind = seq.apply(from, to, mode, {ei});
        report_.rangeLine(kind, from, to, mode - 1, v);
    }
}

void SetReader::readConcentratedLoads(SetData& set, StationTables& tables)
{
    in_.startStatement();
    const int count = in_.integer();
    if (count > kMaxCoupleLines) throw InputError(kTooMuchData);
    const double h = set.wall.h;
    RangeSequence<3> seq({&tables.Q, &tables.T, &tables.P}, set.wall.NI);
    for (int k = 0; k < count; ++k) {
        in_.startStatement();
        const int mode = in_.integer();
        const int from = in_.integer();
        const int to = in_.integer();
        const double Q = in_.real();
        const double T = in_.real();
        const double P = in_.real();
        const RangeKind kind = seq.apply(from, to, mode, {Q, T, -P});
        if (T != 0.0) set.couples.push_back({from, T / (2.0 * h)});
        report_.rangeLine(kind, from, to, mode - 1, atStation(tables, from, Q, 0, T, 0, P));
    }
}

void SetReader::readSpringsAndTiebacks(SetData& set, StationTables& tables)
{
    const double h = set.wall.h;
    in_.startStatement();
    const int count = in_.integer();
    RangeSequence<3> seq({&tables.Q, &tables.S, &tables.R}, set.wall.NI);
    bool first = true;
    auto firstLine = [&](int from, int to) {
        if (first && from == to) set.firstSupportDepth = from * h;
        first = false;
    };
    for (int k = 0; k < count; ++k) {
        in_.startStatement();
        const int from = in_.integer();
        const int to = in_.integer();
        const int mode = in_.integer();
        const double S = in_.real();
        const double R = in_.real();
        const RangeKind kind = seq.apply(from, to, mode, {0.0, S, R});
        firstLine(from, to);
        if (from == to) ++supportCount_;
        if (k == count - 1 && from == to) set.lastSupportDepth = from * h;
        report_.rangeLine(kind, from, to, mode - 1, atStation(tables, from, 0, S, 0, R, 0));
    }
    for (int k = 0; k < set.control.NTIE; ++k) {
        in_.startStatement();
        TiebackLine line;
        line.depth = in_.real();
        line.area = in_.real();
        line.modulus = in_.real();
        line.unbondedLength = in_.real();
        line.angle = in_.real();
        line.spacing = in_.real();
        line.prestress = in_.real();
        const TiebackRecord t = tiebackRecord(line, set.control.units, h, set.wall.Wa);
        const RangeKind kind = seq.apply(t.station, t.station, kHeldRange, {t.Q, t.S, 0.0});
        firstLine(t.station, t.station);
        ++supportCount_;
        set.lastSupportDepth = t.station * h;
        report_.rangeLine(kind, t.station, t.station, kHeldRange - 1, atStation(tables, t.station, t.Q, t.S, 0, 0, 0));
    }
}

void SetReader::readPyModifications(SetData& set)
{
    for (int k = 0; k < set.control.NPYMOD; ++k) {
        in_.startStatement();
        PyModification m;
        m.depth = in_.real();
        m.pFactor = in_.real();
        m.yFactor = in_.real();
        set.pyModifications.push_back(m);
    }
}

void SetReader::readUserPressure(SetData& set)
{
    in_.startStatement();
    const int count = in_.integer();
    if (count > kMaxPressurePoints) throw InputError(kTooMuchData);
    for (int k = 0; k < count; ++k) {
        in_.startStatement();
        PressurePoint p;
        p.depth = in_.real();
        p.total = in_.real();
        p.soil = p.total;
        set.pressure.push_back(p);
    }
    report_.banner("*        SPECIFIED ACTIVE EARTH PRESSURE         *");
    report_.pressureTable(set.pressure, 1);
}

void SetReader::readSoilBlock(SetData& set, soil::SoilBlock& soilBlock)
{
    soil::SoilBlock b;
    b.present = true;
    in_.startStatement();
    b.wall.freeHeight = in_.real();
    b.wall.activeWidth = in_.real();
    b.wall.resistanceWidth = in_.real();
    b.wall.waterBackfill = in_.real();
    b.wall.waterExcavation = in_.real();
    b.wall.modification = in_.real();
    b.wall.waterFlag = in_.integer();
    b.wall.slope = in_.real();

    in_.startStatement();
    b.line.uniform = in_.real();
    b.line.distance = in_.real();
    b.line.pointLoad = in_.real();
    b.line.lineLoad = in_.real();
    b.line.stripLoad = in_.real();
    b.line.stripWidth = in_.real();

    in_.startStatement();
    const int surcharges = in_.integer();
    const double scale = set.control.units == io::kSiUnits ? 1.0 / 1000.0 : 1.0;  // mm to m
    for (int k = 0; k < surcharges; ++k) {
        in_.startStatement();
        soil::Surcharge s;
        s.type = in_.integer();
        s.magnitude = in_.real();
        s.distance = in_.real() * scale;
        s.width = in_.real() * scale;
        b.surcharges.push_back(s);
    }

    in_.startStatement();
    const int layers = in_.integer();
    if (layers > soil::kMaxInputLayers) throw InputError(kTooMuchData);
    double previousBottom = 0;
    for (int k = 0; k < layers; ++k) {
        soil::InputLayer L;
        in_.startStatement();
        L.type = soil::soilType(in_.integer());
        const double bottom = in_.real();
        L.thickness = k == 0 ? bottom : bottom - previousBottom;
        previousBottom = bottom;
        for (auto* line : {&L.top, &L.bottom}) {
            in_.startStatement();
            for (double& v : *line) v = in_.real();
        }
        b.layers.push_back(L);
    }
    soilBlock = std::move(b);
}

void SetReader::generateEarthPressure(SetData& set, SoilState& soil)
{
    soil::EarthPressureInput input;
    input.block = &soil.block;
    input.code = set.control.earthPressureCode;
    input.units = set.control.units;
    input.wallLength = set.wall.NI * set.wall.h;
    input.freeHeight = set.wall.HFREE;
    input.supportCount = supportCount_;
    input.firstSupportDepth = set.firstSupportDepth;
    input.lastSupportDepth = set.lastSupportDepth;
    soil.package.generate(input, report_.labels, report_.records(), notes_, workDir_);

    std::string bytes;
    if (!io::readScratch(workDir_ / soil::kPressureFileName, bytes))
        throw InputError("ERROR -- THE EARTH-PRESSURE FILE CANNOT BE READ");
    io::FreeReader in(std::move(bytes));
    in.startStatement();
    const int count = in.integer();
    if (count > kMaxPressurePoints) throw InputError(kTooMuchData);
    const soil::WallConfiguration& wall = soil.block.wall;
    for (int k = 0; k < count; ++k) {
        in.startStatement();
        PressurePoint p;
        p.depth = in.real();
        p.total = in.real();
        p.soil = in.real();
        p.surcharge = in.real();
        // Above the excavation the pressure acts on the width Wa, below it on Wp.
        const double width = p.depth <= set.wall.HFREE ? wall.activeWidth : wall.resistanceWidth;
        p.total *= width;
        p.soil *= width;
        p.surcharge *= width;
        set.pressure.push_back(p);
    }
    if (count > 50 && set.control.units == io::kEnglishUnits) pressureStep_ = 6;
    if (count > 50 && set.control.units == io::kSiUnits) pressureStep_ = 4;
    report_.pressureTable(set.pressure, pressureStep_);
}

void SetReader::addSurcharges(SetData& set, const SoilState& soil)
{
    // Only a soil block read with this set brings surcharges; one kept from an
    // earlier set belongs to another analysis.
    if (!set.generatesCurves() || soil.block.surcharges.empty()) return;
    const double wallLength = set.wall.NI * set.wall.h;
    for (PressurePoint& p : set.pressure) {
        p.surcharge = set.wall.Wa * soil.package.surchargePressure(soil.block, wallLength, set.wall.HFREE, p.depth);
        p.total = p.soil + p.surcharge;
    }
}

void SetReader::loadEarthPressure(SetData& set, StationTables& tables)
{
    const soil::EarthPressureCode code = set.control.earthPressureCode;
    if (code == soil::EarthPressureCode::None || set.pressure.empty()) {
        if (code == soil::EarthPressureCode::None) plot_.noEarthPressure();
        else plot_.earthPressure(set.pressure, pressureStep_);
        return;
    }
    plot_.earthPressure(set.pressure, pressureStep_);

    const double h = set.wall.h;
    const int NI = set.wall.NI;
    const std::vector<PressurePoint>& pts = set.pressure;
    const double zmax = code == soil::EarthPressureCode::User ? pts.back().depth : set.wall.HFREE;
    int n = nearestInt(zmax / h);
    if (n > NI + 3) n = NI + 3;  // nothing below the fictitious stations reaches the wall
    double value = 0;
    for (int s = 1; s <= n; ++s) {
        const double z = s * h;
        size_t i = 0;
        while (i < pts.size() && pts[i].depth < z) ++i;
        if (i < pts.size()) {
            const double p1 = pts[i].total * h;
            if (i == 0 || pts[i].depth == pts[i - 1].depth) {
                value = p1;  // no point above to interpolate from
            } else {
                const double p0 = pts[i - 1].total * h;
                value = p0 + (p1 - p0) * (z - pts[i - 1].depth) / (pts[i].depth - pts[i - 1].depth);
            }
        }
        tables.Q(s) += value;
    }
}

void SetReader::checkBeyondTip(const SetData& set, const StationTables& t)
{
    const int NI = set.wall.NI;
    const double sum = t.EI(NI + 1) + t.EI(NI + 2) + t.T(NI + 1) + t.T(NI + 2) + t.R(NI + 1) + t.R(NI + 2) +
                       t.P(NI + 1) + t.P(NI + 2) + t.Q(NI + 1) + t.S(NI + 1);
    if (sum != 0.0) throw InputError(kBeyondEnd);
}

void SetReader::readCurves(SetData& set, SoilState& soil)
{
    CurveContext ctx{in_, report_, plot_, set};
    if (!set.generatesCurves()) {
        if (set.control.NPYUSER > 0) readUserCurves(ctx);
        else plot_.ints({set.control.units, 0});
        return;
    }
    const bool withUserSets = set.control.NPYUSER > 0;
    if (withUserSets) readUserCurvesBesideGenerated(ctx);

    soil::PyGenerationInput input;
    input.block = &soil.block;
    input.units = set.control.units;
    input.NI = set.wall.NI;
    input.h = set.wall.h;
    input.sigvpAtExcavation = soil.package.overburdenAtExcavation();
    for (const PyModification& m : set.pyModifications) input.modifications.push_back({m.depth, m.pFactor, m.yFactor});
    for (const UserCurveSet& u : set.userCurves) input.userSets.push_back({u.station, u.y, u.p});
    soil::generateCurves(input, report_.labels, report_.records(), workDir_);
    // The free height of the wall-configuration line governs the rest of the set.
    set.wall.HFREE = soil.block.wall.freeHeight;
    readExchangeFile(workDir_ / soil::kExchangeFileName, ctx, withUserSets);
}

void SetReader::readMomentEiSets(SetData& set)
{
    const int count = set.control.NMEI;
    if (count > kMaxMeiSets) throw InputError(kTooMuchData);
    for (int k = 0; k < count; ++k) {
        MeiSet m;
        in_.startStatement();
        m.from = in_.integer();
        m.to = in_.integer();
        const int n = in_.integer();
        if (n > kMaxMeiPoints) throw InputError(kTooMuchData);
        if (n < 2) throw InputError("ERROR -- A MOMENT-EI CURVE NEEDS AT LEAST TWO POINTS");
        if (m.to < m.from || m.from < 0) throw InputError(kNotInOrder);
        if (m.to > set.wall.NI) throw InputError(kBeyondEnd);
        for (int j = 0; j < n; ++j) {
            in_.startStatement();
            m.M.push_back(in_.real());
            m.EI.push_back(in_.real());
        }
        set.mei.push_back(std::move(m));
    }
}

}  // namespace orvane::engine
