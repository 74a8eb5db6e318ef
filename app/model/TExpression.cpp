#include "model/TExpression.hpp"

#include "model/EMathError.hpp"
#include "model/TExpressionOperand.hpp"
#include "model/TRealFormat.hpp"

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace orvane {

namespace {

using Operand = TExpressionOperand;

// Partial results are written with enough digits to be read back unchanged.
std::string asText(double value)
{
    return TRealFormat::general(value, 18);
}

struct Terms {
    std::vector<std::string> operands;
    std::vector<char> operators;
};

bool isOperator(char c)
{
    return std::string_view("^*/%&+|=").find(c) != std::string_view::npos;
}

Terms split(const std::string& text)
{
    Terms terms;
    std::string current;
    for (char c : text) {
        if (isOperator(c) || (c == '-' && !Operand::takesSign(current))) {
            terms.operands.push_back(current);
            terms.operators.push_back(c);
            current.clear();
        } else {
            current += c;
        }
    }
    terms.operands.push_back(current);
    for (const std::string& operand : terms.operands)
        if (operand.empty()) Operand::fail("invalid expression");
    return terms;
}

long long truncated(double value)
{
    constexpr double kLimit = 9.2233720368547758e18;
    if (!(std::fabs(value) < kLimit)) throw EMathError("Invalid floating point operation");
    return static_cast<long long>(std::trunc(value));
}

double apply(double a, char op, double b)
{
    switch (op) {
    case '^': return Operand::checked(std::pow(a, b));
    case '*': return Operand::checked(a * b);
    case '/': return Operand::divide(a, b);
    case '%': {
        const long long d = truncated(b);
        if (d == 0) throw EMathError("Division by zero");
        return static_cast<double>(truncated(a) % d);
    }
    case '&': return (a != 0.0 && b != 0.0) ? 1.0 : 0.0;
    case '+': return Operand::checked(a + b);
    case '-': return Operand::checked(a - b);
    case '|': return (a != 0.0 || b != 0.0) ? 1.0 : 0.0;
    default: return a == b ? 1.0 : 0.0;  // '='
    }
}

// Replaces each operand-operator-operand triple of one precedence level,
// left to right, by its result.
void resolve(Terms& terms, std::string_view level)
{
    size_t i = 0;
    while (i < terms.operators.size()) {
        if (level.find(terms.operators[i]) == std::string_view::npos) {
            ++i;
            continue;
        }
        const double value = apply(Operand::evaluate(terms.operands[i]), terms.operators[i],
                                   Operand::evaluate(terms.operands[i + 1]));
        terms.operands[i] = asText(value);
        terms.operands.erase(terms.operands.begin() + static_cast<long>(i) + 1);
        terms.operators.erase(terms.operators.begin() + static_cast<long>(i));
    }
}

double evaluateText(std::string text)
{
    for (size_t close = text.find(')'); close != std::string::npos; close = text.find(')')) {
        const size_t open = text.rfind('(', close);
        if (open == std::string::npos) Operand::fail("() (parentheses) do not match");
        const double inner = evaluateText(text.substr(open + 1, close - open - 1));
        text.replace(open, close - open + 1, asText(inner));
    }
    Terms terms = split(text);
    for (std::string_view level : {"^", "*/%&", "+-|", "="}) resolve(terms, level);
    return Operand::evaluate(terms.operands.front());
}

}  // namespace

double TExpression::evaluate(std::string_view entry)
{
    if (entry.empty()) Operand::fail("entry cannot be blank");
    std::string text;
    for (char c : entry)
        if (c != ' ' && c != '\t') text += c;
    return evaluateText(text);
}

}  // namespace orvane
