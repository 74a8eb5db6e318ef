#include "model/TRunCommand.hpp"

#include "model/EDLLError.hpp"
#include "model/EWriteError.hpp"
#include "model/TAnalysisLock.hpp"
#include "model/TControlFile.hpp"
#include "model/TDynamicLibrary.hpp"
#include "model/TProject.hpp"
#include "model/TProjectCheck.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TTempFolder.hpp"
#include "model/TWorkingFolder.hpp"

#include "core/job_entry.h"
#include "core/result_word.hpp"

#include <atomic>
#include <cstring>
#include <memory>
#include <mutex>
#include <optional>
#include <vector>

namespace orvane {

namespace {

using engine::JobFile;
using engine::ResultWord;
using engine::toWord;

using EntryPoint = int32_t (*)(int32_t);

// The engine's first entry reads its control file from the process's working
// folder, which all threads share: one run through it at a time per process.
std::atomic<bool> runInProgress{false};

struct RunGuard {
    ~RunGuard() { runInProgress = false; }
};

TRunOutcome outcome(TRunResult result, std::string message, std::string detail = {})
{
    TRunOutcome o;
    o.result = result;
    o.message = std::move(message);
    o.detail = std::move(detail);
    return o;
}

// The library's entries, or the reason there are none.
struct Entries {
    EntryPoint entry = nullptr;
    OrvaneJobEntry jobEntry = nullptr;  // absent in older or stand-in libraries
    std::string detail;
};

Entries loadEntries(TDynamicLibrary& library, const std::filesystem::path& path)
{
    Entries e;
    library.setFileName(path.string());
    try {
        library.open();
        e.entry = reinterpret_cast<EntryPoint>(library.entry(TRunCommand::kEntryName));
        if (!e.entry) {
            e.detail = library.isOpen() ? "no entry " + std::string(TRunCommand::kEntryName) + " in " + path.string()
                                        : library.lastError();
            if (e.detail.empty()) e.detail = "cannot load " + path.string();
            return e;
        }
        e.jobEntry = reinterpret_cast<OrvaneJobEntry>(library.entry(ORVANE_JOB_ENTRY_NAME));
    } catch (const EDLLError& error) {
        e.detail = std::string(error.what()) + ": " + library.lastError();
    }
    return e;
}

// The engine's account of the job, gathered while its job entry runs.
void onSet(void* context, const OrvaneSetEnd* set)
{
    auto* o = static_cast<TRunOutcome*>(context);
    try {
        o->sets.push_back({set->iteration, set->offCurve != 0, set->exceeded, set->notClosed});
    } catch (...) {
        o->hasSets = false;  // out of memory: fall back on the report
    }
}

void onMessage(void* context, const char* text)
{
    try {
        static_cast<TRunOutcome*>(context)->engineMessage = text;
    } catch (...) {
    }
}

// A failed word names its kind in the low byte; a write failure also names
// the file written short and the system's error number.
std::string wordText(int32_t word, const std::filesystem::path& dataFile)
{
    if (word == toWord(ResultWord::FilesNotOpened))
        return "The engine could not read its control file or open its files";
    if (engine::kindOf(word) != ResultWord::WriteFailed) return "The engine ended with result " + std::to_string(word);
    const std::string reason = std::strerror(engine::wordError(word));
    switch (engine::wordFile(word)) {
    case JobFile::Report:
        return "The report " + TControlFile::report(dataFile).string() + " could not be written: " + reason;
    case JobFile::PlotData:
        return "The plot-data file " + TControlFile::plotData(dataFile).string() + " could not be written: " + reason;
    case JobFile::RunNotes:
        return "The run notes " + TControlFile::runNotes(dataFile).string() + " could not be written: " + reason;
    default: return "A file of the analysis could not be written: " + reason;
    }
}

}  // namespace

struct TRunCommand::Held {
    std::once_flag loaded;
    TDynamicLibrary library;
    Entries entries;
    std::mutex oneAtATime;  // runs through the working-folder entry
    // Run folders of finished runs, cleared, for the next runs: a batch
    // spares the file system a folder made and removed per job.
    std::mutex foldersMutex;
    std::vector<std::unique_ptr<TTempFolder>> idleFolders;  // declared last: removed before the library goes
};

namespace {

// A run folder for one run: a fresh one, or for a held command a cleared one
// of an earlier run, handed back when the run ends.
class FolderLease {
public:
    FolderLease(std::mutex* mutex, std::vector<std::unique_ptr<TTempFolder>>* idle) : mutex_(mutex), idle_(idle)
    {
        if (idle_) {
            const std::lock_guard<std::mutex> lock(*mutex_);
            if (!idle_->empty()) {
                folder_ = std::move(idle_->back());
                idle_->pop_back();
            }
        }
        if (!folder_) folder_ = std::make_unique<TTempFolder>();
    }
    ~FolderLease()
    {
        if (!idle_ || !folder_->clear()) return;  // a folder that keeps something is not reused
        const std::lock_guard<std::mutex> lock(*mutex_);
        try {
            idle_->push_back(std::move(folder_));
        } catch (...) {
        }
    }
    FolderLease(const FolderLease&) = delete;
    FolderLease& operator=(const FolderLease&) = delete;
    const std::filesystem::path& path() const { return folder_->path(); }

private:
    std::mutex* mutex_;
    std::vector<std::unique_ptr<TTempFolder>>* idle_;
    std::unique_ptr<TTempFolder> folder_;
};

}  // namespace

TRunCommand::TRunCommand(std::filesystem::path library, Loading loading)
    : library_(std::move(library)), held_(loading == Loading::Held ? std::make_shared<Held>() : nullptr)
{
}

TRunCommand::~TRunCommand() = default;
TRunCommand::TRunCommand(const TRunCommand&) = default;
TRunCommand& TRunCommand::operator=(const TRunCommand&) = default;

std::filesystem::path TRunCommand::defaultLibrary()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = folder / kLibraryName;
    const std::filesystem::path installed = folder.parent_path() / "lib" / kLibraryName;
    return !std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error) ? installed : beside;
}

