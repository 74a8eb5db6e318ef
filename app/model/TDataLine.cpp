#include "model/TDataLine.hpp"

#include "model/EWriteError.hpp"
#include "model/TRealFormat.hpp"

#include <cmath>

namespace orvane {

TDataLine& TDataLine::i(long long value)
{
    text_ += std::to_string(value);
    return *this;
}

// The reader cannot take "inf" or "nan" back, so such a value would lose the
// whole project on the next open: the save is refused instead.
TDataLine& TDataLine::r(double value)
{
    if (!std::isfinite(value))
        throw EWriteError("The project cannot be saved: a value of " + TRealFormat::data(value) +
                          " is too large for the data file.");
    text_ += TRealFormat::data(value);
    return *this;
}

TDataLine& TDataLine::t(std::string_view text)
{
    text_ += text;
    return *this;
}

}  // namespace orvane
