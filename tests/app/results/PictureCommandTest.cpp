// orvane-run --picture as a script runs it: every graph of every analysed
// example, the asked size, pictures that depend on the project, and the
// failures with their exit status.

#include <QCryptographicHash>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>

#include "../../support/command_run.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path kRunner = fs::path(ORVANE_BIN_DIR) / "orvane-run";
const char* const kGraphs[] = {"pltPY", "pltDef", "pltMom", "pltShear", "pltSoil", "pltDMS", "pltLD", "PltCombine"};

using orvane::test::CommandRun;

CommandRun run(const std::string& arguments) { return orvane::test::runCommand(kRunner.string() + " " + arguments); }

class PictureCommand : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        dir_ = fs::temp_directory_path() / ("orvane-picture-" + std::to_string(::getpid()));
        fs::create_directories(dir_);
        for (const auto& entry : fs::directory_iterator(fs::path(ORVANE_SOURCE_DIR) / "examples"))
            if (entry.path().extension() == ".ov5d") {
                fs::copy_file(entry.path(), dir_ / entry.path().filename());
                examples_.push_back(dir_ / entry.path().filename());
            }
        for (const fs::path& data : examples_) ASSERT_NE(run(data.string()).status, 1) << data;
    }
    static void TearDownTestSuite() { fs::remove_all(dir_); }

    static fs::path dir_;
    static std::vector<fs::path> examples_;
};

fs::path PictureCommand::dir_;
std::vector<fs::path> PictureCommand::examples_;

QByteArray digest(const fs::path& file)
{
    QFile f(QString::fromStdString(file.string()));
    if (!f.open(QIODevice::ReadOnly)) return {};
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
}

TEST_F(PictureCommand, EveryGraphOfEveryAnalysedExample)
{
    ASSERT_GE(examples_.size(), 2u);
    for (const fs::path& data : examples_)
        for (const char* graph : kGraphs) {
            const fs::path out = dir_ / (data.stem().string() + "-" + graph + ".png");
            const CommandRun r = run(std::string("--picture ") + graph + " " + data.string() + " " + out.string());
            ASSERT_EQ(r.status, 0) << data << " " << graph << "\n" << r.output;
            EXPECT_EQ(QImageReader(QString::fromStdString(out.string())).size(), QSize(432, 288)) << out;
        }
}

TEST_F(PictureCommand, SizeResolutionAndFormatAsAsked)
{
    const fs::path& data = examples_.front();
    const fs::path bmp = dir_ / "big.bmp";
    ASSERT_EQ(run("--picture pltDMS " + data.string() + " " + bmp.string() + " --width 8 --height 5 --ppi 100").status,
              0);
    QImageReader reader(QString::fromStdString(bmp.string()));
    EXPECT_EQ(reader.format(), "bmp");
    EXPECT_EQ(reader.size(), QSize(800, 500));
    const fs::path pdf = dir_ / "g.pdf";
    ASSERT_EQ(run("--picture pltDef " + data.string() + " " + pdf.string()).status, 0);
    QFile f(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_TRUE(f.read(5) == "%PDF-");
}

TEST_F(PictureCommand, OneGraphDiffersBetweenTwoExamples)
{
    const fs::path a = dir_ / "a.png", b = dir_ / "b.png";
    ASSERT_EQ(run("--picture pltMom " + examples_[0].string() + " " + a.string()).status, 0);
    ASSERT_EQ(run("--picture pltMom " + examples_[1].string() + " " + b.string()).status, 0);
    EXPECT_NE(digest(a), digest(b));
    // The same project twice gives the same picture.
    ASSERT_EQ(run("--picture pltMom " + examples_[1].string() + " " + a.string()).status, 0);
    EXPECT_EQ(digest(a), digest(b));
}

TEST_F(PictureCommand, FailuresAndUsageErrors)
{
    const fs::path& data = examples_.front();
    const fs::path out = dir_ / "x.png";
    // Not analysed: no plot-data file beside it.
    const fs::path fresh = dir_ / "fresh.ov5d";
    fs::copy_file(data, fresh);
    CommandRun r = run("--picture pltDef " + fresh.string() + " " + out.string());
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("not available"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(out));
    EXPECT_EQ(run("--picture pltNone " + data.string() + " " + out.string()).status, 2);
    EXPECT_EQ(run("--picture pltDef " + data.string() + " " + out.string() + " --ppi 9").status, 2);
    EXPECT_EQ(run("--picture pltDef " + data.string() + " " + out.string() + " --width 1.5").status, 2);
    EXPECT_EQ(run("--picture pltDef " + data.string() + " " + (dir_ / "x.gif").string()).status, 2);
    EXPECT_EQ(run("--picture pltDef " + data.string()).status, 2);
    EXPECT_EQ(run("--picture pltDef " + data.string() + " " + (dir_ / "no/such/x.png").string()).status, 1);
}

TEST_F(PictureCommand, GraphNamesInAnyLetterCaseAndPlotListsWithBlanks)
{
    const fs::path& data = examples_.front();
    const fs::path canonical = dir_ / "canonical.png", lower = dir_ / "lower.png";
    ASSERT_EQ(run("--picture pltDMS " + data.string() + " " + canonical.string()).status, 0);
    const CommandRun r = run("--picture pltdms " + data.string() + " " + lower.string());
    ASSERT_EQ(r.status, 0) << r.output;
    EXPECT_NE(r.output.find("pltDMS of "), std::string::npos) << r.output;  // named as the program names it
    EXPECT_EQ(QImage(QString::fromStdString(lower.string())), QImage(QString::fromStdString(canonical.string())));
    EXPECT_EQ(run("--picture PLTCOMBINE " + data.string() + " " + (dir_ / "c.png").string()).status, 0);
    const fs::path book = dir_ / "two.xlsx";
    const CommandRun x = run("--export-xlsx " + data.string() + " " + book.string() + " --plots '2, 3'");
    ASSERT_EQ(x.status, 0) << x.output;
    EXPECT_NE(x.output.find("2 \""), std::string::npos) << x.output;
    EXPECT_NE(x.output.find("3 \""), std::string::npos) << x.output;
    EXPECT_EQ(run("--export-xlsx " + data.string() + " " + book.string() + " --plots '2,'").status, 2);
    EXPECT_EQ(run("--export-xlsx " + data.string() + " " + book.string() + " --plots ' '").status, 2);
}

fs::path example(const std::vector<fs::path>& examples, const std::string& name)
{
    for (const fs::path& e : examples)
        if (e.filename() == name) return e;
    return {};
}

// Pixels of one colour in the columns [from, to) of a picture.
int countIn(const QImage& image, int from, int to, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = std::max(0, from); x < std::min(to, image.width()); ++x)
            if (image.pixel(x, y) == colour) ++n;
    return n;
}

