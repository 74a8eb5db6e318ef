#pragma once

#include "model/EDLLError.hpp"

namespace orvane {

// An entry was looked up while no library is loaded.
class EDLLNotOpenError : public EDLLError {
public:
    EDLLNotOpenError() : EDLLError("Library is not open") {}
};

}  // namespace orvane
