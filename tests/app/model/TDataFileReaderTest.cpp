#include "model/TDataFileReader.hpp"
#include "model/TDataFileWriter.hpp"
#include "model/TProject.hpp"

#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace orvane {
namespace {

// A small English project: one stiffness line, two concentrated loads, a
// tieback, generated p-y curves on one sand layer.
const char* const kFile =
    "Reader test wall\r\n"
    "1 0\t1\t0\t2\t2 0 1 0 1\r\n"
    "40 12\t10\t0.00001\t180\t12\r\n"
    "0\t40\t1\t4.5E9\r\n"
    "2\r\n"
    "1\t0\t0\t1000\t0\t0\r\n"
    "1\t10\t10\t500\t0\t0\r\n"
    "0\r\n"
    "60\t1.5\t29000000\t20\t15\t8\t50000\r\n"
    "180\t12\t12\t0\t0\t1\t1\t0\r\n"
    "0\t0\t0\t0\t0\t0\r\n"
    "0\r\n"
    "1\r\n"
    "4 480 \r\n"
    "0.063657407 0.0  30 0.0  25 0 \r\n"
    "0.063657407 0.0  32 0.0  25 0 \r\n"
    "0\r\n";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    text.replace(text.find(from), from.size(), to);
    return text;
}

TEST(TDataFileReader, ReadsEveryPartOfASet)
{
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProjectText(project, kFile, TLayout::Current));
    const TProgramData& d = project.data();
    EXPECT_EQ(d.Title, "Reader test wall");
    EXPECT_EQ(d.Increments, 40);
    EXPECT_EQ(d.IncrementLength, 12.0);
    EXPECT_EQ(d.EarthPressureChoice, 2);
    EXPECT_TRUE(d.GeneratedEarthPressure);
    EXPECT_TRUE(d.GeneratePYCurves);
    EXPECT_TRUE(d.UseConcentratedLoads);
    EXPECT_FALSE(d.UseSprings);
    EXPECT_TRUE(d.UseTiebacks);
    EXPECT_EQ(d.ActiveWidth, 12.0);
    EXPECT_EQ(d.SetMarker, 0);
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(project.tables().BoundCond.rowCount(), 2);
    EXPECT_EQ(project.tables().BoundCond.cell(3, 1).asReal(), 500.0);
    EXPECT_EQ(project.tables().TiebackTable1.cell(6, 0).asReal(), 50000.0);
    const TGridTable& layers = project.tables().NewSoil;
    ASSERT_EQ(layers.rowCount(), 1);
    EXPECT_EQ(layers.cell(0, 0).asInteger(), 4);
    EXPECT_EQ(layers.cell(1, 0).asReal(), 40.0);  // 480 in as ft
    const TGridTable& sand = *layers.cell(2, 0).subTable();
    EXPECT_EQ(sand.caption(), "Sand");
    EXPECT_EQ(sand.windowCaption(), "Sand 1");
    EXPECT_NEAR(sand.cell(0, 0).asReal(), 110.0, 1e-6);  // pcf
    EXPECT_EQ(sand.cell(1, 1).asReal(), 32.0);
    EXPECT_EQ(sand.cell(2, 0).asReal(), 25.0);
}

TEST(TDataFileReader, ATiebackLineOfSixValuesKeepsTheDefaultPrestress)
{
    TProject project;
    const std::string file = replaced(kFile, "\t8\t50000\r\n", "\t8\r\n");
    ASSERT_FALSE(TDataFileReader::readProjectText(project, file, TLayout::Current));
    const TGridTable& ties = project.tables().TiebackTable1;
    EXPECT_EQ(ties.cell(5, 0).asReal(), 8.0);
    EXPECT_EQ(ties.cell(6, 0).asReal(), 0.0);
    EXPECT_EQ(project.data().WallHeight, 180.0);  // the next line is read in its place
}

