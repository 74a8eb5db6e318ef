#include "model/TDataLine.hpp"

#include "model/TRealFormat.hpp"

namespace orvane {

TDataLine& TDataLine::i(long long value)
{
    text_ += std::to_string(value);
    return *this;
}

TDataLine& TDataLine::r(double value)
{
    text_ += TRealFormat::data(value);
    return *this;
}

TDataLine& TDataLine::t(std::string_view text)
{
    text_ += text;
    return *this;
}

}  // namespace orvane