void TRunCommand::load() const
{
    if (held_) std::call_once(held_->loaded, [&] { held_->entries = loadEntries(held_->library, library_); });
}

TRunOutcome TRunCommand::run(const TProject& project) const { return checkedRun(project, nullptr); }

TRunOutcome TRunCommand::run(const TProject& project, const TAnalysisLock& lock) const
{
    return checkedRun(project, &lock);
}

TRunOutcome TRunCommand::checkedRun(const TProject& project, const TAnalysisLock* lock) const
{
    if (project.data().FileName == TProjectFiles::kNewName) return outcome(TRunResult::NotSaved, {});
    // Before anything of the run: no control file can name such a file.
    if (auto refusal = TControlFile::unfitPath(project.data().FileName))
        return outcome(TRunResult::WriteFailed, *refusal);
    if (auto warning = TProjectCheck::warning(project)) return outcome(TRunResult::CheckFailed, *warning);
    try {
        if (!held_ && runInProgress.exchange(true))
            return outcome(TRunResult::AlreadyRunning, "Attempt to reinitialize DLL");
        std::optional<RunGuard> guard;
        if (!held_) guard.emplace();
        // Two analyses of one file would write its report, plot data and run
        // notes at once: the second says so rather than wait unseen.
        std::optional<TAnalysisLock> own;
        if (!lock) {
            own.emplace(project.data().FileName, TAnalysisLock::Wait::No);
            if (!own->held())
                return outcome(TRunResult::BeingAnalysed, "The data file " + project.data().FileName +
                                                              " is being analysed by another program. Run the "
                                                              "analysis again when that one has ended.");
        }
        return call(project.data().FileName);
    } catch (const EWriteError& e) {
        return outcome(TRunResult::WriteFailed, e.what());
    }
}

TRunOutcome TRunCommand::call(const std::filesystem::path& dataFile) const
{
    const FolderLease folder(held_ ? &held_->foldersMutex : nullptr, held_ ? &held_->idleFolders : nullptr);
    TControlFile::write(folder.path(), dataFile);
    // Declared after the folder, so the library is released before the folder goes.
    TDynamicLibrary perRun;
    Entries entries;
    if (held_) {
        load();
        entries = held_->entries;
    } else {
        entries = loadEntries(perRun, library_);
    }
    if (!entries.entry) return outcome(TRunResult::LibraryFailed, "Attempt to initialize DLL failed", entries.detail);

    TRunOutcome result;
    if (entries.jobEntry) {
        const OrvaneJobSink sink{&result, onSet, onMessage};
        result.hasSets = true;
        result.engineResult = entries.jobEntry(kInterface, folder.path().c_str(), &sink);
    } else if (held_) {
        const std::lock_guard<std::mutex> lock(held_->oneAtATime);
        if (runInProgress.exchange(true)) return outcome(TRunResult::AlreadyRunning, "Attempt to reinitialize DLL");
        const RunGuard guard;
        const TWorkingFolder inRunFolder(folder.path());
        result.engineResult = entries.entry(kInterface);
    } else {
        const TWorkingFolder inRunFolder(folder.path());
        result.engineResult = entries.entry(kInterface);
    }
    perRun.close();
    if (!result.hasSets) result.sets.clear();

    // A word is an ending of the job only when it is one of these kinds
    // alone; any other, whatever its low byte, is a failure of its files.
    switch (result.engineResult) {
    case toWord(ResultWord::Refused):
        result.result = TRunResult::Refused;
        result.message =
            "Computations can not be performed. Executable files are not consistent.\r"
            "You may need to reinstall the program.\r"
            "If the problem persists, please contact Tarquin technical support.";
        return result;
    case toWord(ResultWord::Completed):
    case toWord(ResultWord::InputError):  // the report names it
    case toWord(ResultWord::SoilStop):    // the report says why
        break;
    default:
        // Nothing the files hold can be trusted as this run's.
        result.result = TRunResult::FilesFailed;
        result.message = result.engineMessage.empty() ? wordText(result.engineResult, std::filesystem::absolute(dataFile))
                                                       : result.engineMessage;
        return result;
    }
    result.result = TRunResult::Completed;
    result.message = "Computations are completed. Please, check output file for results or error messages.";
    const std::filesystem::path plot = TControlFile::plotData(std::filesystem::absolute(dataFile));
    if (std::filesystem::exists(plot)) result.plotFile = plot;
    return result;
}

}  // namespace orvane
