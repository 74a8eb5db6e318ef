#include "model/TExpressionOperand.hpp"

#include "model/EEntryError.hpp"
#include "model/EMathError.hpp"
#include "model/TRealFormat.hpp"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>

namespace orvane {

namespace {

struct Function {
    std::string_view name;
    std::function<double(double)> apply;
};

double logarithm(double x, double (*log)(double))
{
    if (x == 0.0) throw EMathError("Floating point division by zero");
    return TExpressionOperand::checked(log(x));
}

// Longer names first where one name begins with another.
const std::array<Function, 24>& functions()
{
    using O = TExpressionOperand;
    static const std::array<Function, 24> kFunctions{{
        {"arctanh", [](double x) { return O::checked(std::atanh(x)); }},
        {"arctan", [](double x) { return std::atan(x); }},
        {"cotan", [](double x) { return O::divide(1.0, std::tan(x)); }},
        {"tanh", [](double x) { return std::tanh(x); }},
        {"tan", [](double x) { return std::tan(x); }},
        {"arccosh", [](double x) { return O::checked(std::acosh(x)); }},
        {"arccos", [](double x) { return O::checked(std::acos(x)); }},
        {"cosh", [](double x) { return O::checked(std::cosh(x)); }},
        {"cos", [](double x) { return std::cos(x); }},
        {"sec", [](double x) { return O::divide(1.0, std::cos(x)); }},
        {"arcsinh", [](double x) { return std::asinh(x); }},
        {"arcsin", [](double x) { return O::checked(std::asin(x)); }},
        {"sinh", [](double x) { return O::checked(std::sinh(x)); }},
        {"sin", [](double x) { return std::sin(x); }},
        {"csc", [](double x) { return O::divide(1.0, std::sin(x)); }},
        {"abs", [](double x) { return std::fabs(x); }},
        {"frac", [](double x) { return x - std::trunc(x); }},
        {"int", [](double x) { return std::trunc(x); }},
        {"ln", [](double x) { return logarithm(x, std::log); }},
        {"round", [](double x) { return std::round(x); }},
        {"ceil", [](double x) { return std::ceil(x); }},
        {"floor", [](double x) { return std::floor(x); }},
        {"log", [](double x) { return logarithm(x, std::log10); }},
        {"sqrt", [](double x) { return O::checked(std::sqrt(x)); }},
    }};
    return kFunctions;
}

std::string lower(std::string_view text)
{
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return result;
}

double factorial(double value)
{
    if (value != std::trunc(value))
        TExpressionOperand::fail("! (factoral) applicable to integers only");
    const double n = std::fabs(value);
    if (n > 170) throw EMathError("Floating point overflow");
    double result = 1.0;
    for (int k = 2; k <= static_cast<int>(n); ++k) result *= k;
    return value < 0 ? -result : result;
}

double hexadecimal(std::string_view digits)
{
    if (digits.empty() || digits.size() > 15 ||
        !std::all_of(digits.begin(), digits.end(), [](unsigned char c) { return std::isxdigit(c); }))
        TExpressionOperand::fail("invalid use of $ (hex function)");
    return static_cast<double>(std::stoll(std::string(digits), nullptr, 16));
}

}  // namespace

void TExpressionOperand::fail(const std::string& reason)
{
    throw EEntryError("Entry could not be evaluated:\r" + reason);
}

double TExpressionOperand::checked(double value)
{
    if (std::isnan(value)) throw EMathError("Invalid floating point operation");
    if (std::isinf(value)) throw EMathError("Floating point overflow");
    return value;
}

double TExpressionOperand::divide(double a, double b)
{
    if (b == 0.0) throw EMathError(a == 0.0 ? "Invalid floating point operation" : "Floating point division by zero");
    return checked(a / b);
}

bool TExpressionOperand::takesSign(std::string_view operandSoFar)
{
    const size_t start = operandSoFar.find_first_not_of('-');
    if (start == std::string_view::npos) return true;
    const std::string text = lower(operandSoFar.substr(start));
    if (text.back() == 'e' || text == "!" || text == "$") return true;
    return std::any_of(functions().begin(), functions().end(),
                       [&](const Function& f) { return text.ends_with(f.name); });
}

double TExpressionOperand::evaluate(std::string text)
{
    for (size_t at = text.find("--"); at != std::string::npos; at = text.find("--", at)) text.erase(at, 2);
    const std::string name = lower(text);
    if (name == "pi" || name == "-pi") return name[0] == '-' ? -std::numbers::pi : std::numbers::pi;
    if (name == "e" || name == "-e") return name[0] == '-' ? -std::numbers::e : std::numbers::e;
    for (const Function& f : functions())
        if (name.starts_with(f.name)) return f.apply(evaluate(text.substr(f.name.size())));
    if (!text.empty() && text.back() == '!') return factorial(evaluate(text.substr(0, text.size() - 1)));
    if (!text.empty() && text.front() == '$') return hexadecimal(std::string_view(text).substr(1));
    const auto number = TRealFormat::parse(text);
    if (!number) {
        if (const int range = TRealFormat::outOfRange(text))
            throw EMathError("The number " + text +
                             (range > 0 ? " is too large: values up to 1E300 in size can be kept."
                                        : " is too small: values below about 1E-308 in size cannot be told from 0."));
        fail("invalid character(s) in expression");
    }
    return *number;
}

}  // namespace orvane
