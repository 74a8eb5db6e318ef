#include "io/free_reader.hpp"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "io/fortran_format.hpp"

using orvane::io::DataError;
using orvane::io::FreeReader;

TEST(FreeReader, StatementTakesNumbersAcrossLinesAndDropsTheRest)
{
    std::istringstream in("Title line, with commas  \r\n1 2\t3\r\n\r\n4 5 6 7\r\n8,9\n");
    FreeReader r(in);
    EXPECT_EQ(r.text(80), "Title line, with commas  ");
    r.startStatement();
    EXPECT_EQ(r.integer(), 1);
    EXPECT_EQ(r.integer(), 2);
    EXPECT_EQ(r.integer(), 3);
    EXPECT_EQ(r.integer(), 4);  // the blank line is skipped
    r.startStatement();         // 5 6 7 are left behind
    EXPECT_EQ(r.integer(), 8);
    EXPECT_EQ(r.real(), 9.0);
}

TEST(FreeReader, RealForms)
{
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {{"1.5", 1.5},     {"-2", -2},        {"1.0E+10", 1e10}, {"1.0D-3", 1e-3},
                          {".5", 0.5},      {"5.", 5.0},       {"+3e2", 300},     {"1.2345678E-07", 1.2345678e-7},
                          {"0.0", 0.0},     {"1e-400", 0.0}};
    for (const Case& c : cases) {
        double v = -1;
        EXPECT_TRUE(orvane::io::parseReal(c.text, v)) << c.text;
        EXPECT_EQ(v, c.value) << c.text;
    }
    for (const char* bad : {"abc", "1.2.3", "1e", "--1", "", "1e+", "nan", "inf", "1e999", "12x"}) {
        double v;
        EXPECT_FALSE(orvane::io::parseReal(bad, v)) << bad;
    }
}

TEST(FreeReader, ErrorsNameLineAndItem)
{
    struct Case {
        const char* text;
        bool integers;
        const char* message;
    };
    const Case cases[] = {
        {"1 2 3.0\n", true, "ERROR -- INVALID INTEGER \"3.0\" IN LINE 1, ITEM 3 OF THE DATA FILE"},
        {"1\n2 3.5\n", true, "ERROR -- INVALID INTEGER \"3.5\" IN LINE 2, ITEM 2 OF THE DATA FILE"},
        {"1 2\n", true, "ERROR -- UNEXPECTED END OF THE DATA FILE AFTER LINE 1"},
        {"1.0 x2\n", false, "ERROR -- INVALID NUMBER \"x2\" IN LINE 1, ITEM 2 OF THE DATA FILE"},
    };
    for (const Case& c : cases) {
        std::istringstream in(c.text);
        FreeReader r(in);
        r.startStatement();
        try {
            for (int k = 0; k < 3; ++k) c.integers ? (void)r.integer() : (void)r.real();
            ADD_FAILURE() << "no error for " << c.text;
        } catch (const DataError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        }
    }
}

TEST(FreeReader, TitleAtEndOfFileIsAnError)
{
    std::istringstream in("only\n");
    FreeReader r(in);
    r.text(80);
    EXPECT_THROW(r.text(80), DataError);
}

namespace {

// What from_chars reads from the token once a D exponent letter is an E and a
// leading plus is dropped: the value parseReal must give.
double fromChars(std::string t)
{
    for (char& c : t)
        if (c == 'D' || c == 'd') c = 'E';
    const char* b = t.data() + (!t.empty() && t[0] == '+' ? 1 : 0);
    double v = 0;
    std::from_chars(b, t.data() + t.size(), v);
    return v;
}

void expectSameAsFromChars(std::string token)
{
    token.erase(0, token.find_first_not_of(' '));  // a fixed field's leading blanks
    double v = 0;
    ASSERT_TRUE(orvane::io::parseReal(token, v)) << token;
    const double w = fromChars(token);
    // Bit for bit, so -0 and 0 differ.
    EXPECT_EQ(std::memcmp(&v, &w, sizeof v), 0) << token << ": " << v << " against " << w;
}

}  // namespace

TEST(FreeReader, RealsReadBitForBitAsFromCharsReadsThem)
{
    // Edges of the exact short cut: 2^53 and one past it, 19 and 20 digits,
    // powers of ten at and beyond 1e22, leading and trailing zeros, signs.
    for (const char* t :
         {"9007199254740992", "9007199254740993", "9007199254740992.5", "1234567890123456789", "12345678901234567891",
          "1E22", "1E23", "1E-22", "1E-23", "0.1E-21", "123.456E20", "123.456E-20", "0.00000000000000000000001",
          "1.00000000000000000000", "-0.0", "-0", "+0.000E+00", "-.5D-3", "0.1", "0.3", "2.2250738585072014E-308",
          "4.9E-324", "1.7976931348623157E+308", "000000000000000000000000123", "0.30000000000000004",
          "8.9884656743115795E+307", "1.5E00000000000000000000001", "-0.1234D+05", "5.e-1"})
        expectSameAsFromChars(t);

    // Every form the engine writes and reads back, over random magnitudes.
    std::mt19937_64 gen(20261210);
    std::uniform_real_distribution<double> mant(-10.0, 10.0);
    std::uniform_int_distribution<int> expo(-30, 30);
    std::uniform_int_distribution<int> digits(1, 17);
    char buf[64];
    for (int k = 0; k < 200000; ++k) {
        const double v = mant(gen) * std::pow(10.0, expo(gen));
        const int d = digits(gen);
        expectSameAsFromChars(orvane::fortran::E(d + 8, d, v));
        expectSameAsFromChars(orvane::fortran::D(d + 8, d, v));
        std::snprintf(buf, sizeof buf, "%.*f", d % 10, v);
        expectSameAsFromChars(buf);
        std::snprintf(buf, sizeof buf, "%.17g", v);
        expectSameAsFromChars(buf);
        if (HasFailure()) break;
    }
}
