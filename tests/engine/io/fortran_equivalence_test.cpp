// The fixed-column writers against the formatter they replaced, kept here as
// the reference: a table of awkward values (ties in binary, values just beside
// a decimal tie, carries into a new digit, powers of ten, tiny and huge
// magnitudes, negative zero, non-finite values) and random values of every
// kind, on every descriptor the outputs use and a few wider ones.
//
// ORVANE_FORMAT_SAMPLES sets the number of random values (300000 by default).

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "io/fortran_format.hpp"

namespace reference {

namespace {

std::string stars(int w) { return std::string(static_cast<size_t>(w > 0 ? w : 0), '*'); }

std::string rightAlign(int w, const std::string& s)
{
    if (static_cast<int>(s.size()) > w) return stars(w);
    return std::string(static_cast<size_t>(w) - s.size(), ' ') + s;
}

std::string nonFinite(int w, double v)
{
    if (std::isnan(v)) return rightAlign(w, "NaN");
    std::string s = v < 0 ? "-" : "";
    s += (w - static_cast<int>(s.size()) >= 8) ? "Infinity" : "Inf";
    return rightAlign(w, s);
}

// Exponent part of an E/D field: "E+dd" up to 99, "+ddd" up to 999; false
// beyond. Writes at most 4 characters to out.
bool exponentField(int exp, char letter, char* out, int& n)
{
    const int a = exp < 0 ? -exp : exp;
    const char sign = exp < 0 ? '-' : '+';
    n = 0;
    if (a <= 99) {
        out[n++] = letter;
        out[n++] = sign;
    } else if (a <= 999) {
        out[n++] = sign;
        out[n++] = static_cast<char>('0' + a / 100);
    } else {
        return false;
    }
    out[n++] = static_cast<char>('0' + a / 10 % 10);
    out[n++] = static_cast<char>('0' + a % 10);
    return true;
}

// Rounds |v| to `sig` significant digits (at most 60); returns the digits and
// the decimal exponent of the first one (v = d1.d2d3... * 10^exp10).
void significant(double v, int sig, char* digits, int& exp10)
{
    if (v == 0.0) {
        for (int i = 0; i < sig; ++i) digits[i] = '0';
        exp10 = 0;
        return;
    }
    // Correctly rounded from the exact binary value, ties to even, as the
    // report's readers have always seen it.
    char buf[128];
    const auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(v), std::chars_format::scientific, sig - 1);
    int n = 0;
    const char* p = buf;
    for (; p != r.ptr && *p != 'e'; ++p)
        if (*p != '.') digits[n++] = *p;
    exp10 = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, exp10);
}

std::string exponentForm(int w, int d, double v, char letter, bool scaled)
{
    if (!std::isfinite(v)) return nonFinite(w, v);
    if (d < 0 || d > 60 || w <= 0) return stars(w);
    char digits[64];
    int exp10 = 0;
    significant(v, scaled ? d + 1 : d, digits, exp10);
    const int exp = v == 0.0 ? 0 : (scaled ? exp10 : exp10 + 1);
    char expo[4];
    int nexp = 0;
    if (!exponentField(exp, letter, expo, nexp)) return stars(w);

    char body[80];
    int n = 0;
    const bool negative = std::signbit(v);
    const int bare = (negative ? 1 : 0) + (scaled ? 2 : 1) + d + nexp;  // without the optional leading zero
    if (bare > w) return stars(w);
    if (negative) body[n++] = '-';
    if (scaled) {
        body[n++] = digits[0];
        body[n++] = '.';
        for (int i = 1; i <= d; ++i) body[n++] = digits[i];
    } else {
        if (bare < w) body[n++] = '0';  // the leading zero when there is room
        body[n++] = '.';
        for (int i = 0; i < d; ++i) body[n++] = digits[i];
    }
    for (int i = 0; i < nexp; ++i) body[n++] = expo[i];
    std::string out(static_cast<size_t>(w - n), ' ');
    out.append(body, static_cast<size_t>(n));
    return out;
}

}  // namespace

std::string I(int w, long long v) { return rightAlign(w, std::to_string(v)); }

std::string I(int w, int m, long long v)
{
    std::string mag = std::to_string(v < 0 ? -v : v);
    if (static_cast<int>(mag.size()) < m) mag.insert(0, static_cast<size_t>(m) - mag.size(), '0');
    return rightAlign(w, (v < 0 ? "-" : "") + mag);
}

std::string F(int w, int d, double v)
{
    if (!std::isfinite(v)) return nonFinite(w, v);
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, d);
    std::string s(buf, r.ec == std::errc() ? r.ptr : buf);
    if (d == 0) s += '.';
    if (static_cast<int>(s.size()) > w) {
        // The leading zero of a magnitude below one is optional.
        if (s.rfind("0.", 0) == 0) s.erase(0, 1);
        else if (s.rfind("-0.", 0) == 0) s.erase(1, 1);
    }
    return rightAlign(w, s);
}

