#include "results/TWorkbookExportList.hpp"

#include "model/TCommandStates.hpp"
#include "model/TMainGraphs.hpp"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace orvane {

namespace {

const TWorkbookExportList::Entry& entry(int number)
{
    if (number < 1 || number > TWorkbookExportList::kCount)
        throw std::out_of_range("export list entry " + std::to_string(number));
    return TWorkbookExportList::kEntries[static_cast<size_t>(number - 1)];
}

}  // namespace

const TGraphPlot& TWorkbookExportList::graph(const TMainGraphs& graphs, int number)
{
    const TGraphPlot* graph = graphs.byId(entry(number).GraphId);
    if (graph == nullptr) throw std::out_of_range("no graph " + std::string(entry(number).GraphId));
    return *graph;
}

std::string_view TWorkbookExportList::command(int number) { return entry(number).Command; }

bool TWorkbookExportList::available(const TCommandStates& states, int number)
{
    return states.enabled(command(number));
}

std::vector<const TGraphPlot*> TWorkbookExportList::graphs(const TMainGraphs& graphs, const std::vector<int>& numbers)
{
    std::vector<const TGraphPlot*> result;
    for (int number = 1; number <= kCount; ++number)
        if (std::find(numbers.begin(), numbers.end(), number) != numbers.end())
            result.push_back(&graph(graphs, number));
    return result;
}

}  // namespace orvane
