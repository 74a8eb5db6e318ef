// A full disk under the engine's files: every write and close is checked, the
// job stops, and its outcome and result word name the file and the reason.

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <map>

#include "bench_jobs.hpp"
#include "io/records.hpp"
#include "job_fixture.hpp"

using namespace orvane;
using namespace orvane::test;
using engine::JobEnd;
using engine::JobFile;
namespace fs = std::filesystem;

namespace {

// A disk with `room` bytes left for the file named `name`: writes take what
// fits and then fail with ENOSPC, as write(2) does on a full file system.
class FullDisk {
public:
    FullDisk(std::string name, size_t room) : name_(std::move(name)), room_(room)
    {
        io::setWriteFunction([this](const std::string& path, int fd, const void* data, size_t size) -> ssize_t {
            if (fs::path(path).filename() != name_) return ::write(fd, data, size);
            if (room_ == 0) {
                errno = ENOSPC;
                return -1;
            }
            const size_t n = std::min(size, room_);
            room_ -= n;
            return ::write(fd, data, n);
        });
    }
    ~FullDisk() { io::setWriteFunction({}); }

private:
    std::string name_;
    size_t room_;
};

// The generated two-set job writes every file: a report of about 400 KB (so it
// goes to disk in several writes while the job runs), plot data, run notes and
// both scratch files.
const std::string& bigJob()
{
    static const std::string text = bench::generatedJob();
    return text;
}

}  // namespace

TEST(WriteFailure, FullDiskEndsTheJobNamingTheFileAndTheReason)
{
    struct Case {
        const char* file;
        JobFile kind;
        const char* name;
        size_t room;
        size_t analysed;  // sets analysed before the job stopped
    };
    const Case cases[] = {
        {"wall.ov5o", JobFile::Report, "report", 0, 0},
        {"wall.ov5o", JobFile::Report, "report", 8192, 0},
        {"wall.ov5p", JobFile::PlotData, "plot-data file", 0, 1},
        {"wall.ov5p", JobFile::PlotData, "plot-data file", 8192, 1},
        {"wall.ov5r", JobFile::RunNotes, "run notes", 0, 2},
        {"wall.ov5r", JobFile::RunNotes, "run notes", 100, 2},
        {"soildata", JobFile::Scratch, "scratch file", 8192, 0},
        {"tavrel.001", JobFile::Scratch, "scratch file", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " with " + std::to_string(c.room) + " bytes free");
        JobFolder job;
        job.write(bigJob());
        engine::JobOutcome outcome;
        {
            const FullDisk disk(c.file, c.room);
            outcome = job.run();
        }
        const fs::path path = job.dir() / c.file;
        EXPECT_EQ(outcome.end, JobEnd::WriteError);
        EXPECT_EQ(outcome.failedFile, c.kind);
        EXPECT_EQ(outcome.error, ENOSPC);
        EXPECT_EQ(outcome.message, std::string("The ") + c.name + " " + path.string() +
                                       " could not be written: " + std::strerror(ENOSPC));
        const int32_t word = engine::resultWord(outcome);
        EXPECT_EQ(engine::wordKind(word), engine::kWriteFailedWord);
        EXPECT_EQ(engine::wordFile(word), c.kind);
        EXPECT_EQ(engine::wordError(word), ENOSPC);
        // The file holds no more than the disk had room for.
        if (fs::exists(path)) {
            EXPECT_LE(fs::file_size(path), c.room);
        }
        // A file that fills while the job runs stops it there: the report
        // and the scratch files in the first set, the plot data (64 KB a
        // write) in the second; the short notes fail only when closed.
        EXPECT_EQ(outcome.sets.size(), c.analysed);
    }
}

TEST(WriteFailure, ReportOfAStoppedJobDoesNotClaimItsEnd)
{
    JobFolder job;
    job.write(bigJob());
    {
        const FullDisk disk("wall.ov5p", 0);
        ASSERT_EQ(job.run().end, JobEnd::WriteError);
    }
    EXPECT_EQ(job.report().find("END OF ANALYSIS"), std::string::npos);
}

TEST(WriteFailure, TheSameJobWithRoomCompletes)
{
    // The injected disk fails only when full: with room for everything the
    // job and its files are as without it.
    JobFolder job;
    job.write(bigJob());
    ASSERT_EQ(job.run().end, JobEnd::Completed);
    const std::string report = job.report(), plot = job.plot();
    {
        const FullDisk disk("wall.ov5o", 1 << 20);
        const auto outcome = job.run();
        EXPECT_EQ(outcome.end, JobEnd::Completed) << outcome.message;
        EXPECT_EQ(outcome.sets.size(), 2u);
    }
    EXPECT_EQ(job.report(), report);
    EXPECT_EQ(job.plot(), plot);
}

TEST(WriteFailure, RecordsThrowWhenAWriteFailsAndCloseSaysSo)
{
    JobFolder folder;
    const fs::path path = folder.dir() / "records.txt";
    const FullDisk disk("records.txt", 1000);
    io::Records out;
    ASSERT_TRUE(out.open(path));
    const std::string line(78, '7');
    bool thrown = false;
    try {
        for (int k = 0; k < 2000; ++k) out.rec(line);  // 160 KB: flushed on the way
    } catch (const io::WriteFailure& f) {
        thrown = true;
        EXPECT_EQ(f.path(), path.string());
        EXPECT_EQ(f.error(), ENOSPC);
        EXPECT_EQ(std::string(f.what()), path.string() + ": " + std::strerror(ENOSPC));
    }
    EXPECT_TRUE(thrown);
    EXPECT_FALSE(out.close());
    EXPECT_EQ(out.error(), ENOSPC);
    EXPECT_EQ(fs::file_size(path), 1000u);

    // Short records never flush on the way: the failure shows at close.
    io::Records small;
    ASSERT_TRUE(small.open(folder.dir() / "records.txt"));
    small.rec(line);
    EXPECT_FALSE(small.close());
    EXPECT_EQ(small.error(), ENOSPC);
}

TEST(WriteFailure, ResultWordKeepsTheOtherWordsAndPacksFileAndError)
{
    EXPECT_EQ(engine::writeFailedWord(JobFile::Report, ENOSPC), 5 + 256 * 1 + 65536 * ENOSPC);
    EXPECT_EQ(engine::writeFailedWord(JobFile::Scratch, EFBIG), 5 + 256 * 4 + 65536 * EFBIG);
    for (int32_t word : {0, 2, 3, 4}) {
        EXPECT_EQ(engine::wordKind(word), word);
        EXPECT_EQ(engine::wordFile(word), JobFile::None);
        EXPECT_EQ(engine::wordError(word), 0);
    }
    // An error number beyond the field is clamped, never spills into the sign.
    EXPECT_GT(engine::writeFailedWord(JobFile::RunNotes, 1 << 20), 0);
}
