// The plot-data reader on a fuzzed plot-data file (in a private folder on a
// memory file system): it reads the file or reports a failure, never more.

#include <string>

#include "fuzz_support.hpp"
#include "model/TMainGraphs.hpp"
#include "model/TPlotFileReader.hpp"
#include "model/TProject.hpp"

using namespace orvane;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path path = fuzz::privateFolder() / "wall.ov5p";
    fuzz::writeBytes(path, fuzz::text(data, size));
    TMainGraphs graphs;
    TProject project;
    std::string error;
    if (!TPlotFileReader::read(graphs, project, path, &error))
        fuzz::require(!error.empty(), "a failed read of the plot data gave no message");
    return 0;
}
