#pragma once
// Distributes the lines of one input sequence (stiffness, concentrated loads,
// springs and tiebacks) over the stations. Mode 1 holds a line's values from
// its from-station to its to-station; mode 2 continues it linearly to the next
// line's end. Both ends of a range receive half the values, so ranges that
// meet at a station add up to the full value there.

#include <array>
#include <string>

#include "core/report.hpp"
#include "core/stations.hpp"
#include "io/input_error.hpp"

namespace orvane::engine {

// The mode of a line: held from its from-station to its to-station, or
// continued linearly to the next line's end.
inline constexpr int kHeldRange = 1;
inline constexpr int kContinuedRange = 2;

template <size_t N>
class RangeSequence {
public:
    using Values = std::array<double, N>;
    using Tables = std::array<Table*, N>;

    RangeSequence(Tables tables, int NI) : tables_(tables), NI_(NI) {}

    // Applies one line and returns how its echo is printed.
    RangeKind apply(int from, int to, int mode, const Values& values)
    {
        const bool continued = mode == kContinuedRange;
        RangeKind kind;
        if (!previousContinued_) {
            if (continued) {
                startStation_ = from;
                startValues_ = values;
                kind = RangeKind::StartsStretch;
            } else {
                checkRange(from, to);
                for (size_t q = 0; q < N; ++q) addRange(*tables_[q], from, to, values[q], values[q]);
                kind = RangeKind::Single;
            }
        } else {
            checkRange(startStation_, to);
            for (size_t q = 0; q < N; ++q) addRange(*tables_[q], startStation_, to, startValues_[q], values[q]);
            if (continued) {
                startStation_ = to;
                startValues_ = values;
            }
            kind = RangeKind::EndsStretch;
        }
        previousContinued_ = continued;
        return kind;
    }

private:
    void checkRange(int j0, int j1) const
    {
        if (j1 < j0) throw InputError(kNotInOrder);
        if (j1 > NI_ + 3) throw InputError(kBeyondEnd);
        if (j0 < kFirstStation)
            throw InputError("ERROR -- STATION " + std::to_string(j0) + " LIES ABOVE THE TOP OF THE WALL");
    }

    static void addRange(Table& t, int j0, int j1, double v0, double v1)
    {
        if (j0 == j1) {  // one station: the full value of the line's end
            t(j0) += v1;
            return;
        }
        for (int j = j0; j <= j1; ++j) t(j) += v0 + (v1 - v0) * (j - j0) / (j1 - j0);
        t(j0) -= 0.5 * v0;
        t(j1) -= 0.5 * v1;
    }

    Tables tables_;
    int NI_;
    bool previousContinued_ = false;
    int startStation_ = 0;
    Values startValues_{};
};

}  // namespace orvane::engine
