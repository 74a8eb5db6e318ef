#include "model/TTitle.hpp"

namespace orvane {

namespace {

// Bytes of the character that starts at `at`: the length of a valid UTF-8
// sequence, 1 for any other byte.
size_t characterBytes(std::string_view text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    const size_t bytes = lead >= 0xF0 && lead <= 0xF4 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 && lead < 0xE0 ? 2 : 1;
    if (bytes == 1 || lead > 0xF4 || at + bytes > text.size()) return 1;
    for (size_t k = 1; k < bytes; ++k)
        if ((static_cast<unsigned char>(text[at + k]) & 0xC0) != 0x80) return 1;
    return bytes;
}

// The byte position after the first `count` characters.
size_t bytesOf(std::string_view text, size_t count)
{
    size_t at = 0;
    for (size_t n = 0; n < count && at < text.size(); ++n) at += characterBytes(text, at);
    return at;
}

}  // namespace

size_t TTitle::length(std::string_view title)
{
    size_t count = 0;
    for (size_t at = 0; at < title.size(); at += characterBytes(title, at)) ++count;
    return count;
}

std::string TTitle::kept(std::string_view title)
{
    return std::string(title.substr(0, bytesOf(title, kMaxLength)));
}

}  // namespace orvane
