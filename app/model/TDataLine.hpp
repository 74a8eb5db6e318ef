#pragma once

#include <string>
#include <string_view>

namespace orvane {

// One number line of the data file, built item by item with the separator
// that the layout puts before each item.
class TDataLine {
public:
    TDataLine& i(long long value);
    // Real in the 8-significant-digit general format.
    TDataLine& r(double value);
    TDataLine& t(std::string_view text);
    TDataLine& sp() { return t(" "); }
    TDataLine& tab() { return t("\t"); }

    const std::string& text() const { return text_; }

private:
    std::string text_;
};

}  // namespace orvane
