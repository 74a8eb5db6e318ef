#include "model/TWordReader.hpp"

#include "model/EReadError.hpp"
#include "model/TInputFile.hpp"
#include "model/TRealFormat.hpp"

#include <algorithm>
#include <cmath>

namespace orvane {

namespace {

const char* const kIncomplete = "This file either invalid or incomplete.";
constexpr size_t kChunk = 65536;

[[noreturn]] void failAt(int line, int item, const std::string& why)
{
    throw EReadError("Error on Line " + std::to_string(line) + " Item " + std::to_string(item) + "\r" + why);
}

bool isControlOrBlank(char c)
{
    return static_cast<unsigned char>(c) <= 32;
}

}  // namespace

TWordReader::TWordReader() = default;
TWordReader::TWordReader(TWordReader&&) noexcept = default;
TWordReader& TWordReader::operator=(TWordReader&&) noexcept = default;
TWordReader::~TWordReader() = default;

TWordReader::TWordReader(const std::filesystem::path& path) : file_(std::make_unique<TInputFile>(path)), mayBeCut_(true)
{
    advance();
}

// A text given whole has no cut end.
TWordReader TWordReader::fromText(std::string_view text)
{
    TWordReader reader;
    reader.pending_ = text;
    reader.sourceEnded_ = true;
    reader.advance();
    return reader;
}

// The next line without its LF or CR LF; `ended` tells whether a line end
// (or a last CR) closed it. False when nothing is left.
bool TWordReader::takeLine(std::string& line, bool& ended)
{
    for (;;) {
        const size_t end = pending_.find('\n', pendingAt_);
        if (end != std::string::npos || sourceEnded_) {
            if (end == std::string::npos && pendingAt_ >= pending_.size()) return false;
            const size_t stop = end == std::string::npos ? pending_.size() : end;
            if (stop - pendingAt_ > kLongestLine) break;
            line.assign(pending_, pendingAt_, stop - pendingAt_);
            ended = end != std::string::npos;
            pendingAt_ = ended ? end + 1 : pending_.size();
            // A CR alone ends the line too.
            if (!line.empty() && line.back() == '\r') {
                line.pop_back();
                ended = true;
            }
            return true;
        }
        if (pending_.size() - pendingAt_ > kLongestLine) break;
        pending_.erase(0, pendingAt_);
        pendingAt_ = 0;
        const size_t had = pending_.size();
        pending_.resize(had + kChunk);
        const size_t got = file_->read(pending_.data() + had, kChunk);
        pending_.resize(had + got);
        sourceEnded_ = got == 0;
    }
    // Reading stops at the start of that line.
    ++lineNumber_;
    current_ = {};
    item_ = 1;
    failAt(lineNumber_, 1, "The line is longer than " + std::to_string(kLongestLine) +
                               " characters, which no line of the file's layout is.");
}

// Lines end in LF or CR LF; a final line end adds no empty line, and an
// empty file is one empty line.
void TWordReader::advance()
{
    std::string line;
    bool ended = false;
    if (!takeLine(line, ended)) {
        if (lineNumber_ > 0) {
            atEnd_ = true;
            return;
        }
        line.clear();
        ended = true;
    }
    ++lineNumber_;
    item_ = 0;
    currentCut_ = mayBeCut_ && !ended && !line.empty() && !isControlOrBlank(line.back());
    current_ = TWordContainer::split(std::move(line));
}

int TWordReader::itemCount() const
{
    return endOfData() ? 0 : static_cast<int>(current_.items.size());
}

TWordReader::Position TWordReader::position() const
{
    if (lineNumber_ == 0) return {};
    if (endOfData()) return {lineNumber_, static_cast<int>(current_.items.size()) + 1};
    return {lineNumber_, std::max(static_cast<int>(item_), 1)};
}

std::string TWordReader::readLine()
{
    if (endOfData()) throw EReadError(kIncomplete);
    std::string text = current_.text;
    advance();
    return text;
}

// Numbers flow across line ends; an empty line where a number is expected
// yields an empty item, which no conversion accepts. The last item of a file
// that ends without a line end may have lost its end (a copy cut short):
// it is no value, and reading stops at it.
TWordReader::Item TWordReader::nextItem()
{
    if (!endOfData() && item_ >= current_.items.size()) advance();
    if (endOfData()) throw EReadError(kIncomplete);
    const auto& items = current_.items;
    Item item{item_ < items.size() ? items[item_] : std::string(), lineNumber_, static_cast<int>(item_) + 1};
    ++item_;
    if (currentCut_ && item_ == items.size())
        failAt(item.line, item.number, "The file ends within this item, without a line end: it may be cut short.");
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
