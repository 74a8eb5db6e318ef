#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// Misuse of a grid table (a cell or row outside the table, a value of the wrong kind).
class EGridError : public std::runtime_error {
public:
    explicit EGridError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
