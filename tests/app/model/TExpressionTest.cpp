#include "model/EEntryError.hpp"
#include "model/EMathError.hpp"
#include "model/TExpression.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>

namespace orvane {
namespace {

TEST(TExpression, EvaluatesEntries)
{
    const std::tuple<const char*, double> cases[] = {
        {"2*(3+4)", 14},      {"2^3^2", 64},         {"-2^2", 4},          {"7%3", 1},
        {"7.9%3", 1},         {"-7%3", -1},          {"1&0", 0},           {"1|0", 1},
        {"3=3", 1},           {"3=4", 0},            {"5!", 120},          {"-3!", -6},
        {"0!", 1},            {"$FF", 255},          {"$ff", 255},         {"12*3", 36},
        {" 1 + 2\t* 3 ", 7},  {"2*-3", -6},          {"1E-5", 1e-5},       {"1e-5*2", 2e-5},
        {"1-(3-5)", 3},       {"-(2+3)", -5},        {"((2))", 2},         {"10-4-3", 3},
        {"8/4/2", 1},         {"1+2=3", 1},          {"sqrtsqrt16", 2},    {"sqrt(16)", 4},
        {"abs-3", 3},         {"int-2.7", -2},       {"frac2.75", 0.75},   {"round2.4", 2},
        {"ceil2.1", 3},       {"floor-2.1", -3},     {"log1000", 3},       {"ln1", 0},
        {"PI", std::numbers::pi}, {"-pi", -std::numbers::pi}, {"e", std::numbers::e}, {"2*e", 2 * std::numbers::e},
        {"sin-1", std::sin(-1.0)}, {"cos0", 1},      {"tan0", 0},          {"sec0", 1},
        {"cosh0", 1},         {"arctan1", std::numbers::pi / 4}, {"arctanh0.5", std::atanh(0.5)},
        {"arcsin1", std::numbers::pi / 2}, {"arccos1", 0}, {"arcsinh0", 0}, {"arccosh1", 0}, {"sinh0", 0},
        {"tanh0", 0},         {"csc(pi/2)", 1},      {"cotan(pi/4)", 1.0 / std::tan(std::numbers::pi / 4)},
        {"5!-3", 117},        {"2^0.5", std::sqrt(2.0)}, {"1/3*3", 1},
    };
    for (const auto& [entry, value] : cases) {
        SCOPED_TRACE(entry);
        EXPECT_NEAR(TExpression::evaluate(entry), value, 1e-12 * std::max(1.0, std::fabs(value)));
    }
}

std::string messageOf(const char* entry)
{
    try {
        TExpression::evaluate(entry);
    } catch (const EEntryError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(TExpression, RejectsMalformedEntriesWithTheirMessages)
{
    const std::string lead = "Entry could not be evaluated:\r";
    const std::tuple<const char*, const char*> cases[] = {
        {"", "entry cannot be blank"},
        {"3+", "invalid expression"},
        {"+3", "invalid expression"},
        {"3++4", "invalid expression"},
        {"()", "invalid expression"},
        {"(2+3", "invalid character(s) in expression"},
        {"2+3)", "() (parentheses) do not match"},
        {"abc", "invalid character(s) in expression"},
        {"e-1", "invalid character(s) in expression"},
        {"cosec1", "invalid character(s) in expression"},
        {"2.5!", "! (factoral) applicable to integers only"},
        {"$", "invalid use of $ (hex function)"},
        {"$G1", "invalid use of $ (hex function)"},
        {"1,5", "invalid character(s) in expression"},
    };
    for (const auto& [entry, reason] : cases) EXPECT_EQ(messageOf(entry), lead + reason) << entry;
}

TEST(TExpression, ArithmeticFaultsAreReportedNotReturned)
{
    const std::tuple<const char*, const char*> cases[] = {
        {"1/0", "Floating point division by zero"},
        {"0/0", "Invalid floating point operation"},
        {"7%0", "Division by zero"},
        {"ln0", "Floating point division by zero"},
        {"sqrt-1", "Invalid floating point operation"},
        {"10^400", "Floating point overflow"},
        {"1e999", "The number 1e999 is too large: values up to 1E300 in size can be kept."},
        {"-1E999", "The number -1E999 is too large: values up to 1E300 in size can be kept."},
        {"2*1e999", "The number 1e999 is too large: values up to 1E300 in size can be kept."},
        {"1e-999", "The number 1e-999 is too small: values below about 1E-308 in size cannot be told from 0."},
        {"200!", "Floating point overflow"},
    };
    for (const auto& [entry, message] : cases) {
        try {
            TExpression::evaluate(entry);
            ADD_FAILURE() << entry << " gave no error";
        } catch (const EMathError& e) {
            EXPECT_EQ(std::string(e.what()), message) << entry;
        }
    }
}

}  // namespace
}  // namespace orvane
