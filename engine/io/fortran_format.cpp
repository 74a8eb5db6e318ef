#include "fortran_format.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
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

// Exponent part of an E/D field: "E+dd" up to 99, "+ddd" up to 999.
bool exponentField(int exp, char letter, std::string& out)
{
    int a = std::abs(exp);
    char sign = exp < 0 ? '-' : '+';
    char buf[8];
    if (a <= 99) {
        std::snprintf(buf, sizeof buf, "%c%c%02d", letter, sign, a);
    } else if (a <= 999) {
        std::snprintf(buf, sizeof buf, "%c%03d", sign, a);
    } else {
        return false;
    }
    out = buf;
    return true;
}

// Rounds |v| to `sig` significant digits; returns the digits and the decimal
// exponent of the first digit (v = 0.d1d2... * 10^(exp10 + 1)).
void significant(double v, int sig, std::string& digits, int& exp10)
{
    if (v == 0.0) {
        digits.assign(static_cast<size_t>(sig), '0');
        exp10 = -1;
        return;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*e", sig - 1, std::fabs(v));
    digits.clear();
    const char* p = buf;
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') digits += *p;
    exp10 = std::atoi(p + 1);
}

std::string exponentForm(int w, int d, double v, char letter, bool scaled)
{
    if (!std::isfinite(v)) return nonFinite(w, v);
    std::string digits;
    int exp10 = 0;
    significant(v, scaled ? d + 1 : d, digits, exp10);
    int exp = scaled ? exp10 : exp10 + 1;
    if (v == 0.0) exp = 0;
    std::string expo;
    if (!exponentField(exp, letter, expo)) return stars(w);
    std::string sign = std::signbit(v) ? "-" : "";
    std::string body;
    if (scaled) {
        body = sign + digits.substr(0, 1) + "." + digits.substr(1) + expo;
    } else {
        body = sign + "." + digits + expo;
        if (static_cast<int>(body.size()) < w) body = sign + "0." + digits + expo;
    }
    return rightAlign(w, body);
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
    std::snprintf(buf, sizeof buf, "%.*f", d, v);
    std::string s = buf;
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
