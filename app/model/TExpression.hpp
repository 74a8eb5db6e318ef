#pragma once

#include <string_view>

namespace orvane {

// Evaluator of every numeric entry: numbers, pi and e, the operators
// ^ * / % & + - | =, parentheses, named functions, factorials and "$" hex
// integers. It works by rewriting the text: each partial result is written
// back as text and read again.
class TExpression {
public:
    // The value of the entry. Throws EEntryError with a message beginning
    // "Entry could not be evaluated:" for a malformed entry, and EMathError
    // for an arithmetic fault (division by zero, logarithm of zero, ...).
    static double evaluate(std::string_view entry);
};

}  // namespace orvane
