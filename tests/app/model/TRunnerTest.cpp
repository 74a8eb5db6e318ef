#include "FileText.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/wait.h>
#include <tuple>

namespace orvane {
namespace {

const std::filesystem::path kData = MODEL_TEST_DATA;
const std::filesystem::path kRunner = std::filesystem::path(ORVANE_BIN_DIR) / "orvane-run";

struct Result {
    int status = -1;
    std::string output;
};

// Runs orvane-run with the arguments (each quoted) in `folder`.
Result runner(const std::filesystem::path& folder, const std::vector<std::string>& args)
{
    std::string command = "cd '" + folder.string() + "' && '" + kRunner.string() + "'";
    for (const std::string& arg : args) command += " '" + arg + "'";
    command += " 2>&1";
    Result result;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return result;
    char buffer[512];
    while (std::fgets(buffer, sizeof buffer, pipe)) result.output += buffer;
    const int status = ::pclose(pipe);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

TEST(Runner, ConvertsOlderLayoutsToTheCurrentOne)
{
    const std::tuple<const char*, std::vector<std::string>, const char*> cases[] = {
        {"wall-a.ov4d", {}, "wall-a.ov5d"},
        {"wall-b.ovd", {}, "wall-b.ov5d"},
        {"wall-b-20.ovd", {"--layout", "2.0"}, "wall-b.ov5d"},
        {"wall-b.ovd", {"--layout", "3.0"}, "wall-b.ov5d"},
    };
    for (const auto& [old, options, current] : cases) {
        SCOPED_TRACE(old);
        TestFolder folder;
        std::filesystem::copy_file(kData / old, folder.path() / old);
        std::vector<std::string> args{"--convert", old, "converted.ov5d"};
        args.insert(args.end(), options.begin(), options.end());
        const Result result = runner(folder.path(), args);
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(fileText(folder.path() / "converted.ov5d"), fileText(kData / current));
        EXPECT_EQ(fileText(folder.path() / old), fileText(kData / old));
    }
}

TEST(Runner, ConvertingAStagedFileLeavesNoStageFiles)
{
    std::string stage = fileText(kData / "wall-a.ov5d");
    stage.replace(stage.find("2 2 1 1 0"), 9, "2 2 2 1 0");
    stage.replace(stage.rfind("0\r\n"), 3, "1\r\n");
    std::string second = stage;
    second.replace(0, second.find("\r\n"), " Stage No : 2");
    second.replace(second.rfind("1\r\n"), 3, "2\r\n");
    TestFolder folder;
    writeFileText(folder.path() / "staged.ov5d", stage + second);
    const Result result = runner(folder.path(), {"--convert", "staged.ov5d", "copy.ov5d"});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_EQ(fileText(folder.path() / "copy.ov5d"), stage + second);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 2);
}

TEST(Runner, ConversionErrorsWriteNothing)
{
    TestFolder folder;
    Result result = runner(folder.path(), {"--convert", "missing.ovd", "out.ov5d"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("Cannot open file"), std::string::npos) << result.output;
    result = runner(folder.path(), {"--convert", "a.ovd", "out.ov5d", "--layout", "1.5"});
    EXPECT_EQ(result.status, 2);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.ov5d"));
}

TEST(Runner, AnalysesAnExampleInAPrivateRunFolder)
{
    TestFolder folder;
    const char* const example = "cantilever-user-py.ov5d";
    std::filesystem::copy_file(std::filesystem::path(ORVANE_SOURCE_DIR) / "examples" / example,
                               folder.path() / example);
    const Result result = runner(folder.path(), {example});
    EXPECT_EQ(result.status, 0) << result.output;
    EXPECT_NE(result.output.find("  set 1: iteration"), std::string::npos) << result.output;
    EXPECT_NE(result.output.find("  job completed\n"), std::string::npos) << result.output;
    EXPECT_TRUE(std::filesystem::exists(folder.path() / "cantilever-user-py.ov5o"));
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "names.dat"));
}

TEST(Runner, AFailedProjectCheckRunsNothing)
{
    TestFolder folder;
    std::string text = fileText(kData / "wall-b.ov5d");
    text.replace(text.find("0\t40\t1\t4.5E9"), 12, "0\t44\t1\t4.5E9");
    writeFileText(folder.path() / "wall.ov5d", text);
    const Result result = runner(folder.path(), {"wall.ov5d"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.output.find("  End Node, 44 in row 1 of Wall Stiffness definition\n"
                                 "  is greater than number of nodes defined, 40.\n"),
              std::string::npos)
        << result.output;
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "wall.ov5o"));
}

}  // namespace
}  // namespace orvane
