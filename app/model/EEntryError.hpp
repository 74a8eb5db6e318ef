#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// An entry that cannot be accepted (a typed value, a pasted text). The message is shown to the user as it is.
class EEntryError : public std::runtime_error {
public:
    explicit EEntryError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
