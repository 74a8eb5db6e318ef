#include "tieback.hpp"

#include <cmath>

#include "core/numbers.hpp"
#include "io/input_error.hpp"
#include "io/single.hpp"
#include "io/unit_labels.hpp"

namespace orvane::engine {

TiebackRecord tiebackRecord(const TiebackLine& t, int units, double h, double Wa)
{
    // Depth, spacing and unbonded length come in feet in English units.
    const double feet = units == io::kEnglishUnits ? 12.0 : 1.0;
    const double spacing = t.spacing * feet;
    const double length = t.unbondedLength * feet;
    if (!(spacing > 0) || !(length > 0))
        throw InputError("ERROR -- TIEBACK SPACING AND UNBONDED LENGTH MUST BE GREATER THAN ZERO");
    const double alpha = t.angle * f32(3.1416) / 180.0;
    TiebackRecord r;
    r.station = nearestInt(t.depth * feet / h);
    r.S = t.area * t.modulus * std::cos(alpha) * Wa / (spacing * length);
    r.Q = -t.prestress * std::cos(alpha) * Wa / spacing;
    return r;
}

}  // namespace orvane::engine
