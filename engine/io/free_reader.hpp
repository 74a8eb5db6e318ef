#pragma once
// Reads the data file the way the engine has always read it: a title line as
// text, everything else in free format. Each read statement starts on a new
// line, takes numbers across line ends as it needs them (blanks, TABs and
// commas separate them) and ignores what is left of its last line.
//
// Where the old reader stopped the process, this one throws DataError naming
// the line and the item, so the job ends in order as on any input error.

#include <istream>
#include <string>
#include <string_view>
#include <vector>

#include "io/input_error.hpp"

namespace orvane::io {

class DataError : public engine::InputError {
public:
    using engine::InputError::InputError;
};

class FreeReader {
public:
    // Reads from the whole text, held by the reader.
    explicit FreeReader(std::string text) : text_(std::move(text)) {}
    explicit FreeReader(std::istream& in);

    // The next line as text, trailing CR removed, cut to `keep` characters.
    std::string text(size_t keep);

    // Starts a read statement: its first value comes from the next line.
    void startStatement() { needLine_ = true; item_ = 0; }
    int integer();
    double real();

    int lineNumber() const { return line_; }

private:
    std::string_view nextToken();
    bool readLine(std::string_view& out);

    std::string text_;
    size_t pos_ = 0;
    std::string_view rest_;  // what is left of the current line
    bool needLine_ = true;
    int line_ = 0;
    int item_ = 0;  // position of the token on its line, 1-based
};

// Parses a whole token as a free-format real (accepts D as exponent letter);
// false when the token is not a number.
bool parseReal(std::string_view token, double& value);
bool parseInteger(std::string_view token, int& value);

}  // namespace orvane::io
