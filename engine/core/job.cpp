#include "job.hpp"

#include <chrono>

#include "core/input_reader.hpp"
#include "core/range_scheme.hpp"
#include "io/free_reader.hpp"
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
    case JobEnd::Completed: return 0;
    case JobEnd::InputError: return 2;
    case JobEnd::SoilStop: return 3;
    case JobEnd::ControlFileError:
    case JobEnd::FileError: return 4;
    }
    return 4;
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
    dataRead_ = io::readWholeFile(control_.dataFile, dataText_);
    if (!reportFile_.open(control_.reportFile)) {
        outcome.end = JobEnd::FileError;
        outcome.message = "The output report " + control_.reportFile.string() + " cannot be written";
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
        outcome.message = "The plot-data file or the run notes cannot be written beside the report";
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
    if (openStreams(outcome)) {
        io::FreeReader in(std::move(dataText_));
        runSets(in, outcome);
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
            if (marker == c.stageCount) marker = 0;
            if (marker == 0) break;
            caseCount_ = marker == 9 ? 2 : c.stageCount;
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
        report_.inputError(e.what());
        outcome.end = JobEnd::InputError;
        outcome.message = e.what();
    } catch (const io::DataError& e) {
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

void Job::closeStreams(JobOutcome& outcome)
{
    const bool wasOpen = reportFile_.isOpen();
    const bool written = reportFile_.close() & plotFile_.close() & notesFile_.close();
    // A full disk or a lost folder: the files are not what the job says.
    if (wasOpen && !written && outcome.end != JobEnd::FileError) {
        outcome.end = JobEnd::FileError;
        outcome.message = "The output files in " + control_.reportFile.parent_path().string() + " could not be written in full";
    }
}

}  // namespace orvane::engine
