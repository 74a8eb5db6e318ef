// Hostile input to every mode of the runner: what is not a data file (a FIFO,
// /dev/zero, a folder, a missing file), a path with a line break, a file
// without end and counts beyond the program's tables. Each is refused at
// once with its reason; the runner runs under a time limit here, so that a
// regression fails instead of hanging the suite.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "model/TTempFolder.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path kRunner = fs::path(ORVANE_BIN_DIR) / "orvane-run";
const fs::path kExamples = fs::path(ORVANE_SOURCE_DIR) / "examples";
// Far more than any of these runs needs; only a runner that blocks or reads
// without end reaches it.
constexpr int kTimeLimitSeconds = 60;

struct RunnerRun {
    int status = -1;
    bool timedOut = false;
    long peakKilobytes = 0;  // the runner's largest resident set
    std::string output;      // standard output and standard error
};

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the runner with the arguments (no shell between), killed after the
// time limit; its own peak memory comes from wait4.
RunnerRun runner(const std::vector<std::string>& args, const fs::path& folder)
{
    const fs::path log = folder / "runner-output.txt";
    RunnerRun run;
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int fd = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        ::dup2(fd, 1);
        ::dup2(fd, 2);
        std::vector<char*> argv{const_cast<char*>(kRunner.c_str())};
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(kRunner.c_str(), argv.data());
        ::_exit(127);
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(kTimeLimitSeconds);
    int status = 0;
    struct rusage usage {};
    while (::wait4(pid, &status, WNOHANG, &usage) == 0) {
        if (std::chrono::steady_clock::now() > deadline) {
            run.timedOut = true;
            ::kill(pid, SIGKILL);
            ::wait4(pid, &status, 0, &usage);
            break;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.peakKilobytes = usage.ru_maxrss;
    run.output = fileText(log);
    fs::remove(log);
    return run;
}

bool drawingModesBuilt()
{
    return fs::exists(kRunner.parent_path() / "liborvane-run-draw.so") ||
           fs::exists(kRunner.parent_path() / "../lib/liborvane-run-draw.so");
}

// The arguments of each mode for a data file, its outputs in `out`.
struct Mode {
    const char* name;
    bool drawing;
    std::vector<std::string> (*args)(const std::string& data, const fs::path& out);
};

const Mode kModes[] = {
    {"analysis", false, [](const std::string& d, const fs::path&) { return std::vector<std::string>{d}; }},
    {"--convert", false,
     [](const std::string& d, const fs::path& o) { return std::vector<std::string>{"--convert", d, (o / "out.ov5d").string()}; }},
    {"--graphs", false, [](const std::string& d, const fs::path&) { return std::vector<std::string>{"--graphs", d}; }},
    {"--picture", true,
     [](const std::string& d, const fs::path& o) {
         return std::vector<std::string>{"--picture", "pltDef", d, (o / "out.png").string()};
     }},
    {"--export-xlsx", true,
     [](const std::string& d, const fs::path& o) {
         return std::vector<std::string>{"--export-xlsx", d, (o / "out.xlsx").string()};
     }},
    {"--side-view", true,
     [](const std::string& d, const fs::path& o) {
         return std::vector<std::string>{"--side-view", d, (o / "out.png").string()};
     }},
    {"--view-3d", true,
     [](const std::string& d, const fs::path& o) {
         return std::vector<std::string>{"--view-3d", d, (o / "out.png").string()};
     }},
};

class HostileInput : public ::testing::Test {
protected:
    const fs::path& dir() const { return folder_.path(); }
    orvane::TTempFolder folder_{"orvane-hostile-test", "test folder"};
};

// Refused at once, with the system's reason or what the file is; nothing is
// written.
TEST_F(HostileInput, WhatIsNotARegularFileIsRefusedInEveryMode)
{
    const fs::path fifo = dir() / "f.ov5d";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const fs::path folder = dir() / "x.ov5d";
    fs::create_directory(folder);
    const fs::path out = dir() / "out";
    fs::create_directory(out);
    const struct Input {
        fs::path path;
        std::string reason;
    } inputs[] = {
        {fifo, "it is not a regular file"},
        {"/dev/zero", "it is not a regular file"},
        {folder, "it is a folder, not a data file"},
        {dir() / "missing.ov5d", "No such file or directory"},
    };
    for (const Mode& mode : kModes) {
        if (mode.drawing && !drawingModesBuilt()) continue;
        for (const Input& input : inputs) {
            SCOPED_TRACE(std::string(mode.name) + " " + input.path.string());
            const RunnerRun r = runner(mode.args(input.path.string(), out), dir());
            EXPECT_FALSE(r.timedOut);
            EXPECT_EQ(r.status, 1) << r.output;
            const std::string said = std::string(mode.name) == "analysis"
                                         ? "  cannot read the data file: " + input.reason + "\n"
                                         : "  Cannot open file \"" + input.path.string() + "\": " + input.reason + "\n";
            EXPECT_NE(r.output.find(said), std::string::npos) << r.output;
            EXPECT_TRUE(fs::is_empty(out)) << r.output;
        }
    }
}

// The control file names the files of a run one a line: a line break in the
// data file's path would split it, and the engine would write its report,
// run notes and plot data over the files the parts name (here the planted
// wall.ov5d).
TEST_F(HostileInput, APathWithALineBreakIsRefusedAndNothingOutsideIsWritten)
{
    const fs::path planted = dir() / "vdir" / "wall.ov5d";
    fs::create_directories(planted.parent_path());
    const std::string example = fileText(kExamples / "cantilever-user-py.ov5d");
    std::ofstream(planted, std::ios::binary) << example;
    for (const auto& [lineBreak, shown] : {std::pair{"\n", "\\n"}, std::pair{"\r", "\\r"}}) {
        const std::string evil = dir().string() + "/evil" + lineBreak;
        const fs::path data = evil + planted.string();
        fs::create_directories(data.parent_path());
        fs::copy_file(kExamples / "cantilever-user-py.ov5d", data);
        const RunnerRun r = runner({data.string()}, dir());
        EXPECT_FALSE(r.timedOut);
        EXPECT_EQ(r.status, 1) << r.output;
        const std::string message = "  The data file \"" + dir().string() + "/evil" + shown + planted.string() +
                                    "\" cannot be analysed: its path holds a line break, and the control file "
                                    "names.dat names each file of the run on a line of its own. Rename the file or "
                                    "its folder.\n";
        EXPECT_NE(r.output.find(message), std::string::npos) << r.output;
        EXPECT_EQ(fileText(planted), example);
        EXPECT_EQ(std::distance(fs::directory_iterator(planted.parent_path()), {}), 1);
        EXPECT_FALSE(fs::exists(dir() / "evil"));
        EXPECT_EQ(std::distance(fs::directory_iterator(data.parent_path()), {}), 1);
        fs::remove_all(evil);
    }
}

// A valid project followed by 200 MB of zeros: nothing after the last set
// is needed, and the reading never holds more than a bounded part of it.
TEST_F(HostileInput, AFileFarLongerThanAProjectIsReadInBoundedMemory)
{
    constexpr long kMemoryLimitKilobytes = 100 * 1024;
    const fs::path data = dir() / "long.ov5d";
    {
        std::ofstream file(data, std::ios::binary);
        file << fileText(kExamples / "cantilever-user-py.ov5d");
        std::string zeros;
        for (int k = 0; k < 4096; ++k) zeros += "0 0 0 0 0 0 0 0\r\n";
        for (size_t written = 0; written < 200u << 20; written += zeros.size()) file << zeros;
    }
    const RunnerRun analysis = runner({data.string()}, dir());
    EXPECT_FALSE(analysis.timedOut);
    EXPECT_EQ(analysis.status, 0) << analysis.output;
    EXPECT_NE(analysis.output.find("  job completed\n"), std::string::npos) << analysis.output;
    EXPECT_LT(analysis.peakKilobytes, kMemoryLimitKilobytes);

    const RunnerRun convert = runner({"--convert", data.string(), (dir() / "out.ov5d").string()}, dir());
    EXPECT_FALSE(convert.timedOut);
    EXPECT_EQ(convert.status, 0) << convert.output;
    const RunnerRun plain =
        runner({"--convert", (kExamples / "cantilever-user-py.ov5d").string(), (dir() / "plain.ov5d").string()}, dir());
    EXPECT_EQ(plain.status, 0) << plain.output;
    EXPECT_EQ(fileText(dir() / "out.ov5d"), fileText(dir() / "plain.ov5d"));
    EXPECT_LT(convert.peakKilobytes, kMemoryLimitKilobytes);
    RecordProperty("analysis_peak_kilobytes", std::to_string(analysis.peakKilobytes));
    RecordProperty("convert_peak_kilobytes", std::to_string(convert.peakKilobytes));
    fs::remove(data);
}

// A count beyond the program's tables stops the reading at it, naming the
// line, the item and the count, before any loop of the views runs on it; a
// width of 1e10 is drawn as quickly as any other.
TEST_F(HostileInput, TheViewsRefuseAHugeCountAndDrawAHugeWidth)
{
    if (!drawingModesBuilt()) GTEST_SKIP() << "the drawing modes are not part of this build";
    const std::string example = fileText(kExamples / "sand-anchored-generated-py.ov5d");
    const fs::path counted = dir() / "counted.ov5d";
    std::string text = example;
    text.replace(text.find("1 0\t1\t0"), 7, "1 1000000000\t1\t0");
    std::ofstream(counted, std::ios::binary) << text;
    for (const char* mode : {"--side-view", "--view-3d"}) {
        SCOPED_TRACE(mode);
        const RunnerRun r = runner({mode, counted.string(), (dir() / "out.png").string()}, dir());
        EXPECT_FALSE(r.timedOut);
        EXPECT_EQ(r.status, 1) << r.output;
        EXPECT_NE(r.output.find("orvane-run: cannot read " + counted.string() +
                                ":\n  Error on Line 2 Item 2\n  The file asks for 1000000000 restraint lines; the "
                                "program holds at most 20.\n"),
                  std::string::npos)
            << r.output;
        EXPECT_FALSE(fs::exists(dir() / "out.png"));
    }

    const fs::path wide = dir() / "wide.ov5d";
    text = example;
    text.replace(text.find("300\t12\t12\t800"), 13, "300\t12\t1E10\t800");
    std::ofstream(wide, std::ios::binary) << text;
    const RunnerRun r = runner({"--view-3d", wide.string(), (dir() / "wide.png").string()}, dir());
    EXPECT_FALSE(r.timedOut);
    EXPECT_EQ(r.status, 0) << r.output;
    EXPECT_TRUE(fs::exists(dir() / "wide.png"));
}

}  // namespace