std::string E(int w, int d, double v) { return exponentForm(w, d, v, 'E', false); }
std::string ES(int w, int d, double v) { return exponentForm(w, d, v, 'E', true); }
std::string D(int w, int d, double v) { return exponentForm(w, d, v, 'D', false); }

std::string A(int w, std::string_view text)
{
    std::string s(text.substr(0, static_cast<size_t>(w > 0 ? w : 0)));
    s.append(static_cast<size_t>(w) - s.size(), ' ');
    return s;
}

std::string X(int n) { return std::string(static_cast<size_t>(n > 0 ? n : 0), ' '); }

std::string freeInt(long long v) { return std::to_string(v); }

std::string freeReal(double v)
{
    char buf[64];
    auto r = std::to_chars(buf, buf + sizeof buf, v);
    std::string s(buf, r.ptr);
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

}  // namespace reference

namespace f = orvane::fortran;

namespace {

struct Descriptor {
    const char* name;
    std::function<std::string(double)> ours;
    std::function<std::string(double)> old;
};

#define ORVANE_PAIR(name, call) {name, [](double v) { return f::call; }, [](double v) { return reference::call; }}

const std::vector<Descriptor>& descriptors()
{
    static const std::vector<Descriptor> all = {
        ORVANE_PAIR("E10.3", E(10, 3, v)),   ORVANE_PAIR("E13.4", E(13, 4, v)),   ORVANE_PAIR("E12.3", E(12, 3, v)),
        ORVANE_PAIR("E9.2", E(9, 2, v)),     ORVANE_PAIR("E8.3", E(8, 3, v)),     ORVANE_PAIR("E14.3", E(14, 3, v)),
        ORVANE_PAIR("E16.8", E(16, 8, v)),   ORVANE_PAIR("E17.9", E(17, 9, v)),   ORVANE_PAIR("E22.12", E(22, 12, v)),
        ORVANE_PAIR("E5.0", E(5, 0, v)),     ORVANE_PAIR("1PE9.3", ES(9, 3, v)),  ORVANE_PAIR("1PE12.4", ES(12, 4, v)),
        ORVANE_PAIR("1PE16.8", ES(16, 8, v)), ORVANE_PAIR("D15.4", D(15, 4, v)), ORVANE_PAIR("D9.1", D(9, 1, v)),
        ORVANE_PAIR("D10.2", D(10, 2, v)),   ORVANE_PAIR("F9.3", F(9, 3, v)),     ORVANE_PAIR("F4.3", F(4, 3, v)),
        ORVANE_PAIR("F10.2", F(10, 2, v)),   ORVANE_PAIR("F6.1", F(6, 1, v)),     ORVANE_PAIR("F3.0", F(3, 0, v)),
        ORVANE_PAIR("F8.0", F(8, 0, v)),     ORVANE_PAIR("F15.4", F(15, 4, v)),   ORVANE_PAIR("F20.3", F(20, 3, v)),
        ORVANE_PAIR("F14.9", F(14, 9, v)),   ORVANE_PAIR("F16.10", F(16, 10, v)), ORVANE_PAIR("F12.6", F(12, 6, v)),
    };
    return all;
}

double fromText(const std::string& s)
{
    double v = 0;
    std::from_chars(s.data(), s.data() + s.size(), v);
    return v;
}

// Values at and beside decimal ties of every digit count the descriptors
// round to, and the usual troublemakers.
std::vector<double> awkwardValues()
{
    std::vector<double> v = {0.0, -0.0, 0.125, -0.125, 0.375, 2.5, 0.5, 1.5, 0.0625, 1.0e-5, -1.0e-4, 12.3, 9.9996,
                             0.00123, 123456.789, 1.0e100, 1.0e-100, -987.65, 5.0e-7, 0.99995, -0.0004999, 3.14159,
                             1.0e10, -2.0e-12, 99.95, 1234567.0, 0.049, 9.5, 99.5, 999.5, 9999.5, 0.95, 0.995, 0.9995,
                             1e22, 1e23, 1e-22, 1e-23, 5e-324, 2.2250738585072014e-308, 1.7976931348623157e308,
                             999999999.0, 999999999.5, 1e9, 1e9 - 0.5, 4503599627370496.0, 9007199254740993.0,
                             std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(), 1e99, 9.9995e99, 9.9995e98, 1e-99, 9.99e-100,
                             0.1, 0.2, 0.3, 0.7, 1.0 / 3.0, 2.0 / 3.0};
    for (int digits = 1; digits <= 13; ++digits) {
        for (int e = -15; e <= 15; ++e) {
            for (const char* mant : {"5", "15", "25", "95", "995", "9995", "99995", "12345", "45"}) {
                const std::string s = std::string(mant) + "e" + std::to_string(e - digits);
                const double t = fromText(s);
                v.push_back(t);
                v.push_back(-t);
                v.push_back(std::nextafter(t, 0.0));
                v.push_back(std::nextafter(t, 1e308));
            }
        }
    }
    for (int k = -30; k <= 30; ++k) {
        const double p = std::pow(10.0, k);
        v.push_back(p);
        v.push_back(std::nextafter(p, 0.0));
        v.push_back(std::nextafter(p, 1e308));
    }
    return v;
}

int compareAll(const std::vector<double>& values, int reportLimit)
{
    int mismatches = 0;
    for (double x : values) {
        for (const Descriptor& d : descriptors()) {
            const std::string ours = d.ours(x), old = d.old(x);
            if (ours != old) {
                if (++mismatches <= reportLimit) {
                    char lit[40];
                    std::snprintf(lit, sizeof lit, "%.17g", x);
                    ADD_FAILURE() << d.name << " of " << lit << ": \"" << ours << "\" instead of \"" << old << "\"";
                }
            }
        }
    }
    return mismatches;
}

// A random value of one of four kinds: any finite bit pattern, a log-uniform
// magnitude of the sizes the outputs hold, a short decimal (often exactly
// halfway once scaled) and a binary fraction that is an exact tie.
double randomValue(std::mt19937_64& rng)
{
    std::uniform_int_distribution<int> kind(0, 3);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const double sign = (rng() & 1) ? -1.0 : 1.0;
    switch (kind(rng)) {
    case 0: {
        for (;;) {
            const uint64_t bits = rng();
            double x;
            std::memcpy(&x, &bits, sizeof x);
            if (std::isfinite(x)) return x;
        }
    }
    case 1: return sign * std::pow(10.0, -14.0 + 28.0 * unit(rng));
    case 2: {
        const long long mant = static_cast<long long>(rng() % 10000000);
        const int e = static_cast<int>(rng() % 24) - 14;
        return sign * fromText(std::to_string(mant) + "e" + std::to_string(e));
    }
    default: {
        const long long mant = static_cast<long long>(rng() % (1LL << 20)) * 2 + 1;
        const int shift = static_cast<int>(rng() % 30);
        return sign * std::ldexp(static_cast<double>(mant), -shift);
    }
    }
}

}  // namespace

