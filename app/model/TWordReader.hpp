#pragma once

#include "model/TWordContainer.hpp"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace orvane {

class TInputFile;

// Token reader of the data files: read number by number across line ends, or
// line by line for texts. The file is read as the reading goes, one line in
// memory at a time, so what follows the data a reader needs is never read.
class TWordReader {
public:
    // No line of a data or plot-data file comes near this; a longer one is no
    // such file, and holding it would take memory without bound.
    static constexpr size_t kLongestLine = 65536;

    // Throws EReadError when the file cannot be opened or is not a regular file.
    explicit TWordReader(const std::filesystem::path& path);
    static TWordReader fromText(std::string_view text);
    TWordReader(TWordReader&&) noexcept;
    TWordReader& operator=(TWordReader&&) noexcept;
    ~TWordReader();

    bool endOfData() const { return atEnd_; }
    int itemCount() const;
    // Raw text of the line under the cursor; the cursor moves to the next line.
    std::string readLine();
    // Next item as a number; throws EReadError naming the line and item.
    double readReal();
    int32_t readInteger();

    // Where reading stands, 1-based: the line and item last taken, or at the
    // end of the data the item that was still expected on the last line.
    struct Position {
        int line = 0;
        int item = 0;
    };
    Position position() const;

private:
    TWordReader();
    bool takeLine(std::string& line, bool& ended);
    void advance();
    struct Item {
        std::string text;
        int line;
        int number;
    };
    Item nextItem();

    std::unique_ptr<TInputFile> file_;
    std::string pending_;  // read from the file, not yet taken as lines
    size_t pendingAt_ = 0;
    bool sourceEnded_ = false;
    bool mayBeCut_ = false;  // a file's last line without a line end may be cut short

    TWordContainer current_;
    bool currentCut_ = false;  // the last item of the current line may be cut
    bool atEnd_ = false;
    int lineNumber_ = 0;  // of the current line; at the end, of the last line
    size_t item_ = 0;
};

}  // namespace orvane
