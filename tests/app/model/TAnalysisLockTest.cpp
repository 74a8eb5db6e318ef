// One analysis of a data file at a time, across processes and threads: the
// desktop program's run says that another analysis is in progress, and the
// lock file's removal never lets two holders in.

#include "model/TAnalysisLock.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunCommand.hpp"

#include "SampleProject.hpp"
#include "TestFolder.hpp"

#include <gtest/gtest.h>

#include <future>
#include <optional>
#include <thread>

namespace orvane {
namespace {

class AnalysisLockTest : public ::testing::Test {
protected:
    AnalysisLockTest()
    {
        project.data().Increments = 40;
        setRows(project.tables().PileSect, {{0, 40, 1, 1e9}});
        TProjectFiles::saveAs(project, data);
    }

    TestFolder folder;
    std::filesystem::path data = folder.path() / "wall.ov5d";
    TProject project;
};

TEST_F(AnalysisLockTest, ADesktopRunSaysThatTheFileIsBeingAnalysed)
{
    std::optional<TAnalysisLock> other(std::in_place, data, TAnalysisLock::Wait::No);
    ASSERT_TRUE(other->held());
    const TRunOutcome busy = TRunCommand(FAKE_ENGINE).run(project);
    EXPECT_EQ(busy.result, TRunResult::BeingAnalysed);
    EXPECT_EQ(busy.message, "The data file " + data.string() +
                                " is being analysed by another program. Run the analysis again when that one has "
                                "ended.");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "wall.ov5o"));
    other.reset();
    EXPECT_EQ(TRunCommand(FAKE_ENGINE).run(project).result, TRunResult::Completed);
    EXPECT_FALSE(std::filesystem::exists(TAnalysisLock::name(data)));
}

// The holder removes the lock file as it lets go; the one that waited on
// that file then holds a removed file's lock, which guards nothing: it takes
// the lock of a new file at the name, so a third taker finds it busy.
TEST_F(AnalysisLockTest, AWaiterWhoseFileWasRemovedTakesTheNewOne)
{
    std::optional<TAnalysisLock> first(std::in_place, data, TAnalysisLock::Wait::No);
    ASSERT_TRUE(first->held());
    std::promise<void> waiting, holding, release;
    int waits = 0;
    std::thread second([&] {
        const TAnalysisLock lock(data, TAnalysisLock::Wait::Yes, [&] {
            if (waits++ == 0) waiting.set_value();
        });
        holding.set_value();
        release.get_future().wait();
    });
    waiting.get_future().wait();
    first.reset();
    holding.get_future().wait();
    EXPECT_TRUE(std::filesystem::exists(TAnalysisLock::name(data)));
    EXPECT_FALSE(TAnalysisLock(data, TAnalysisLock::Wait::No).held());
    release.set_value();
    second.join();
    EXPECT_EQ(waits, 1);
    EXPECT_FALSE(std::filesystem::exists(TAnalysisLock::name(data)));
    EXPECT_TRUE(TAnalysisLock(data, TAnalysisLock::Wait::No).held());
}

}  // namespace
}  // namespace orvane
