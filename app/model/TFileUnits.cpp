#include "model/TFileUnits.hpp"

#include "model/TUnits.hpp"

namespace orvane {

namespace {

// The file value is the table value times `factor`, or divided by it.
struct Conversion {
    double factor = 1.0;
    bool divide = false;
};

Conversion conversion(TFileQuantity quantity, int units)
{
    if (units == TUnits::kEnglish) {
        switch (quantity) {
        case TFileQuantity::Depth: return {12.0, false};
        case TFileQuantity::LineLoad: return {12.0, true};
        case TFileQuantity::UnitWeight: return {1728.0, true};
        case TFileQuantity::Cohesion: return {144.0, true};
        default: break;
        }
    }
    if (units == TUnits::kSI && quantity == TFileQuantity::SteelArea) return {1e6, true};
    return {};
}

}  // namespace

double TFileUnits::toFile(double tableValue, TFileQuantity quantity, int units)
{
    const Conversion c = conversion(quantity, units);
    return c.divide ? tableValue / c.factor : tableValue * c.factor;
}

double TFileUnits::fromFile(double fileValue, TFileQuantity quantity, int units)
{
    const Conversion c = conversion(quantity, units);
    return c.divide ? fileValue * c.factor : fileValue / c.factor;
}

}  // namespace orvane
