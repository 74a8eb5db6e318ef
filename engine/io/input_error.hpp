#pragma once
// The one error of the engine that ends a job in order: the data cannot be
// read or analysed as given, and the message goes into the report. The data
// reader, the soil package and the core each throw their own kind of it, and
// the job catches them all as this one. It sits beside the reader because
// every package of the engine builds on this folder.
//
// A stop of the soil package (soil::SoilStop) is not one of them: it ends the
// job at once, without the end-of-job records.

#include <stdexcept>

namespace orvane::engine {

class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace orvane::engine
