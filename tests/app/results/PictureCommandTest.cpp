// orvane-run --picture as a script runs it: every graph of every analysed
// example, the asked size, pictures that depend on the project, and the
// failures with their exit status.

#include <QCryptographicHash>
#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const fs::path kRunner = fs::path(ORVANE_BIN_DIR) / "orvane-run";
const char* const kGraphs[] = {"pltPY", "pltDef", "pltMom", "pltShear", "pltSoil", "pltDMS", "pltLD", "PltCombine"};

struct CommandRun {
    int status = -1;
    std::string output;
};

CommandRun run(const std::string& arguments)
{
    CommandRun r;
    FILE* p = popen((kRunner.string() + " " + arguments + " 2>&1").c_str(), "r");
    if (!p) return r;
    std::array<char, 4096> buf{};
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) r.output.append(buf.data(), n);
    const int s = pclose(p);
    r.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    return r;
}

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

}  // namespace
