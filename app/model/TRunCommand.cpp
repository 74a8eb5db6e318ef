#include "model/TRunCommand.hpp"

#include "model/EDLLError.hpp"
#include "model/EWriteError.hpp"
#include "model/TControlFile.hpp"
#include "model/TDynamicLibrary.hpp"
#include "model/TProject.hpp"
#include "model/TProjectCheck.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunFolder.hpp"
#include "model/TWorkingFolder.hpp"

#include <atomic>

namespace orvane {

namespace {

using EntryPoint = int32_t (*)(int32_t);

// The engine reads its control file from the process's working folder, which
// all threads share: one run at a time per process.
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

}  // namespace

std::filesystem::path TRunCommand::defaultLibrary()
{
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    const std::filesystem::path beside = folder / kLibraryName;
    const std::filesystem::path installed = folder.parent_path() / "lib" / kLibraryName;
    return !std::filesystem::exists(beside, error) && std::filesystem::exists(installed, error) ? installed : beside;
}

TRunOutcome TRunCommand::run(const TProject& project) const
{
    if (project.data().FileName == TProjectFiles::kNewName) return outcome(TRunResult::NotSaved, {});
    if (auto warning = TProjectCheck::warning(project)) return outcome(TRunResult::CheckFailed, *warning);
    if (runInProgress.exchange(true)) return outcome(TRunResult::AlreadyRunning, "Attempt to reinitialize DLL");
    RunGuard guard;
    try {
        return call(project.data().FileName);
    } catch (const EWriteError& e) {
        return outcome(TRunResult::WriteFailed, e.what());
    }
}

TRunOutcome TRunCommand::call(const std::filesystem::path& dataFile) const
{
    const TRunFolder folder;
    TControlFile::write(folder.path(), dataFile);
    // Declared after the folder, so the library is released before the folder goes.
    TDynamicLibrary library;
    library.setFileName(library_.string());
    void* entry = nullptr;
    std::string detail;
    try {
        library.open();
        entry = library.entry(kEntryName);
        if (!entry) detail = "no entry " + std::string(kEntryName) + " in " + library_.string();
    } catch (const EDLLError& e) {
        detail = std::string(e.what()) + ": " + library.lastError();
    }
    if (!entry) return outcome(TRunResult::LibraryFailed, "Attempt to initialize DLL failed", detail);

    TRunOutcome result;
    {
        const TWorkingFolder inRunFolder(folder.path());
        result.engineResult = reinterpret_cast<EntryPoint>(entry)(kInterface);
    }
    library.close();
    if (result.engineResult == 1) {
        result.result = TRunResult::Refused;
        result.message =
            "Computations can not be performed. Executable files are not consistent.\r"
            "You may need to reinstall the program.\r"
            "If the problem persists, please contact Tarquin technical support.";
        return result;
    }
    result.result = TRunResult::Completed;
    result.message = "Computations are completed. Please, check output file for results or error messages.";
    const std::filesystem::path plot = TControlFile::plotData(std::filesystem::absolute(dataFile));
    if (std::filesystem::exists(plot)) result.plotFile = plot;
    return result;
}

}  // namespace orvane
