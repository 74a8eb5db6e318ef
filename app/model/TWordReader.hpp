#pragma once

#include "model/TWordContainer.hpp"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace orvane {

// Token reader of the data files: the whole file in memory as lines of
// items, read number by number across line ends, or line by line for texts.
class TWordReader {
public:
    // Throws EReadError when the file cannot be opened.
    explicit TWordReader(const std::filesystem::path& path);
    static TWordReader fromText(std::string_view text);

    bool endOfData() const { return line_ >= lines_.size(); }
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
    TWordReader() = default;
    void load(std::string_view text);
    struct Item {
        std::string text;
        int line;
        int number;
    };
    Item nextItem();

    std::vector<TWordContainer> lines_;
    size_t line_ = 0;
    size_t item_ = 0;
};

}  // namespace orvane