TEST(FormatterEquivalence, AwkwardValuesAsBefore) { EXPECT_EQ(compareAll(awkwardValues(), 20), 0); }

TEST(FormatterEquivalence, RandomValuesAsBefore)
{
    long long samples = 300000;
    if (const char* s = std::getenv("ORVANE_FORMAT_SAMPLES")) samples = std::atoll(s);
    std::mt19937_64 rng(20261210);
    std::vector<double> batch;
    long long mismatches = 0;
    for (long long k = 0; k < samples; ++k) {
        batch.push_back(randomValue(rng));
        if (batch.size() == 10000 || k + 1 == samples) {
            mismatches += compareAll(batch, mismatches < 20 ? 20 : 0);
            batch.clear();
        }
    }
    EXPECT_EQ(mismatches, 0) << "of " << samples << " values on " << descriptors().size() << " descriptors";
    RecordProperty("values", std::to_string(samples));
}

TEST(FormatterEquivalence, IntegersAndTextAsBefore)
{
    for (long long v : {0LL, 7LL, -7LL, 42LL, 1000LL, -12345LL, 999999999999LL, std::numeric_limits<long long>::min() + 1,
                        std::numeric_limits<long long>::max()}) {
        for (int w : {0, 1, 2, 4, 6, 12, 25}) {
            EXPECT_EQ(f::I(w, v), reference::I(w, v)) << "I" << w << " of " << v;
            for (int m : {0, 1, 2, 5, 20})
                EXPECT_EQ(f::I(w, m, v), reference::I(w, m, v)) << "I" << w << "." << m << " of " << v;
        }
    }
    for (int w : {0, 1, 3, 8, 300}) {
        EXPECT_EQ(f::A(w, "abcd"), reference::A(w, "abcd"));
        EXPECT_EQ(f::A(w, ""), reference::A(w, ""));
    }
}

// Records longer than the builder's own buffer keep every field.
TEST(FormatterEquivalence, LongRecordsKeepEveryField)
{
    f::Line line;
    std::string expected;
    for (int k = 0; k < 60; ++k) {
        line.e(13, 4, k * 1.25).a("|").i(5, k);
        expected += reference::E(13, 4, k * 1.25) + "|" + reference::I(5, k);
    }
    EXPECT_EQ(line.str(), expected);
    const f::Line copy = line;
    EXPECT_EQ(copy.str(), expected);
}
