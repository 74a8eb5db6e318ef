#include "model/TProject.hpp"

#include "model/TUnits.hpp"

#include <stdexcept>

namespace orvane {

namespace {

bool TProgramData::*optionField(TOption option)
{
    switch (option) {
    case TOption::GeneratePYCurves: return &TProgramData::GeneratePYCurves;
    case TOption::ExternalPY: return &TProgramData::UseExternalPY;
    case TOption::MEICurves: return &TProgramData::UseMEICurves;
    case TOption::PYModification: return &TProgramData::UsePYModification;
    case TOption::ConcentratedLoads: return &TProgramData::UseConcentratedLoads;
    case TOption::Springs: return &TProgramData::UseSprings;
    case TOption::Tiebacks: return &TProgramData::UseTiebacks;
    case TOption::Surcharges: return &TProgramData::UseSurcharges;
    case TOption::Restraints: return &TProgramData::UseRestraints;
    case TOption::LongTerm: break;
    }
    return &TProgramData::UseLongTerm;
}

}  // namespace

TProject::TProject() : data_(std::make_unique<TProgramData>())
{
    newProject();
}

void TProject::newProject()
{
    data_ = std::make_unique<TProgramData>();
    tables_.reset();
    tables_.setUnits(TUnits::kEnglish);
    setModified(false);
}

void TProject::setUnitSystem(int code)
{
    const int to = TUnits::clamp(code);
    const int from = data_->Units;
    if (to == from) return;
    // The single values use their own rounded constants, not the table factors.
    double length = 1.0;
    double force = 1.0;
    if (from == TUnits::kEnglish && to == TUnits::kSI) {
        length = 0.0254;
        force = 1.0 / 224.8089;
    } else if (from == TUnits::kSI && to == TUnits::kEnglish) {
        length = 39.3701;
        force = 224.8089;
    }
    convertSingleValues(length, force);
    data_->Units = to;
    tables_.setUnits(to);
    convertSurcharges(length, force);
    modified_ = true;
}

void TProject::convertSingleValues(double b, double c)
{
    TProgramData& d = *data_;
    for (double* value : {&d.IncrementLength, &d.MaxDeflection, &d.Tolerance, &d.WallHeight, &d.ActiveWidth,
                          &d.PYWidth, &d.WaterDepthBackfill, &d.WaterDepthExcavation, &d.SurchargeDistance,
                          &d.StripWidth})
        *value *= b;
    d.SurchargePressure *= c / (b * b);
    d.StripLoad *= c / (b * b);
    d.LineLoad *= c / b;
    d.PointLoad *= c;
}

// The magnitude column has no unit of its own: its unit follows the load type
// of the row (point F, line F/L, strip F/L^2).
void TProject::convertSurcharges(double b, double c)
{
    TGridTable& table = tables_.SurchargeTable;
    for (int row = 0; row < table.rowCount(); ++row) {
        const int type = table.cell(0, row).asInteger();
        const double factor = type == 1 ? c : (type == 2 ? c / b : c / (b * b));
        table.cell(1, row).setReal(table.cell(1, row).asReal() * factor);
    }
}

bool TProject::isModified() const
{
    return modified_ || tables_.isModified();
}

void TProject::setModified(bool modified)
{
    modified_ = modified;
    if (!modified) tables_.setModified(false);
}

bool TProject::option(TOption option) const
{
    return data_.get()->*optionField(option);
}

void TProject::setOption(TOption option, bool on)
{
    if (option == TOption::LongTerm && on && data_->StageCount > 1)
        throw std::logic_error("long-term analyses and construction stages exclude each other");
    data_.get()->*optionField(option) = on;
    modified_ = true;
}

void TProject::toggleOption(TOption option)
{
    setOption(option, !this->option(option));
}

TGridTable* TProject::optionTable(TOption option)
{
    switch (option) {
    case TOption::ExternalPY: return &tables_.PYCurves2;
    case TOption::MEICurves: return &tables_.MEICurves2;
    case TOption::PYModification: return &tables_.PYMod;
    case TOption::ConcentratedLoads: return &tables_.BoundCond;
    case TOption::Springs: return &tables_.SoilStrength;
    case TOption::Tiebacks: return &tables_.TiebackTable1;
    case TOption::Surcharges: return &tables_.SurchargeTable;
    case TOption::Restraints: return &tables_.SoilLayer;
    case TOption::GeneratePYCurves:
    case TOption::LongTerm: break;
    }
    return nullptr;
}

void TProject::setEarthPressureChoice(int choice)
{
    data_->EarthPressureChoice = choice;
    data_->UserEarthPressure = choice == 1;
    // A generated distribution chosen by the user is written to the file even
    // when the p-y curves are the user's own, as for a file read with one.
    data_->GeneratedEarthPressure = choice > 1;
    modified_ = true;
}

void TProject::openEarthPressureMenu()
{
    if (data_->EarthPressureChoice == 0) data_->EarthPressureChoice = 1;
    data_->UserEarthPressure = data_->EarthPressureChoice == 1;
}

}  // namespace orvane
