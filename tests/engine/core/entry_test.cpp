// The exported entry of the engine library, loaded the way the programs load it.

#include <dlfcn.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>

#include <cstdint>
#include <filesystem>
#include <fstream>

#include "core/engine_api.hpp"
#include "job_fixture.hpp"

using namespace orvane::test;
namespace fs = std::filesystem;

namespace {

using Entry = int32_t (*)(int32_t);

class EngineLibrary : public ::testing::Test {
protected:
    void SetUp() override
    {
        handle_ = dlopen((fs::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so").c_str(), RTLD_NOW | RTLD_LOCAL);
        ASSERT_NE(handle_, nullptr) << dlerror();
    }
    void TearDown() override
    {
        if (handle_) dlclose(handle_);
    }
    Entry entry(const char* name) { return reinterpret_cast<Entry>(dlsym(handle_, name)); }

    // Runs `call` with the job folder as the current folder.
    template <class F>
    int32_t inFolder(const fs::path& dir, F call)
    {
        const fs::path previous = fs::current_path();
        fs::current_path(dir);
        const int32_t r = call();
        fs::current_path(previous);
        return r;
    }

    void* handle_ = nullptr;
};

std::vector<std::string> listing(const fs::path& dir)
{
    std::vector<std::string> names;
    for (const auto& e : fs::recursive_directory_iterator(dir))
        names.push_back(e.path().string() + " " + std::to_string(fs::last_write_time(e.path()).time_since_epoch().count()));
    std::sort(names.begin(), names.end());
    return names;
}

const char* kSet = "Entry\n1 0 1 0 0 0 0 1 0 0\n10 12 10 1E-05 0 12\n0 10 1 1E9\n1\n1 0 0 100 0 0\n1\n0 10 1 100 0\n0\n";

}  // namespace

TEST_F(EngineLibrary, ExportsBothNamesOfTheOneEntry)
{
    ASSERT_NE(entry("IORVANE"), nullptr);
    ASSERT_NE(entry("_IORVANE"), nullptr);
}

TEST(EngineLibraryExports, OnlyTheEntryIsExported)
{
    const std::string lib = (fs::path(ORVANE_BIN_DIR) / "libOrvaneEngine.so").string();
    FILE* p = popen(("nm -D --defined-only " + lib + " 2>/dev/null").c_str(), "r");
    ASSERT_NE(p, nullptr);
    std::string out;
    char buf[512];
    while (fgets(buf, sizeof buf, p)) out += buf;
    pclose(p);
    if (out.empty()) GTEST_SKIP() << "nm is not available";
    std::vector<std::string> code;
    for (const std::string& line : lines(out))
        if (line.find(" T ") != std::string::npos) code.push_back(line.substr(line.find(" T ") + 3));
    std::sort(code.begin(), code.end());
    EXPECT_EQ(code, (std::vector<std::string>{"IORVANE", "IORVANE_JOB", "_IORVANE"}));
}

TEST_F(EngineLibrary, WrongInterfaceNumberTouchesNoFile)
{
    JobFolder job;
    job.write(kSet);
    const auto before = listing(job.dir());
    for (int32_t number : {7, 0, 9, -8}) {
        EXPECT_EQ(inFolder(job.dir(), [&] { return entry("_IORVANE")(number); }), 1) << number;
        EXPECT_EQ(inFolder(job.dir(), [&] { return entry("IORVANE")(number); }), 1) << number;
    }
    EXPECT_EQ(listing(job.dir()), before);
}

TEST_F(EngineLibrary, InterfaceEightRunsTheJobInTheCurrentFolder)
{
    JobFolder job;
    job.write(kSet);
    EXPECT_EQ(inFolder(job.dir(), [&] { return entry("_IORVANE")(8); }), 0);
    EXPECT_EQ(lines(job.report()).back(), "     END OF ANALYSIS" + std::string(29, ' '));
    EXPECT_FALSE(job.plot().empty());
    EXPECT_FALSE(job.notes().empty());
}

TEST_F(EngineLibrary, ResultWordSaysHowTheJobEnded)
{
    JobFolder empty;  // no control file
    EXPECT_EQ(inFolder(empty.dir(), [&] { return entry("_IORVANE")(8); }), 4);
    JobFolder bad;
    bad.write("Bad\n1 0 1 0 0 0 0 1 0 0\n408 12 10 1E-05 0 12\n");
    EXPECT_EQ(inFolder(bad.dir(), [&] { return entry("_IORVANE")(8); }), 2);
}

TEST_F(EngineLibrary, FileSizeLimitIsAWriteFailureWord)
{
    // A limit on the size of files is a full disk that needs no root: writes
    // past it fail with EFBIG. The entry runs in a child that has the limit.
    JobFolder job;
    job.write(kSet);
    const auto run = entry("IORVANE");
    int pipeEnds[2];
    ASSERT_EQ(pipe(pipeEnds), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        const int32_t word = inFolder(job.dir(), [&] { return run(8); });
        (void)!write(pipeEnds[1], &word, sizeof word);
        _exit(0);
    }
    close(pipeEnds[1]);
    int32_t word = -1;
    EXPECT_EQ(read(pipeEnds[0], &word, sizeof word), static_cast<ssize_t>(sizeof word));
    close(pipeEnds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(orvane::engine::wordKind(word), orvane::engine::kWriteFailedWord) << word;
    EXPECT_EQ(orvane::engine::wordFile(word), orvane::engine::JobFile::Report) << word;
    EXPECT_EQ(orvane::engine::wordError(word), EFBIG) << word;
    EXPECT_EQ(std::filesystem::file_size(job.dir() / "wall.ov5o"), 1024u);
}
