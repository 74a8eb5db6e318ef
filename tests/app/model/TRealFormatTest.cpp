#include "model/TRealFormat.hpp"

#include <gtest/gtest.h>

#include <tuple>

namespace orvane {
namespace {

TEST(TRealFormat, WritesEightSignificantDigitsInTheShortestForm)
{
    const std::tuple<double, const char*> cases[] = {
        {0.0, "0"},
        {-0.0, "0"},
        {120.0, "120"},
        {120.0 / 1728.0, "0.069444444"},
        {10.0 * 12.0, "120"},
        {1.5, "1.5"},
        {-2.25, "-2.25"},
        {0.00001, "0.00001"},
        {0.0000099, "9.9E-6"},
        {1.234567891e-7, "1.2345679E-7"},
        {12345678.0, "12345678"},
        {123456789.0, "1.2345679E8"},
        {9.6e9, "9.6E9"},
        {29000000.0, "29000000"},
        {99999999.5, "1E8"},
        {240.0001296, "240.00013"},
        {1.0 / 3.0, "0.33333333"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(TRealFormat::data(value), text) << value;
}

TEST(TRealFormat, GeneralFormatTakesTheDigitsAsked)
{
    EXPECT_EQ(TRealFormat::general(0.1 + 0.2, 15), "0.3");
    EXPECT_EQ(TRealFormat::general(0.1 + 0.2, 18), "0.300000000000000044");
    EXPECT_EQ(TRealFormat::general(28.5, 15), "28.5");
}

TEST(TRealFormat, ParsesOnlyWholeNumbers)
{
    const std::tuple<const char*, double> good[] = {
        {"3", 3.0}, {"3.0", 3.0}, {"-1.5", -1.5}, {"+2", 2.0}, {".5", 0.5}, {"5.", 5.0},
        {"1E-5", 1e-5}, {"9.6E+09", 9.6e9}, {"1e3", 1000.0},
    };
    for (const auto& [text, value] : good) {
        const auto parsed = TRealFormat::parse(text);
        ASSERT_TRUE(parsed) << text;
        EXPECT_DOUBLE_EQ(*parsed, value) << text;
    }
    for (const char* bad : {"", "-", "+", "abc", "1,5", "12abc", " 1", "inf", "nan", "-inf", "0x10", "1e999", "1.2.3"})
        EXPECT_FALSE(TRealFormat::parse(bad)) << bad;
}

TEST(TRealFormat, WrittenValuesReadBackToTheSameText)
{
    for (double value : {120.0 / 1728.0, 1e-7 / 3.0, 7.0e12 / 3.0, -0.1, 123.456789012})
        EXPECT_EQ(TRealFormat::data(*TRealFormat::parse(TRealFormat::data(value))), TRealFormat::data(value));
}

}  // namespace
}  // namespace orvane
