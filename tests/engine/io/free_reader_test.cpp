#include "io/free_reader.hpp"

#include <gtest/gtest.h>

#include <sstream>

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