TEST(TDataFileReader, IntegerPositionsTakeWholeRealsOnly)
{
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProjectText(project, replaced(kFile, "40 12\t", "40.0 12\t"), TLayout::Current));
    EXPECT_EQ(project.data().Increments, 40);

    const auto error =
        TDataFileReader::readProjectText(project, replaced(kFile, "1\t10\t10\t500", "1\t10\t3.5\t500"), TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Error on Line 7 Item 3\rAn integer was expected but not found.");
    // What came before the error is kept.
    EXPECT_EQ(project.data().Increments, 40);
    EXPECT_EQ(project.tables().BoundCond.rowCount(), 2);
    EXPECT_EQ(project.tables().BoundCond.cell(1, 1).asInteger(), 10);
    EXPECT_FALSE(project.isModified());
}

TEST(TDataFileReader, AMalformedRealNamesItsLineAndItem)
{
    TProject project;
    const auto error = TDataFileReader::readProjectText(project, replaced(kFile, "\t4.5E9", "\t4.5E9x"), TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Error on Line 4 Item 4\rA floating point number was expected but not found.");
}

TEST(TDataFileReader, ATruncatedFileKeepsTheRowsReadSoFar)
{
    const std::string text = kFile;
    const std::string truncated = text.substr(0, text.find("1\t10\t10\t500") + 5);
    TProject project;
    const auto error = TDataFileReader::readProjectText(project, truncated, TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "This file either invalid or incomplete.");
    const TGridTable& loads = project.tables().BoundCond;
    ASSERT_EQ(loads.rowCount(), 2);
    EXPECT_EQ(loads.cell(3, 0).asReal(), 1000.0);
    EXPECT_EQ(loads.cell(1, 1).asInteger(), 10);
    EXPECT_EQ(loads.cell(3, 1).asReal(), 0.0);
    // Tables not reached have their minimum rows.
    EXPECT_EQ(project.tables().PYMod.rowCount(), 2);
    EXPECT_EQ(project.tables().NewSoil.rowCount(), 1);
}

TEST(TDataFileReader, AHugeCountInADamagedFileMakesNoRowsTheFileDoesNotHold)
{
    TProject project;
    const auto error = TDataFileReader::readProjectText(project, replaced(kFile, "\r\n2\r\n1\t0", "\r\n2000000000\r\n1\t0"),
                                                        TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_LT(project.tables().BoundCond.rowCount(), 10);
}

// A count beyond what the engine's tables hold is no project: the reading
// stops at it, naming it, instead of reading rows on through the file.
TEST(TDataFileReader, ACountBeyondTheProgramsCapacityStopsTheReadingAtIt)
{
    const struct Case {
        const char* from;
        const char* to;
        const char* error;
    } cases[] = {
        {"1 0\t1", "1 21\t1", "Error on Line 2 Item 2\rThe file asks for 21 restraint lines; the program holds at most 20."},
        {"2\t2 0 1 0 1", "2\t2 64 1 0 1",
         "Error on Line 2 Item 7\rThe file asks for 64 p-y curve sets; the program holds at most 63."},
        {"2\t2 0 1 0 1", "2\t2 0 1 21 1",
         "Error on Line 2 Item 9\rThe file asks for 21 moment-EI sets; the program holds at most 20."},
        {"40 12\t10", "1000000000 12\t10",
         "Error on Line 3 Item 1\rThe file asks for 1000000000 increments; the program holds at most 407."},
        {"\r\n2\r\n1\t0", "\r\n51\r\n1\t0",
         "Error on Line 5 Item 1\rThe file asks for 51 concentrated load lines; the program holds at most 50."},
        {"\r\n1\r\n4 480", "\r\n11\r\n4 480",
         "Error on Line 13 Item 1\rThe file asks for 11 soil layers; the program holds at most 10."},
    };
    for (const Case& c : cases) {
        TProject project;
        const auto error = TDataFileReader::readProjectText(project, replaced(kFile, c.from, c.to), TLayout::Current);
        ASSERT_TRUE(error) << c.to;
        EXPECT_EQ(*error, c.error);
    }
}

TEST(TDataFileReader, AnOldModificationFactorOf0036ReadsAsOne)
{
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProjectText(
        project, replaced(kFile, "180\t12\t12\t0\t0\t1\t", "180\t12\t12\t0\t0\t0.036\t"), TLayout::Current));
    EXPECT_EQ(project.data().ActivePressureFactor, 1.0);
    ASSERT_FALSE(TDataFileReader::readProjectText(
        project, replaced(kFile, "180\t12\t12\t0\t0\t1\t", "180\t12\t12\t0\t0\t0.8\t"), TLayout::Current));
    EXPECT_EQ(project.data().ActivePressureFactor, 0.8);
}

TEST(TDataFileReader, PYGenerationWithoutEarthPressureStaysOn)
{
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProjectText(project, replaced(kFile, "\t0\t2\t2 0", "\t0\t0\t2 0"),
                                                  TLayout::Current));
    EXPECT_EQ(project.data().EarthPressureChoice, 0);
    EXPECT_TRUE(project.data().GeneratePYCurves);
    const std::string written = TDataFileWriter(project).dataFileText();
    EXPECT_NE(written.find("\r\n4 480 \r\n"), std::string::npos) << written;
}

