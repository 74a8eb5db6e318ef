#pragma once
// Ends of a job inside the soil package.

#include <stdexcept>
#include <string>

#include "io/input_error.hpp"

namespace orvane::soil {

// A stop: the job ends at once, the files keep what was written, and the entry
// returns to its caller.
class SoilStop : public std::runtime_error {
public:
    SoilStop(std::string code, const std::string& message) : std::runtime_error(message), code_(std::move(code)) {}
    const std::string& code() const { return code_; }

private:
    std::string code_;
};

// The set's data cannot be analysed as given: the job writes the message into
// the report and ends in order, like any other input error.
class InputRejected : public engine::InputError {
public:
    explicit InputRejected(const std::string& message) : engine::InputError(message) {}
};

inline constexpr const char* kStorageExceeded = "TOO MUCH DATA FOR AVAILABLE STORAGE";

}  // namespace orvane::soil
