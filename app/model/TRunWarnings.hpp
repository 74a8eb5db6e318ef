#pragma once

#include <string>
#include <vector>

namespace orvane {

class TProject;

// A finding in the input that the engine would run with but that is almost
// certainly not what the user meant: where it is and what it says.
struct TRunWarning {
    std::string table;  // the table or dialog, as its window is captioned
    int row = 0;        // 1-based row of the table; 0 for a single value
    std::string text;   // one sentence naming the table, the row and the value
};

// Plain-language checks before a run, besides the project check that stops
// a run (TProjectCheck): the user may run anyway. Values are named in the
// project's display units. A staged project is checked stage by stage, each
// finding named with its stage.
class TRunWarnings {
public:
    static std::vector<TRunWarning> of(const TProject& project);
};

}  // namespace orvane