TEST_F(PictureCommand, SoilStripAndWallGeometryAsTheMenuItemsShowThem)
{
    const fs::path data = example(examples_, "sand-over-weak-rock-socket.ov5d");
    ASSERT_FALSE(data.empty());
    const std::string base = "--picture pltDMS " + data.string() + " ";
    const std::string size = " --width 10 --height 6.5 --ppi 96";
    const fs::path plain = dir_ / "plain.png", strip = dir_ / "strip.png", wall = dir_ / "wall.png";
    ASSERT_EQ(run(base + plain.string() + size).status, 0);
    ASSERT_EQ(run(base + strip.string() + size + " --soil-layer").status, 0);
    ASSERT_EQ(run(base + wall.string() + size + " --soil-layer --wall-geometry").status, 0);
    const QImage p(QString::fromStdString(plain.string())), s(QString::fromStdString(strip.string())),
        w(QString::fromStdString(wall.string()));
    ASSERT_EQ(s.size(), QSize(960, 624));
    // The half-inch strip of a picture at the right, 96 pixels per inch:
    // [right - 48 + 19, right] with right = 960 - 24 - 7.
    const int right = 960 - 96 / 4 - 14 / 2, left = right - 96 / 2 + 96 / 5;
    const QRgb black = qRgb(0, 0, 0), grey = qRgb(128, 128, 128);
    // Without the strip the panel reaches there; with it the layers' patterns
    // fill it far more densely than the panel's dotted grid.
    EXPECT_GT(countIn(s, left + 1, right, black), 3 * countIn(p, left + 1, right, black));
    // The wall: a grey bar over the middle fifth of the strip, most of its
    // height (the wall reaches 36 of the 40 ft shown).
    const int wallLeft = left + (right - left) * 2 / 5, wallRight = left + (right - left) * 3 / 5;
    const int bar = (wallRight - wallLeft - 1) * 400;
    EXPECT_GT(countIn(w, wallLeft + 1, wallRight, grey), countIn(s, wallLeft + 1, wallRight, grey) + bar);
    EXPECT_EQ(countIn(w, left + 1, wallLeft - 1, grey), 0);

    // Like the menu items: the wall needs the strip, and a graph without
    // layers or wall curves has neither.
    const fs::path out = dir_ / "y.png";
    EXPECT_EQ(run(base + out.string() + " --wall-geometry").status, 2);
    EXPECT_EQ(run("--graphs " + data.string() + " --soil-layer").status, 2);
    const CommandRun r = run("--picture pltDef " + data.string() + " " + out.string() + " --soil-layer");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.output.find("no soil layers"), std::string::npos) << r.output;
    EXPECT_FALSE(fs::exists(out));
}

}  // namespace
