#pragma once

#include "model/EDLLError.hpp"

namespace orvane {

// The library was found but could not be loaded (bad file, unresolved symbols, failing initialisation).
class EInitError : public EDLLError {
public:
    EInitError() : EDLLError("Library failed to properly initialize") {}
};

}  // namespace orvane
