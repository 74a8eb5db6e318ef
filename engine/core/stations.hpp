#pragma once
// Station tables: one entry per station -3 .. NI+3. Stations -1 and NI+1 are the
// fictitious stations of the difference equations; the tables hold 414 entries,
// so a wall has at most 407 increments.

#include <array>

namespace orvane::engine {

inline constexpr int kMaxIncrements = 407;
inline constexpr int kFirstStation = -3;
inline constexpr int kLastStation = kMaxIncrements + 3;
inline constexpr int kStationCount = kLastStation - kFirstStation + 1;

constexpr bool inStationTable(long long s) { return s >= kFirstStation && s <= kLastStation; }

template <class T>
class StationArray {
public:
    T& operator()(int s) { return v_[static_cast<size_t>(s - kFirstStation)]; }
    const T& operator()(int s) const { return v_[static_cast<size_t>(s - kFirstStation)]; }
    void fill(T value) { v_.fill(value); }

private:
    std::array<T, kStationCount> v_{};
};

using Table = StationArray<double>;

// The condition of a station in the difference equations, set by the
// restraint lines; the solver imposes the restraint list in station order.
enum class StationCode : int {
    Free = 1,
    Deflection = 2,          // deflection imposed
    BeforeSlope = 3,         // the station before an imposed slope
    DeflectionAndSlope = 4,  // deflection and slope imposed
    AfterSlope = 5,          // the station after an imposed slope
};

// The tables that the input builds for every set.
struct StationTables {
    Table EI;  // flexural rigidity
    Table Q;   // transverse load per station
    Table S;   // lateral spring stiffness
    Table T;   // transverse couple
    Table R;   // rotational spring stiffness
    Table P;   // axial load, sign reversed
    StationArray<StationCode> KODE;

    void clear()
    {
        EI.fill(0); Q.fill(0); S.fill(0); T.fill(0); R.fill(0); P.fill(0);
        KODE.fill(StationCode::Free);
    }
};

}  // namespace orvane::engine
