#pragma once

#include <string>
#include <string_view>

namespace orvane {

// One operand of an expression once its operators are resolved: a number, a
// constant, a function applied to the rest of the operand, a factorial or a
// hex integer.
class TExpressionOperand {
public:
    static double evaluate(std::string text);

    // Whether a "-" after `operandSoFar` belongs to the operand (a sign) rather
    // than being the subtraction operator.
    static bool takesSign(std::string_view operandSoFar);

    // Fails with "Entry could not be evaluated:" + CR + reason.
    [[noreturn]] static void fail(const std::string& reason);

    // Arithmetic results that are not finite are faults of the entry.
    static double checked(double value);
    static double divide(double a, double b);
};

}  // namespace orvane
