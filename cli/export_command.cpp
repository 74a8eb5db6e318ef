#include "export_command.hpp"

#include <filesystem>
#include <iostream>
#include <sstream>
#include <vector>

#include "messages.hpp"
#include "view_input.hpp"
#include "model/TCommandStates.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TGraphPlot.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"
#include "results/TWorkbookExport.hpp"
#include "results/TWorkbookExportList.hpp"

namespace fs = std::filesystem;

namespace orvane::cli {

namespace {

// "1,3,7" (blanks around the numbers allowed: "1, 3") into entry numbers;
// nothing for a malformed list.
std::optional<std::vector<int>> parseList(const std::string& list)
{
    std::vector<int> numbers;
    std::istringstream in(list);
    for (std::string item; std::getline(in, item, ',');) {
        const size_t first = item.find_first_not_of(" \t"), last = item.find_last_not_of(" \t");
        item = first == std::string::npos ? std::string() : item.substr(first, last - first + 1);
        if (item.size() != 1 || item[0] < '1' || item[0] > '0' + TWorkbookExportList::kCount) return std::nullopt;
        numbers.push_back(item[0] - '0');
    }
    if (numbers.empty() || list.find_last_not_of(" \t") == std::string::npos ||
        list[list.find_last_not_of(" \t")] == ',')
        return std::nullopt;
    return numbers;
}

std::string entryName(const TMainGraphs& graphs, int number)
{
    return std::to_string(number) + " \"" + TWorkbookExportList::graph(graphs, number).Caption + "\"";
}

}  // namespace

int runExportXlsx(const std::string& dataArg, const std::string& outArg, const std::optional<std::string>& plots)
{
    std::optional<std::vector<int>> requested;
    if (plots) {
        requested = parseList(*plots);
        if (!requested) {
            std::cerr << "orvane-run: --plots takes export-list numbers 1 to 7 separated by commas, not \"" << *plots
                      << "\"\n";
            return 2;
        }
    }
    const fs::path data = fs::absolute(dataArg);
    const fs::path out = fs::absolute(outArg);
    if (!TLayouts::hasExtension(out, ".xlsx")) {
        std::cerr << "orvane-run: the workbook is written as .xlsx, not \"" << out.extension().string() << "\"\n";
        return 2;
    }
    TProject project;
    if (!readModeProject(data, project)) return 1;
    TMainGraphs graphs;
    const fs::path plotFile = TPlotFileReader::plotFilePath(data);
    std::string readError;
    const bool results = fs::exists(plotFile) && TPlotFileReader::read(graphs, project, plotFile, &readError);
    const TCommandStates states(project, results, graphs);

    std::vector<int> numbers;
    for (int number = 1; number <= TWorkbookExportList::kCount; ++number) {
        const bool wanted = !requested || std::find(requested->begin(), requested->end(), number) != requested->end();
        if (!wanted) continue;
        if (TWorkbookExportList::available(states, number))
            numbers.push_back(number);
        else if (requested) {
            std::cerr << "orvane-run: graph " << entryName(graphs, number) << " is not available: "
                      << (results ? "its graph has no curve with more than one point"
                                  : "no results (analyse the project first)" + std::string(readError.empty() ? "" : ": ") +
                                        readError)
                      << "\n";
            return 1;
        }
    }
    if (numbers.empty()) {
        std::cerr << "orvane-run: no graph of " << data.string() << " is available for export"
                  << (results ? "" : " (analyse the project first)") << "\n";
        return 1;
    }
    TWorkbookExport::write(out, TWorkbookExportList::graphs(graphs, numbers));
    std::cout << out.string() << ":";
    for (int number : numbers) std::cout << " " << entryName(graphs, number);
    std::cout << "\n";
    return 0;
}

}  // namespace orvane::cli
