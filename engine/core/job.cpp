#include "job.hpp"

#include <chrono>
#include <cstring>

#include "core/input_reader.hpp"
#include "io/free_reader.hpp"
#include "io/input_error.hpp"
#include "io/records.hpp"
#include "soil/soil_stop.hpp"

namespace orvane::engine {

namespace {

std::tm localNow()
{
    const std::time_t t = std::time(nullptr);
    std::tm tm{};
    localtime_r(&t, &tm);
    return tm;
}

std::string directoryOf(const std::filesystem::path& p)
{
    std::string dir = p.parent_path().string();
    if (dir.empty() || dir.back() != '/') dir += '/';
    return dir;
}

}  // namespace

int32_t resultWord(const JobOutcome& outcome)
{
    switch (outcome.end) {
    case JobEnd::Completed: return toWord(ResultWord::Completed);
    case JobEnd::InputError: return toWord(ResultWord::InputError);
    case JobEnd::SoilStop: return toWord(ResultWord::SoilStop);
    case JobEnd::ControlFileError:
    case JobEnd::FileError: return toWord(ResultWord::FilesNotOpened);
    case JobEnd::WriteError: return writeFailedWord(outcome.failedFile, outcome.error);
    }
    return toWord(ResultWord::FilesNotOpened);
}

JobOutcome runJob(const std::filesystem::path& workDir, Clock clock)
{
    // A job holds every station table; keep it off the caller's stack.
    auto job = std::make_unique<Job>(workDir, std::move(clock));
    return job->run();
}

Job::Job(std::filesystem::path workDir, Clock clock) : workDir_(std::move(workDir)), clock_(std::move(clock))
{
    if (!clock_) clock_ = localNow;
    W_.fill(0);
}

bool Job::openStreams(JobOutcome& outcome)
{
    // Many times the largest set the tables can hold, in every stage: a
    // longer file is no data file, and the reading stops within it.
    constexpr size_t kLargestDataFile = 16u << 20;
    dataRead_ = io::readWholeFile(control_.dataFile, dataText_, kLargestDataFile);
    if (!reportFile_.open(control_.reportFile)) {
        outcome.end = JobEnd::FileError;
        outcome.message = "The output report " + control_.reportFile.string() +
                          " cannot be written: " + std::strerror(reportFile_.error());
        return false;
    }
    plotFile_.open(control_.plotFile);
    notesFile_.open(control_.notesFile);
    if (!dataRead_) {
        outcome.end = JobEnd::FileError;
        outcome.message = "The data file " + control_.dataFile.string() + " cannot be read";
        report_.inputError("ERROR -- THE DATA FILE " + control_.dataFile.string() + " CANNOT BE READ");
        endOfJob();
        return false;
    }
    if (!plotFile_.isOpen() || !notesFile_.isOpen()) {
        outcome.end = JobEnd::FileError;
        const io::Records& shut = plotFile_.isOpen() ? notesFile_ : plotFile_;
        outcome.message = std::string(plotFile_.isOpen() ? "The run notes " : "The plot-data file ") + shut.path() +
                          " cannot be written: " + std::strerror(shut.error());
        report_.inputError("ERROR -- THE PLOT-DATA FILE OR THE RUN NOTES CANNOT BE WRITTEN");
        endOfJob();
        return false;
    }
    return true;
}

JobOutcome Job::run()
{
    JobOutcome outcome;
    const auto cf = readControlFile(workDir_);
    if (!cf) {
        outcome.end = JobEnd::ControlFileError;
        outcome.message = " PLEASE CREATE AN INPUT DATA FILE AND SAVE IT\n BEFORE COMPUTATION.  TRY IT AGAIN!";
        return outcome;
    }
    control_ = *cf;
    io::clearScratch();
    try {
        if (openStreams(outcome)) {
            io::FreeReader in(std::move(dataText_));
            runSets(in, outcome);
        }
    } catch (const io::WriteFailure& failure) {
        // A full disk: stop here; what was computed can no longer be kept.
        writeFailed(outcome, failure.path(), failure.error());
    }
    closeStreams(outcome);
    io::clearScratch();
    return outcome;
}

void Job::runSets(io::FreeReader& in, JobOutcome& outcome)
{
    caseCount_ = 1;
    setCounter_ = 0;
    try {
        for (;;) {
            title_ = in.text(80);
            ++setCounter_;
            if (setCounter_ == 1) firstTitle_ = title_;

            SetData set;
            set.control = readControlLine(in);
            const ControlLine& c = set.control;
            units_ = c.units;

            if (setCounter_ > 1) report_.blank(2);
            writeHeader(set);
            report_.labels.select(c.units);

            SetReader reader(in, report_, plot_, notesFile_, workDir_);
            reader.read(set, tables_, soil_);

            caseLine(set);
            const IterationEnd end = iteration_.run(set, tables_, W_, notesFile_);
            std::vector<ResultRow> rows = wallResults(set.wall.NI, set.wall.h, tables_.EI, W_, set.couples);
            report_.resultsHeading(end);
            report_.resultsTable(rows);
            outcome.sets.push_back({end.iteration, end.offCurve, end.exceeded, end.notClosed});
            lastRows_ = std::move(rows);
            lastUnits_ = c.units;
            anyCompleted_ = true;

            in.startStatement();
            int marker = in.integer();
            if (marker == c.stageCount) marker = kEndMarker;
            if (marker == kEndMarker) break;
            caseCount_ = marker == kLongTermMarker ? 2 : c.stageCount;  // 2: a short-term and a long-term set
            plot_.results(caseCount_, lastUnits_, lastRows_);
        }
    } catch (const soil::SoilStop& stop) {
        // The job stops at once: no end-of-job records and no last results
        // block, but the report says why it stops.
        report_.blank(2);
        report_.rec("     STOP" + (stop.code().empty() ? std::string() : " " + stop.code()) + " -- " + stop.what());
        outcome.end = JobEnd::SoilStop;
        outcome.message = stop.what();
        return;
    } catch (const InputError& e) {
        // The data reader's, the soil package's and the core's input errors alike.
        report_.inputError(e.what());
        outcome.end = JobEnd::InputError;
        outcome.message = e.what();
    }
    endOfJob();
}

void Job::writeHeader(const SetData& set)
{
    report_.titleBlock(control_.version);
    report_.fileNames(directoryOf(control_.dataFile), control_.dataFile.filename().string(),
                      control_.reportFile.filename().string(), control_.plotFile.filename().string());
    report_.blank();
    report_.dateBlock(clock_());
    caseLine(set);
}

void Job::caseLine(const SetData& set)
{
    if (set.control.stageCount > 1) report_.stageCaseLine(setCounter_, firstTitle_);
    else if (setCounter_ == 1) report_.titleCaseLine(title_);
    else report_.longTermCaseLine(firstTitle_);
}

void Job::endOfJob()
{
    report_.endOfAnalysis();
    if (anyCompleted_) plot_.results(caseCount_, lastUnits_, lastRows_);
    else plot_.results(caseCount_, units_, {});
}

JobFile Job::fileOf(const std::string& path) const
{
    if (path == control_.reportFile.string()) return JobFile::Report;
    if (path == control_.plotFile.string()) return JobFile::PlotData;
    if (path == control_.notesFile.string()) return JobFile::RunNotes;
    return JobFile::Scratch;
}

void Job::writeFailed(JobOutcome& outcome, const std::string& path, int error)
{
    // The first failure is the one to name; a file that could not even be
    // opened says more than the short files it leaves.
    if (outcome.end == JobEnd::WriteError || outcome.end == JobEnd::FileError) return;
    static constexpr const char* kNames[] = {"file", "report", "plot-data file", "run notes", "scratch file"};
    outcome.end = JobEnd::WriteError;
    outcome.failedFile = fileOf(path);
    outcome.error = error;
    outcome.message = std::string("The ") + kNames[static_cast<int>(outcome.failedFile)] + " " + path +
                      " could not be written: " + std::strerror(error);
}

void Job::closeStreams(JobOutcome& outcome)
{
    // Every file is closed, and the first that did not reach the disk in full
    // is named: its results are not what the job computed.
    for (io::Records* file : {&reportFile_, &plotFile_, &notesFile_}) {
        const bool wasOpen = file->isOpen();
        if (!file->close() && wasOpen) writeFailed(outcome, file->path(), file->error());
    }
}

}  // namespace orvane::engine
