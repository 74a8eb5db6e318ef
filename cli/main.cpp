// orvane-run: analyses data files through the main program's run command
// (project check, control file in a fresh private run folder, the engine
// library beside this program), and prints a summary per analysed set. Exits
// non-zero when any job failed. With --convert it rewrites a data file of
// any layout in the current one.

#include <cstdint>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "model/TDataFileReader.hpp"
#include "model/TLayout.hpp"
#include "model/TProject.hpp"
#include "model/TProjectFiles.hpp"
#include "model/TRunCommand.hpp"
#include "model/TStageFiles.hpp"
#include "summary.hpp"

namespace fs = std::filesystem;
using namespace orvane;
using namespace orvane::cli;

namespace {

const char* const kUsage =
    "usage: orvane-run FILE.ov5d [FILE.ov5d ...]\n"
    "       orvane-run --convert OLD NEW [--layout 2015|2013|3.0|2.0]\n";

fs::path withExtension(fs::path p, const char* ext) { return p.replace_extension(ext); }

// Messages of the model break lines with CR; here every line is indented.
std::string indented(const std::string& message)
{
    std::string text = "  ";
    for (char c : message) text += c == '\r' ? std::string("\n  ") : std::string(1, c);
    return text;
}

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

void printSummary(const fs::path& data, int32_t result)
{
    const fs::path report = withExtension(data, ".ov5o");
    std::vector<SetResult> sets = readReportSets(report);
    readPlotExtremes(withExtension(data, ".ov5p"), sets);
    for (size_t k = 0; k < sets.size(); ++k) std::cout << formatSet(static_cast<int>(k + 1), sets[k]) << "\n";
    std::cout << "  job " << resultText(result) << "\n";
    if (result != 0)
        for (const std::string& e : readReportErrors(report)) std::cout << "  " << e << "\n";
    std::cout << "  report: " << report.string() << "\n";
}

// Runs one data file as it is on disk; returns true when the job completed.
bool runOne(const TRunCommand& command, const fs::path& dataArg)
{
    std::error_code ec;
    const fs::path data = fs::absolute(dataArg, ec);
    std::cout << data.string() << "\n";
    if (!fs::is_regular_file(data, ec)) {
        std::cout << "  cannot read the data file\n";
        return false;
    }
    // The project check works on the project as read; the engine reads the
    // file itself and reports what it finds wrong in it, so a file the model
    // reads only in part still goes to the engine.
    TProject project;
    if (const auto error = TDataFileReader::readProject(project, data, TLayout::Current))
        std::cout << "  the data file is read in part:\n" << indented(*error) << "\n";
    const TRunOutcome outcome = command.run(project);
    if (outcome.result == TRunResult::Completed || outcome.result == TRunResult::Refused) {
        printSummary(data, outcome.engineResult);
        return outcome.engineResult == 0;
    }
    std::cout << indented(outcome.message) << "\n";
    if (!outcome.detail.empty()) std::cout << "  " << outcome.detail << "\n";
    return false;
}

int analyse(const std::vector<std::string>& files)
{
    const TRunCommand command;
    bool allGood = true;
    for (const std::string& file : files) {
        try {
            allGood = runOne(command, file) && allGood;
        } catch (const std::exception& e) {
            std::cout << "  " << e.what() << "\n";
            allGood = false;
        }
    }
    return allGood ? 0 : 1;
}

// Reads OLD in its layout (the extension decides unless --layout names one)
// and writes NEW in the current layout. A staged project's stage files are
// made only for the conversion and removed afterwards.
int convert(std::vector<std::string> args)
{
    std::optional<TLayout> layout;
    for (size_t k = 0; k + 1 < args.size(); ++k) {
        if (args[k] != "--layout") continue;
        layout = TLayouts::byName(args[k + 1]);
        if (!layout) {
            std::cerr << "unknown layout " << args[k + 1] << "\n" << kUsage;
            return 2;
        }
        args.erase(args.begin() + static_cast<long>(k), args.begin() + static_cast<long>(k) + 2);
        break;
    }
    if (args.size() != 2) {
        std::cerr << kUsage;
        return 2;
    }
    const fs::path from = fs::absolute(args[0]);
    const fs::path to = fs::absolute(args[1]);
    TProject project;
    if (const auto error = TProjectFiles::open(project, from, layout.value_or(TLayouts::forPath(from)))) {
        std::cerr << from.string() << ":\n" << indented(*error) << "\n";
        TStageFiles::remove(from, 1, TStageFiles::kMaxStages);
        return 1;
    }
    TProjectFiles::saveAs(project, to);
    if (project.data().StageCount > 1) TStageFiles::remove(to, 1, TStageFiles::kMaxStages);
    std::cout << from.string() << " -> " << to.string() << "\n";
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << kUsage;
        return 2;
    }
    try {
        if (args.front() == "--convert") return convert({args.begin() + 1, args.end()});
        return analyse(args);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
