#include "analyse_command.hpp"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <iostream>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <sys/stat.h>

#include "json_summary.hpp"
#include "model/TAnalysisLock.hpp"
#include "model/TControlFile.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TInputFile.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TRunCommand.hpp"
#include "model/TRunSummary.hpp"
#include "model/TRunWarnings.hpp"
#include "model/TStageFiles.hpp"
#include "model/TTempFolder.hpp"
#include "summary.hpp"

#include "core/result_word.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {
namespace {

using engine::ResultWord;

constexpr size_t kNoJob = static_cast<size_t>(-1);

// How a job the engine ran to one of its endings or refused is named in a
// summary: its outcome and the words of its message.
struct JobEnding {
    const char* outcome;
    const char* text;
};

// The run command tells a failure of the files itself: those kinds come here
// only if it lets one through.
JobEnding endingOf(ResultWord r)
{
    switch (r) {
    case ResultWord::Completed: return {"completed", "completed"};
    case ResultWord::Refused:
        return {"refused", "refused: the engine library does not match this program (interface number)"};
    case ResultWord::InputError: return {"input-error", "ended on an input error"};
    case ResultWord::SoilStop: return {"soil-stop", "stopped by the soil package"};
    case ResultWord::FilesNotOpened:
    case ResultWord::WriteFailed: break;
    }
    return {"files-failed", "ended with an unknown result"};
}

const char* outcomeName(TRunResult r)
{
    switch (r) {
    case TRunResult::NotSaved: return "not-saved";
    case TRunResult::CheckFailed: return "check-failed";
    case TRunResult::AlreadyRunning: return "already-running";
    case TRunResult::BeingAnalysed: return "being-analysed";
    case TRunResult::WriteFailed: return "write-failed";
    case TRunResult::LibraryFailed: return "library-failed";
    case TRunResult::FilesFailed: return "files-failed";
    case TRunResult::Refused: return "refused";
    case TRunResult::Completed: return "completed";
    }
    return "failed";
}

// The summary of a job the engine ran, in the runner's words; what it says
// of the sets and the files comes from TRunSummary, as in the desktop
// program, so a run that could not write its files never shows what an
// earlier run left.
void engineRan(JobSummary& s, const TRunOutcome& outcome, const fs::path& data, const TProgramData& project)
{
    // The run command ends a job as run or refused only on a word that is its kind alone.
    const ResultWord kind = engine::kindOf(outcome.engineResult);
    const JobEnding ending = endingOf(kind);
    s.outcome = ending.outcome;
    s.message = std::string("job ") + ending.text;
    if (kind == ResultWord::Refused) return;  // the engine touched no file
    TRunSummary summary = TRunSummary::ofFiles(data, outcome);
    if (summary.report.empty()) {
        s.outcome = "files-failed";
        s.message = "job failed: the report " + TControlFile::report(data).string() +
                    " does not end as the engine ends it";
        return;
    }
    s.report = summary.report.string();
    s.plotData = TControlFile::plotData(data).string();
    s.runNotes = TControlFile::runNotes(data).string();
    s.sets = std::move(summary.sets);
    for (size_t k = 0; k < s.sets.size(); ++k) s.sets[k].name = TRunSummary::setName(project, k, s.sets.size());
    s.headline = summary.endText();
    s.extrapolated = summary.end == TRunSummary::End::Extrapolated;
    switch (summary.end) {
    case TRunSummary::End::Converged:
    case TRunSummary::End::Extrapolated: s.end = JobSummary::End::Converged; break;
    case TRunSummary::End::NotConverged: s.end = JobSummary::End::NotConverged; break;
    case TRunSummary::End::InputError:
    case TRunSummary::End::SoilStop:
    case TRunSummary::End::Failed: s.errors = std::move(summary.errors); break;
    }
}

// The checks before a run, of every stage of the file as it is on disk: the
// later stages are cut from the data file into a private folder, since stage
// files beside it may be a desktop session's, not what the file holds.
std::vector<TRunWarning> findingsOf(TProject& project, const fs::path& data)
{
    if (project.data().StageCount <= 1) return TRunWarnings::of(project);
    const TTempFolder folder;
    const fs::path copy = folder.path() / data.filename();
    // As far as a project can reach, through one open of a regular file.
    TTextFile::write(copy, TInputFile::readText(data), TTextFile::Target::RunFolder);
    TStageFiles::split(copy, project.data().StageCount, TTextFile::Target::RunFolder);
    const std::string name = project.data().FileName;
    project.data().FileName = copy.string();
    std::vector<TRunWarning> found = TRunWarnings::of(project);
    project.data().FileName = name;
    return found;
}

// Runs one data file as it is on disk; `data` is absolute.
JobSummary runOne(const TRunCommand& command, const fs::path& data)
{
    JobSummary s;
    s.path = data.string();
    if (const auto reason = TInputFile::cannotOpen(data)) {
        s.outcome = "unreadable";
        s.message = "cannot read the data file: " + *reason;
        return s;
    }
    if (auto refusal = TControlFile::unfitPath(data)) {
        s.outcome = "write-failed";
        s.message = std::move(*refusal);
        return s;
    }
    // Another analysis of the file (another runner, the desktop program)
    // ends first: the summary is read from the files this job wrote.
    const TAnalysisLock lock(data, TAnalysisLock::Wait::Yes, [&] {
        std::cerr << "orvane-run: waiting for another analysis of " + data.string() + " to end\n" << std::flush;
    });
    // The project check works on the project as read; the engine reads the
    // file itself and reports what it finds wrong in it, so a file the model
    // reads only in part still goes to the engine.
    TProject project;
    if (const auto error = TDataFileReader::readProject(project, data, TLayout::Current))
        s.readInPart = *error;
    else
        s.findings = findingsOf(project, data);  // a project read in part would give findings of what is missing
    const TRunOutcome outcome = command.run(project, lock);
    if (outcome.result == TRunResult::Completed || outcome.result == TRunResult::Refused) {
        engineRan(s, outcome, data, project.data());
        return s;
    }
    s.outcome = outcomeName(outcome.result);
    s.message = outcome.result == TRunResult::FilesFailed ? "job failed: " + outcome.message : outcome.message;
    s.detail = outcome.detail;
    return s;
}

JobSummary runGuarded(const TRunCommand& command, const fs::path& data)
{
    try {
        return runOne(command, data);
    } catch (const std::exception& e) {
        JobSummary s;
        s.path = data.string();
        s.outcome = "failed";
        s.message = e.what();
        return s;
    }
}

// For each job, the last job before it of the same data file (the same
// file however named: device and inode), or none: a batch runs the jobs of
// one file one after the other, as they write the same files.
std::vector<size_t> earlierJobOfSameFile(const std::vector<fs::path>& files)
{
    std::vector<size_t> earlier(files.size(), kNoJob);
    std::map<std::pair<dev_t, ino_t>, size_t> last;
    for (size_t k = 0; k < files.size(); ++k) {
        struct stat st {};
        if (::stat(files[k].c_str(), &st) != 0) continue;
        const auto [at, first] = last.try_emplace({st.st_dev, st.st_ino}, k);
        if (!first) earlier[k] = std::exchange(at->second, k);
    }
    return earlier;
}

unsigned jobCount(int asked, size_t files)
{
    unsigned n = asked > 0 ? static_cast<unsigned>(asked) : std::max(1u, std::thread::hardware_concurrency());
    return static_cast<unsigned>(std::min<size_t>(n, std::max<size_t>(files, 1)));
}

}  // namespace

