#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// An arithmetic fault while evaluating an entry (division by zero, logarithm of zero, overflow).
class EMathError : public std::runtime_error {
public:
    explicit EMathError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