TEST(TDataFileReader, TheWallLineWidthIsKeptWithoutAConfigurationLine)
{
    const char* const tiebackOnly =
        "Tieback without soil\r\n"
        "1 0\t1\t0\t0\t0 0 1 0 1\r\n"
        "40 12\t10\t0.00001\t180\t12\r\n"
        "0\t40\t1\t4.5E9\r\n"
        "0\r\n"
        "0\r\n"
        "60\t1.5\t29000000\t20\t15\t8\t50000\r\n"
        "0\r\n";
    TProject project;
    ASSERT_FALSE(TDataFileReader::readProjectText(project, tiebackOnly, TLayout::Current));
    EXPECT_EQ(project.data().ActiveWidth, 12.0);
    EXPECT_EQ(TDataFileWriter(project).dataFileText(), tiebackOnly);
}

TEST(TDataFileReader, AnUnknownSoilTypeStopsTheRead)
{
    TProject project;
    const auto error = TDataFileReader::readProjectText(project, replaced(kFile, "4 480 ", "9 480 "), TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Entry must be between 1 and 7.");
    EXPECT_EQ(project.tables().NewSoil.cell(0, 0).asInteger(), 1);
}

TEST(TDataFileReader, AMissingFileIsAReadError)
{
    TProject project;
    project.data().Increments = 12;
    const auto error = TDataFileReader::readProject(project, "/nonexistent/wall.ov5d", TLayout::Current);
    ASSERT_TRUE(error);
    EXPECT_EQ(*error, "Cannot open file \"/nonexistent/wall.ov5d\": No such file or directory");
    EXPECT_EQ(project.data().Increments, 0);
    EXPECT_EQ(project.data().FileName, "/nonexistent/wall.ov5d");
}

TEST(TDataFileReader, FilesWithLFLineEndsReadTheSame)
{
    std::string lf = kFile;
    for (size_t at = lf.find("\r\n"); at != std::string::npos; at = lf.find("\r\n", at)) lf.erase(at, 1);
    TestFolder folder;
    std::ofstream(folder.path() / "lf.ov5d", std::ios::binary) << lf;
    TProject fromLF;
    TProject fromCRLF;
    ASSERT_FALSE(TDataFileReader::readProject(fromLF, folder.path() / "lf.ov5d", TLayout::Current));
    ASSERT_FALSE(TDataFileReader::readProjectText(fromCRLF, kFile, TLayout::Current));
    EXPECT_EQ(TDataFileWriter(fromLF).dataFileText(), TDataFileWriter(fromCRLF).dataFileText());
    EXPECT_EQ(TDataFileWriter(fromCRLF).dataFileText(), kFile);
}

}  // namespace
}  // namespace orvane
