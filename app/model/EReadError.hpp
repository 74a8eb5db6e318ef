#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// A file that cannot be read as expected. The message names the line and item where possible.
class EReadError : public std::runtime_error {
public:
    explicit EReadError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
