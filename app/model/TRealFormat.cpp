#include "model/TRealFormat.hpp"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace orvane {

namespace {

struct Decimal {
    bool negative = false;
    std::string digits;  // significant digits, no trailing zeros, at least one
    int exponent = 0;    // decimal exponent of the first digit
};

// Rounds to `digits` significant digits through printf's correctly rounded
// scientific form, then strips trailing zeros.
Decimal toDecimal(double value, int digits)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*e", digits - 1, value);
    Decimal d;
    const char* p = buffer;
    if (*p == '-') {
        d.negative = true;
        ++p;
    }
    for (; *p != 'e'; ++p)
        if (*p != '.') d.digits += *p;
    d.exponent = std::atoi(p + 1);
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
    return d;
}

std::string fixed(const Decimal& d)
{
    std::string text;
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent < 0) {
        text = "0." + std::string(static_cast<size_t>(-d.exponent - 1), '0') + d.digits;
    } else if (n <= d.exponent + 1) {
        text = d.digits + std::string(static_cast<size_t>(d.exponent + 1 - n), '0');
    } else {
        text = d.digits.substr(0, static_cast<size_t>(d.exponent + 1)) + "." +
               d.digits.substr(static_cast<size_t>(d.exponent + 1));
    }
    return text;
}

std::string scientific(const Decimal& d)
{
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1) text += "." + d.digits.substr(1);
    return text + "E" + std::to_string(d.exponent);
}

}  // namespace

std::string TRealFormat::general(double value, int digits)
{
    if (value == 0.0 || !std::isfinite(value)) return value == 0.0 ? "0" : std::to_string(value);
    const Decimal d = toDecimal(value, digits);
    const bool useScientific = std::fabs(value) < 0.00001 || d.exponent + 1 > digits;
    return (d.negative ? "-" : "") + (useScientific ? scientific(d) : fixed(d));
}

std::optional<double> TRealFormat::parse(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    if (text.empty()) return std::nullopt;
    // from_chars would also take "inf", "nan" and "infinity"; a number here
    // starts with a sign, a digit or a decimal point.
    const std::string_view body = text.front() == '-' ? text.substr(1) : text;
    if (body.empty() || !(std::isdigit(static_cast<unsigned char>(body.front())) || body.front() == '.'))
        return std::nullopt;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

int TRealFormat::outOfRange(std::string_view text)
{
    if (!text.empty() && text.front() == '+') text.remove_prefix(1);
    const std::string_view body = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (body.empty() || !(std::isdigit(static_cast<unsigned char>(body.front())) || body.front() == '.')) return 0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc::result_out_of_range || end != text.data() + text.size()) return 0;
    // The digits say which way: an exponent far above or far below the range.
    const std::string copy(text);
    return std::fabs(std::strtod(copy.c_str(), nullptr)) >= 1.0 ? 1 : -1;
}

}  // namespace orvane
