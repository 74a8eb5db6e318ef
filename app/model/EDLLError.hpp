#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// Base of the errors raised by the engine library object.
class EDLLError : public std::runtime_error {
public:
    explicit EDLLError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
