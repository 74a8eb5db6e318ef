#include "fortran_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace orvane::fortran {
namespace {

constexpr double kPow10[23] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
                               1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
constexpr uint64_t kPow10i[10] = {1, 10, 100, 1000, 10000, 100000, 1000000, 10000000, 100000000, 1000000000};

// A scaled magnitude this close to a half is rounded from the exact binary
// value instead: one multiplication or division by an exact power of ten is
// off by at most m * 2^-53 (below 2e-7 for the magnitudes taken here).
constexpr double kTieWindow = 1e-6;
constexpr double kFastLimit = 1e9;

char* stars(char* out, int w)
{
    std::memset(out, '*', static_cast<size_t>(w));
    return out + w;
}

char* rightAlign(char* out, int w, const char* s, int n)
{
    if (n > w) return stars(out, w);
    std::memset(out, ' ', static_cast<size_t>(w - n));
    std::memcpy(out + (w - n), s, static_cast<size_t>(n));
    return out + w;
}

char* nonFinite(char* out, int w, double v)
{
    if (std::isnan(v)) return rightAlign(out, w, "NaN", 3);
    char s[10];
    int n = 0;
    if (v < 0) s[n++] = '-';
    const char* word = (w - n >= 8) ? "Infinity" : "Inf";
    for (const char* p = word; *p; ++p) s[n++] = *p;
    return rightAlign(out, w, s, n);
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

// Writes q as exactly `count` digits (leading zeros).
void digitsOf(uint64_t q, int count, char* digits)
{
    for (int i = count - 1; i >= 0; --i) {
        digits[i] = static_cast<char>('0' + q % 10);
        q /= 10;
    }
}

// Rounds a scaled magnitude m (below kFastLimit) to an integer; false when m
// lies too near a half to decide from the rounded product.
bool roundScaled(double m, uint64_t& q)
{
    // m is not negative and below kFastLimit: truncation is its floor, and
    // cheaper than std::floor without SSE4.1.
    const auto whole = static_cast<uint64_t>(static_cast<int64_t>(m));
    const double frac = m - static_cast<double>(whole);
    if (std::fabs(frac - 0.5) < kTieWindow) return false;
    q = whole + (frac > 0.5 ? 1 : 0);
    return true;
}

// The binary exponent of a positive finite a as frexp gives it (a = f * 2^e,
// 0.5 <= f < 1), read from the bits for a normal number.
int binaryExponent(double a)
{
    uint64_t bits = 0;
    std::memcpy(&bits, &a, sizeof bits);
    const int biased = static_cast<int>(bits >> 52) & 0x7ff;
    if (biased != 0) return biased - 1022;
    int e2 = 0;
    std::frexp(a, &e2);
    return e2;
}

// Digits straight from one scaling by a power of ten; false where the exact
// path must decide (near a tie, too many digits, extreme exponents).
bool fastSignificant(double a, int sig, char* digits, int& exp10)
{
    if (sig < 1 || sig > 9) return false;
    const int e2 = binaryExponent(a);
    // floor(log10(a)) is this estimate or one more (78913 / 2^18 is log10(2)
    // closely enough over every double's exponent; the shift floors).
    int e10 = ((e2 - 1) * 78913) >> 18;
    for (int tries = 0; tries < 3; ++tries) {
        const int k = sig - 1 - e10;
        if (k > 22 || k < -22) return false;
        const double m = k >= 0 ? a * kPow10[k] : a / kPow10[-k];
        if (m < kPow10[sig - 1]) { --e10; continue; }
        if (m >= kPow10[sig]) { ++e10; continue; }
        uint64_t q = 0;
        if (!roundScaled(m, q)) return false;
        if (q == kPow10i[sig]) {  // rounding carried into a new first digit
            q /= 10;
            ++e10;
        }
        digitsOf(q, sig, digits);
        exp10 = e10;
        return true;
    }
    return false;
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
    if (fastSignificant(std::fabs(v), sig, digits, exp10)) return;
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

// The F field by the exact route: the fixed form of the exact binary value.
char* exactFixed(char* out, int w, int d, double v)
{
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, d);
    int n = r.ec == std::errc() ? static_cast<int>(r.ptr - buf) : 0;
    if (d == 0) buf[n++] = '.';
    const char* s = buf;
    if (n > w) {
        // The leading zero of a magnitude below one is optional.
        if (n >= 2 && buf[0] == '0' && buf[1] == '.') { ++s; --n; }
        else if (n >= 3 && buf[0] == '-' && buf[1] == '0' && buf[2] == '.') { buf[1] = '-'; ++s; --n; }
    }
    return rightAlign(out, w, s, n);
}

}  // namespace

char* putI(char* out, int w, long long v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return rightAlign(out, w, buf, static_cast<int>(r.ptr - buf));
}

char* putI(char* out, int w, int m, long long v)
{
    char buf[96];
    int n = 0;
    if (v < 0) buf[n++] = '-';
    // The magnitude as the old field did it: -v of the most negative value
    // stays negative and prints its own sign.
    char mag[24];
    const auto r = std::to_chars(mag, mag + sizeof mag, v < 0 ? -v : v);
    const int len = static_cast<int>(r.ptr - mag);
    const int zeros = m > len ? (m - len > 64 ? 64 : m - len) : 0;
    if (m - len > 64) return rightAlign(out, w, buf, w + 1);  // wider than any field
    std::memset(buf + n, '0', static_cast<size_t>(zeros));
    n += zeros;
    std::memcpy(buf + n, mag, static_cast<size_t>(len));
    n += len;
    return rightAlign(out, w, buf, n);
}

char* putF(char* out, int w, int d, double v)
{
    if (!std::isfinite(v)) return nonFinite(out, w, v);
    const double a = std::fabs(v);
    if (d >= 0 && d <= 9 && a < kFastLimit / kPow10[d]) {
        uint64_t q = 0;
        if (roundScaled(a * kPow10[d], q)) {
            char buf[40];
            int n = 0;
            if (std::signbit(v)) buf[n++] = '-';
            const uint64_t whole = q / kPow10i[d];
            const auto r = std::to_chars(buf + n, buf + sizeof buf, whole);
            n = static_cast<int>(r.ptr - buf);
            buf[n++] = '.';
            digitsOf(q % kPow10i[d], d, buf + n);
            n += d;
            const char* s = buf;
            if (n > w && whole == 0) {
                // The leading zero of a magnitude below one is optional.
                if (buf[0] == '-') buf[1] = '-';
                ++s;
                --n;
            }
            return rightAlign(out, w, s, n);
        }
    }
    return exactFixed(out, w, d, v);
}

char* putE(char* out, int w, int d, double v, char letter, bool scaled)
{
    if (!std::isfinite(v)) return nonFinite(out, w, v);
    if (d < 0 || d > 60 || w <= 0) return stars(out, w);
    char digits[64];
    int exp10 = 0;
    significant(v, scaled ? d + 1 : d, digits, exp10);
    const int exp = v == 0.0 ? 0 : (scaled ? exp10 : exp10 + 1);
    char expo[4];
    int nexp = 0;
    if (!exponentField(exp, letter, expo, nexp)) return stars(out, w);

    const bool negative = std::signbit(v);
    const int bare = (negative ? 1 : 0) + (scaled ? 2 : 1) + d + nexp;  // without the optional leading zero
    if (bare > w) return stars(out, w);
    char* p = out;
    const int n = bare + (!scaled && bare < w ? 1 : 0);
    std::memset(p, ' ', static_cast<size_t>(w - n));
    p += w - n;
    if (negative) *p++ = '-';
    if (scaled) {
        *p++ = digits[0];
        *p++ = '.';
        std::memcpy(p, digits + 1, static_cast<size_t>(d));
    } else {
        if (bare < w) *p++ = '0';  // the leading zero when there is room
        *p++ = '.';
        std::memcpy(p, digits, static_cast<size_t>(d));
    }
    p += d;
    std::memcpy(p, expo, static_cast<size_t>(nexp));
    return p + nexp;
}

char* putA(char* out, int w, std::string_view text)
{
    const size_t n = text.size() < static_cast<size_t>(w) ? text.size() : static_cast<size_t>(w);
    std::memcpy(out, text.data(), n);
    std::memset(out + n, ' ', static_cast<size_t>(w) - n);
    return out + w;
}

namespace {

template <typename Put>
std::string field(int w, Put put)
{
    std::string s(static_cast<size_t>(w > 0 ? w : 0), ' ');
    if (w > 0) put(s.data(), w);
    return s;
}

}  // namespace

std::string I(int w, long long v) { return field(w, [&](char* o, int n) { putI(o, n, v); }); }
std::string I(int w, int m, long long v) { return field(w, [&](char* o, int n) { putI(o, n, m, v); }); }
std::string F(int w, int d, double v) { return field(w, [&](char* o, int n) { putF(o, n, d, v); }); }
std::string E(int w, int d, double v) { return field(w, [&](char* o, int n) { putE(o, n, d, v, 'E', false); }); }
std::string ES(int w, int d, double v) { return field(w, [&](char* o, int n) { putE(o, n, d, v, 'E', true); }); }
std::string D(int w, int d, double v) { return field(w, [&](char* o, int n) { putE(o, n, d, v, 'D', false); }); }
std::string A(int w, std::string_view text) { return field(w, [&](char* o, int n) { putA(o, n, text); }); }
std::string X(int n) { return std::string(static_cast<size_t>(n > 0 ? n : 0), ' '); }

void appendFreeInt(std::string& out, long long v)
{
    char buf[24];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
}

void appendFreeReal(std::string& out, double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    for (char* p = buf; p != r.ptr; ++p)
        if (*p == 'e') *p = 'E';
    out.append(buf, r.ptr);
}

std::string freeInt(long long v)
{
    std::string s;
    appendFreeInt(s, v);
    return s;
}

std::string freeReal(double v)
{
    std::string s;
    appendFreeReal(s, v);
    return s;
}

}  // namespace orvane::fortran
