#include "model/EReadError.hpp"
#include "model/TWordContainer.hpp"
#include "model/TWordReader.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace orvane {
namespace {

std::string readError(TWordReader& reader, bool integer)
{
    try {
        if (integer)
            reader.readInteger();
        else
            reader.readReal();
    } catch (const EReadError& e) {
        return e.what();
    }
    return "(no error)";
}

TEST(TWordContainer, SplitsAtRunsOfBlanksAndTabs)
{
    EXPECT_EQ(TWordContainer::split("  1 \t 2\t\t3   ").items, (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_TRUE(TWordContainer::split(" \t ").items.empty());
    EXPECT_EQ(TWordContainer::split("1 2\r").items, (std::vector<std::string>{"1", "2"}));
    EXPECT_EQ(TWordContainer::split(" a b ").text, " a b ");
}

TEST(TWordReader, NumbersFlowAcrossLineEnds)
{
    TWordReader reader = TWordReader::fromText("Title line\r\n1 2\r\n3.5\r\n4\r\n");
    EXPECT_EQ(reader.readLine(), "Title line");
    EXPECT_EQ(reader.readInteger(), 1);
    EXPECT_EQ(reader.itemCount(), 2);
    EXPECT_EQ(reader.readInteger(), 2);
    EXPECT_DOUBLE_EQ(reader.readReal(), 3.5);
    EXPECT_EQ(reader.readInteger(), 4);
    EXPECT_FALSE(reader.endOfData());
    EXPECT_EQ(readError(reader, true), "This file either invalid or incomplete.");
    EXPECT_TRUE(reader.endOfData());
}

TEST(TWordReader, ReadLineAfterTheLastItemReturnsThatLineAgain)
{
    TWordReader reader = TWordReader::fromText("0\n9\nSecond title\n");
    EXPECT_EQ(reader.readInteger(), 0);
    EXPECT_EQ(reader.readInteger(), 9);
    EXPECT_EQ(reader.readLine(), "9");
    EXPECT_EQ(reader.readLine(), "Second title");
}

TEST(TWordReader, IntegersAcceptWholeRealsOnly)
{
    TWordReader reader = TWordReader::fromText("T\n1 3.0 -7\n2 3.5\n");
    reader.readLine();
    EXPECT_EQ(reader.readInteger(), 1);
    EXPECT_EQ(reader.readInteger(), 3);
    EXPECT_EQ(reader.readInteger(), -7);
    EXPECT_EQ(reader.readInteger(), 2);
    EXPECT_EQ(readError(reader, true), "Error on Line 3 Item 2\rAn integer was expected but not found.");
}

TEST(TWordReader, BadItemsNameTheirLineAndItem)
{
    TWordReader reader = TWordReader::fromText("T\n1\t2 x\n");
    reader.readLine();
    reader.readReal();
    reader.readReal();
    EXPECT_EQ(readError(reader, false), "Error on Line 2 Item 3\rA floating point number was expected but not found.");

    TWordReader big = TWordReader::fromText("3000000000");
    EXPECT_EQ(readError(big, true), "Error on Line 1 Item 1\rAn integer was expected but not found.");
}

TEST(TWordReader, AnEmptyLineWhereANumberIsExpectedIsAnError)
{
    TWordReader reader = TWordReader::fromText("1\n\n2\n");
    EXPECT_EQ(reader.readInteger(), 1);
    EXPECT_EQ(readError(reader, true), "Error on Line 2 Item 1\rAn integer was expected but not found.");
}

TEST(TWordReader, AnEmptyFileIsOneEmptyLineAndAMissingFileAnError)
{
    TWordReader reader = TWordReader::fromText("");
    EXPECT_FALSE(reader.endOfData());
    EXPECT_EQ(reader.readLine(), "");
    EXPECT_TRUE(reader.endOfData());
    EXPECT_THROW(TWordReader("/nonexistent/folder/file.ov5d"), EReadError);
}

}  // namespace
}  // namespace orvane
