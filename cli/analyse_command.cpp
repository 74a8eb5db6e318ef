#include "analyse_command.hpp"

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "messages.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TRunCommand.hpp"
#include "summary.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {
namespace {

fs::path withExtension(fs::path p, const char* ext) { return p.replace_extension(ext); }

const char* resultText(int32_t r)
{
    switch (r) {
    case 0: return "completed";
    case 1: return "refused: the engine library does not match this program (interface number)";
    case 2: return "ended on an input error";
    case 3: return "stopped by the soil package";
    case 4: return "could not read its control file or open its files";
    default: return "ended with an unknown result";
    }
}

// How one job ended, for the exit status.
enum class JobEnd { Failed, NotConverged, Converged };

// Prints the summary; returns whether every analysed set converged.
bool printSummary(const fs::path& data, int32_t result)
{
    const fs::path report = withExtension(data, ".ov5o");
    std::vector<SetResult> sets = readReportSets(report);
    readPlotExtremes(withExtension(data, ".ov5p"), sets);
    for (size_t k = 0; k < sets.size(); ++k) std::cout << formatSet(static_cast<int>(k + 1), sets[k]) << "\n";
    std::cout << "  job " << resultText(result) << "\n";
    if (result != 0)
        for (const std::string& e : readReportErrors(report)) std::cout << "  " << e << "\n";
    std::cout << "  report: " << report.string() << "\n";
    for (const SetResult& set : sets)
        if (!set.converged()) return false;
    return true;
}

// Runs one data file as it is on disk.
JobEnd runOne(const TRunCommand& command, const fs::path& dataArg)
{
    std::error_code ec;
    const fs::path data = fs::absolute(dataArg, ec);
    std::cout << data.string() << "\n";
    if (!fs::is_regular_file(data, ec)) {
        std::cout << "  cannot read the data file\n";
        return JobEnd::Failed;
    }
    // The project check works on the project as read; the engine reads the
    // file itself and reports what it finds wrong in it, so a file the model
    // reads only in part still goes to the engine.
    TProject project;
    if (const auto error = TDataFileReader::readProject(project, data, TLayout::Current))
        std::cout << "  the data file is read in part:\n" << indented(*error) << "\n";
    const TRunOutcome outcome = command.run(project);
    if (outcome.result == TRunResult::Completed || outcome.result == TRunResult::Refused) {
        const bool converged = printSummary(data, outcome.engineResult);
        if (outcome.engineResult != 0) return JobEnd::Failed;
        return converged ? JobEnd::Converged : JobEnd::NotConverged;
    }
    std::cout << indented(outcome.message) << "\n";
    if (!outcome.detail.empty()) std::cout << "  " << outcome.detail << "\n";
    return JobEnd::Failed;
}

}  // namespace

int runAnalyse(const AnalyseOptions& options)
{
    const TRunCommand command;
    bool failed = false;
    bool notConverged = false;
    for (const std::string& file : options.files) {
        try {
            const JobEnd end = runOne(command, file);
            failed = failed || end == JobEnd::Failed;
            notConverged = notConverged || end == JobEnd::NotConverged;
        } catch (const std::exception& e) {
            std::cout << "  " << e.what() << "\n";
            failed = true;
        }
    }
    if (failed) return 1;
    return notConverged ? 3 : 0;
}

}  // namespace orvane::cli
