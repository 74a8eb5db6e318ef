#include "../../support/fifo_unblocker.hpp"
#include "FileText.hpp"
#include "TestFolder.hpp"
#include "model/EReadError.hpp"
#include "model/TInputFile.hpp"
#include "model/TWordContainer.hpp"
#include "model/TWordReader.hpp"

#include <gtest/gtest.h>

#include <sys/stat.h>

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

std::string openError(const std::filesystem::path& path)
{
    try {
        TWordReader reader(path);
    } catch (const EReadError& e) {
        return e.what();
    }
    return "(no error)";
}

// Only a regular file is read, and anything else is refused at the open: a
// FIFO without a writer would block it, /dev/zero never ends.
TEST(TWordReader, OnlyARegularFileIsRead)
{
    TestFolder folder;
    const auto fifo = folder.path() / "f.ov5d";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const test::FifoUnblocker unblocker(fifo);
    const std::pair<std::filesystem::path, std::string> cases[] = {
        {folder.path() / "missing.ov5d", "No such file or directory"},
        {folder.path(), "it is a folder, not a data file"},
        {fifo, "it is not a regular file"},
        {"/dev/zero", "it is not a regular file"},
    };
    for (const auto& [path, reason] : cases)
        EXPECT_EQ(openError(path), "Cannot open file \"" + path.string() + "\": " + reason);
}

// A file's text as far as a project can reach: whole up to the limit, of a
// longer file the lines that end within it (a copy for the conversion holds
// no more).
TEST(TInputFile, ReadTextKeepsTheWholeLinesWithinTheLimit)
{
    TestFolder folder;
    const auto path = folder.path() / "wall.ov5d";
    writeFileText(path, "ab\ncd\nef");
    const std::pair<size_t, std::string> cases[] = {{8, "ab\ncd\nef"}, {100, "ab\ncd\nef"}, {7, "ab\ncd\n"},
                                                     {6, "ab\ncd\n"}, {5, "ab\n"}, {2, ""}};
    for (const auto& [limit, text] : cases) EXPECT_EQ(TInputFile::readText(path, limit), text) << limit;
    EXPECT_THROW(TInputFile::readText("/dev/zero", 100), EReadError);
}

// A line longer than any line of a data file stops the reading there, before
// it has taken the memory of a file that never ends its line.
TEST(TWordReader, ALineLongerThanAnyDataLineStopsTheReading)
{
    TestFolder folder;
    const auto path = folder.path() / "long.ov5d";
    writeFileText(path, "Title\r\n1 2\r\n" + std::string(TWordReader::kLongestLine + 1, '0') + "\r\n");
    TWordReader reader(path);
    EXPECT_EQ(reader.readLine(), "Title");
    EXPECT_EQ(reader.readInteger(), 1);
    EXPECT_EQ(reader.readInteger(), 2);
    EXPECT_EQ(readError(reader, true),
              "Error on Line 3 Item 1\rThe line is longer than 65536 characters, which no line of the file's layout is.");
    EXPECT_EQ(reader.position().line, 3);
    EXPECT_EQ(reader.position().item, 1);

    writeFileText(path, "1\n" + std::string(TWordReader::kLongestLine, '7') + "\n");
    TWordReader longest(path);
    EXPECT_EQ(longest.readInteger(), 1);
    EXPECT_EQ(readError(longest, false), "Error on Line 2 Item 1\rA floating point number was expected but not found.");
}

// A file that ends without a line end may have been cut in its last item
// ("4.5E+09" cut to "4.5"): that item is no value, and the reading stops at
// it. A blank or a line end after it shows that it is whole.
TEST(TWordReader, TheLastItemOfAFileWithoutALineEndMayBeCut)
{
    const std::string cut = "The file ends within this item, without a line end: it may be cut short.";
    const struct Case {
        std::string text;
        std::string error;  // at the third number
    } cases[] = {
        {"T\n1 2 4.5", "Error on Line 2 Item 3\r" + cut},
        {"T\n1 2\n4.5", "Error on Line 3 Item 1\r" + cut},
        {"T\n1 2 4.5\r", "(no error)"},
        {"T\n1 2 4.5 ", "(no error)"},
        {"T\n1 2 4.5\n", "(no error)"},
        {"T\n1 2 4.5 9", "(no error)"},
    };
    TestFolder folder;
    const auto path = folder.path() / "cut.ov5d";
    for (const Case& c : cases) {
        writeFileText(path, c.text);
        TWordReader reader(path);
        reader.readLine();
        reader.readInteger();
        reader.readInteger();
        EXPECT_EQ(readError(reader, false), c.error) << c.text;
        if (c.error != "(no error)") {
            const TWordReader::Position at = reader.position();
            EXPECT_EQ(c.error.substr(0, c.error.find('\r')),
                      "Error on Line " + std::to_string(at.line) + " Item " + std::to_string(at.item));
        }
    }
    // A text given whole is not cut.
    TWordReader whole = TWordReader::fromText("1 2 4.5");
    whole.readInteger();
    whole.readInteger();
    EXPECT_DOUBLE_EQ(whole.readReal(), 4.5);
}

}  // namespace
}  // namespace orvane
