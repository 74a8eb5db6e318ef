#include "model/TProjectTables.hpp"

#include "model/TEnumColumn.hpp"
#include "model/TFloatColumn.hpp"
#include "model/TIntColumn.hpp"
#include "model/TTableColumn.hpp"
#include "model/TUnits.hpp"

#include "soil/soil_type.hpp"

#include <algorithm>
#include <climits>

namespace orvane {

namespace {

using Lines = std::vector<std::string>;

// Node numbers of the range tables: the start is limited a little below the
// integer range, the end is not.
constexpr int kStartNodeMax = 2147483600;

void define(TGridTable& table, int identifier, const char* caption, int minRows, int maxRows)
{
    table.setIdentifier(identifier);
    table.setCaption(caption);
    table.setMinRows(minRows);
    table.setMaxRows(maxRows);
}

void choice(TGridTable& table, Lines captions, Lines choices)
{
    table.addColumn(std::make_unique<TEnumColumn>(std::move(captions), std::move(choices)));
}

void integer(TGridTable& table, Lines captions, int defaultValue, int minimum = INT_MIN, int maximum = INT_MAX)
{
    table.addColumn(std::make_unique<TIntColumn>(std::move(captions), defaultValue, minimum, maximum));
}

void real(TGridTable& table, Lines captions, const char* label = "", double defaultValue = 0.0)
{
    table.addColumn(std::make_unique<TFloatColumn>(std::move(captions), label, defaultValue));
}

void link(TGridTable& table, Lines captions, std::vector<int> templates)
{
    table.addColumn(std::make_unique<TTableColumn>(std::move(captions), std::move(templates)));
}

// Identifiers of the soil-parameter tables.
constexpr int kClayTable = 18;
constexpr int kSandTable = 17;
constexpr int kSiltTable = 29;
constexpr int kStrongRockTable = 30;
constexpr int kWeakRockTable = 31;

// Per soil type, in the order of the codes, as the layer tables choose them:
// the choice's text and the parameter table its Edit Soil Parameters link opens.
struct TSoilChoice {
    soil::SoilType type;
    const char* text;
    int parameters;
};

constexpr TSoilChoice kSoilChoices[] = {
    {soil::SoilType::SoftClay, "Soft Clay", kClayTable},
    {soil::SoilType::StiffClayBelowWater, "Stiff Clay with Free Water", kClayTable},
    {soil::SoilType::StiffClayAboveWater, "Stiff Clay w/o Free Water", kClayTable},
    {soil::SoilType::Sand, "Sand", kSandTable},
    {soil::SoilType::Silt, "Silt (c-phi soil)", kSiltTable},
    {soil::SoilType::StrongRock, "Strong Rock", kStrongRockTable},
    {soil::SoilType::WeakRock, "Weak Rock", kWeakRockTable},
};

static_assert([] {
    int code = soil::kFirstSoilType;
    for (const TSoilChoice& c : kSoilChoices)
        if (soil::code(c.type) != code++) return false;
    return code == soil::kLastSoilType + 1;
}(), "one soil choice per code, in the order of the codes");

Lines soilTypeTexts()
{
    Lines texts;
    for (const TSoilChoice& c : kSoilChoices) texts.emplace_back(c.text);
    return texts;
}

std::vector<int> soilParameterTables()
{
    std::vector<int> tables;
    for (const TSoilChoice& c : kSoilChoices) tables.push_back(c.parameters);
    return tables;
}

void wallTables(TProjectTables& t)
{
    define(t.PileSect, 15, "Wall Stiffness", 1, 10);
    integer(t.PileSect, {"From Node No. (Start)"}, 0, 0, kStartNodeMax);
    integer(t.PileSect, {"To Node No. (End)"}, 1, 0, INT_MAX);
    choice(t.PileSect, {"Constant or Interpolate?"},
           {"Use Constant Value for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"});
    real(t.PileSect, {"Flexural Stiffness (EI)"}, "F-L^2");

    define(t.SoilLayer, 0, "Specify Deflection and Slope on Wall", 1, 10);
    choice(t.SoilLayer, {"Case"}, {"Specify Deflection", "Specify Slope"});
    integer(t.SoilLayer, {"Nodal No."}, 0, 0, kStartNodeMax);
    real(t.SoilLayer, {"Deflection"}, "L");
    real(t.SoilLayer, {"Slope"});

    define(t.BoundCond, 123, "Concentrated Loads on Wall", 1, 20);
    choice(t.BoundCond, {"Constant or Interpolate?"},
           {"Use Constant Values for all Nodes on this Line", "Linear Interpolate to End Node of Next Line"});
    integer(t.BoundCond, {"From Node No.", "(Start)"}, 0, 0, kStartNodeMax);
    integer(t.BoundCond, {"To Node No.", "(End)"}, 1, 0, INT_MAX);
    real(t.BoundCond, {"Lateral Load"}, "F");
    real(t.BoundCond, {"Moment"}, "F-L");
    real(t.BoundCond, {"Axial Load"}, "F");

    define(t.SoilStrength, 4, "Lateral Spring and Rotation Spring", 1, 20);
    choice(t.SoilStrength, {"Constant or Interpolate?"},
           {"Use Constant Values for all Nodes on this Line  ", "Linear Interpolate to End Node of Next Line"});
    integer(t.SoilStrength, {"From Node No.", "     (Start)"}, 0, 0, INT_MAX);
    integer(t.SoilStrength, {"To Node No.", "   (End)"}, 0, INT_MIN, INT_MAX);
    real(t.SoilStrength, {"Lateral Spring", "Stiffness"}, "F/L");
    real(t.SoilStrength, {"Rotational Spr.", "Stiff."}, "F-L/RAD.");

    define(t.TiebackTable1, 77, "Tieback (ground anchor) Table", 1, 20);
    real(t.TiebackTable1, {"Depth from top", "of wall,"}, "L2");
    real(t.TiebackTable1, {"Cross sectional area", "of steel rod,"}, "L1^2");
    real(t.TiebackTable1, {"Elastic modulus", "of steel,"}, "F/L^2");
    real(t.TiebackTable1, {"Unbonded anchor", "length,"}, "L2");
    real(t.TiebackTable1, {"Angle from", "horizontal,"}, "DEG.");
    real(t.TiebackTable1, {"Anchor spacing", "in each row,"}, "L2");
    real(t.TiebackTable1, {"Prestressing Force"}, "F");
}

void loadTables(TProjectTables& t)
{
    define(t.PYMod, 16, "p-y Modification Factors", 2, 30);
    real(t.PYMod, {"Depth"}, "L2");
    real(t.PYMod, {"p-Multiplier"}, "", 1.0);
    real(t.PYMod, {"y-Multiplier"}, "", 1.0);

    for (auto [table, identifier, caption, maxRows] :
         {std::tuple{&t.DistLoad, 22, "Distributed Loads", 100}, {&t.LongDist, 104, "Distributed Load (Long-Term)", 0}}) {
        define(*table, identifier, caption, table == &t.DistLoad ? 2 : 1, maxRows);
        real(*table, {"Depth measured from the top of the wall,"}, "L2");
        real(*table, {"Lateral distributed line load,"}, "F/L2");
    }

    define(t.SurchargeTable, 23, "Surcharge Loads", 1, 20);
    choice(t.SurchargeTable, {"Load Types"}, {"Point Load", "Line Load", "Strip Load"});
    real(t.SurchargeTable, {"Load Magnitude"}, "SEE NOTES");
    real(t.SurchargeTable, {"Distance, X"}, "L1");
    real(t.SurchargeTable, {"Width of Strip Load, W"}, "L1");
}

void soilTables(TProjectTables& t)
{
    for (auto [table, identifier, caption] :
         {std::tuple{&t.NewSoil, 19, "Soil Layers"}, {&t.LongSoil, 44, "Soil Layers (Long-Term)"}}) {
        define(*table, identifier, caption, 1, 10);
        choice(*table, {"Soil Type"}, soilTypeTexts());
        real(*table, {"Depth at Bottom", "of the Layer,"}, "L2");
        link(*table, {"Edit Soil", "Parameters"}, soilParameterTables());
    }

    define(t.TblClay1, kClayTable, "Clay", 2, 2);
    real(t.TblClay1, {"Total Unit", "Weight,"}, "F/L2^3");
    real(t.TblClay1, {"Cohesive", "Strength,"}, "F/L2^2");
    real(t.TblClay1, {"E50"});
    real(t.TblClay1, {"k(py)"}, "F/L^3");
    real(t.TblClay1, {"Optional Earth", "Pressure Coefficient"});

    define(t.TblSand1, kSandTable, "Sand", 2, 2);
    real(t.TblSand1, {"Total Unit", "Weight,"}, "F/L2^3");
    real(t.TblSand1, {"Friction", "Angle, deg."});
    real(t.TblSand1, {"k(py)"}, "F/L^3");
    real(t.TblSand1, {"Optional Earth", "Pressure Coefficient"});

    define(t.TblSilt1, kSiltTable, "Silt", 2, 2);
    real(t.TblSilt1, {"Total Unit ", "Weight,"}, "F/L2^3");
    real(t.TblSilt1, {"Friction", "Angle, deg."});
    real(t.TblSilt1, {"Cohesive", "Strength,"}, "F/L2^2");
    real(t.TblSilt1, {"E50"});
    real(t.TblSilt1, {"K(py)"}, "F/L^3");
    real(t.TblSilt1, {"Optional Earth", "Pressure Coefficient"});

    define(t.TblRock1, kStrongRockTable, "Strong Rock", 2, 2);
    real(t.TblRock1, {"Total Unit", "Weight,"}, "F/L2^3");
    real(t.TblRock1, {"Uniaxial Compressive", "Strength,"}, "F/L^2");

    define(t.TblRock2, kWeakRockTable, "Weak Rock", 2, 2);
    real(t.TblRock2, {"Total Unit", "Weight,"}, "F/L2^3");
    real(t.TblRock2, {"Uniaxial Compressive", "Strength,"}, "F/L^2");
    real(t.TblRock2, {"krm *"});
    real(t.TblRock2, {"Elastic", "Modulus,"}, "F/L^2");
    real(t.TblRock2, {"RQD", "%"});
}

void curveTables(TProjectTables& t)
{
    define(t.PYCurves2, 37, "Sets of Ext. p-y Curves", 2, 30);
    integer(t.PYCurves2, {"Node # "}, 0);
    link(t.PYCurves2, {"curve"}, {38});
    real(t.PYCurves2, {"Multiplier for p-value"}, "", 1.0);
    real(t.PYCurves2, {"Multiplier for y-value"}, "", 1.0);

    define(t.PYCurve2, 38, "External p-y Curve", 2, 17);
    t.PYCurve2.setChart(0, 1);
    t.PYCurve2.setGetDataFromFile(true);
    real(t.PYCurve2, {"Lateral Deflection, y (*)"}, "L");
    real(t.PYCurve2, {"Soil Resistance, p"}, "F/L");

    define(t.MEICurves2, 36, "Nonlinear Moment vs EI Curves", 1, 20);
    integer(t.MEICurves2, {"From Node No. (Start)"}, 0, 0, 1000);
    integer(t.MEICurves2, {"To Node No. (End)"}, 0, 0, 1000);
    link(t.MEICurves2, {"curve"}, {0});

    define(t.Rows2, 0, "Moment and EI data", 1, 100);
    t.Rows2.setChart(0, 1);
    t.Rows2.setGetDataFromFile(true);
    real(t.Rows2, {"Bending moment"}, "F-L");
    real(t.Rows2, {"Flexural rigidity"}, "F-L^2");
}

// The magnitude column holds three kinds of load: the note gives the unit
// of each in the project's unit system.
std::string surchargeNote(int units)
{
    return "The unit for point load is " + TUnits::columnText("F", units) + "\rThe unit for line load is " +
           TUnits::columnText("F/L", units) + "\rThe unit for strip load is " + TUnits::columnText("F/L^2", units) +
           "\rFor strip load, Distance X goes from the wall to the middle of the strip width";
}

// Notes shown under the grids; \r breaks a line. Sub-tables copy the note
// of their template.
void notes(TProjectTables& t)
{
    const char* const interpolation =
        "Linear interpolation (when selected) is performed from START node of previous line to END node of the "
        "following line.";
    t.PileSect.setComments(std::string("The nodal number at the top of the wall is set to be 0.\r"
                                       "Values of Flexural Stiffness (EI) must be specified for all nodes of the "
                                       "wall.\r") +
                           interpolation);
    t.BoundCond.setComments(std::string("The concentrated loads are applied at nodal points only (including the "
                                        "specified START and END nodes).\r") +
                            interpolation);
    t.SoilStrength.setComments(std::string("The spring stiffnesses are applied at nodal points only (including the "
                                           "specified START and END nodes).\r") +
                               interpolation);
    t.TblRock2.setComments("* krm is a strain constant that seve to establish the overall stiffness of the curves");
    t.SurchargeTable.setComments(surchargeNote(TUnits::kEnglish));
    t.PYCurve2.setComments(
        "* Use negative (-) values for deflections to the left (to backfill)\r"
        "     and positive (+) to the right (to excavation).\r"
        "Lateral movement (y) should start from negative deflection\r"
        "     (towards backfill) and gradually increase to positive\r"
        "     deflection (towards excavation) for the range of the response.\r"
        "Positive soil resistance (p) should correspond to the negative\r"
        "     soil movement (-y) and negative soil resistance (-p) should\r"
        "     correspond to the positive soil movement (y).");
    const char* const coefficient =
        "The user may optionally enter an earth pressure coefficient for generating \rlateral earth pressure that "
        "is equal to the vertical soil pressure multiplied \rby this user-specified coefficient. If the user does "
        "not intend to use this option, \rplease leave the optional earth pressure coefficient as zero and the "
        "program will \ruse the active earth pressure coefficient calculated internally.";
    for (TGridTable* table : {&t.TblSand1, &t.TblClay1, &t.TblSilt1}) table->setComments(coefficient);
}

}  // namespace

TProjectTables::TProjectTables()
{
    wallTables(*this);
    loadTables(*this);
    soilTables(*this);
    curveTables(*this);
    notes(*this);
    reset();
}

std::vector<TGridTable*> TProjectTables::all()
{
    return {&PileSect, &SoilLayer, &BoundCond, &SoilStrength, &TiebackTable1, &PYMod,     &DistLoad,
            &LongDist, &SurchargeTable, &NewSoil, &LongSoil,   &TblClay1,      &TblSand1,  &TblSilt1,
            &TblRock1, &TblRock2,       &PYCurves2, &PYCurve2,  &MEICurves2,    &Rows2};
}

std::vector<const TGridTable*> TProjectTables::all() const
{
    const auto tables = const_cast<TProjectTables*>(this)->all();
    return {tables.begin(), tables.end()};
}

void TProjectTables::reset()
{
    for (TGridTable* table : all()) {
        table->setRowCount(0);
        table->setRowCount(table->minRows());
        table->setModified(false);
    }
}

void TProjectTables::ensureMinRows()
{
    for (TGridTable* table : all()) table->ensureMinRows();
}

void TProjectTables::setUnits(int units)
{
    for (TGridTable* table : all()) table->setUnits(units);
    SurchargeTable.setComments(surchargeNote(units));
}

bool TProjectTables::isModified() const
{
    const auto tables = all();
    return std::any_of(tables.begin(), tables.end(), [](const TGridTable* t) { return t->isModified(); });
}

void TProjectTables::setModified(bool modified)
{
    for (TGridTable* table : all()) table->setModified(modified);
}

void TProjectTables::setDestroyedHook(const TTableRegistry::DestroyedHook& hook)
{
    plainRegistry_.setDestroyedHook(hook);
    chartRegistry_.setDestroyedHook(hook);
}

}  // namespace orvane
