#pragma once

#include <string>
#include <vector>

namespace orvane {

// One line of a text file: its raw text and its items (separated by runs of
// blanks and TABs).
struct TWordContainer {
    std::string text;
    std::vector<std::string> items;

    static TWordContainer split(std::string line);
};

}  // namespace orvane
