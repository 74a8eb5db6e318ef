#pragma once
// A stop inside the soil package: the job ends at once, the files keep what
// was written, and the entry returns to its caller.

#include <stdexcept>
#include <string>

namespace orvane::soil {

class SoilStop : public std::runtime_error {
public:
    SoilStop(std::string code, const std::string& message) : std::runtime_error(message), code_(std::move(code)) {}
    const std::string& code() const { return code_; }

private:
    std::string code_;
};

}  // namespace orvane::soil
