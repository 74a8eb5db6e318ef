#pragma once

#include "model/EDLLError.hpp"

namespace orvane {

// A library that the engine library depends on could not be found.
class EFileNotFoundError : public EDLLError {
public:
    EFileNotFoundError() : EDLLError("Library could not be located") {}
};

}  // namespace orvane
