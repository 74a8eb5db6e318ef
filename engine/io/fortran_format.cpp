#include "fortran_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace orvane::fortran {
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

}  // namespace orvane::fortran
