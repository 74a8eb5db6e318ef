#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orvane {

// The project title as the data file keeps it: the first kMaxLength
// characters of one line. The title window, the save and so the run (which
// saves first) apply this one limit; a longer title stays whole in memory
// until the user deletes from it, and only the kept part is written.
class TTitle {
public:
    static constexpr size_t kMaxLength = 80;

    // Characters of a UTF-8 title; a byte that does not start a valid
    // sequence (a title from an old file in another encoding) counts as one.
    static size_t length(std::string_view title);
    // The first kMaxLength characters, never cutting one in two.
    static std::string kept(std::string_view title);
};

}  // namespace orvane