int runAnalyse(const AnalyseOptions& options)
{
    // One library for the whole batch, released when the batch ends.
    const TRunCommand command(TRunCommand::defaultLibrary(), TRunCommand::Loading::Held);
    // Made absolute here, before any job runs: a job through the library's
    // working-folder entry changes the process's working folder meanwhile.
    std::vector<fs::path> files;
    for (const std::string& file : options.files) {
        std::error_code ec;
        fs::path p = fs::absolute(file, ec);
        files.push_back(ec ? fs::path(file) : p);
    }

    std::vector<std::optional<JobSummary>> done(files.size());
    std::vector<char> ran(files.size(), 0);  // done[k] is emptied once printed
    const std::vector<size_t> earlier = earlierJobOfSameFile(files);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next{0};
    auto work = [&] {
        for (size_t k; (k = next++) < files.size();) {
            // The earlier job was taken before this one, so it is running or done.
            if (earlier[k] != kNoJob) {
                std::unique_lock<std::mutex> lock(mutex);
                finished.wait(lock, [&] { return ran[earlier[k]] != 0; });
            }
            JobSummary s = runGuarded(command, files[k]);
            const std::lock_guard<std::mutex> lock(mutex);
            done[k] = std::move(s);
            ran[k] = 1;
            finished.notify_all();
        }
    };
    std::vector<std::thread> workers;
    const unsigned jobs = jobCount(options.jobs, files.size());
    // One job at a time runs on this thread; more run on workers while this
    // thread prints each summary, in the order of the files, once it is there.
    if (jobs > 1) {
        command.load();
        for (unsigned k = 0; k < jobs; ++k) workers.emplace_back(work);
    }

    bool failed = false;
    bool notConverged = false;
    std::vector<JobSummary> all;
    for (size_t k = 0; k < files.size(); ++k) {
        if (jobs == 1) {
            done[k] = runGuarded(command, files[k]);
        } else {
            std::unique_lock<std::mutex> lock(mutex);
            finished.wait(lock, [&] { return done[k].has_value(); });
        }
        JobSummary& s = *done[k];
        failed = failed || s.end == JobSummary::End::Failed;
        notConverged = notConverged || s.end == JobSummary::End::NotConverged;
        if (options.json) {
            all.push_back(std::move(s));
        } else {
            std::cout << formatJob(s) << std::flush;
        }
        done[k].reset();
    }
    for (std::thread& t : workers) t.join();
    if (options.json) std::cout << jsonSummary(all) << "\n" << std::flush;
    if (!std::cout) {
        std::cerr << "orvane-run: the summary could not be written to standard output\n";
        return 1;
    }
    if (failed) return 1;
    return notConverged ? 3 : 0;
}

}  // namespace orvane::cli
