#include "model/TTitle.hpp"

#include <gtest/gtest.h>

#include <string>

namespace orvane {
namespace {

TEST(TTitle, KeepsTheFirstEightyCharactersWithoutCuttingOneInTwo)
{
    const std::string ascii139(139, 'a');
    std::string oslash100;
    for (int k = 0; k < 100; ++k) oslash100 += "\xC3\xB8";  // U+00F8, two bytes each
    // Bytes of an old file's own encoding (0xF8 alone, 0xB0 alone) are one character each.
    const std::string latin1(90, '\xF8');
    const std::string strayContinuation(85, '\xB0');
    struct Case {
        const char* name;
        std::string title;
        size_t length;
        std::string kept;
    };
    const Case cases[] = {
        {"empty", "", 0, ""},
        {"short", "New Wall", 8, "New Wall"},
        {"exactly the limit", std::string(80, 'b'), 80, std::string(80, 'b')},
        {"139 plain characters", ascii139, 139, ascii139.substr(0, 80)},
        {"two-byte characters", oslash100, 100, oslash100.substr(0, 160)},
        {"old encoding", latin1, 90, latin1.substr(0, 80)},
        {"stray continuation bytes", strayContinuation, 85, strayContinuation.substr(0, 80)},
        {"a character across the limit", std::string(79, 'c') + "\xE2\x82\xAC" + "d", 81,
         std::string(79, 'c') + "\xE2\x82\xAC"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(TTitle::length(c.title), c.length);
        EXPECT_EQ(TTitle::kept(c.title), c.kept);
        EXPECT_EQ(TTitle::length(TTitle::kept(c.title)), std::min<size_t>(c.length, TTitle::kMaxLength));
    }
}

}  // namespace
}  // namespace orvane
