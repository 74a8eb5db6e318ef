#include "model/TWordReader.hpp"

#include "model/EReadError.hpp"
#include "model/TRealFormat.hpp"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>

namespace orvane {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";

[[noreturn]] void failAt(int line, int item, const char* expected)
{
    throw EReadError("Error on Line " + std::to_string(line) + " Item " + std::to_string(item) + "\r" + expected);
}

}  // namespace

TWordReader::TWordReader(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) throw EReadError("Cannot open file \"" + path.string() + "\"");
    std::ostringstream text;
    text << file.rdbuf();
    load(text.str());
}

TWordReader TWordReader::fromText(std::string_view text)
{
    TWordReader reader;
    reader.load(text);
    return reader;
}

// Lines end in LF or CR LF; a final line end adds no empty line, and an
// empty file is one empty line.
void TWordReader::load(std::string_view text)
{
    size_t at = 0;
    do {
        size_t end = text.find('\n', at);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        lines_.push_back(TWordContainer::split(std::string(line)));
        at = end + 1;
    } while (at < text.size());
}

int TWordReader::itemCount() const
{
    return endOfData() ? 0 : static_cast<int>(lines_[line_].items.size());
}

TWordReader::Position TWordReader::position() const
{
    if (lines_.empty()) return {};
    if (endOfData()) return {static_cast<int>(lines_.size()), static_cast<int>(lines_.back().items.size()) + 1};
    return {static_cast<int>(line_) + 1, std::max(static_cast<int>(item_), 1)};
}

std::string TWordReader::readLine()
{
    if (endOfData()) throw EReadError(kIncomplete);
    item_ = 0;
    return lines_[line_++].text;
}

// Numbers flow across line ends; an empty line where a number is expected
// yields an empty item, which no conversion accepts.
TWordReader::Item TWordReader::nextItem()
{
    if (!endOfData() && item_ >= lines_[line_].items.size()) {
        ++line_;
        item_ = 0;
    }
    if (endOfData()) throw EReadError(kIncomplete);
    const auto& items = lines_[line_].items;
    Item item{item_ < items.size() ? items[item_] : std::string(), static_cast<int>(line_) + 1,
              static_cast<int>(item_) + 1};
    ++item_;
    return item;
}

double TWordReader::readReal()
{
    const Item item = nextItem();
    const auto value = TRealFormat::parse(item.text);
    if (!value) failAt(item.line, item.number, "A floating point number was expected but not found.");
    return *value;
}

int32_t TWordReader::readInteger()
{
    const Item item = nextItem();
    const auto value = TRealFormat::parse(item.text);
    if (!value || *value != std::trunc(*value) || *value < INT32_MIN || *value > INT32_MAX)
        failAt(item.line, item.number, "An integer was expected but not found.");
    return static_cast<int32_t>(std::lround(*value));
}

}  // namespace orvane
