// Time of the export of every exportable graph to a workbook on disk, as
// "Generate Excel File" and orvane-run --export-xlsx make it: the example
// with the most exported values (sand-over-weak-rock-socket) and the largest
// benchmark job (400 increments, ten generated p-y layers in two sets). The
// graphs are read once from the plot-data files kept beside the golden
// tests; each iteration builds the workbook and writes it through its
// temporary file and rename.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "bench_jobs.hpp"
#include "model/TDataFileReader.hpp"
#include "model/TGraphPlot.hpp"
#include "model/TLayout.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"
#include "results/TWorkbookExport.hpp"
#include "results/TWorkbookExportList.hpp"

namespace fs = std::filesystem;

namespace {

const fs::path kSource = ORVANE_SOURCE_DIR;

// The project and its graphs in a private folder, read as the runner reads
// them.
class AnalysedProject {
public:
    AnalysedProject(const std::string& dataText, const std::string& golden)
    {
        dir_ = fs::temp_directory_path() / ("orvane-export-bench-" + std::to_string(::getpid()) + "-" + golden);
        fs::create_directories(dir_);
        const fs::path data = dir_ / "wall.ov5d";
        std::ofstream(data, std::ios::binary) << dataText;
        const fs::path plotFile = orvane::TPlotFileReader::plotFilePath(data);
        fs::copy_file(kSource / "tests/engine/golden/expected" / golden / "wall.ov5p", plotFile,
                      fs::copy_options::overwrite_existing);
        if (const auto error = orvane::TDataFileReader::readProject(project_, data, orvane::TLayout::Current)) {
            error_ = *error;
            return;
        }
        project_.data().FileName = data.string();
        if (!orvane::TPlotFileReader::read(graphs_, project_, plotFile, &error_) &&
            error_.empty())
            error_ = "the plot-data file was not read whole";
    }
    ~AnalysedProject() { fs::remove_all(dir_); }

    const std::string& error() const { return error_; }
    const fs::path& dir() const { return dir_; }
    std::vector<const orvane::TGraphPlot*> exported() const
    {
        return orvane::TWorkbookExportList::graphs(graphs_, {1, 2, 3, 4, 5, 6, 7});
    }

private:
    fs::path dir_;
    orvane::TProject project_;
    orvane::TMainGraphs graphs_;
    std::string error_;
};

std::string fileText(const fs::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void exportSeven(benchmark::State& state, const std::string& dataText, const std::string& golden)
{
    const AnalysedProject project(dataText, golden);
    if (!project.error().empty()) {
        state.SkipWithError(project.error().c_str());
        return;
    }
    const auto graphs = project.exported();
    long values = 0;
    for (const orvane::TGraphPlot* g : graphs) values += 2L * g->Lines.curveCount() * g->Lines.pointCount();
    const fs::path target = project.dir() / "wall-plots.xlsx";
    for (auto _ : state) orvane::TWorkbookExport::write(target, graphs);
    state.counters["values"] = static_cast<double>(values);
    state.counters["bytes"] = static_cast<double>(fs::file_size(target));
}

void BM_ExportSevenGraphs_Example(benchmark::State& state)
{
    exportSeven(state, fileText(kSource / "examples/sand-over-weak-rock-socket.ov5d"), "sand-over-weak-rock-socket");
}

void BM_ExportSevenGraphs_Generated400(benchmark::State& state)
{
    exportSeven(state, orvane::bench::generatedJob(), "bench-generated-400");
}

}  // namespace

BENCHMARK(BM_ExportSevenGraphs_Example)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ExportSevenGraphs_Generated400)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
