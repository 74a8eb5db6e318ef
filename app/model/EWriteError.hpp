#pragma once

#include <stdexcept>
#include <string>

namespace orvane {

// A file that cannot be written. The old file, if any, is left as it was.
class EWriteError : public std::runtime_error {
public:
    explicit EWriteError(const std::string& message) : std::runtime_error(message) {}
};

}  // namespace orvane
